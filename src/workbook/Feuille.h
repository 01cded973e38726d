#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "workbook/Plage.h"
#include "workbook/WorkbookData.h"

namespace velmora {

// One worksheet of an open workbook. Valid while its workbook is open.
class Feuille {
public:
    Feuille(const WorkbookData& book, const WorkbookData::Worksheet& sheet)
        : book_(&book), sheet_(&sheet) {}

    // The cell at an address such as "B7" or "AZ130" (columns A to XFD, rows
    // from 1). Throws std::invalid_argument for a malformed address, and
    // ErreurClasseur when the worksheet's records were damaged.
    Plage Range(std::string_view address) const;
    // The same by 1-based column and row.
    Plage Cells(int row, int column) const;

    const std::string& Name() const { return sheet_->name; }

    // Column and row (1-based) of an address; false when it is malformed.
    static bool parseAddress(std::string_view address, int& column, int& row);

private:
    const WorkbookData* book_;
    const WorkbookData::Worksheet* sheet_;
};

}  // namespace velmora
