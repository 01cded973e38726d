#include "workbook/SheetData.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace velmora {

namespace {
constexpr std::uint32_t kMapColumns = 256;
constexpr std::uint32_t kWordsPerRow = kMapColumns / 64;
constexpr std::uint32_t kMaxRows = 65536;
}  // namespace

std::uint32_t StringPool::add(std::string_view text) {
    if (offsets_.size() > UINT32_MAX - 1) {
        throw std::length_error("too many texts in one workbook");
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    offsets_.push_back(bytes_.size());
    return static_cast<std::uint32_t>(offsets_.size() - 2);
}

std::string_view StringPool::get(std::uint32_t id) const {
    if (id + 1 >= offsets_.size()) {
        return {};
    }
    return {bytes_.data() + offsets_[id],
            static_cast<std::size_t>(offsets_[id + 1] - offsets_[id])};
}

void SheetData::add(std::uint32_t row, std::uint16_t column, Kind kind, std::uint8_t small,
                    std::uint64_t payload) {
    cells_.push_back(Cell{row, column, kind, small, payload});
}

void SheetData::addText(std::uint32_t row, std::uint16_t column, std::uint32_t stringId) {
    add(row, column, Kind::Text, 0, stringId);
}

void SheetData::addNumber(std::uint32_t row, std::uint16_t column, Kind kind, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    add(row, column, kind, 0, bits);
}

void SheetData::addBoolean(std::uint32_t row, std::uint16_t column, bool value) {
    add(row, column, Kind::Boolean, value ? 1 : 0, 0);
}

void SheetData::addError(std::uint32_t row, std::uint16_t column, std::uint8_t code) {
    add(row, column, Kind::Error, code, 0);
}

void SheetData::addMergedArea(const MergedArea& area) {
    if (area.firstRow <= area.lastRow && area.firstColumn <= area.lastColumn &&
        area.lastRow < kMaxRows) {
        merged_.push_back(area);
    }
}

void SheetData::finish() {
    const auto before = [](const Cell& a, const Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    if (!std::is_sorted(cells_.begin(), cells_.end(), before)) {
        std::stable_sort(cells_.begin(), cells_.end(), before);
    }
    // Keep the last record written for a cell.
    std::size_t out = 0;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        if (out > 0 && cells_[out - 1].row == cells_[i].row &&
            cells_[out - 1].column == cells_[i].column) {
            cells_[out - 1] = cells_[i];
        } else {
            cells_[out++] = cells_[i];
        }
    }
    cells_.resize(out);
    cells_.shrink_to_fit();

    rowStart_.clear();
    if (!cells_.empty()) {
        const std::uint32_t rows = cells_.back().row + 1;
        rowStart_.assign(static_cast<std::size_t>(rows) + 1, 0);
        std::size_t i = 0;
        for (std::uint32_t r = 0; r <= rows; ++r) {
            while (i < cells_.size() && cells_[i].row < r) {
                ++i;
            }
            rowStart_[r] = static_cast<std::uint32_t>(i);
        }
    }
    buildMergeMap();
}

void SheetData::buildMergeMap() {
    mergeMap_.clear();
    mergeRows_ = 0;
    for (const MergedArea& a : merged_) {
        mergeRows_ = std::max(mergeRows_, a.lastRow + 1);
    }
    if (mergeRows_ == 0) {
        return;
    }
    mergeMap_.assign(static_cast<std::size_t>(mergeRows_) * kWordsPerRow, 0);
    for (const MergedArea& a : merged_) {
        if (a.firstColumn >= kMapColumns) {
            continue;
        }
        const std::uint32_t last = std::min<std::uint32_t>(a.lastColumn, kMapColumns - 1);
        // The area's bits in each of the row's four words.
        std::uint64_t words[kWordsPerRow] = {};
        for (std::uint32_t c = a.firstColumn; c <= last; ++c) {
            words[c / 64] |= std::uint64_t{1} << (c % 64);
        }
        for (std::uint32_t r = a.firstRow; r <= a.lastRow; ++r) {
            std::uint64_t* row = &mergeMap_[static_cast<std::size_t>(r) * kWordsPerRow];
            for (std::uint32_t w = 0; w < kWordsPerRow; ++w) {
                row[w] |= words[w];
            }
        }
    }
}

const SheetData::Cell* SheetData::find(std::uint32_t row, std::uint32_t column) const {
    if (row + 1 >= rowStart_.size()) {
        return nullptr;
    }
    const auto first = cells_.begin() + rowStart_[row];
    const auto last = cells_.begin() + rowStart_[row + 1];
    const auto it = std::lower_bound(
        first, last, column, [](const Cell& c, std::uint32_t col) { return c.column < col; });
    if (it == last || it->column != column) {
        return nullptr;
    }
    return &*it;
}

Valeur SheetData::value(std::uint32_t row, std::uint32_t column, const StringPool& strings,
                        bool date1904) const {
    Valeur v;
    const Cell* c = find(row, column);
    if (c == nullptr) {
        return v;
    }
    double number;
    std::memcpy(&number, &c->payload, sizeof number);
    switch (c->kind) {
        case Kind::Text:
            v.type = TypeValeur::Texte;
            v.texte = strings.get(static_cast<std::uint32_t>(c->payload));
            break;
        case Kind::Number:
            v.type = TypeValeur::Nombre;
            v.nombre = number;
            break;
        case Kind::Date:
            v.type = TypeValeur::Date;
            v.nombre = number;
            v.date1904 = date1904;
            break;
        case Kind::Currency:
            v.type = TypeValeur::Monnaie;
            v.nombre = number;
            break;
        case Kind::Boolean:
            v.type = TypeValeur::Booleen;
            v.booleen = c->small != 0;
            break;
        case Kind::Error:
            v.type = TypeValeur::Erreur;
            v.codeErreur = c->small;
            v.texte = Valeur::texteErreur(c->small);
            break;
    }
    return v;
}

bool SheetData::isMerged(std::uint32_t row, std::uint32_t column) const {
    if (row < mergeRows_ && column < kMapColumns) {
        return (mergeMap_[static_cast<std::size_t>(row) * kWordsPerRow + column / 64] >>
                (column % 64)) &
               1U;
    }
    if (column < kMapColumns) {
        return false;
    }
    for (const MergedArea& a : merged_) {
        if (row >= a.firstRow && row <= a.lastRow && column >= a.firstColumn &&
            column <= a.lastColumn) {
            return true;
        }
    }
    return false;
}

std::size_t SheetData::memoryBytes() const {
    return cells_.capacity() * sizeof(Cell) + rowStart_.capacity() * 4 +
           merged_.capacity() * sizeof(MergedArea) + mergeMap_.capacity() * 8;
}

}  // namespace velmora
