#include "import/ImporterFeuilleExcel.h"

#include <bitset>

#include "import/ConversionValeur.h"
#include "import/LettresColonnes.h"
#include "workbook/ErreurClasseur.h"
#include "workbook/ExcelApplication.h"

namespace velmora {

namespace {

constexpr int kFeuillesOffertes = 10;
constexpr int kColonnesMax = 52;
constexpr int kLignesSondees = 30;
constexpr int kLignesVidesFinales = 15;
constexpr int kLignesEntreEvenements = 100;

// Closes the workbook and quits the server however the import ends.
class Session {
public:
    Session() { app_.setVisible(false); }
    ~Session() {
        if (classeur_ != nullptr) {
            app_.Workbooks().Close(*classeur_, false);
        }
        app_.Quit();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Classeur& ouvrir(const std::string& nomFichier) {
        classeur_ = &app_.Workbooks().Open(nomFichier);
        return *classeur_;
    }

private:
    ExcelApplication app_;
    Classeur* classeur_ = nullptr;
};

class Lecture {
public:
    Lecture(Table& grille, const Feuille& feuille, const OptionsImport& options,
            const RappelsImport& rappels, ResultatImport& resultat)
        : grille_(grille),
          feuille_(feuille),
          options_(options),
          rappels_(rappels),
          resultat_(resultat) {}

    void mesurerLargeur();
    void lireLignes();

private:
    // The text of cell (c, r), both from 1. Returns false (and logs the cell
    // once) when its value has no text.
    bool lire(int c, int r, std::string& texte);
    void noter(int c, int r, const std::string& valeur);

    Table& grille_;
    const Feuille& feuille_;
    const OptionsImport& options_;
    const RappelsImport& rappels_;
    ResultatImport& resultat_;
    // Unreadable cells of the probed rows already logged by the width pass.
    std::bitset<kColonnesMax * kLignesSondees> notees_;
};

void Lecture::noter(int c, int r, const std::string& valeur) {
    if (r <= kLignesSondees && c <= kColonnesMax) {
        const auto bit = static_cast<std::size_t>((r - 1) * kColonnesMax + (c - 1));
        if (notees_.test(bit)) {
            return;
        }
        notees_.set(bit);
    }
    ++resultat_.cellulesIllisibles;
    if (rappels_.memoErreur) {
        rappels_.memoErreur(adresseCellule(c, r) + ": " + valeur);
    }
}

bool Lecture::lire(int c, int r, std::string& texte) {
    try {
        Valeur valeur = feuille_.Cells(r, c).Value();
        if (valeur.type == TypeValeur::Texte) {
            texte = std::move(valeur.texte);
        } else {
            texte = texteDeValeur(valeur, options_.reglages);
        }
        return true;
    } catch (const ErreurConversion& e) {
        texte.clear();
        noter(c, r, e.what());
        return false;
    }
}

void Lecture::mesurerLargeur() {
    // A value that has no text still holds a value: it widens the sheet.
    std::string texte;
    int largeur = 0;
    for (int c = 1; c <= kColonnesMax; ++c) {
        for (int r = 1; r <= kLignesSondees; ++r) {
            if (!lire(c, r, texte) || !texte.empty()) {
                largeur = c;
                break;
            }
        }
    }
    resultat_.largeurFeuille = largeur;
    grille_.resize(std::max(largeur, 1), 1);
}

void Lecture::lireLignes() {
    const int largeur = resultat_.largeurFeuille;
    std::string texte;
    int lignesVides = 0;
    int compteur = 0;
    int r = 0;
    while (lignesVides < kLignesVidesFinales) {
        ++r;
        if (++compteur == kLignesEntreEvenements) {
            compteur = 0;
            if (rappels_.traiterEvenements) {
                rappels_.traiterEvenements();
            }
        }
        grille_.resize(std::max(largeur, 1), r);
        bool vide = true;
        for (int c = 1; c <= largeur; ++c) {
            if (!lire(c, r, texte)) {
                vide = false;  // the value is there, only its text is missing
                continue;
            }
            if (options_.cellulesFusionnees && texte.empty() && feuille_.Cells(r, c).MergeCells()) {
                // Above before left: the value runs down each column of the
                // area and along its first row.
                if (r > 1 && feuille_.Cells(r - 1, c).MergeCells()) {
                    texte = grille_.cell(c - 1, r - 2);
                }
                if (texte.empty() && c > 1 && feuille_.Cells(r, c - 1).MergeCells()) {
                    texte = grille_.cell(c - 2, r - 1);
                }
            }
            if (!texte.empty()) {
                vide = false;
                grille_.setCell(c - 1, r - 1, texte);
            }
        }
        lignesVides = vide ? lignesVides + 1 : 0;
    }
    resultat_.lignes = r - kLignesVidesFinales;
    grille_.resize(std::max(largeur, 1), std::max(resultat_.lignes, 1));
}

std::string elementListe(const std::string& langue, int n) {
    if (langue == "francais") {
        return "Feuille " + std::to_string(n);
    }
    if (langue == "anglais") {
        return "Sheet " + std::to_string(n);
    }
    return {};
}

}  // namespace

ResultatImport ImporterFeuilleExcel(Table& grille, const std::string& nomFichier,
                                    const OptionsImport& options, const RappelsImport& rappels) {
    grille.clearCells();
    grille.resize(1, 1);
    grille.setSelection(Selection{});

    ResultatImport resultat;
    Session session;
    Classeur& classeur = session.ouvrir(nomFichier);

    std::vector<std::string> elements;
    for (int n = 1; n <= kFeuillesOffertes && n <= classeur.WorkSheetsCount(); ++n) {
        elements.push_back(elementListe(options.langueCourante, n));
    }
    resultat.feuillesListees = static_cast<int>(elements.size());
    resultat.numFeuille = 1;
    if (options.numFeuilleImposee > 0) {
        if (options.numFeuilleImposee > resultat.feuillesListees) {
            throw ErreurClasseur(nomFichier, "worksheet " +
                                                 std::to_string(options.numFeuilleImposee) +
                                                 " cannot be imported: only the first " +
                                                 std::to_string(resultat.feuillesListees) +
                                                 " worksheets can be (the workbook has " +
                                                 std::to_string(classeur.WorkSheetsCount()) + ")");
        }
        resultat.numFeuille = options.numFeuilleImposee;
    } else if (elements.size() > 1 && rappels.choisirFeuille) {
        const std::optional<int> choix = rappels.choisirFeuille(elements);
        if (!choix) {
            resultat.annule = true;
            return resultat;
        }
        if (*choix < 0 || *choix >= resultat.feuillesListees) {
            throw std::out_of_range("worksheet chooser returned item " + std::to_string(*choix));
        }
        resultat.numFeuille = *choix + 1;
    }

    const Feuille& feuille = classeur.WorkSheets(resultat.numFeuille);
    try {
        Lecture lecture(grille, feuille, options, rappels, resultat);
        lecture.mesurerLargeur();
        lecture.lireLignes();
    } catch (...) {
        grille.clearCells();
        grille.resize(1, 1);
        throw;
    }
    return resultat;
}

}  // namespace velmora
