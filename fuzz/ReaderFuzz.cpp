// Feeds arbitrary bytes to the .xls reader, both as a whole file (compound
// file first) and as a bare workbook stream. Any failure must be an
// ErreurClasseur; crashes, hangs and unbounded allocations are findings.
#include <cstddef>
#include <cstdint>

#include "workbook/BiffReader.h"
#include "workbook/ErreurClasseur.h"
#include "workbook/WorkbookReader.h"

namespace {

void touch(const velmora::WorkbookData& book) {
    for (const auto& ws : book.worksheets) {
        if (!ws.data->problem.empty()) {
            continue;
        }
        for (std::uint32_t r = 0; r < 40; ++r) {
            for (std::uint32_t c = 0; c < 53; ++c) {
                (void)ws.data->value(r, c, book.strings, book.date1904);
                (void)ws.data->isMerged(r, c);
            }
        }
    }
}

}  // namespace

// libgsf leaks a directory entry on some damaged compound files; that is not
// ours to fix, and the leak checker must still see every leak of our own.
extern "C" const char* __lsan_default_suppressions() {
    // Its allocations go through GLib, whose frames end fast stack walks.
    return "leak:libgsf-1.so\nleak:libglib-2.0.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        touch(*velmora::WorkbookReader::readMemory(data, size, "fuzz"));
    } catch (const velmora::ErreurClasseur&) {
    }
    try {
        touch(velmora::BiffReader::parse(data, size, "Workbook", "fuzz"));
    } catch (const velmora::ErreurClasseur&) {
    }
    return 0;
}
