#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "workbook/SharedStringsWriter.h"

namespace velmora {

// Where the BIFF8 stream goes: a buffer, a byte counter or the compound file.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const std::uint8_t* data, std::size_t size) = 0;
};

// One cell of a sheet being written.
struct WriterCell {
    std::uint32_t text = 0;  // 0 = no text, else SharedStringsWriter id + 1
    std::uint16_t fill = 0;  // 0 = no fill, else index into the fill colours + 1

    bool used() const { return text != 0 || fill != 0; }
};

// A sheet being written: rows[r][c] is cell (r, c), both 0-based; rows and
// row vectors are only as long as the cells set so far.
struct WriterSheet {
    std::string name;  // UTF-8, already checked by the caller
    std::vector<std::vector<WriterCell>> rows;
};

// Encodes a workbook as a BIFF8 "Workbook" stream: one SST holding every
// cell text (CONTINUE records past 8,224 bytes), LABELSST cells, BLANK cells
// for fills without text, solid fills through the colour palette (the
// standard palette when it holds every colour, else a PALETTE record that
// takes over unused entries from the top). Sheets have ROW records in blocks
// of 32 rows; no INDEX or DBCELL records, which readers do not require.
class BiffWriter {
public:
    // `fillColours` are 0xBBGGRR values; at most 56 distinct ones fit the
    // palette. Texts must be at most 65,535 UTF-16 units (the caller
    // truncates to 32,767).
    BiffWriter(const std::vector<WriterSheet>& sheets, const SharedStringsWriter& strings,
               const std::vector<std::uint32_t>& fillColours);

    // Writes the whole stream. Throws std::runtime_error when the workbook
    // cannot be encoded (too many colours, a stream past 4 GiB).
    void write(ByteSink& out) const;

private:
    void buildGlobals(std::vector<std::uint8_t>& out,
                      std::vector<std::size_t>& sheetOffsetAt) const;
    void writeSheet(ByteSink& out, const WriterSheet& sheet, bool first) const;

    const std::vector<WriterSheet>& sheets_;
    const SharedStringsWriter& strings_;
    std::vector<std::uint8_t> fillPaletteIndex_;  // per fill colour
    std::vector<std::uint32_t> palette_;          // 56 RGB values, entry 0 = index 8
    bool customPalette_ = false;
    std::vector<std::uint32_t> sstOrder_;  // string ids in SST order
    std::vector<std::uint32_t> sstIndex_;  // string id -> SST index
    std::uint32_t sstReferences_ = 0;
};

}  // namespace velmora
