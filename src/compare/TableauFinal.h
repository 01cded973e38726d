#pragma once

#include <cstddef>
#include <vector>

#include "compare/CouleurCellule.h"
#include "compare/Table.h"

namespace velmora {

// The final table: the texts (StringGridExcelFinal) and one verdict per cell
// (CouleursCellules), always of the same size.
class TableauFinal {
public:
    TableauFinal() : textes_(0, 0) {}

    int columnCount() const { return textes_.columnCount(); }
    int rowCount() const { return textes_.rowCount(); }

    const Table& textes() const { return textes_; }
    std::string_view texte(int column, int row) const { return textes_.cell(column, row); }
    void setTexte(int column, int row, std::string_view text) {
        textes_.setCell(column, row, text);
    }

    // Aucune outside the table.
    CouleurCellule couleur(int column, int row) const {
        if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount()) {
            return CouleurCellule::Aucune;
        }
        return couleurs_[index(column, row)];
    }
    void setCouleur(int column, int row, CouleurCellule c) {
        if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount()) {
            return;
        }
        couleurs_[index(column, row)] = c;
    }

    // Keeps what stays inside; new cells are empty with no verdict.
    void resize(int columns, int rows);
    // Rows whose index is flagged in `keep` stay, in their order.
    void keepRows(const std::vector<bool>& keep);

private:
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount()) +
               static_cast<std::size_t>(column);
    }

    Table textes_;
    std::vector<CouleurCellule> couleurs_;
};

}  // namespace velmora
