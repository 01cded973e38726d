#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "compare/Table.h"
#include "modes/ModeComparaison.h"

namespace velmora {

// A command line that cannot be understood; the message names the option.
class ErreurOptions : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionsLigneCommande {
    bool aide = false;
    bool silencieux = false;
    bool listerModes = false;
    std::string maitre;      // MASTER
    std::string amendement;  // AMENDMENT
    std::optional<Selection> plage1;
    std::optional<Selection> plage2;
    std::optional<std::string> titreMode;  // --mode
    bool clesDonnees = false;              // --keys given
    bool lignesDonnees = false;            // --rows given
    // The mode the options describe: EntreeTableau, Ref1..Ref5, SortieTableau
    // and AncienNumLigne as a stored mode would hold them.
    ModeComparaison mode;
    bool afficheSupprime = false;     // --keep-erased
    std::string sortie;               // -o, empty for the summary
    int feuille1 = 1;                 // --sheet1, 1..10
    int feuille2 = 1;                 // --sheet2
    bool cellulesFusionnees = false;  // --merged
};

// Parses the arguments after the program name.
OptionsLigneCommande AnalyserOptions(const std::vector<std::string>& arguments);

// "B3:D7" or "C5" (letters in either case; corners in any order) as a
// 0-based inclusive rectangle; nothing when the text is not a range.
std::optional<Selection> AnalyserPlage(const std::string& texte);

// The 0-based number of a column given by its letters ("A" = 0, "AA" = 26);
// nothing for anything else.
std::optional<int> NumeroColonne(const std::string& lettres);

extern const char* const kAideLigneCommande;

}  // namespace velmora
