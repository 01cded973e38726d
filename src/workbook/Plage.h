#pragma once

#include <cstdint>

#include "workbook/Valeur.h"
#include "workbook/WorkbookData.h"

namespace velmora {

// One cell of a worksheet (the automation server's Range over one cell).
// Valid while its workbook is open.
class Plage {
public:
    Plage(const WorkbookData& book, const SheetData& sheet, std::uint32_t row0,
          std::uint32_t column0)
        : book_(&book), sheet_(&sheet), row_(row0), column_(column0) {}

    Valeur Value() const { return sheet_->value(row_, column_, book_->strings, book_->date1904); }
    // True when the cell belongs to a merged area.
    bool MergeCells() const { return sheet_->isMerged(row_, column_); }

private:
    const WorkbookData* book_;
    const SheetData* sheet_;
    std::uint32_t row_;
    std::uint32_t column_;
};

}  // namespace velmora
