#include "compare/IndexReferences.h"

#include <functional>
#include <limits>
#include <stdexcept>

namespace velmora {

IndexReferences::IndexReferences(std::size_t lignes) {
    if (lignes > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 2)) {
        throw std::length_error("too many rows to index");
    }
    std::size_t taille = 16;
    while (taille < lignes * 2) {
        taille *= 2;
    }
    emplacements_.assign(taille, 0);
    masque_ = taille - 1;
    entrees_.reserve(lignes);
}

std::size_t IndexReferences::emplacement(std::string_view cle, std::size_t empreinte) const {
    std::size_t i = empreinte & masque_;
    for (;;) {
        const std::int32_t e = emplacements_[i];
        if (e == 0 || entrees_[static_cast<std::size_t>(e - 1)].cle == cle) {
            return i;
        }
        i = (i + 1) & masque_;
    }
}

int IndexReferences::inserer(std::string cle, int ligne) {
    const std::size_t i = emplacement(cle, std::hash<std::string_view>{}(cle));
    if (emplacements_[i] != 0) {
        const int entree = emplacements_[i] - 1;
        entrees_[static_cast<std::size_t>(entree)].ligne = ligne;
        return entree;
    }
    // The table holds at most half as many entries as slots, as sized for
    // the rows announced; grow if more come.
    if ((entrees_.size() + 1) * 2 > emplacements_.size()) {
        std::vector<std::int32_t> anciens(emplacements_.size() * 2, 0);
        anciens.swap(emplacements_);
        masque_ = emplacements_.size() - 1;
        for (std::size_t k = 0; k < entrees_.size(); ++k) {
            const std::string& c = entrees_[k].cle;
            emplacements_[emplacement(c, std::hash<std::string_view>{}(c))] =
                static_cast<std::int32_t>(k + 1);
        }
        return inserer(std::move(cle), ligne);
    }
    entrees_.push_back({std::move(cle), ligne, false});
    emplacements_[i] = static_cast<std::int32_t>(entrees_.size());
    return static_cast<int>(entrees_.size() - 1);
}

int IndexReferences::trouver(std::string_view cle) const {
    const std::int32_t e = emplacements_[emplacement(cle, std::hash<std::string_view>{}(cle))];
    return e - 1;
}

}  // namespace velmora
