// The import buttons of the main window and the import of a worksheet into
// one of its grids.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <optional>
#include <stdexcept>

#include "app/Fenetres.h"
#include "app/TFormMessageDialogInterne.h"
#include "import/GrilleSaisie.h"
#include "import/ImporterFeuilleExcel.h"
#include "import/ModeleGrille.h"
#include "import/ReglagesRegionauxQt.h"
#include "import/TFormChoixFeuilleExcel.h"
#include "import/TFormMain.h"

namespace velmora {

namespace {

// Thrown from the processing of pending events when the program was asked
// to end during the import: the import unwinds, then the program ends.
struct ImportInterrompu : std::runtime_error {
    ImportInterrompu() : std::runtime_error("import interrompu") {}
};

// The busy cursor for the whole application while alive; `suspendre` shows
// the normal one for a while (the worksheet chooser).
class CurseurOccupe {
public:
    CurseurOccupe() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurOccupe() {
        if (actif_) {
            QApplication::restoreOverrideCursor();
        }
    }
    CurseurOccupe(const CurseurOccupe&) = delete;
    CurseurOccupe& operator=(const CurseurOccupe&) = delete;
    void suspendre() {
        QApplication::restoreOverrideCursor();
        actif_ = false;
    }
    void reprendre() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        actif_ = true;
    }

private:
    bool actif_ = true;
};

}  // namespace

void TFormMain::ImageTableauExcel1Click() {
    ImporterDepuisBouton("StringGridExcel1");
}

void TFormMain::ImageTableauExcel2Click() {
    ImporterDepuisBouton("StringGridExcel2");
}

void TFormMain::ImporterDepuisBouton(const QString& nomGrille) {
    if (importEnCours_) {
        return;
    }
    if (TFormMessageDialogInterne* question = FenetresProgramme().FormMessageDialogInterne) {
        if (LangueCourante == "francais") {
            question->LbAlert->setText(
                "Prise en charge des cellules fusionnées ?\r\n(provoque des ralentissements lors "
                "de l'import)");
        } else if (LangueCourante == "anglais") {
            question->LbAlert->setText(
                "Support fused cells ?\r\n(causing slowdowns in the import)");
        }
        AfficherDialogue(question, 1);
        CellulesFusionnees = question->ReponseOui;
    }

    OpenDialogExcel->setResult(QDialog::Rejected);
    if (ExecuterDialogue) {
        ExecuterDialogue(OpenDialogExcel);
    } else {
        OpenDialogExcel->exec();
    }
    const QStringList fichiers = OpenDialogExcel->selectedFiles();
    if (OpenDialogExcel->result() != QDialog::Accepted || fichiers.isEmpty()) {
        return;
    }
    const QString fichier = fichiers.front();
    // Next time the dialog opens on this file.
    OpenDialogExcel->setDirectory(QFileInfo(fichier).absolutePath());
    OpenDialogExcel->selectFile(fichier);
    ImporterFeuilleExcel(nomGrille, fichier);
}

void TFormMain::ImporterFeuilleExcel(const QString& nomGrille, const QString& nomFichier) {
    auto* grille = findChild<GrilleSaisie*>(nomGrille);
    if (grille == nullptr || importEnCours_) {
        return;
    }
    ModeleGrille* modele = grille->modele();
    for (ControleImage* bouton : {ImageTableauExcel1, ImageTableauExcel2, ImageComparerExcel}) {
        bouton->setEnabled(false);
    }
    modele->DefinirTable(Table(1, 1));
    grille->Reinitialiser();
    importEnCours_ = true;
    NumFeuille = 1;

    std::optional<std::string> erreur;
    // The cells are read into a table of their own and shown when the
    // import ends: the grid stays empty meanwhile, and the view never sees a
    // table changing under it while pending events are processed.
    Table table(1, 1);
    {
        CurseurOccupe curseur;
        OptionsImport options;
        options.cellulesFusionnees = CellulesFusionnees;
        options.langueCourante = LangueCourante.toStdString();
        options.reglages = reglagesDepuisLocale(QLocale::system());

        RappelsImport rappels;
        rappels.choisirFeuille =
            [this, &curseur](const std::vector<std::string>& elements) -> std::optional<int> {
            TFormChoixFeuilleExcel* choix = FenetresProgramme().FormChoixFeuilleExcel;
            if (choix == nullptr) {
                return 0;
            }
            choix->CbChoixFeuille->clear();
            for (const std::string& element : elements) {
                choix->CbChoixFeuille->addItem(QString::fromStdString(element));
            }
            choix->CbChoixFeuille->setCurrentIndex(0);
            NumFeuille = 1;
            choix->ChoixValide = true;
            curseur.suspendre();
            AfficherDialogue(choix, 4);
            curseur.reprendre();
            if (finDemandee_) {
                throw ImportInterrompu();
            }
            if (!choix->ChoixValide) {
                return std::nullopt;
            }
            return NumFeuille - 1;
        };
        rappels.traiterEvenements = [this] { TraiterEvenementsImport(); };
        rappels.memoErreur = [this](const std::string& ligne) {
            MemoErreur->appendPlainText(QString::fromStdString(ligne));
        };

        try {
            const ResultatImport resultat =
                velmora::ImporterFeuilleExcel(table, nomFichier.toStdString(), options, rappels);
            NumFeuille = resultat.numFeuille;
        } catch (const ImportInterrompu&) {
            // The program ends below; nothing to report.
        } catch (const std::exception& e) {
            erreur = e.what();
        }
    }

    modele->DefinirTable(std::move(table));
    grille->Reinitialiser();
    importEnCours_ = false;
    for (ControleImage* bouton : {ImageTableauExcel1, ImageTableauExcel2, ImageComparerExcel}) {
        bouton->setEnabled(true);
    }
    if (finDemandee_) {
        finDemandee_ = false;
        TerminerApplication();
        return;
    }
    if (erreur) {
        SignalerErreur(std::runtime_error(*erreur));
    }
}

void TFormMain::TraiterEvenementsImport() {
    QCoreApplication::processEvents();
    if (finDemandee_) {
        throw ImportInterrompu();
    }
}

}  // namespace velmora
