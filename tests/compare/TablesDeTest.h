#pragma once

// Small builders and readers that let the comparison tests show whole tables.

#include <string>
#include <vector>

#include "compare/Comparateur.h"
#include "compare/Table.h"
#include "compare/TableauFinal.h"

namespace velmora::test {

using Lignes = std::vector<std::vector<std::string>>;

// Rows of texts; the width is the longest row's.
inline Table FaireTable(const Lignes& lignes) {
    std::size_t largeur = 1;
    for (const auto& l : lignes) {
        largeur = std::max(largeur, l.size());
    }
    Table t(static_cast<int>(largeur), static_cast<int>(std::max<std::size_t>(lignes.size(), 1)));
    for (std::size_t r = 0; r < lignes.size(); ++r) {
        for (std::size_t c = 0; c < lignes[r].size(); ++c) {
            t.setCell(static_cast<int>(c), static_cast<int>(r), lignes[r][c]);
        }
    }
    return t;
}

inline Lignes Textes(const TableauFinal& f) {
    Lignes out(static_cast<std::size_t>(f.rowCount()));
    for (int r = 0; r < f.rowCount(); ++r) {
        for (int c = 0; c < f.columnCount(); ++c) {
            out[static_cast<std::size_t>(r)].emplace_back(f.texte(c, r));
        }
    }
    return out;
}

// One letter a cell: T added, G modified, M erased, U unchanged, . none.
inline std::vector<std::string> Couleurs(const TableauFinal& f) {
    std::vector<std::string> out;
    for (int r = 0; r < f.rowCount(); ++r) {
        std::string ligne;
        for (int c = 0; c < f.columnCount(); ++c) {
            switch (f.couleur(c, r)) {
                case CouleurCellule::Ajoutee:
                    ligne += 'T';
                    break;
                case CouleurCellule::Modifiee:
                    ligne += 'G';
                    break;
                case CouleurCellule::Effacee:
                    ligne += 'M';
                    break;
                case CouleurCellule::Inchangee:
                    ligne += 'U';
                    break;
                case CouleurCellule::Aucune:
                    ligne += '.';
                    break;
            }
        }
        out.push_back(ligne);
    }
    return out;
}

// The whole-grid or selection comparison of two tables, with its bar.
struct Essai {
    Table t1;
    Table t2;
    int typeTri = 0;
    bool afficheSupprime = false;
    TableauFinal final;
    BarreProgression barre;
    std::vector<int> positions;  // every position the bar was moved to

    Essai(const Lignes& a, const Lignes& b) : t1(FaireTable(a)), t2(FaireTable(b)) {
        barre.Max = t1.rowCount() + t2.rowCount();
        barre.rafraichir = [this](const BarreProgression& bp) { positions.push_back(bp.Position); };
    }
    Comparateur comparateur() { return {t1, t2, typeTri, afficheSupprime, final, barre}; }
};

}  // namespace velmora::test
