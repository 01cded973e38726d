#pragma once

#include <memory>
#include <string>
#include <vector>

#include "workbook/Feuille.h"
#include "workbook/WorkbookData.h"

namespace velmora {

// An open workbook, parsed when it was opened; lookups never re-read the file.
class Classeur {
public:
    explicit Classeur(std::shared_ptr<const WorkbookData> data);

    // Worksheet n, counted from 1 (chart and macro sheets are not counted).
    // Throws ErreurClasseur when n is outside 1 to WorkSheetsCount().
    const Feuille& WorkSheets(int n) const;
    int WorkSheetsCount() const { return static_cast<int>(feuilles_.size()); }
    const std::string& FullName() const { return data_->fileName; }
    const WorkbookData& data() const { return *data_; }

private:
    std::shared_ptr<const WorkbookData> data_;
    std::vector<Feuille> feuilles_;
};

}  // namespace velmora
