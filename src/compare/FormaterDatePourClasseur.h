#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The user's date settings the export needs, taken from the desktop by the
// caller so this code stays free of any toolkit.
struct ReglagesDate {
    enum class Ordre { JourMoisAnnee, MoisJourAnnee, AnneeMoisJour };
    Ordre ordre = Ordre::JourMoisAnnee;
    char separateur = '/';
    // True when the short date format renders today's date in exactly 8
    // characters (a two-digit year such as dd/MM/yy).
    bool formatCourtHuitCaracteres = false;
    // A year written with one or two digits is 20yy below this value, 19yy
    // from it on.
    int pivotDeuxChiffres = 50;
};

// The settings of a short date format written with the letters d, M and y
// ("dd/MM/yy", "M/d/yyyy", "yyyy.MM.dd"), as the desktop's locale gives it,
// and the length in characters of today's date written in that format. A
// format without those letters gives the day-first default.
ReglagesDate ReglagesDepuisFormatCourt(std::string_view format, std::size_t longueurDateDuJour);

// A date and time read from a text, with where its date part ends.
struct DateHeureLue {
    int annee = 0;
    int mois = 0;
    int jour = 0;
    int heure = 0;
    int minute = 0;
    int seconde = 0;
    std::size_t finDate = 0;  // bytes of the text taken by the date
};

// Reads "d<sep>m<sep>y" in the settings' order (1 or 2 digits for day and
// month, 1 to 4 for the year), optionally followed by blanks and a time
// "h:mm" or "h:mm:ss", and trailing blanks. Nothing when the text is not
// exactly that or names no real day (31/02/2007).
std::optional<DateHeureLue> ConvertirDateHeure(std::string_view texte,
                                               const ReglagesDate& reglages);

// The date rewritten month first: "mm/dd/yyyy" followed by what came after
// the date in the text (its time). With an 8-character short date format a
// year after 2000 is written as year − 2000 (25/12/07 → 12/25/7). A text that
// does not convert comes back unchanged.
std::string FormaterDatePourClasseur(std::string_view texte, const ReglagesDate& reglages);

// The month-first rewrite for a text with "/" as its 3rd and 6th characters
// and numbers before them that converts to a date, otherwise the text itself:
// what a writer that turns month-first texts into date values needs. Our
// workbooks store every cell as text, so the export writes the text as shown.
std::string TexteCellulePourClasseur(std::string_view texte, const ReglagesDate& reglages);

}  // namespace velmora
