#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

// A rectangle of a grid: 0-based, Right and Bottom inclusive.
struct Selection {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const Selection&, const Selection&) = default;
};

// What the comparison reads from an input grid. The command line implements
// it with a Table; the main window's grids implement it over their view's
// selection.
class TableSource {
public:
    virtual ~TableSource() = default;
    virtual int columnCount() const = 0;
    virtual int rowCount() const = 0;
    // The text of cell [column, row]; the empty text outside the grid. The
    // view stays valid until the source is next modified.
    virtual std::string_view cell(int column, int row) const = 0;
    virtual Selection selection() const = 0;
};

// A grid of UTF-8 text cells, stored row by row. Short texts live inside the
// cell record; longer ones in one byte arena, so a grid of tens of millions
// of cells costs 16 bytes a cell plus its long texts.
class Table final : public TableSource {
public:
    explicit Table(int columns = 1, int rows = 1);

    int columnCount() const override { return columns_; }
    int rowCount() const override { return rows_; }
    std::string_view cell(int column, int row) const override;
    Selection selection() const override { return selection_; }

    // Writing outside the grid does nothing.
    void setCell(int column, int row, std::string_view text);
    // Keeps the texts of the cells that stay inside; new cells are empty.
    // Negative sizes count as 0.
    void resize(int columns, int rows);
    // Same size, every cell empty, the arena released.
    void clearCells();
    void setSelection(Selection selection) { selection_ = selection; }
    // Reserves room for this many rows at the current width.
    void reserveRows(int rows);
    // Appends one row built from the given texts (missing ones empty).
    void appendRow(const std::vector<std::string_view>& texts);

private:
    static constexpr std::uint32_t kInline = 12;
    struct Cell {
        std::uint32_t size = 0;
        char data[kInline] = {};  // the text itself, or its arena offset
    };
    static_assert(sizeof(Cell) == 16);

    Cell make(std::string_view text);
    std::string_view view(const Cell& c) const;

    int columns_ = 0;
    int rows_ = 0;
    std::vector<Cell> cells_;
    std::vector<char> arena_;
    Selection selection_;
};

}  // namespace velmora
