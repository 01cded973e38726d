#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "compare/Table.h"
#include "import/ReglagesRegionaux.h"

namespace velmora {

struct OptionsImport {
    // CellulesFusionnees: every cell of a merged area shows the area's value.
    bool cellulesFusionnees = false;
    // LangueCourante: "francais" lists "Feuille n", "anglais" "Sheet n".
    std::string langueCourante = "francais";
    ReglagesRegionaux reglages;
    // When above 0, this worksheet (1-based, among the first ten) is read
    // without asking; the command line's --sheet.
    int numFeuilleImposee = 0;
};

// What the import hands back to its window. Every hook may be left empty.
struct RappelsImport {
    // The worksheet chooser, called when the workbook has several worksheets
    // with the list's items ("Feuille 1", ...); returns the chosen item index
    // (0-based) or std::nullopt when the user cancelled. Left empty, the first
    // worksheet is read.
    std::function<std::optional<int>(const std::vector<std::string>& elements)> choisirFeuille;
    // Called after every 100th row so the window can let pending events run.
    std::function<void()> traiterEvenements;
    // One line for MemoErreur per cell whose value cannot be written as text:
    // its address and the value's text, such as "B40: #N/A".
    std::function<void(const std::string& ligne)> memoErreur;
};

struct ResultatImport {
    bool annule = false;      // the chooser was cancelled: the grid is left empty
    int numFeuille = 1;       // NumFeuille
    int feuillesListees = 0;  // items offered (at most 10)
    int largeurFeuille = 0;   // LargeurFeuille: columns read (0 to 52)
    int lignes = 0;           // rows that held a value (the grid keeps at least 1)
    int cellulesIllisibles = 0;
};

// Reads one worksheet of the workbook nomFichier into grille, every value as
// text: the grid is emptied first, sized to the columns that hold a value in
// rows 1 to 30 (A to AZ) and to the rows read until 15 empty rows in a row.
// Throws ErreurClasseur (grid left empty, one cell) when the workbook cannot
// be read or the chosen worksheet is damaged or not among the first ten.
ResultatImport ImporterFeuilleExcel(Table& grille, const std::string& nomFichier,
                                    const OptionsImport& options,
                                    const RappelsImport& rappels = {});

}  // namespace velmora
