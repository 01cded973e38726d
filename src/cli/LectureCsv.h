#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "compare/Table.h"

namespace velmora {

// A CSV file that cannot be read; the message names the file and the place.
class ErreurCsv : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses CSV text (comma-separated, RFC 4180 quoting, CRLF or LF, an optional
// UTF-8 byte-order mark) into a table whose width is the longest record's;
// shorter records are padded with empty cells. Empty text gives one empty
// cell. `nom` names the source in error messages.
Table LireCsv(std::string_view texte, const std::string& nom);

// Reads and parses a CSV file.
Table LireFichierCsv(const std::filesystem::path& chemin);

}  // namespace velmora
