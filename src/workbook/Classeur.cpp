#include "workbook/Classeur.h"

#include "workbook/ErreurClasseur.h"

namespace velmora {

Classeur::Classeur(std::shared_ptr<const WorkbookData> data) : data_(std::move(data)) {
    feuilles_.reserve(data_->worksheets.size());
    for (const auto& sheet : data_->worksheets) {
        feuilles_.emplace_back(*data_, sheet);
    }
}

const Feuille& Classeur::WorkSheets(int n) const {
    if (n < 1 || n > WorkSheetsCount()) {
        throw ErreurClasseur(data_->fileName, "there is no worksheet " + std::to_string(n) +
                                                  " (the workbook has " +
                                                  std::to_string(WorkSheetsCount()) + ")");
    }
    return feuilles_[static_cast<std::size_t>(n - 1)];
}

}  // namespace velmora
