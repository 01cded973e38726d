// The import buttons of the main window: the merged-cells question, the file
// dialog, the worksheet chooser, the grid's reset, failures, and what stays
// safe while pending events run in the middle of an import.

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <set>

#include "FenetreDeTest.h"
#include "workbook/ClasseurEcriture.h"

using namespace velmora;
using test::FenetreDeTest;

namespace {

// A workbook whose sheet s (from 1) holds `colonnes` × `lignes[s-1]` cells
// "<s>:<address>".
std::filesystem::path EcrireClasseur(const std::filesystem::path& dossier, const std::string& nom,
                                     const std::vector<int>& lignes, int colonnes = 3) {
    ClasseurEcriture classeur;
    for (std::size_t s = 0; s < lignes.size(); ++s) {
        const int feuille = classeur.addSheet("Feuil" + std::to_string(s + 1));
        const Table table = test::TableNommee(colonnes, lignes[s], std::to_string(s + 1) + ":");
        for (int r = 0; r < lignes[s]; ++r) {
            for (int c = 0; c < colonnes; ++c) {
                classeur.setCellText(feuille, r, c, table.cell(c, r));
            }
        }
    }
    const std::filesystem::path chemin = dossier / nom;
    classeur.save(chemin);
    return chemin;
}

void RepondreQuestion(FenetreDeTest& f, bool oui) {
    f.reponses.push_back([oui](QDialog* d) {
        auto* question = qobject_cast<TFormMessageDialogInterne*>(d);
        QVERIFY(question != nullptr);
        question->ReponseOui = oui;
        d->accept();
    });
}

void ChoisirFichier(FenetreDeTest& f, const std::filesystem::path& fichier) {
    f.reponses.push_back([fichier](QDialog* d) {
        auto* dialogue = qobject_cast<QFileDialog*>(d);
        QVERIFY(dialogue != nullptr);
        dialogue->selectFile(QString::fromStdString(fichier.string()));
        dialogue->setResult(QDialog::Accepted);
    });
}

void AnnulerFichier(FenetreDeTest& f) {
    f.reponses.push_back([](QDialog* d) {
        QVERIFY(qobject_cast<QFileDialog*>(d) != nullptr);
        d->setResult(QDialog::Rejected);
    });
}

// Imports `fichier` into grid 1 through its button, answering no to the
// merged-cells question.
void Importer(FenetreDeTest& f, const std::filesystem::path& fichier) {
    RepondreQuestion(f, false);
    ChoisirFichier(f, fichier);
    f.fenetre().ImageTableauExcel1Click();
}

bool GrilleVide(const TableSource& grille) {
    return grille.columnCount() == 1 && grille.rowCount() == 1 && grille.cell(0, 0).empty();
}

}  // namespace

class ImportFenetreTest : public QObject {
    Q_OBJECT

private slots:
    void grillesDeDepart() {
        FenetreDeTest f;
        for (const TableSource* source :
             {&f.fenetre().SourceGrille1(), &f.fenetre().SourceGrille2()}) {
            QCOMPARE(source->columnCount(), 10);
            QCOMPARE(source->rowCount(), 7);
        }
        QCOMPARE(f.fenetre().MemoErreur->toPlainText(), QString("MemoErreur"));
        QVERIFY(f.fenetre().MemoErreur->isHidden());
        QCOMPARE(f.grille1().columnWidth(0) - 1, 70);
        QCOMPARE(f.grille1().rowHeight(0) - 1, 20);
        QVERIFY(f.grille1().horizontalHeader()->isHidden());
        QVERIFY(f.grille1().verticalHeader()->isHidden());
        QCOMPARE(f.grille1().editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(f.fenetre().OpenDialogExcel->nameFilters(), QStringList{"Fichiers Excel (*.xls)"});
        QCOMPARE(f.fenetre().OpenDialogExcel->defaultSuffix(), QString("xls"));
    }

    void questionParLangue_data() {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<QString>("texte");
        QTest::newRow("french, yes")
            << QByteArray("francais") << true
            << QString(
                   "Prise en charge des cellules fusionnées ?\r\n(provoque des "
                   "ralentissements lors de l'import)");
        QTest::newRow("english, no")
            << QByteArray("anglais") << false
            << QString("Support fused cells ?\r\n(causing slowdowns in the import)");
    }
    void questionParLangue() {
        QFETCH(QByteArray, langue);
        QFETCH(bool, oui);
        QFETCH(QString, texte);
        FenetreDeTest f(langue);
        f.fenetre().CellulesFusionnees = !oui;
        RepondreQuestion(f, oui);
        AnnulerFichier(f);
        f.fenetre().ImageTableauExcel2Click();
        QCOMPARE(f.dialoguesMontres, 2);
        QCOMPARE(f.question.LbAlert->text(), texte);
        QCOMPARE(f.fenetre().CellulesFusionnees, oui);
    }

    void classeurDeTroisFeuilles_data() {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<QStringList>("textes");
        QTest::newRow("french") << QByteArray("francais")
                                << QStringList{"Feuille 1", "Feuille 2", "Feuille 3"}
                                << QStringList{"FEUILLES EXCEL", "Choix de la feuille Excel :"};
        QTest::newRow("english") << QByteArray("anglais")
                                 << QStringList{"Sheet 1", "Sheet 2", "Sheet 3"}
                                 << QStringList{"EXCEL SHEET", "Choice of Excel sheet :"};
    }
    void classeurDeTroisFeuilles() {
        QFETCH(QByteArray, langue);
        QFETCH(QStringList, elements);
        QFETCH(QStringList, textes);
        FenetreDeTest f(langue);
        const auto fichier = EcrireClasseur(f.dossier.chemin(), "trois.xls", {4, 5, 6});
        QStringList vus;
        int selectionAuDepart = -1;
        RepondreQuestion(f, false);
        ChoisirFichier(f, fichier);
        f.reponses.push_back([&](QDialog* d) {
            QCOMPARE(d, static_cast<QDialog*>(&f.choix));
            for (int i = 0; i < f.choix.CbChoixFeuille->count(); ++i) {
                vus << f.choix.CbChoixFeuille->itemText(i);
            }
            selectionAuDepart = f.choix.CbChoixFeuille->currentIndex();
            QVERIFY(QApplication::overrideCursor() == nullptr);
            f.choix.FormShow();
            QCOMPARE((QStringList{f.choix.LbTitre->text(), f.choix.LbChoixFeuilleExcel->text()}),
                     textes);
            f.choix.CbChoixFeuille->setCurrentIndex(1);
            f.choix.ImageValiderClick();
        });
        f.fenetre().ImageTableauExcel1Click();
        QCOMPARE(vus, elements);
        QCOMPARE(selectionAuDepart, 0);
        QCOMPARE(f.fenetre().NumFeuille, 2);
        const TableSource& grille = f.fenetre().SourceGrille1();
        QCOMPARE(grille.columnCount(), 3);
        QCOMPARE(grille.rowCount(), 5);
        QCOMPARE(grille.cell(2, 4), std::string_view("2:C5"));
        QVERIFY(f.erreurs.isEmpty());
    }

    void uneSeuleFeuilleSansChoix() {
        FenetreDeTest f;
        const auto fichier = EcrireClasseur(f.dossier.chemin(), "une.xls", {7});
        Importer(f, fichier);
        QCOMPARE(f.dialoguesMontres, 2);  // the question and the file dialog only
        QCOMPARE(f.fenetre().SourceGrille1().rowCount(), 7);
        QCOMPARE(f.fenetre().SourceGrille1().cell(0, 6), std::string_view("1:A7"));
        QCOMPARE(f.fenetre().NumFeuille, 1);
    }

    void choixAnnuleVideLaGrille_data() {
        QTest::addColumn<int>("maniere");
        QTest::newRow("cancel button") << 0;
        QTest::newRow("close cross") << 1;
        QTest::newRow("Escape released on the list") << 2;
    }
    void choixAnnuleVideLaGrille() {
        QFETCH(int, maniere);
        FenetreDeTest f;
        Importer(f, EcrireClasseur(f.dossier.chemin(), "une.xls", {7}));
        QCOMPARE(f.fenetre().SourceGrille1().rowCount(), 7);

        RepondreQuestion(f, false);
        ChoisirFichier(f, EcrireClasseur(f.dossier.chemin(), "deux.xls", {3, 3}));
        f.reponses.push_back([&f, maniere](QDialog*) {
            switch (maniere) {
                case 0:
                    f.choix.ImageAnnulerClick();
                    break;
                case 1:
                    QTest::mouseClick(f.choix.ImageCroixFermer, Qt::LeftButton);
                    break;
                default: {
                    QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
                    QApplication::sendEvent(f.choix.CbChoixFeuille, &relache);
                }
            }
        });
        f.fenetre().ImageTableauExcel1Click();
        QVERIFY(!f.choix.ChoixValide);
        QVERIFY(GrilleVide(f.fenetre().SourceGrille1()));
        QVERIFY(f.fenetre().ImageTableauExcel1->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void fichierAnnuleGardeLaGrille() {
        FenetreDeTest f;
        Importer(f, EcrireClasseur(f.dossier.chemin(), "une.xls", {7}));
        RepondreQuestion(f, true);
        AnnulerFichier(f);
        f.fenetre().ImageTableauExcel1Click();
        QCOMPARE(f.fenetre().SourceGrille1().rowCount(), 7);
        QCOMPARE(f.fenetre().SourceGrille1().cell(1, 1), std::string_view("1:B2"));
    }

    void deuxImportsSuccessifs() {
        FenetreDeTest f;
        Importer(f, EcrireClasseur(f.dossier.chemin(), "grand.xls", {60}, 20));
        // Scroll and select in the first table.
        f.grille1().verticalScrollBar()->setValue(30);
        f.grille1().horizontalScrollBar()->setValue(5);
        f.fenetre().SelectionnerZone(&f.grille1(), 3, 4, 8, 40);
        QCOMPARE(f.fenetre().LbLettreExcel1[0]->text(), QString("F"));

        Importer(f, EcrireClasseur(f.dossier.chemin(), "petit.xls", {2}, 2));
        const TableSource& grille = f.fenetre().SourceGrille1();
        QCOMPARE(grille.columnCount(), 2);
        QCOMPARE(grille.rowCount(), 2);
        for (int r = 0; r < 60; ++r) {
            for (int c = 0; c < 20; ++c) {
                QVERIFY(!grille.cell(c, r).starts_with("1:") || (c < 2 && r < 2));
            }
        }
        QCOMPARE(grille.selection(), (Selection{0, 0, 0, 0}));
        QCOMPARE(f.grille1().PremiereLigne(), 0);
        QCOMPARE(f.grille1().PremiereColonne(), 0);
        QCOMPARE(f.fenetre().LbLettreExcel1[0]->text(), QString("A"));
        QCOMPARE(f.fenetre().LbCptExcel1[0]->text(), QString("1"));
        QCOMPARE(f.grille1().currentIndex(), f.grille1().model()->index(0, 0));
    }

    void dernierFichierRetenu() {
        FenetreDeTest f;
        const auto fichier = EcrireClasseur(f.dossier.chemin(), "une.xls", {2});
        Importer(f, fichier);
        QString dossierOuvert;
        RepondreQuestion(f, false);
        f.reponses.push_back([&](QDialog* d) {
            dossierOuvert = static_cast<QFileDialog*>(d)->directory().absolutePath();
            d->setResult(QDialog::Rejected);
        });
        f.fenetre().ImageTableauExcel2Click();
        QCOMPARE(dossierOuvert, QString::fromStdString(f.dossier.chemin().string()));
    }

    void classeurIllisible() {
        FenetreDeTest f;
        Importer(f, EcrireClasseur(f.dossier.chemin(), "une.xls", {7}));
        const auto faux = f.dossier.chemin() / "faux.xls";
        std::ofstream(faux) << "ceci n'est pas un classeur";
        Importer(f, faux);
        QCOMPARE(f.erreurs.size(), 1);
        QVERIFY2(f.erreurs[0].contains("faux.xls"), qPrintable(f.erreurs[0]));
        QVERIFY(GrilleVide(f.fenetre().SourceGrille1()));
        for (ControleImage* bouton :
             {f.fenetre().ImageTableauExcel1, f.fenetre().ImageTableauExcel2,
              f.fenetre().ImageComparerExcel}) {
            QVERIFY(bouton->isEnabled());
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!f.fenetre().ImportEnCours());
        // Still usable: the next import works.
        Importer(f, EcrireClasseur(f.dossier.chemin(), "autre.xls", {3}));
        QCOMPARE(f.fenetre().SourceGrille1().rowCount(), 3);
    }

    // While pending events run mid-import: the three buttons are disabled,
    // the busy cursor is up, and a language switch or scrolling the other
    // grid is harmless.
    void evenementsPendantImport() {
        FenetreDeTest f;
        f.fenetre().ModeleExcel2->DefinirTable(test::TableNommee(30, 300));
        const auto fichier = EcrireClasseur(f.dossier.chemin(), "long.xls", {450});
        int passages = 0;
        bool boutonsInactifs = true;
        bool curseurOccupe = true;
        QTimer sonde;
        QObject::connect(&sonde, &QTimer::timeout, [&] {
            if (!f.fenetre().ImportEnCours()) {
                return;
            }
            ++passages;
            boutonsInactifs = boutonsInactifs && !f.fenetre().ImageTableauExcel1->isEnabled() &&
                              !f.fenetre().ImageTableauExcel2->isEnabled() &&
                              !f.fenetre().ImageComparerExcel->isEnabled();
            curseurOccupe = curseurOccupe && QApplication::overrideCursor() != nullptr &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            f.fenetre().LogoAnglaisClick();
            f.grille2().verticalScrollBar()->setValue(passages * 10);
        });
        sonde.start(0);
        Importer(f, fichier);
        sonde.stop();
        QVERIFY(passages >= 1);
        QVERIFY(boutonsInactifs);
        QVERIFY(curseurOccupe);
        QCOMPARE(f.fenetre().LangueCourante, QString("anglais"));
        QCOMPARE(f.fenetre().SourceGrille1().rowCount(), 450);
        QCOMPARE(f.fenetre().LbCptExcel2[0]->text(), QString::number(passages * 10 + 1));
        QVERIFY(f.fenetre().ImageComparerExcel->isEnabled());
    }

    // Closing the program mid-import stops the import at its next processing
    // of events, leaves no file behind and ends the program once unwound.
    void fermetureEnCoursDImport() {
        FenetreDeTest f;
        const auto fichier = EcrireClasseur(f.dossier.chemin(), "long.xls", {450});
        std::set<std::filesystem::path> avant;
        for (const auto& entree : std::filesystem::directory_iterator(f.dossier.chemin())) {
            avant.insert(entree.path());
        }
        bool fermee = false;
        QTimer sonde;
        QObject::connect(&sonde, &QTimer::timeout, [&] {
            if (f.fenetre().ImportEnCours() && !fermee) {
                fermee = true;
                f.fenetre().close();
                QVERIFY(f.fenetre().isVisible());  // it waits for the import
            }
        });
        sonde.start(0);
        // The import runs inside the program's event loop, which the close
        // must end once the import has unwound.
        bool revenu = false;
        QTimer::singleShot(0, [&] {
            Importer(f, fichier);
            revenu = true;
        });
        QTimer garde;
        garde.setSingleShot(true);
        QObject::connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        garde.start(60000);
        QCOMPARE(QCoreApplication::exec(), 0);
        garde.stop();
        QVERIFY(revenu);
        sonde.stop();
        QVERIFY(fermee);
        QVERIFY(!f.fenetre().ImportEnCours());
        QVERIFY(GrilleVide(f.fenetre().SourceGrille1()));
        QVERIFY(f.erreurs.isEmpty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        std::set<std::filesystem::path> apres;
        for (const auto& entree : std::filesystem::directory_iterator(f.dossier.chemin())) {
            apres.insert(entree.path());
        }
        QCOMPARE(apres, avant);
    }
};

QTEST_MAIN(ImportFenetreTest)
#include "ImportFenetreTest.moc"
