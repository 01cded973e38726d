#include "cli/OptionsLigneCommande.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace velmora {

const char* const kAideLigneCommande = R"(Usage: velmora-compare [options] MASTER AMENDMENT
       velmora-compare --list-modes

Compares the AMENDMENT table with the MASTER table and writes the final table,
in which every added, modified or erased cell carries a verdict.

MASTER and AMENDMENT are .xls workbooks (one worksheet each) or CSV files
(UTF-8, comma-separated, RFC 4180 quoting; the width is the longest record's).

Scope:
  --range1 RANGE      compare only this rectangle of MASTER, e.g. B3:D7 or C5
  --range2 RANGE      compare only this rectangle of AMENDMENT
                      (giving either compares selections; a table given no
                      range is compared whole; a range may reach past the end)
  --sheet1 N          worksheet of MASTER, 1 to 10 (default 1)
  --sheet2 N          worksheet of AMENDMENT, 1 to 10 (default 1)
  --merged            give every cell of a merged area the area's value

Comparison:
  --keys LETTERS      pair rows by up to five reference columns, e.g. A or C,A
                      (--keys "" pairs by an empty key); without it rows are
                      paired by position
  --rows WHICH        all (default), modified, added, unchanged or shared:
                      the rows kept in the final table
  --row-numbers       insert two columns with the old and new row numbers
  --keep-erased       erased cells show their old text instead of blank
  --mode TITLE        use the comparison mode stored under TITLE (not with
                      --keys, --rows or --row-numbers)
  --list-modes        print the titles of the stored modes and stop

Output:
  -o, --output FILE   write the final table; the format follows the extension:
                      .xls (workbook with fills), .json, .csv (texts), .html
  -q, --quiet         print nothing
  -h, --help          show this help

Without -o a one-line summary is printed: the final table's size and the
number of added, modified and erased cells (the row-number columns are not
counted).

Exit status: 0 when no cell was added, modified or erased (counted before the
rows are filtered), 1 when some were, 2 on any error (unreadable file, bad
option), with a one-line message on standard error.
)";

namespace {

int Entier(const std::string& option, const std::string& valeur, int min, int max) {
    if (valeur.empty() || valeur.size() > 9 ||
        !std::all_of(valeur.begin(), valeur.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        throw ErreurOptions(option + ": '" + valeur + "' is not a whole number");
    }
    const int n = std::stoi(valeur);
    if (n < min || n > max) {
        throw ErreurOptions(option + ": " + valeur + " is not between " + std::to_string(min) +
                            " and " + std::to_string(max));
    }
    return n;
}

std::optional<std::pair<int, int>> AnalyserCellule(const std::string& texte) {
    std::size_t i = 0;
    while (i < texte.size() && std::isalpha(static_cast<unsigned char>(texte[i])) != 0) {
        ++i;
    }
    const auto colonne = NumeroColonne(texte.substr(0, i));
    const std::string chiffres = texte.substr(i);
    if (!colonne || chiffres.empty() || chiffres.size() > 9 || chiffres[0] == '0' ||
        !std::all_of(chiffres.begin(), chiffres.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return std::nullopt;
    }
    return std::pair{*colonne, std::stoi(chiffres) - 1};
}

}  // namespace

std::optional<int> NumeroColonne(const std::string& lettres) {
    if (lettres.empty() || lettres.size() > 4) {
        return std::nullopt;
    }
    int n = 0;
    for (unsigned char c : lettres) {
        if (std::isalpha(c) == 0) {
            return std::nullopt;
        }
        n = n * 26 + (std::toupper(c) - 'A' + 1);
    }
    return n - 1;
}

std::optional<Selection> AnalyserPlage(const std::string& texte) {
    const auto deuxPoints = texte.find(':');
    const auto premier = AnalyserCellule(texte.substr(0, deuxPoints));
    const auto second =
        deuxPoints == std::string::npos ? premier : AnalyserCellule(texte.substr(deuxPoints + 1));
    if (!premier || !second) {
        return std::nullopt;
    }
    return Selection{
        std::min(premier->first, second->first), std::min(premier->second, second->second),
        std::max(premier->first, second->first), std::max(premier->second, second->second)};
}

OptionsLigneCommande AnalyserOptions(const std::vector<std::string>& arguments) {
    OptionsLigneCommande o;
    std::vector<std::string> fichiers;
    bool numerosDonnes = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string arg = arguments[i];
        std::optional<std::string> valeurJointe;
        if (arg.rfind("--", 0) == 0) {
            if (const auto egal = arg.find('='); egal != std::string::npos) {
                valeurJointe = arg.substr(egal + 1);
                arg = arg.substr(0, egal);
            }
        }
        auto valeur = [&]() -> std::string {
            if (valeurJointe) {
                return *valeurJointe;
            }
            if (i + 1 >= arguments.size()) {
                throw ErreurOptions(arg + ": a value is missing");
            }
            return arguments[++i];
        };
        auto sansValeur = [&]() {
            if (valeurJointe) {
                throw ErreurOptions(arg + ": takes no value");
            }
        };

        if (arg == "-h" || arg == "--help") {
            sansValeur();
            o.aide = true;
        } else if (arg == "-q" || arg == "--quiet") {
            sansValeur();
            o.silencieux = true;
        } else if (arg == "-o" || arg == "--output") {
            o.sortie = valeur();
            if (o.sortie.empty()) {
                throw ErreurOptions(arg + ": the file name is empty");
            }
        } else if (arg == "--range1" || arg == "--range2") {
            const std::string v = valeur();
            const auto plage = AnalyserPlage(v);
            if (!plage) {
                throw ErreurOptions(arg + ": '" + v + "' is not a range such as B3:D7 or C5");
            }
            (arg == "--range1" ? o.plage1 : o.plage2) = plage;
        } else if (arg == "--keys") {
            const std::string v = valeur();
            o.clesDonnees = true;
            o.mode.EntreeTableau = "Reference";
            std::vector<std::string> refs;
            if (!v.empty()) {
                std::size_t debut = 0;
                for (;;) {
                    const auto virgule = v.find(',', debut);
                    const std::string lettre = v.substr(debut, virgule - debut);
                    const auto colonne = NumeroColonne(lettre);
                    if (!colonne || *colonne > 25) {
                        throw ErreurOptions("--keys: '" + lettre +
                                            "' is not a column letter from A to Z");
                    }
                    refs.push_back(std::to_string(*colonne));
                    if (virgule == std::string::npos) {
                        break;
                    }
                    debut = virgule + 1;
                }
            }
            if (refs.size() > 5) {
                throw ErreurOptions("--keys: at most five reference columns");
            }
            refs.resize(5, "NULL");
            o.mode.Ref1 = refs[0];
            o.mode.Ref2 = refs[1];
            o.mode.Ref3 = refs[2];
            o.mode.Ref4 = refs[3];
            o.mode.Ref5 = refs[4];
        } else if (arg == "--rows") {
            const std::string v = valeur();
            o.lignesDonnees = true;
            static const std::pair<const char*, const char*> kSorties[] = {
                {"all", "Complet"},          {"modified", "Lignes"}, {"added", "Ajoutees"},
                {"unchanged", "Inchangees"}, {"shared", "Doublons"},
            };
            const auto trouve = std::find_if(std::begin(kSorties), std::end(kSorties),
                                             [&](const auto& s) { return v == s.first; });
            if (trouve == std::end(kSorties)) {
                throw ErreurOptions("--rows: '" + v +
                                    "' is not one of all, modified, added, unchanged, shared");
            }
            o.mode.SortieTableau = trouve->second;
        } else if (arg == "--row-numbers") {
            sansValeur();
            numerosDonnes = true;
            o.mode.AncienNumLigne = "Oui";
        } else if (arg == "--keep-erased") {
            sansValeur();
            o.afficheSupprime = true;
        } else if (arg == "--sheet1" || arg == "--sheet2") {
            (arg == "--sheet1" ? o.feuille1 : o.feuille2) = Entier(arg, valeur(), 1, 10);
        } else if (arg == "--merged") {
            sansValeur();
            o.cellulesFusionnees = true;
        } else if (arg == "--mode") {
            o.titreMode = valeur();
        } else if (arg == "--list-modes") {
            sansValeur();
            o.listerModes = true;
        } else if (arg == "--") {
            fichiers.insert(fichiers.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                            arguments.end());
            break;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw ErreurOptions(arg + ": unknown option (see --help)");
        } else {
            fichiers.push_back(arg);
        }
    }

    if (o.aide) {
        return o;
    }
    if (o.titreMode && (o.clesDonnees || o.lignesDonnees || numerosDonnes)) {
        throw ErreurOptions("--mode: cannot be combined with --keys, --rows or --row-numbers");
    }
    if (o.listerModes) {
        if (!fichiers.empty()) {
            throw ErreurOptions("--list-modes: takes no file");
        }
        return o;
    }
    if (fichiers.size() != 2) {
        throw ErreurOptions("expected two files, MASTER and AMENDMENT (see --help)");
    }
    o.maitre = fichiers[0];
    o.amendement = fichiers[1];
    return o;
}

}  // namespace velmora
