#include "workbook/ClasseurEcriture.h"

#include <algorithm>
#include <stdexcept>

#include "workbook/Ole2Writer.h"
#include "workbook/Utf16Text.h"

namespace velmora {
namespace {

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string Where(int sheet, int row, int column) {
    return "sheet " + std::to_string(sheet) + ", row " + std::to_string(row) + ", column " +
           std::to_string(column);
}

}  // namespace

void ClasseurEcriture::checkName(std::string_view name, int except) const {
    const std::string quoted = "sheet name \"" + std::string(name) + "\"";
    if (name.empty()) {
        throw std::invalid_argument("empty sheet name");
    }
    if (Utf16Length(name) > kMaxSheetNameUnits) {
        throw std::invalid_argument(quoted + " is longer than 31 characters");
    }
    if (name.find_first_of(":\\/?*[]") != std::string_view::npos) {
        throw std::invalid_argument(quoted + " holds one of : \\ / ? * [ ]");
    }
    for (int i = 0; i < sheetCount(); ++i) {
        if (i != except && SameIgnoringAsciiCase(sheets_[static_cast<std::size_t>(i)].name, name)) {
            throw std::invalid_argument(quoted + " is already used");
        }
    }
}

int ClasseurEcriture::addSheet(std::string_view name) {
    checkName(name, -1);
    if (sheets_.size() >= 0xFFFF) {
        throw std::length_error("too many sheets");
    }
    sheets_.push_back(WriterSheet{std::string(name), {}});
    return sheetCount() - 1;
}

void ClasseurEcriture::renameSheet(int sheet, std::string_view name) {
    sheetAt(sheet);
    checkName(name, sheet);
    sheets_[static_cast<std::size_t>(sheet)].name = std::string(name);
}

const std::string& ClasseurEcriture::sheetName(int sheet) const {
    return sheetAt(sheet).name;
}

const WriterSheet& ClasseurEcriture::sheetAt(int sheet) const {
    if (sheet < 0 || sheet >= sheetCount()) {
        throw std::out_of_range("no sheet " + std::to_string(sheet) + " in a workbook of " +
                                std::to_string(sheetCount()));
    }
    return sheets_[static_cast<std::size_t>(sheet)];
}

WriterCell& ClasseurEcriture::cellAt(int sheet, int row, int column) {
    sheetAt(sheet);
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns) {
        throw std::out_of_range(Where(sheet, row, column) + " is outside the " +
                                std::to_string(kMaxRows) + " rows and " +
                                std::to_string(kMaxColumns) + " columns of a worksheet");
    }
    auto& rows = sheets_[static_cast<std::size_t>(sheet)].rows;
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    if (rows.size() <= r) {
        rows.resize(r + 1);
    }
    if (rows[r].size() <= c) {
        rows[r].resize(c + 1);
    }
    return rows[r][c];
}

const WriterCell* ClasseurEcriture::findCell(int sheet, int row, int column) const {
    const auto& rows = sheetAt(sheet).rows;
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return nullptr;
    }
    const auto& cells = rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size()) {
        return nullptr;
    }
    return &cells[static_cast<std::size_t>(column)];
}

void ClasseurEcriture::setCellText(int sheet, int row, int column, std::string_view text) {
    WriterCell& cell = cellAt(sheet, row, column);
    if (text.empty()) {
        cell.text = 0;
        return;
    }
    // Only long texts can exceed the limit: each unit takes at least one byte.
    if (text.size() > kMaxTextUnits) {
        const std::size_t keep = Utf8PrefixWithinUnits(text, kMaxTextUnits);
        if (keep < text.size()) {
            text = text.substr(0, keep);
            ++truncatedTexts_;
        }
    }
    cell.text = strings_.intern(text) + 1;
}

std::string_view ClasseurEcriture::cellText(int sheet, int row, int column) const {
    const WriterCell* cell = findCell(sheet, row, column);
    if (cell == nullptr || cell->text == 0) {
        return {};
    }
    return strings_.text(cell->text - 1);
}

void ClasseurEcriture::setFill(int sheet, int row, int column, std::uint32_t bgr) {
    bgr &= 0xFFFFFF;
    WriterCell& cell = cellAt(sheet, row, column);
    auto it = std::find(fillColours_.begin(), fillColours_.end(), bgr);
    if (it == fillColours_.end()) {
        if (fillColours_.size() >= kMaxFillColours) {
            throw std::length_error("more than 56 distinct fill colours in one workbook");
        }
        fillColours_.push_back(bgr);
        it = fillColours_.end() - 1;
    }
    cell.fill = static_cast<std::uint16_t>(it - fillColours_.begin() + 1);
}

void ClasseurEcriture::clearFill(int sheet, int row, int column) {
    cellAt(sheet, row, column).fill = 0;
}

std::optional<std::uint32_t> ClasseurEcriture::fill(int sheet, int row, int column) const {
    const WriterCell* cell = findCell(sheet, row, column);
    if (cell == nullptr || cell->fill == 0) {
        return std::nullopt;
    }
    return fillColours_[cell->fill - 1u];
}

void ClasseurEcriture::save(const std::filesystem::path& target) const {
    if (sheets_.empty()) {
        throw std::runtime_error(target.string() + ": a workbook needs at least one sheet");
    }
    Ole2Writer file(target, "Workbook");
    try {
        BiffWriter(sheets_, strings_, fillColours_).write(file.stream());
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::runtime_error& e) {
        const std::string what = e.what();
        if (what.rfind(target.string(), 0) == 0) {
            throw;
        }
        throw std::runtime_error(target.string() + ": " + what);
    }
    file.commit();
}

}  // namespace velmora
