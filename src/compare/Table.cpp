#include "compare/Table.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace velmora {

Table::Table(int columns, int rows) {
    resize(columns, rows);
}

Table::Cell Table::make(std::string_view text) {
    if (text.size() > UINT32_MAX) {
        throw std::length_error("cell text longer than 4 GiB");
    }
    Cell c;
    c.size = static_cast<std::uint32_t>(text.size());
    if (c.size <= kInline) {
        if (c.size != 0) {
            std::memcpy(c.data, text.data(), c.size);
        }
    } else {
        const std::uint64_t offset = arena_.size();
        arena_.insert(arena_.end(), text.begin(), text.end());
        std::memcpy(c.data, &offset, sizeof offset);
    }
    return c;
}

std::string_view Table::view(const Cell& c) const {
    if (c.size <= kInline) {
        return {c.data, c.size};
    }
    std::uint64_t offset;
    std::memcpy(&offset, c.data, sizeof offset);
    return {arena_.data() + offset, c.size};
}

std::string_view Table::cell(int column, int row) const {
    if (column < 0 || row < 0 || column >= columns_ || row >= rows_) {
        return {};
    }
    return view(cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                       static_cast<std::size_t>(column)]);
}

void Table::setCell(int column, int row, std::string_view text) {
    if (column < 0 || row < 0 || column >= columns_ || row >= rows_) {
        return;
    }
    cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column)] = make(text);
}

void Table::resize(int columns, int rows) {
    columns = std::max(columns, 0);
    rows = std::max(rows, 0);
    const auto newCount = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    if (columns == columns_) {
        cells_.resize(newCount);
    } else {
        std::vector<Cell> next(newCount);
        const int keepColumns = std::min(columns, columns_);
        const int keepRows = std::min(rows, rows_);
        for (int r = 0; r < keepRows; ++r) {
            const auto from = cells_.begin() + static_cast<std::ptrdiff_t>(r) * columns_;
            std::copy(from, from + keepColumns,
                      next.begin() + static_cast<std::ptrdiff_t>(r) * columns);
        }
        cells_ = std::move(next);
    }
    columns_ = columns;
    rows_ = rows;
}

void Table::clearCells() {
    std::fill(cells_.begin(), cells_.end(), Cell{});
    arena_.clear();
    arena_.shrink_to_fit();
}

void Table::reserveRows(int rows) {
    if (rows > 0) {
        cells_.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns_));
    }
}

void Table::appendRow(const std::vector<std::string_view>& texts) {
    const auto start = cells_.size();
    cells_.resize(start + static_cast<std::size_t>(columns_));
    ++rows_;
    const auto n = std::min(texts.size(), static_cast<std::size_t>(columns_));
    for (std::size_t i = 0; i < n; ++i) {
        cells_[start + i] = make(texts[i]);
    }
}

}  // namespace velmora
