#include "cli/VelmoraCompare.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <string>

#include "cli/EcritureResultat.h"
#include "cli/LectureCsv.h"
#include "cli/OptionsLigneCommande.h"
#include "compare/PiloteComparaison.h"
#include "compare/TableauFinal.h"

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

Table LireTable(const std::string& chemin) {
    if (!std::filesystem::exists(chemin)) {
        throw ErreurExecution(chemin + ": no such file");
    }
    if (Extension(chemin) == ".xls") {
        throw ErreurExecution(chemin + ": .xls workbooks are not supported by this build");
    }
    return LireFichierCsv(chemin);
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

void Ecrire(const std::string& chemin, const TableauFinal& final) {
    const std::string ext = Extension(chemin);
    if (ext == ".json") {
        EcrireFichierAtomique(chemin, [&](std::ostream& o) { EcrireJson(o, final); });
    } else if (ext == ".csv") {
        EcrireFichierAtomique(chemin, [&](std::ostream& o) { EcrireCsv(o, final); });
    } else if (ext == ".html" || ext == ".htm") {
        EcrireFichierAtomique(chemin, [&](std::ostream& o) { EcrireHtml(o, final); });
    } else {
        throw ErreurExecution(chemin + ": unknown output format (use .json, .csv or .html)");
    }
}

bool FormatConnu(const std::string& chemin) {
    const std::string ext = Extension(chemin);
    return ext == ".json" || ext == ".csv" || ext == ".html" || ext == ".htm";
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
        if (o.listerModes || o.titreMode) {
            throw ErreurExecution("stored modes are not supported by this build");
        }
        if (!o.sortie.empty() && !FormatConnu(o.sortie)) {
            throw ErreurOptions("-o: " + o.sortie +
                                ": unknown output format (use .json, .csv or .html)");
        }

        Table t1 = LireTable(o.maitre);
        Table t2 = LireTable(o.amendement);
        const int typeTri = (o.plage1 || o.plage2) ? 1 : 0;
        t1.setSelection(
            o.plage1.value_or(Selection{0, 0, t1.columnCount() - 1, t1.rowCount() - 1}));
        t2.setSelection(
            o.plage2.value_or(Selection{0, 0, t2.columnCount() - 1, t2.rowCount() - 1}));

        // The differences are counted on the whole final table, before the
        // mode's filter keeps some of its rows.
        ModeComparaison sansFiltre = o.mode;
        sansFiltre.SortieTableau = "Complet";
        TableauFinal final;
        BarreProgression barre;
        ExecuterComparaison(sansFiltre, t1, t2, typeTri, o.afficheSupprime, final, barre);
        const Decompte d = Compter(final, o.mode.AncienNumLigne == "Oui" ? 2 : 0);
        try {
            AppliquerFiltre(o.mode.SortieTableau, final);
        } catch (const std::exception&) {
            // As in the window: a failing filter keeps what it had.
        }

        if (!o.sortie.empty()) {
            Ecrire(o.sortie, final);
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
