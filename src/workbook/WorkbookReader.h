#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "workbook/WorkbookData.h"

namespace velmora {

// Reads a whole .xls workbook (OLE2 compound file holding a BIFF5/7/8
// workbook stream) into memory, once. Every failure is an ErreurClasseur
// whose message names the file and the problem.
class WorkbookReader {
public:
    static std::shared_ptr<const WorkbookData> readFile(const std::string& path);
    // label names the data in error messages.
    static std::shared_ptr<const WorkbookData> readMemory(const std::uint8_t* data,
                                                          std::size_t size,
                                                          const std::string& label);
};

}  // namespace velmora
