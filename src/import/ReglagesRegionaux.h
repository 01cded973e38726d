#pragma once

#include <string>

namespace velmora {

// The user's regional settings that shape the texts of imported values. The
// windows and the command line fill it from the system locale
// (reglagesDepuisLocale); the defaults are those of a French desktop.
struct ReglagesRegionaux {
    std::string separateurDecimal = ",";
    // Date and time patterns: d dd M MM yy yyyy, h hh (12-hour) H HH, m mm,
    // s ss, AP/ap (AM/PM), text between single quotes kept as is.
    std::string formatDateCourte = "dd/MM/yyyy";
    std::string formatHeure = "HH:mm:ss";
    std::string texteVrai = "True";
    std::string texteFaux = "False";
};

}  // namespace velmora
