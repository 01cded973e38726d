#pragma once

#include <string>
#include <string_view>

#include "compare/CelluleServeur.h"

namespace velmora {

class ClasseurEcriture;

// A worksheet of the write-side workbook server, as WorkSheets(i) gives it:
// a handle valid while its workbook is open.
class FeuilleServeur {
public:
    FeuilleServeur(ClasseurEcriture& classeur, int feuille)
        : classeur_(classeur), feuille_(feuille) {}

    std::string name() const;
    // Throws std::invalid_argument for a name a worksheet cannot take.
    void setName(std::string_view nom);
    // Cells.Item(row, column), both 1-based.
    CelluleServeur cells(int ligne, int colonne) { return {classeur_, feuille_, ligne, colonne}; }
    // Range of one cell in A1 notation ("A1", "AZ65536"). Throws
    // std::invalid_argument for anything else.
    CelluleServeur range(std::string_view reference);

private:
    ClasseurEcriture& classeur_;
    int feuille_;
};

}  // namespace velmora
