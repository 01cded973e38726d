#include "workbook/Ole2Reader.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <array>
#include <cstring>
#include <memory>

#include "workbook/ErreurClasseur.h"

namespace velmora {

namespace {

struct GObjectUnref {
    void operator()(void* object) const {
        if (object != nullptr) {
            g_object_unref(object);
        }
    }
};
template <typename T>
using GPtr = std::unique_ptr<T, GObjectUnref>;

// libgsf reports the damage it meets with g_warning, on stderr, some of it in
// the default log domain; the caller gets an ErreurClasseur instead. The
// handlers are in place only while libgsf works on our behalf.
class QuietLibgsf {
public:
    QuietLibgsf() {
        const auto drop = [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {};
        const auto levels =
            static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                        G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG);
        for (std::size_t i = 0; i < kDomains.size(); ++i) {
            ids_[i] = g_log_set_handler(kDomains[i], levels, drop, nullptr);
        }
    }
    ~QuietLibgsf() {
        for (std::size_t i = 0; i < kDomains.size(); ++i) {
            g_log_remove_handler(kDomains[i], ids_[i]);
        }
    }
    QuietLibgsf(const QuietLibgsf&) = delete;
    QuietLibgsf& operator=(const QuietLibgsf&) = delete;

private:
    static constexpr std::array<const char*, 3> kDomains = {nullptr, "libgsf", "libgsf:msole"};
    std::array<guint, 3> ids_{};
};

constexpr std::uint8_t kOleSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

[[noreturn]] void refuseNonOle(const std::uint8_t* data, std::size_t size,
                               const std::string& fileName) {
    if (size == 0) {
        throw ErreurClasseur(fileName, "the file is empty");
    }
    if (size >= 4 && std::memcmp(data, "PK\x03\x04", 4) == 0) {
        throw ErreurClasseur(fileName,
                             "not an Excel 97-2003 workbook: it is a ZIP archive (an .xlsx "
                             "workbook?), which cannot be read; save it as .xls");
    }
    if (size >= 4 && data[0] == 0x09 && data[1] <= 0x04 && (data[1] % 2) == 0 && data[3] == 0) {
        throw ErreurClasseur(fileName,
                             "unsupported BIFF version (Excel 2.x to 4.0 workbook); only "
                             "BIFF5, BIFF7 and BIFF8 (Excel 5.0 to 2003) can be read");
    }
    std::size_t i = 0;
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        i = 3;
    }
    while (i < size && i < 512 &&
           (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n')) {
        ++i;
    }
    if (i < size && data[i] == '<') {
        throw ErreurClasseur(fileName,
                             "not an Excel 97-2003 workbook: it is an HTML or XML document");
    }
    throw ErreurClasseur(fileName, "not an Excel 97-2003 workbook (not an OLE2 compound file)");
}

}  // namespace

WorkbookStream Ole2Reader::readWorkbookStream(const std::uint8_t* data, std::size_t size,
                                              const std::string& fileName) {
    if (size < sizeof kOleSignature ||
        std::memcmp(data, kOleSignature, sizeof kOleSignature) != 0) {
        refuseNonOle(data, size, fileName);
    }
    const QuietLibgsf quiet;
    GPtr<GsfInput> input(gsf_input_memory_new(data, static_cast<gsf_off_t>(size), FALSE));
    if (!input) {
        throw ErreurClasseur(fileName, "cannot read the file into memory");
    }
    GError* error = nullptr;
    GPtr<GsfInfile> ole(gsf_infile_msole_new(input.get(), &error));
    if (!ole) {
        std::string why = error != nullptr && error->message != nullptr ? error->message : "";
        if (error != nullptr) {
            g_error_free(error);
        }
        throw ErreurClasseur(fileName, "corrupt OLE2 compound file" +
                                           (why.empty() ? std::string() : " (" + why + ")"));
    }

    int workbook = -1;
    int book = -1;
    const int children = gsf_infile_num_children(ole.get());
    for (int i = 0; i < children; ++i) {
        const char* name = gsf_infile_name_by_index(ole.get(), i);
        if (name == nullptr) {
            continue;
        }
        if (workbook < 0 && g_ascii_strcasecmp(name, "Workbook") == 0) {
            workbook = i;
        } else if (book < 0 && g_ascii_strcasecmp(name, "Book") == 0) {
            book = i;
        }
    }
    const int index = workbook >= 0 ? workbook : book;
    if (index < 0) {
        throw ErreurClasseur(fileName,
                             "no workbook stream (\"Workbook\" or \"Book\") in the compound file");
    }
    GPtr<GsfInput> stream(gsf_infile_child_by_index(ole.get(), index));
    if (!stream) {
        throw ErreurClasseur(fileName,
                             "corrupt OLE2 compound file: the workbook stream cannot "
                             "be opened");
    }
    WorkbookStream result;
    result.name = gsf_infile_name_by_index(ole.get(), index);
    const gsf_off_t length = gsf_input_size(stream.get());
    // A stream cannot be longer than the file holding it.
    if (length < 0 || static_cast<std::uint64_t>(length) > size) {
        throw ErreurClasseur(fileName,
                             "corrupt OLE2 compound file: the workbook stream claims "
                             "more bytes than the file holds");
    }
    result.bytes.resize(static_cast<std::size_t>(length));
    constexpr std::size_t kChunk = 1 << 20;
    for (std::size_t done = 0; done < result.bytes.size();) {
        const std::size_t n = std::min(kChunk, result.bytes.size() - done);
        if (gsf_input_read(stream.get(), n, result.bytes.data() + done) == nullptr) {
            throw ErreurClasseur(fileName,
                                 "corrupt OLE2 compound file: the workbook stream is "
                                 "truncated or its sectors are damaged");
        }
        done += n;
    }
    return result;
}

}  // namespace velmora
