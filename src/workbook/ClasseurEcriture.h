#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/BiffWriter.h"
#include "workbook/SharedStringsWriter.h"

namespace velmora {

// A workbook built in memory and saved as a BIFF8 .xls file: sheets of text
// cells with solid background fills. Rows and columns are 0-based.
//
// Texts are UTF-8; bytes that are not valid UTF-8 are saved as U+FFFD. A
// text longer than kMaxTextUnits UTF-16 units (the most a cell of the format
// holds) is truncated to its first kMaxTextUnits units, never inside a
// character; truncatedTexts() counts such cells. An empty text leaves the
// cell without a value (as the spreadsheet does when a cell is set to "").
class ClasseurEcriture {
public:
    static constexpr int kMaxRows = 65536;
    static constexpr int kMaxColumns = 256;
    static constexpr std::size_t kMaxTextUnits = 32767;
    static constexpr std::size_t kMaxSheetNameUnits = 31;
    static constexpr std::size_t kMaxFillColours = 56;

    // Adds a sheet at the end and returns its index. Throws
    // std::invalid_argument for a name the format refuses: empty, longer
    // than 31 UTF-16 units, holding one of : \ / ? * [ ], or equal, ignoring
    // ASCII case, to another sheet's name.
    int addSheet(std::string_view name);
    // Same rules as addSheet.
    void renameSheet(int sheet, std::string_view name);
    int sheetCount() const { return static_cast<int>(sheets_.size()); }
    const std::string& sheetName(int sheet) const;

    // Throw std::out_of_range for a sheet that does not exist or a cell past
    // kMaxRows × kMaxColumns.
    void setCellText(int sheet, int row, int column, std::string_view text);
    // The text as it will be saved (after truncation); empty for a cell with none.
    std::string_view cellText(int sheet, int row, int column) const;
    // A solid fill of colour 0xBBGGRR. Throws std::length_error when the
    // colour would be the 57th distinct one (the palette's size).
    void setFill(int sheet, int row, int column, std::uint32_t bgr);
    void clearFill(int sheet, int row, int column);
    std::optional<std::uint32_t> fill(int sheet, int row, int column) const;

    std::size_t truncatedTexts() const { return truncatedTexts_; }

    // Writes the workbook beside `target` and renames it over `target`, so a
    // failed save leaves any previous file as it was. Throws
    // std::runtime_error naming the file and the problem.
    void save(const std::filesystem::path& target) const;

private:
    void checkName(std::string_view name, int except) const;
    const WriterSheet& sheetAt(int sheet) const;
    WriterCell& cellAt(int sheet, int row, int column);
    const WriterCell* findCell(int sheet, int row, int column) const;

    std::vector<WriterSheet> sheets_;
    SharedStringsWriter strings_;
    std::vector<std::uint32_t> fillColours_;
    std::size_t truncatedTexts_ = 0;
};

}  // namespace velmora
