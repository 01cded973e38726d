#include "compare/FiltresSortie.h"

#include <vector>

namespace velmora {
namespace {

template <typename Test>
void Filtrer(TableauFinal& final, Test garder) {
    const int n = final.columnCount();
    std::vector<bool> gardees(static_cast<std::size_t>(final.rowCount()));
    for (int r = 0; r < final.rowCount(); ++r) {
        gardees[static_cast<std::size_t>(r)] = garder(final, r, n);
    }
    final.keepRows(gardees);
}

bool UneCelluleEst(const TableauFinal& final, int r, int n, bool egale, CouleurCellule c) {
    for (int col = 0; col < n; ++col) {
        if ((final.couleur(col, r) == c) == egale) {
            return true;
        }
    }
    return false;
}

}  // namespace

void SortirLignesModifiees(TableauFinal& final) {
    Filtrer(final, [](const TableauFinal& f, int r, int n) {
        return UneCelluleEst(f, r, n, false, CouleurCellule::Inchangee);
    });
}

void SortirLignesAjoutees(TableauFinal& final) {
    Filtrer(final, [](const TableauFinal& f, int r, int n) {
        return !UneCelluleEst(f, r, n, false, CouleurCellule::Ajoutee);
    });
}

void SortirLignesInchangees(TableauFinal& final) {
    Filtrer(final, [](const TableauFinal& f, int r, int n) {
        return !UneCelluleEst(f, r, n, false, CouleurCellule::Inchangee);
    });
}

void SortirDoublonsReferences(TableauFinal& final) {
    Filtrer(final, [](const TableauFinal& f, int r, int n) {
        return UneCelluleEst(f, r, n, true, CouleurCellule::Inchangee);
    });
}

}  // namespace velmora
