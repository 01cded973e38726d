#pragma once

#include <array>
#include <string>

namespace velmora {

// Entry 0 empty, 1 to 26 "A" to "Z", 27 to 52 "AA" to "AZ": entry c + 1
// names grid column c.
const std::array<std::string, 53>& LettresColonnes();

// The address of spreadsheet column c and row r (both from 1), such as "B7";
// columns past AZ are spelt as the spreadsheet does (BA, BB, ...).
std::string adresseCellule(int colonne, int ligne);

}  // namespace velmora
