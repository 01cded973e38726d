#include "workbook/WorkbookReader.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "workbook/BiffReader.h"
#include "workbook/ErreurClasseur.h"
#include "workbook/Ole2Reader.h"

namespace velmora {

std::shared_ptr<const WorkbookData> WorkbookReader::readFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        throw ErreurClasseur(path, "the file does not exist");
    }
    if (std::filesystem::is_directory(status)) {
        throw ErreurClasseur(path, "this is a folder, not a workbook file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw ErreurClasseur(
            path, std::string("the file cannot be opened (") + std::strerror(errno) + ")");
    }
    std::vector<std::uint8_t> bytes;
    char buffer[1 << 16];
    while (in) {
        in.read(buffer, sizeof buffer);
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
    }
    if (in.bad()) {
        throw ErreurClasseur(path, "the file cannot be read");
    }
    return readMemory(bytes.data(), bytes.size(), path);
}

std::shared_ptr<const WorkbookData> WorkbookReader::readMemory(const std::uint8_t* data,
                                                               std::size_t size,
                                                               const std::string& label) {
    WorkbookStream stream = Ole2Reader::readWorkbookStream(data, size, label);
    return std::make_shared<const WorkbookData>(
        BiffReader::parse(stream.bytes.data(), stream.bytes.size(), stream.name, label));
}

}  // namespace velmora
