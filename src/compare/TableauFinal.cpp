#include "compare/TableauFinal.h"

#include <algorithm>

namespace velmora {

void TableauFinal::resize(int columns, int rows) {
    columns = std::max(columns, 0);
    rows = std::max(rows, 0);
    const int oldColumns = columnCount();
    const int oldRows = rowCount();
    const auto count = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    if (columns == oldColumns) {
        couleurs_.resize(count, CouleurCellule::Aucune);
    } else {
        std::vector<CouleurCellule> next(count, CouleurCellule::Aucune);
        const int keepColumns = std::min(columns, oldColumns);
        const int keepRows = std::min(rows, oldRows);
        for (int r = 0; r < keepRows; ++r) {
            const auto from = couleurs_.begin() + static_cast<std::ptrdiff_t>(r) * oldColumns;
            std::copy(from, from + keepColumns,
                      next.begin() + static_cast<std::ptrdiff_t>(r) * columns);
        }
        couleurs_ = std::move(next);
    }
    textes_.resize(columns, rows);
}

void TableauFinal::keepRows(const std::vector<bool>& keep) {
    const int columns = columnCount();
    Table textes(columns, 0);
    std::vector<CouleurCellule> couleurs;
    std::vector<std::string_view> row(static_cast<std::size_t>(columns));
    const int rows = std::min(rowCount(), static_cast<int>(keep.size()));
    for (int r = 0; r < rows; ++r) {
        if (!keep[static_cast<std::size_t>(r)]) {
            continue;
        }
        for (int c = 0; c < columns; ++c) {
            row[static_cast<std::size_t>(c)] = textes_.cell(c, r);
        }
        textes.appendRow(row);
        const auto from = couleurs_.begin() + static_cast<std::ptrdiff_t>(index(0, r));
        couleurs.insert(couleurs.end(), from, from + columns);
    }
    textes_ = std::move(textes);
    couleurs_ = std::move(couleurs);
}

}  // namespace velmora
