#pragma once

#include <list>
#include <memory>
#include <string>

#include "workbook/Classeur.h"

namespace velmora {

// The collection of open workbooks of one ExcelApplication.
class ExcelWorkbooks {
public:
    // Reads the workbook at path. Throws ErreurClasseur when it cannot be read.
    // The reference stays valid until Close or the application's Quit.
    Classeur& Open(const std::string& path);
    // Closes an open workbook. Nothing is ever written back: saveChanges is
    // accepted for the automation call's shape and must be false.
    void Close(Classeur& classeur, bool saveChanges);
    int Count() const { return static_cast<int>(open_.size()); }
    void closeAll() { open_.clear(); }

private:
    std::list<std::unique_ptr<Classeur>> open_;
};

// The workbook-reading side of the spreadsheet automation server: one
// instance per import, created, used and quit on the caller's thread.
class ExcelApplication {
public:
    ExcelApplication() = default;
    ExcelApplication(const ExcelApplication&) = delete;
    ExcelApplication& operator=(const ExcelApplication&) = delete;

    void setVisible(bool visible) { visible_ = visible; }
    bool Visible() const { return visible_; }
    // Throws std::logic_error after Quit.
    ExcelWorkbooks& Workbooks();
    // Closes every workbook; the application is unusable afterwards.
    void Quit();

private:
    bool visible_ = false;
    bool quit_ = false;
    ExcelWorkbooks workbooks_;
};

}  // namespace velmora
