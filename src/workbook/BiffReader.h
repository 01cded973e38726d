#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "workbook/WorkbookData.h"

namespace velmora {

// Parses a BIFF5/BIFF7 or BIFF8 workbook stream (the "Workbook" or "Book"
// stream of a compound file). Throws ErreurClasseur, naming fileName, for an
// encrypted workbook, an unsupported version, or a corrupt or truncated
// workbook globals part. A fault inside one worksheet only marks that sheet
// (SheetData::problem). Work and memory stay proportional to the stream.
class BiffReader {
public:
    // streamName: "Workbook" or "Book" as found (any case), used only when the
    // BOF record does not tell the version.
    static WorkbookData parse(const std::uint8_t* data, std::size_t size,
                              const std::string& streamName, const std::string& fileName);
};

}  // namespace velmora
