#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

class ClasseurEcriture;

// One cell of a worksheet of the write-side workbook server, as
// Cells.Item(row, column) or Range("B3") give it: a handle valid while its
// workbook is open. Row and column are 1-based.
class CelluleServeur {
public:
    CelluleServeur(ClasseurEcriture& classeur, int feuille, int ligne, int colonne)
        : classeur_(classeur), feuille_(feuille), ligne_(ligne), colonne_(colonne) {}

    // Value (get): the cell's text, empty for a cell with none.
    std::string value() const;
    // Value (set): the text is stored as it is, as a text; "" empties the
    // cell. Throws std::out_of_range past the sheet's limits.
    void setValue(std::string_view texte);
    // Interior.Color (set): a solid fill of colour 0xBBGGRR.
    void setInteriorColor(std::uint32_t bgr);

private:
    ClasseurEcriture& classeur_;
    int feuille_;
    int ligne_;
    int colonne_;
};

}  // namespace velmora
