#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The workbook stream of an OLE2 compound file, read through libgsf.
struct WorkbookStream {
    std::string name;  // "Workbook" or "Book", as the file spells it
    std::vector<std::uint8_t> bytes;
};

class Ole2Reader {
public:
    // Throws ErreurClasseur naming fileName when the bytes are not a compound
    // file (with a hint for .xlsx, HTML/XML and BIFF2-4 files), the compound
    // file is damaged, or it holds no workbook stream.
    static WorkbookStream readWorkbookStream(const std::uint8_t* data, std::size_t size,
                                             const std::string& fileName);
};

}  // namespace velmora
