// The compare button of the main window in the running program: right
// after start on the empty grids, and a whole session as a user would go
// through it (import, mode, compare, inspect, export, read the file back).

#include <QFileDialog>
#include <QPointer>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <vector>

#include "OutilsFenetres.h"
#include "app/Fenetres.h"
#include "app/Programme.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormMessageDialogInterne.h"
#include "app/TFormShowMessageInterne.h"
#include "compare/ModeleTableauFinal.h"
#include "compare/TFormTableauFinal.h"
#include "import/TFormMain.h"
#include "modes/CreationBaseModes.h"
#include "modes/TFormOptionAffichage.h"
#include "workbook/ClasseurEcriture.h"
#include "workbook/LectureXlrd.h"

using namespace velmora;
using velmora::test::RepondeurModal;

namespace {

const QString kTermineeFrancais =
    "\r\nComparaison terminée.\r\nLe tableau final est prêt à être enregistrer";

using Lignes = std::vector<std::vector<std::string>>;

void EcrireClasseur(const std::filesystem::path& fichier, const Lignes& lignes) {
    ClasseurEcriture classeur;
    const int feuille = classeur.addSheet("Feuil1");
    for (std::size_t r = 0; r < lignes.size(); ++r) {
        for (std::size_t c = 0; c < lignes[r].size(); ++c) {
            classeur.setCellText(feuille, static_cast<int>(r), static_cast<int>(c), lignes[r][c]);
        }
    }
    classeur.save(fichier);
}

std::string Texte(const TableauFinal& t, int colonne, int ligne) {
    return std::string(t.texte(colonne, ligne));
}

// One cell of the expected final table: its text, its verdict, and the fill
// the exported sheet gives it ("RRGGBB", or "-" for none).
struct Attendue {
    std::string texte;
    CouleurCellule couleur;
    std::string remplissage;
};

}  // namespace

class ComparaisonBoutonTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DossierProgramme> dossier_;

    std::unique_ptr<Programme> Demarrer() {
        auto programme = std::make_unique<Programme>();
        programme->Lancer();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(programme->FormMain().isVisible(), 10000); }();
        return programme;
    }

    static void AttendreLaFin(TFormTableauFinal* fenetre) {
        QTRY_VERIFY_WITH_TIMEOUT(fenetre->EtatComparaison() == TFormTableauFinal::Etat::Terminee,
                                 20000);
    }

private slots:
    void initTestCase() {
        DefinirAfficheurErreur([](const QString& texte) { QFAIL(qPrintable(texte)); });
    }
    void cleanup() { dossier_.reset(); }

    // Right after start, twice in a row: the display option, then a final
    // table of the empty 10 × 7 grids in a window of its own each time.
    void comparerJusteApresLeDemarrage() {
        dossier_ = std::make_unique<test::DossierProgramme>();
        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        QStringList vus;
        QList<QPointer<QDialog>> dialogues;
        principale.ExecuterDialogue = [&](QDialog* d) {
            dialogues << d;
            if (auto* option = qobject_cast<TFormOptionAffichage*>(d)) {
                vus << "option";
                option->show();
                option->ImageValiderClick();
            } else if (auto* fenetre = qobject_cast<TFormTableauFinal*>(d)) {
                vus << "final";
                // The display-option dialog is already released.
                QVERIFY(dialogues[dialogues.size() - 2].isNull());
                fenetre->DureeNotice = 0;
                fenetre->show();
                AttendreLaFin(fenetre);
                QCOMPARE(fenetre->Tableau().rowCount(), 7);
                QCOMPARE(fenetre->Modele->rowCount(), 7);
                fenetre->ImageFermerClick();
            } else {
                vus << d->metaObject()->className();
                d->reject();
            }
        };
        QTest::mouseClick(principale.ImageComparerExcel, Qt::LeftButton);
        QTest::mouseClick(principale.ImageComparerExcel, Qt::LeftButton);
        QCOMPARE(vus, QStringList({"option", "final", "option", "final"}));
        for (const QPointer<QDialog>& d : dialogues) {
            QVERIFY(d.isNull());
        }
        QCOMPARE(programme->FormShowMessageInterne().LbAlert->text(), kTermineeFrancais);
        // Every overlay is gone.
        QVERIFY(programme->FormGrisTransparent().Voile(2) == nullptr ||
                !programme->FormGrisTransparent().Voile(2)->isVisible());
    }

    // The program's own modal loops, no test hook: the display option, then
    // the final table, closed with Escape once its comparison has finished;
    // the overlay goes with it.
    void dialoguesModauxDuProgramme() {
        dossier_ = std::make_unique<test::DossierProgramme>();
        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        QStringList vus;
        RepondeurModal repondeur([&](QWidget* modal) {
            if (auto* option = qobject_cast<TFormOptionAffichage*>(modal)) {
                vus << "option";
                option->ImageValiderClick();
            } else if (auto* fenetre = qobject_cast<TFormTableauFinal*>(modal)) {
                vus << "final";
                AttendreLaFin(fenetre);
                QVERIFY(programme->FormGrisTransparent().Voile(2)->isVisible());
                QTest::keyClick(fenetre->StringGridExcelFinal, Qt::Key_Escape);
            }
        });
        QTest::mouseClick(principale.ImageComparerExcel, Qt::LeftButton);
        QCOMPARE(vus, QStringList({"option", "final"}));
        QCOMPARE(programme->FormShowMessageInterne().LbAlert->text(), kTermineeFrancais);
        QTRY_VERIFY(programme->FormGrisTransparent().Voile(2) == nullptr);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // A user's session: two workbooks imported through the buttons, a
    // stored reference mode with the old row numbers and only the modified
    // rows, erased cells kept; the tinted table checked, exported, and the
    // file read back by xlrd.
    void sessionComplete() {
        dossier_ = std::make_unique<test::DossierProgramme>(false);
        const std::filesystem::path dossier = dossier_->chemin();
        ModeComparaison parReference;
        parReference.EntreeTableau = "Reference";
        parReference.Ref1 = "0";
        parReference.SortieTableau = "Lignes";
        parReference.AncienNumLigne = "Oui";
        CreerBaseModes(dossier / "Comp.qnr", {{"Mode de comparaison par défaut", ModeComparaison{}},
                                              {"Clients par numéro", parReference}});
        EcrireClasseur(dossier / "maitre.xls", {{"Ref", "Nom", "Ville"},
                                                {"1", "Lucie", "Paris"},
                                                {"2", "Marc", "Lyon"},
                                                {"3", "Anne", "Nice"}});
        EcrireClasseur(dossier / "avenant.xls", {{"Ref", "Nom", "Ville"},
                                                 {"2", "Marc", "Lille"},
                                                 {"1", "Lucie", "Paris"},
                                                 {"4", "Paul", "Brest"}});

        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        std::filesystem::path aOuvrir;
        QStringList messages;
        const std::vector<std::vector<Attendue>> attendu = {
            {{"2", CouleurCellule::Inchangee, "-"},
             {"2", CouleurCellule::Inchangee, "-"},
             {"2", CouleurCellule::Inchangee, "-"},
             {"Marc", CouleurCellule::Inchangee, "-"},
             {"Lille", CouleurCellule::Modifiee, "808080"}},
            {{"4", CouleurCellule::Inchangee, "-"},
             {"4", CouleurCellule::Inchangee, "-"},
             {"4", CouleurCellule::Ajoutee, "008080"},
             {"Paul", CouleurCellule::Ajoutee, "008080"},
             {"Brest", CouleurCellule::Ajoutee, "008080"}},
            {{"5", CouleurCellule::Effacee, "800000"},
             {"", CouleurCellule::Effacee, "800000"},
             {"3", CouleurCellule::Effacee, "800000"},
             {"Anne", CouleurCellule::Effacee, "800000"},
             {"Nice", CouleurCellule::Effacee, "800000"}},
        };
        bool compare = false;
        RepondeurModal repondeur([&](QWidget* modal) {
            auto* boite = qobject_cast<TFormShowMessageInterne*>(modal);
            // The completion notice closes by itself.
            if (boite != nullptr && boite->LbAlert->text() != kTermineeFrancais) {
                messages << boite->LbAlert->text();
                boite->ImageFermerClick();
            }
        });
        principale.ExecuterDialogue = [&](QDialog* d) {
            if (auto* question = qobject_cast<TFormMessageDialogInterne*>(d)) {
                question->ImageNonClick();  // no merged cells
            } else if (auto* fichier = qobject_cast<QFileDialog*>(d)) {
                fichier->selectFile(QString::fromStdString(aOuvrir.string()));
                fichier->setResult(QDialog::Accepted);
            } else if (auto* option = qobject_cast<TFormOptionAffichage*>(d)) {
                option->show();
                option->RbAfficheSupprime->setChecked(true);
                option->ImageValiderClick();
            } else if (auto* fenetre = qobject_cast<TFormTableauFinal*>(d)) {
                compare = true;
                fenetre->DureeNotice = 10;
                fenetre->show();
                AttendreLaFin(fenetre);
                QVERIFY(fenetre->AfficheSupprime);
                const TableauFinal& t = fenetre->Tableau();
                QCOMPARE(t.rowCount(), 3);
                QCOMPARE(t.columnCount(), 5);
                QCOMPARE(fenetre->Modele->rowCount(), 3);
                for (int r = 0; r < 3; ++r) {
                    for (int c = 0; c < 5; ++c) {
                        const Attendue& a =
                            attendu[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                        QCOMPARE(Texte(t, c, r), a.texte);
                        QCOMPARE(t.couleur(c, r), a.couleur);
                    }
                }
                QCOMPARE(programme->FormShowMessageInterne().LbAlert->text(), kTermineeFrancais);
                QTest::mouseClick(fenetre->ImageEnregistrer, Qt::LeftButton);
                QTest::mouseClick(fenetre->ImageFermer, Qt::LeftButton);
                QVERIFY(!fenetre->isVisible());
            } else {
                QFAIL(qPrintable(QString("unexpected dialog ") + d->metaObject()->className()));
            }
        };

        aOuvrir = dossier / "maitre.xls";
        QTest::mouseClick(principale.ImageTableauExcel1, Qt::LeftButton);
        aOuvrir = dossier / "avenant.xls";
        QTest::mouseClick(principale.ImageTableauExcel2, Qt::LeftButton);
        QTRY_COMPARE(principale.SourceGrille2().cell(2, 1), std::string_view("Lille"));
        QCOMPARE(principale.SourceGrille1().cell(1, 3), std::string_view("Anne"));

        const int index = principale.CbModeCompare->findText("Clients par numéro");
        QVERIFY(index >= 0);
        principale.CbModeCompare->setCurrentIndex(index);
        QTest::mouseClick(principale.ImageComparerExcel, Qt::LeftButton);
        QVERIFY(compare);
        QCOMPARE(messages, QStringList({"EXPORTATION TERMINEE"}));

        const auto feuilles = test::LireAvecXlrd(dossier / "Temp_Result.xls");
        QCOMPARE(feuilles.size(), std::size_t(1));
        const test::FeuilleLue& feuille = feuilles[0];
        QCOMPARE(feuille.nom, std::string("Résultat Compare"));
        QCOMPARE(feuille.lignes, 3);
        QCOMPARE(feuille.colonnes, 5);
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 5; ++c) {
                const Attendue& a =
                    attendu[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                const test::CelluleLue lue = feuille.cellule(r, c);
                QCOMPARE(lue.texte, a.texte);
                QCOMPARE(lue.remplissage, a.remplissage);
            }
        }
    }
};

QTEST_MAIN(ComparaisonBoutonTest)
#include "ComparaisonBoutonTest.moc"
