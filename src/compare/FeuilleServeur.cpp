#include "compare/FeuilleServeur.h"

#include <stdexcept>

#include "workbook/ClasseurEcriture.h"

namespace velmora {

std::string FeuilleServeur::name() const {
    return classeur_.sheetName(feuille_);
}

void FeuilleServeur::setName(std::string_view nom) {
    classeur_.renameSheet(feuille_, nom);
}

CelluleServeur FeuilleServeur::range(std::string_view reference) {
    std::size_t pos = 0;
    long colonne = 0;
    long ligne = 0;
    while (pos < reference.size() && pos < 3 && reference[pos] >= 'A' && reference[pos] <= 'Z') {
        colonne = colonne * 26 + (reference[pos] - 'A' + 1);
        ++pos;
    }
    const std::size_t debutLigne = pos;
    while (pos < reference.size() && pos - debutLigne < 7 && reference[pos] >= '0' &&
           reference[pos] <= '9') {
        ligne = ligne * 10 + (reference[pos] - '0');
        ++pos;
    }
    if (colonne == 0 || pos == debutLigne || pos != reference.size() || ligne == 0) {
        throw std::invalid_argument("not a cell reference: \"" + std::string(reference) + "\"");
    }
    return cells(static_cast<int>(ligne), static_cast<int>(colonne));
}

}  // namespace velmora
