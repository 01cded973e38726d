#pragma once

#include <string>
#include <vector>

namespace velmora {

// The user's regional settings that shape the texts of imported values. The
// windows and the command line fill it from the system locale
// (reglagesDepuisLocale); the defaults are those of a French desktop.
struct ReglagesRegionaux {
    std::string separateurDecimal = ",";
    // Date and time patterns: d dd ddd dddd M MM MMM MMMM yy yyyy, h hh
    // (12-hour) H HH, m mm, s ss, AP/ap (AM/PM), text between single quotes
    // kept as is.
    std::string formatDateCourte = "dd/MM/yyyy";
    std::string formatHeure = "HH:mm:ss";
    // Names for MMM / MMMM (January first) and ddd / dddd (Monday first);
    // while empty, the month's or day's number is written instead.
    std::vector<std::string> moisCourts, moisLongs, joursCourts, joursLongs;
    std::string texteVrai = "True";
    std::string texteFaux = "False";
};

}  // namespace velmora
