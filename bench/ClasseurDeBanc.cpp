#include "ClasseurDeBanc.h"

#include <cstdint>
#include <string>

#include "compare/ExporterTableauFinal.h"

namespace velmora::bench {

TableauFinal TableauFinalDeBanc(int colonnes, int lignes, double partTeintee) {
    TableauFinal t;
    t.resize(colonnes, lignes);
    std::uint64_t etat = 0x9E3779B97F4A7C15ull;
    const auto suivant = [&etat] {
        etat ^= etat << 13;
        etat ^= etat >> 7;
        etat ^= etat << 17;
        return etat;
    };
    const auto seuil = static_cast<std::uint64_t>(partTeintee * 1e6);
    for (int r = 0; r < lignes; ++r) {
        for (int c = 0; c < colonnes; ++c) {
            const std::uint64_t x = suivant();
            switch (x % 8) {
                case 0:
                    t.setTexte(c, r, "");
                    break;
                case 1:
                    t.setTexte(c, r,
                               std::to_string(1 + x % 28) + "/0" + std::to_string(1 + x % 9) +
                                   "/20" + std::to_string(10 + x % 15));
                    break;
                case 2:
                case 3:
                case 4:
                    t.setTexte(c, r, "mot" + std::to_string(x % 1000));
                    break;
                default:
                    t.setTexte(c, r, "R" + std::to_string(r + 1) + "C" + std::to_string(c + 1));
                    break;
            }
            if ((x >> 20) % 1000000 < seuil) {
                const CouleurCellule couleurs[] = {
                    CouleurCellule::Ajoutee, CouleurCellule::Modifiee, CouleurCellule::Effacee};
                t.setCouleur(c, r, couleurs[(x >> 40) % 3]);
            } else if ((x >> 40) % 4 == 0) {
                t.setCouleur(c, r, CouleurCellule::Inchangee);
            }
        }
    }
    return t;
}

std::filesystem::path GrandClasseurDeBanc(const std::filesystem::path& dossierCache) {
    const auto chemin = dossierCache / "grand-65536x52.xls";
    if (!std::filesystem::exists(chemin)) {
        std::filesystem::create_directories(dossierCache);
        EcrireTableauFinal(TableauFinalDeBanc(52, 65536, 0.03), chemin, {});
    }
    return chemin;
}

}  // namespace velmora::bench
