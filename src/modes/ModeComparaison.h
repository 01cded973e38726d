#pragma once

#include <string>

namespace velmora {

// One comparison mode. Every field is text, in the order of the columns of
// the mode store's SELECT. Readers compare the words exactly and
// case-sensitively: EntreeTableau "Identique" (anything else means reference
// columns), AncienNumLigne "Oui" (anything else means no inserted columns),
// SortieTableau against each of its five words.
struct ModeComparaison {
    std::string RefComparaison = "-1";  // database key; "-1" for the built-in default mode
    std::string Intitule;
    std::string EntreeTableau = "Identique";  // "Identique" or "Reference"
    std::string Ref1 = "NULL";                // "NULL" or a 0-based column number "0".."25"
    std::string Ref2 = "NULL";
    std::string Ref3 = "NULL";
    std::string Ref4 = "NULL";
    std::string Ref5 = "NULL";
    std::string SortieTableau = "Complet";  // Complet, Lignes, Ajoutees, Doublons, Inchangees
    std::string AncienNumLigne = "Non";     // "Oui" or "Non"

    friend bool operator==(const ModeComparaison&, const ModeComparaison&) = default;
};

}  // namespace velmora
