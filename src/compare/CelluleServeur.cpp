#include "compare/CelluleServeur.h"

#include "workbook/ClasseurEcriture.h"

namespace velmora {

std::string CelluleServeur::value() const {
    return std::string(classeur_.cellText(feuille_, ligne_ - 1, colonne_ - 1));
}

void CelluleServeur::setValue(std::string_view texte) {
    classeur_.setCellText(feuille_, ligne_ - 1, colonne_ - 1, texte);
}

void CelluleServeur::setInteriorColor(std::uint32_t bgr) {
    classeur_.setFill(feuille_, ligne_ - 1, colonne_ - 1, bgr);
}

}  // namespace velmora
