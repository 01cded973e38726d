#pragma once

#include <memory>
#include <string>
#include <vector>

#include "workbook/SheetData.h"

namespace velmora {

// A workbook parsed into memory: its worksheets in workbook order (chart,
// macro and module sheets left out) and the texts their cells share.
struct WorkbookData {
    struct Worksheet {
        std::string name;
        bool hidden = false;
        // Worksheets whose records start at the same place share their data.
        std::shared_ptr<const SheetData> data;
    };

    std::string fileName;
    int biffVersion = 8;  // 5 (BIFF5/BIFF7) or 8
    bool date1904 = false;
    int codePage = 1252;
    StringPool strings;
    std::vector<Worksheet> worksheets;
};

}  // namespace velmora
