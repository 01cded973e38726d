#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "compare/ClasseurServeur.h"

namespace velmora {

// The write-side workbook server: the few operations of a spreadsheet
// automation server that the export uses, over our own .xls writer. It has
// no window; Visible is kept so that callers read as the operations they
// stand for.
class ServeurClasseur {
public:
    void setVisible(bool visible) { visible_ = visible; }
    bool visible() const { return visible_; }
    // Workbooks.Open: a workbook that will be saved to `chemin` (see
    // ClasseurServeur). The reference stays valid until quit().
    ClasseurServeur& workbooksOpen(const std::filesystem::path& chemin);
    // Quit: closes every workbook without saving it.
    void quit() { classeurs_.clear(); }

private:
    bool visible_ = false;
    std::vector<std::unique_ptr<ClasseurServeur>> classeurs_;
};

}  // namespace velmora
