#include "workbook/Feuille.h"

#include <stdexcept>

#include "workbook/ErreurClasseur.h"

namespace velmora {

bool Feuille::parseAddress(std::string_view address, int& column, int& row) {
    std::size_t i = 0;
    column = 0;
    while (i < address.size() && address[i] >= 'A' && address[i] <= 'Z') {
        column = column * 26 + (address[i] - 'A' + 1);
        if (++i > 3) {
            return false;
        }
    }
    if (i == 0 || i == address.size() || column > 16384 || address[i] == '0') {
        return false;
    }
    row = 0;
    for (; i < address.size(); ++i) {
        if (address[i] < '0' || address[i] > '9' || row > 100000000) {
            return false;
        }
        row = row * 10 + (address[i] - '0');
    }
    return row >= 1;
}

Plage Feuille::Range(std::string_view address) const {
    int column = 0;
    int row = 0;
    if (!parseAddress(address, column, row)) {
        throw std::invalid_argument("not a cell address: \"" + std::string(address) + "\"");
    }
    return Cells(row, column);
}

Plage Feuille::Cells(int row, int column) const {
    if (row < 1 || column < 1) {
        throw std::invalid_argument("cell rows and columns count from 1");
    }
    if (!sheet_->data->problem.empty()) {
        throw ErreurClasseur(book_->fileName, sheet_->data->problem);
    }
    return Plage(*book_, *sheet_->data, static_cast<std::uint32_t>(row - 1),
                 static_cast<std::uint32_t>(column - 1));
}

}  // namespace velmora
