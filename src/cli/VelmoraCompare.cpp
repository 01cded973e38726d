#include "cli/VelmoraCompare.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include <QLocale>

#include "app/Parametres.h"
#include "cli/EcritureResultat.h"
#include "cli/LectureCsv.h"
#include "cli/OptionsLigneCommande.h"
#include "compare/ExporterTableauFinal.h"
#include "compare/PiloteComparaison.h"
#include "compare/TableauFinal.h"
#include "import/ImporterFeuilleExcel.h"
#include "import/ReglagesRegionauxQt.h"
#include "modes/MagasinModes.h"
#include "modes/TDataModule1.h"

namespace velmora {
namespace {

// An error that ends the run with status 2; the message is complete.
class ErreurExecution : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string Extension(const std::string& chemin) {
    std::string ext = std::filesystem::path(chemin).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

// A workbook goes through the same import as the windows' grids, with the
// user's regional settings; anything else is read as CSV. Cells whose value
// cannot be written as text are reported on `err` unless `silencieux`.
Table LireTable(const std::string& chemin, int feuille, bool fusionnees, bool silencieux,
                std::ostream& err) {
    if (!std::filesystem::exists(chemin)) {
        throw ErreurExecution(chemin + ": no such file");
    }
    if (Extension(chemin) != ".xls") {
        return LireFichierCsv(chemin);
    }
    Table table;
    OptionsImport options;
    options.cellulesFusionnees = fusionnees;
    options.reglages = reglagesDepuisLocale(QLocale::system());
    options.numFeuilleImposee = feuille;
    RappelsImport rappels;
    rappels.memoErreur = [&](const std::string& ligne) {
        if (!silencieux) {
            err << "velmora-compare: " << chemin << ": cell " << ligne
                << " cannot be read as text; left empty\n";
        }
    };
    ImporterFeuilleExcel(table, chemin, options, rappels);
    return table;
}

// The modes of the Comp.qnr beside the program, in the list's order.
std::vector<ModeComparaison> ModesEnregistres() {
    TDataModule1 module;
    if (!module.ADOConnection1.Connected()) {
        throw ErreurExecution((DossierExecutable() / "Comp.qnr").string() +
                              ": cannot open the mode store (missing, held by another program, "
                              "or not a mode store)");
    }
    return ChargerModes(module);
}

// The stored mode titled `titre`; the first in the list's order when several
// share the title.
ModeComparaison ModeEnregistre(const std::string& titre) {
    for (ModeComparaison& mode : ModesEnregistres()) {
        if (mode.Intitule == titre) {
            return mode;
        }
    }
    throw ErreurExecution("--mode: no stored mode is titled '" + titre + "'");
}

struct Decompte {
    long long ajoutees = 0;
    long long modifiees = 0;
    long long effacees = 0;
    long long total() const { return ajoutees + modifiees + effacees; }
};

// Verdicts of the data cells, leaving out the inserted row-number columns.
Decompte Compter(const TableauFinal& final, int premiereColonne) {
    Decompte d;
    for (int r = 0; r < final.rowCount(); ++r) {
        for (int c = premiereColonne; c < final.columnCount(); ++c) {
            switch (final.couleur(c, r)) {
                case CouleurCellule::Ajoutee:
                    ++d.ajoutees;
                    break;
                case CouleurCellule::Modifiee:
                    ++d.modifiees;
                    break;
                case CouleurCellule::Effacee:
                    ++d.effacees;
                    break;
                default:
                    break;
            }
        }
    }
    return d;
}

void Ecrire(const std::string& chemin, const TableauFinal& final, bool silencieux,
            std::ostream& err) {
    const std::string ext = Extension(chemin);
    if (ext == ".xls") {
        const BilanExport bilan = EcrireTableauFinal(final, chemin);
        if (!bilan.complet() && !silencieux) {
            std::string message = MessageExportTermine(bilan, "anglais");
            for (auto& c : message) {
                if (c == '\r' || c == '\n') {
                    c = ' ';
                }
            }
            err << "velmora-compare: " << chemin << ": " << message << '\n';
        }
    } else if (ext == ".json") {
        EcrireFichierAtomique(chemin, [&](std::ostream& o) { EcrireJson(o, final); });
    } else if (ext == ".csv") {
        EcrireFichierAtomique(chemin, [&](std::ostream& o) { EcrireCsv(o, final); });
    } else if (ext == ".html" || ext == ".htm") {
        EcrireFichierAtomique(chemin, [&](std::ostream& o) { EcrireHtml(o, final); });
    } else {
        throw ErreurExecution(chemin + ": unknown output format (use .xls, .json, .csv or .html)");
    }
}

bool FormatConnu(const std::string& chemin) {
    const std::string ext = Extension(chemin);
    return ext == ".xls" || ext == ".json" || ext == ".csv" || ext == ".html" || ext == ".htm";
}

}  // namespace

int ExecuterLigneCommande(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err) {
    try {
        const OptionsLigneCommande o = AnalyserOptions(arguments);
        if (o.aide) {
            out << kAideLigneCommande;
            return 0;
        }
        if (o.listerModes) {
            for (const ModeComparaison& mode : ModesEnregistres()) {
                out << mode.Intitule << '\n';
            }
            return 0;
        }
        if (!o.sortie.empty() && !FormatConnu(o.sortie)) {
            throw ErreurOptions("-o: " + o.sortie +
                                ": unknown output format (use .xls, .json, .csv or .html)");
        }
        const ModeComparaison mode = o.titreMode ? ModeEnregistre(*o.titreMode) : o.mode;

        Table t1 = LireTable(o.maitre, o.feuille1, o.cellulesFusionnees, o.silencieux, err);
        Table t2 = LireTable(o.amendement, o.feuille2, o.cellulesFusionnees, o.silencieux, err);
        const int typeTri = (o.plage1 || o.plage2) ? 1 : 0;
        t1.setSelection(
            o.plage1.value_or(Selection{0, 0, t1.columnCount() - 1, t1.rowCount() - 1}));
        t2.setSelection(
            o.plage2.value_or(Selection{0, 0, t2.columnCount() - 1, t2.rowCount() - 1}));

        // The differences are counted on the whole final table, before the
        // mode's filter keeps some of its rows.
        ModeComparaison sansFiltre = mode;
        sansFiltre.SortieTableau = "Complet";
        TableauFinal final;
        BarreProgression barre;
        ExecuterComparaison(sansFiltre, t1, t2, typeTri, o.afficheSupprime, final, barre);
        const Decompte d = Compter(final, mode.AncienNumLigne == "Oui" ? 2 : 0);
        try {
            AppliquerFiltre(mode.SortieTableau, final);
        } catch (const std::exception&) {
            // As in the window: a failing filter keeps what it had.
        }

        if (!o.sortie.empty()) {
            Ecrire(o.sortie, final, o.silencieux, err);
        } else if (!o.silencieux) {
            out << "final table: " << final.rowCount() << " rows x " << final.columnCount()
                << " columns; " << d.ajoutees << " added, " << d.modifiees << " modified, "
                << d.effacees << " erased\n";
        }
        return d.total() == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        err << "velmora-compare: " << e.what() << '\n';
        return 2;
    }
}

}  // namespace velmora
