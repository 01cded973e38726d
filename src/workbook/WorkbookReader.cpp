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
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        throw ErreurClasseur(path, "the file cannot be read (" + ec.message() + ")");
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        throw ErreurClasseur(path, "the file cannot be read (it changed while being read)");
    }
    // The file's bytes go before parsing: only the workbook stream is needed.
    WorkbookStream stream = Ole2Reader::readWorkbookStream(bytes.data(), bytes.size(), path);
    std::vector<std::uint8_t>().swap(bytes);
    return std::make_shared<const WorkbookData>(
        BiffReader::parse(stream.bytes.data(), stream.bytes.size(), stream.name, path));
}

std::shared_ptr<const WorkbookData> WorkbookReader::readMemory(const std::uint8_t* data,
                                                               std::size_t size,
                                                               const std::string& label) {
    WorkbookStream stream = Ole2Reader::readWorkbookStream(data, size, label);
    return std::make_shared<const WorkbookData>(
        BiffReader::parse(stream.bytes.data(), stream.bytes.size(), stream.name, label));
}

}  // namespace velmora
