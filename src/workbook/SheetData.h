#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/Valeur.h"

namespace velmora {

// One merged area, 0-based and inclusive.
struct MergedArea {
    std::uint32_t firstRow = 0;
    std::uint32_t lastRow = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumn = 0;

    friend bool operator==(const MergedArea&, const MergedArea&) = default;
};

// Texts of one workbook in one byte block: 8 bytes a text plus its bytes.
class StringPool {
public:
    StringPool() { offsets_.push_back(0); }
    std::uint32_t add(std::string_view text);
    std::string_view get(std::uint32_t id) const;
    std::size_t size() const { return offsets_.size() - 1; }
    std::size_t bytes() const { return bytes_.capacity() + offsets_.capacity() * 8; }

private:
    std::vector<char> bytes_;
    std::vector<std::uint64_t> offsets_;
};

// The cells and merged areas of one worksheet, parsed once. Rows and columns
// are 0-based. Lookups cost a row index step and a binary search in the row.
class SheetData {
public:
    enum class Kind : std::uint8_t { Text, Number, Date, Currency, Boolean, Error };

    // Set when the worksheet's records could not be read (the cells before
    // the fault are kept); the automation layer refuses such a sheet.
    std::string problem;

    // Building (the reader calls these, then finish()).
    void addText(std::uint32_t row, std::uint16_t column, std::uint32_t stringId);
    void addNumber(std::uint32_t row, std::uint16_t column, Kind kind, double value);
    void addBoolean(std::uint32_t row, std::uint16_t column, bool value);
    void addError(std::uint32_t row, std::uint16_t column, std::uint8_t code);
    void addMergedArea(const MergedArea& area);
    // Sorts the cells (a later record for the same cell wins) and indexes rows.
    void finish();

    // Reading.
    Valeur value(std::uint32_t row, std::uint32_t column, const StringPool& strings,
                 bool date1904) const;
    bool isMerged(std::uint32_t row, std::uint32_t column) const;
    const std::vector<MergedArea>& mergedAreas() const { return merged_; }
    std::size_t cellCount() const { return cells_.size(); }
    std::size_t memoryBytes() const;

private:
    struct Cell {
        std::uint32_t row;
        std::uint16_t column;
        Kind kind;
        std::uint8_t small;     // Boolean value or error code
        std::uint64_t payload;  // double bits, or the string id
    };
    static_assert(sizeof(Cell) == 16);

    void add(std::uint32_t row, std::uint16_t column, Kind kind, std::uint8_t small,
             std::uint64_t payload);
    const Cell* find(std::uint32_t row, std::uint32_t column) const;
    void buildMergeMap();

    std::vector<Cell> cells_;
    std::vector<std::uint32_t> rowStart_;  // cells of row r: [rowStart_[r], rowStart_[r+1])
    std::vector<MergedArea> merged_;
    // One bit a cell for rows < mergeRows_ and columns < 256.
    std::vector<std::uint64_t> mergeMap_;
    std::uint32_t mergeRows_ = 0;
};

}  // namespace velmora
