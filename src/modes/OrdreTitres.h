#pragma once

#include <string_view>

struct sqlite3;

namespace velmora {

// Name of the collation of the column Intitule, as the schema of Comp.qnr
// spells it ("Intitule TEXT COLLATE TITRE"). A connection that has not
// registered it cannot sort or compare titles.
inline constexpr const char* kCollationTitres = "TITRE";

// Order of mode titles as a user expects it: letters without regard to case,
// an accented Latin letter next to its base letter (é with e, œ as oe), then
// unaccented before accented, lower case before upper case, and finally the
// bytes, so that only identical titles compare equal. Titles are UTF-8;
// malformed bytes sort by their value. Returns <0, 0 or >0.
int ComparerTitres(std::string_view a, std::string_view b);

// Registers on `base` everything the mode statements and schema rely on: the
// collation kCollationTitres and the SQL function Now(), which returns the
// local date and time as "YYYY-MM-DD HH:MM:SS". Throws ErreurBase.
void EnregistrerFonctionsBase(sqlite3* base);

}  // namespace velmora
