#include "workbook/ExcelApplication.h"

#include <cassert>
#include <stdexcept>

#include "workbook/WorkbookReader.h"

namespace velmora {

Classeur& ExcelWorkbooks::Open(const std::string& path) {
    open_.push_back(std::make_unique<Classeur>(WorkbookReader::readFile(path)));
    return *open_.back();
}

void ExcelWorkbooks::Close(Classeur& classeur, bool saveChanges) {
    assert(!saveChanges && "this reader never writes workbooks");
    (void)saveChanges;
    open_.remove_if([&](const std::unique_ptr<Classeur>& c) { return c.get() == &classeur; });
}

ExcelWorkbooks& ExcelApplication::Workbooks() {
    if (quit_) {
        throw std::logic_error("the spreadsheet application has quit");
    }
    return workbooks_;
}

void ExcelApplication::Quit() {
    workbooks_.closeAll();
    quit_ = true;
}

}  // namespace velmora
