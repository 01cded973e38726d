// The final-table window on its own: the comparison it runs when shown, its
// progress, the completion notice, painting, header labels, hint, closing
// (during the comparison too) and the save button.

#include <QAbstractItemModelTester>
#include <QProgressBar>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <vector>

#include "OutilsFenetres.h"
#include "app/Fenetres.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormImagesLib.h"
#include "app/TFormShowMessageInterne.h"
#include "compare/ExporterTableauFinal.h"
#include "compare/ModeleTableauFinal.h"
#include "compare/TFormTableauFinal.h"

using namespace velmora;
using velmora::test::RepondeurModal;

namespace {

const QString kTermineeFrancais =
    "\r\nComparaison terminée.\r\nLe tableau final est prêt à être enregistrer";
const QString kTermineeAnglais = "\r\nComparison completed.\r\nThe final table is ready for record";
const QString kMarqueur = "<no notice>";

// A grid from its rows.
Table Grille(const std::vector<std::vector<std::string>>& lignes) {
    std::size_t colonnes = 1;
    for (const auto& l : lignes) {
        colonnes = std::max(colonnes, l.size());
    }
    Table t(static_cast<int>(colonnes), std::max(1, static_cast<int>(lignes.size())));
    for (std::size_t r = 0; r < lignes.size(); ++r) {
        for (std::size_t c = 0; c < lignes[r].size(); ++c) {
            t.setCell(static_cast<int>(c), static_cast<int>(r), lignes[r][c]);
        }
    }
    return t;
}

// A grid of `colonnes` × `lignes` cells, each "r<row>c<column>".
Table GrilleNumerotee(int colonnes, int lignes) {
    Table t(colonnes, lignes);
    for (int r = 0; r < lignes; ++r) {
        for (int c = 0; c < colonnes; ++c) {
            t.setCell(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
        }
    }
    return t;
}

ModeComparaison Mode(const std::string& entree, const std::string& sortie = "Complet",
                     const std::string& numeros = "Non", const std::string& ref1 = "NULL") {
    ModeComparaison m;
    m.EntreeTableau = entree;
    m.SortieTableau = sortie;
    m.AncienNumLigne = numeros;
    m.Ref1 = ref1;
    return m;
}

QString Texte(const TableauFinal& t, int colonne, int ligne) {
    const std::string_view s = t.texte(colonne, ligne);
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor Pixel(const QImage& image, QPoint p) {
    return image.pixelColor(p);
}

bool Sombre(const QColor& c) {
    return c.red() < 70 && c.green() < 70 && c.blue() < 70;
}

}  // namespace

class TableauFinalFenetreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DossierProgramme> dossier_;
    // The single instances the window uses, without the rest of the program.
    std::unique_ptr<TFormGrisTransparent> voiles_;
    std::unique_ptr<TFormShowMessageInterne> message_;
    std::unique_ptr<TFormImagesLib> images_;
    Table grille1_;
    Table grille2_;

    std::unique_ptr<TFormTableauFinal> Fenetre(std::optional<ModeComparaison> mode,
                                               int typeTri = 0) {
        auto fenetre = std::make_unique<TFormTableauFinal>(grille1_, grille2_, typeTri, mode);
        fenetre->DureeNotice = 0;
        return fenetre;
    }

    // Shows the window (not modally) and waits for the end of its start.
    void Comparer(TFormTableauFinal& fenetre) {
        fenetre.show();
        QTRY_VERIFY_WITH_TIMEOUT(fenetre.EtatComparaison() == TFormTableauFinal::Etat::Terminee,
                                 20000);
    }

    QString Notice() { return message_->LbAlert->text(); }

private slots:
    void initTestCase() {
        DefinirAfficheurErreur([](const QString& texte) { QFAIL(qPrintable(texte)); });
    }
    void init() {
        dossier_ = std::make_unique<test::DossierProgramme>();
        voiles_ = std::make_unique<TFormGrisTransparent>();
        message_ = std::make_unique<TFormShowMessageInterne>();
        images_ = std::make_unique<TFormImagesLib>();
        Fenetres& fenetres = FenetresProgramme();
        fenetres.FormGrisTransparent = voiles_.get();
        fenetres.FormShowMessageInterne = message_.get();
        fenetres.FormImagesLib = images_.get();
        message_->LbAlert->setText(kMarqueur);
        grille1_ = Table(10, 7);
        grille2_ = Table(10, 7);
    }
    void cleanup() {
        FenetresProgramme() = Fenetres{};
        images_.reset();
        message_.reset();
        voiles_.reset();
        dossier_.reset();
    }

    void sansModeRienNestCompareNiAnnonce() {
        grille1_ = GrilleNumerotee(3, 3);
        grille2_ = GrilleNumerotee(3, 4);
        auto fenetre = Fenetre(std::nullopt);
        Comparer(*fenetre);
        QTest::qWait(50);
        QCOMPARE(fenetre->Modele->rowCount(), 20);
        QCOMPARE(fenetre->Modele->columnCount(), 10);
        QCOMPARE(fenetre->Tableau().rowCount(), 0);
        QCOMPARE(Notice(), kMarqueur);
        QCOMPARE(fenetre->ProgressBar->value(), 0);
        // The empty bar shows its background, 0xA9C8DA.
        const QImage barre = fenetre->ProgressBar->grab().toImage();
        QCOMPARE(barre.pixelColor(barre.rect().center()), QColor(218, 200, 169));
    }

    void comparaisonEnEchecAnnonceQuandMemeLaFin() {
        grille1_ = GrilleNumerotee(3, 5);
        grille2_ = GrilleNumerotee(3, 5);
        // A reference column that is not a whole number ends the comparison.
        auto fenetre = Fenetre(Mode("Reference", "Complet", "Non", "abc"));
        Comparer(*fenetre);
        QCOMPARE(Notice(), kTermineeFrancais);
        QVERIFY(!(*message_).isVisible());
        // The notice's close pictures come back for the next message.
        QVERIFY(!(*message_).ImageFermer->isHidden());
    }

    void comparaisonComplete_data() {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<QString>("notice");
        QTest::newRow("French") << QByteArray("francais") << kTermineeFrancais;
        QTest::newRow("English") << QByteArray("anglais") << kTermineeAnglais;
    }
    void comparaisonComplete() {
        QFETCH(QByteArray, langue);
        QFETCH(QString, notice);
        dossier_->EcrireParamIni("[Parametrage]\nLangue=" + langue + "\n");
        grille1_ = Grille({{"id", "nom"}, {"1", "Lucie"}, {"2", "Marc"}});
        grille2_ = Grille({{"id", "nom"}, {"1", "Lucy"}, {"2", ""}, {"3", "Eve"}});
        auto fenetre = Fenetre(Mode("Identique"));
        fenetre->AfficheSupprime = true;
        Comparer(*fenetre);
        QCOMPARE(Notice(), notice);
        const TableauFinal& t = fenetre->Tableau();
        QCOMPARE(fenetre->Modele->rowCount(), 4);
        QCOMPARE(fenetre->Modele->columnCount(), 2);
        QCOMPARE(Texte(t, 1, 1), QString("Lucy"));
        QCOMPARE(t.couleur(1, 1), CouleurCellule::Modifiee);
        QCOMPARE(Texte(t, 1, 2), QString("Marc"));  // erased, shown as it was
        QCOMPARE(t.couleur(1, 2), CouleurCellule::Effacee);
        QCOMPARE(t.couleur(0, 3), CouleurCellule::Ajoutee);
        QCOMPARE(fenetre->Modele->data(fenetre->Modele->index(3, 1)).toString(), QString("Eve"));

        const bool anglais = langue == "anglais";
        QCOMPARE(fenetre->LangueCourante, QString(langue));
        QCOMPARE(fenetre->LbLegende->text(), QString(anglais ? "Caption :" : "Légende :"));
        QCOMPARE(fenetre->LbCellAjoutee->text(),
                 QString(anglais ? "Cell added" : "Cellule ajoutée"));
        QCOMPARE(fenetre->LbCellModifiee->text(),
                 QString(anglais ? "Modified cell" : "Cellule modifiée"));
        QCOMPARE(fenetre->LbCellSupprimee->text(),
                 QString(anglais ? "Cell erased" : "Cellule effacée"));
        QCOMPARE(fenetre->LbTitre->text(),
                 QString(anglais ? "Final table ready for recording"
                                 : "Tableau final prêt à l'enregistrement."));
        const QString suffixe = anglais ? "Anglais" : "";
        QVERIFY(test::MemeImage(fenetre->ImageEnregistrer->pixmap(),
                                (*images_).Image("ImageEnregistrer" + suffixe)));
        QVERIFY(test::MemeImage(fenetre->ImageClicFermer->pixmap(),
                                (*images_).Image("ImageClicFermer" + suffixe)));
    }

    // The bar moves by 31 finished rows, then to its maximum, which counts
    // both whole grids whatever the scope.
    void progression_data() {
        QTest::addColumn<int>("typeTri");
        QTest::addColumn<QList<int>>("positions");
        // 35 rows of table 1 copied, then 35 rows compared.
        QTest::newRow("whole grids, 70 rows") << 0 << QList<int>{31, 62, 70};
        // Two selected rows each: fewer than 31 rows, straight to the maximum.
        QTest::newRow("selections of 2 rows") << 1 << QList<int>{70};
    }
    void progression() {
        QFETCH(int, typeTri);
        QFETCH(QList<int>, positions);
        grille1_ = GrilleNumerotee(3, 35);
        grille2_ = GrilleNumerotee(3, 35);
        grille1_.setSelection({0, 0, 2, 1});
        grille2_.setSelection({0, 3, 2, 4});
        auto fenetre = Fenetre(Mode("Identique"), typeTri);
        QList<int> vues;
        connect(fenetre->ProgressBar, &QProgressBar::valueChanged, [&](int v) { vues << v; });
        Comparer(*fenetre);
        QCOMPARE(vues, positions);
        QCOMPARE(fenetre->ProgressBar->maximum(), 70);
        // The full bar shows its bar colour, 0x8CB5CF.
        const QImage barre = fenetre->ProgressBar->grab().toImage();
        QCOMPARE(barre.pixelColor(barre.rect().center()), QColor(207, 181, 140));
    }

    void modeleCoherentPendantLaComparaisonEtLeFiltre() {
        grille1_ = GrilleNumerotee(4, 200);
        grille2_ = GrilleNumerotee(4, 150);
        grille2_.setCell(2, 10, "changed");
        auto fenetre = Fenetre(Mode("Identique", "Lignes", "Oui"));
        QAbstractItemModelTester testeur(fenetre->Modele,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        Comparer(*fenetre);
        // Only the modified row (and the erased rows 150 to 199) stay.
        QCOMPARE(fenetre->Modele->rowCount(), fenetre->Tableau().rowCount());
        QVERIFY(fenetre->Modele->rowCount() < 200);
        QCOMPARE(fenetre->Modele->columnCount(), 6);
    }

    void peintureDesCellules() {
        grille1_ = Grille({{"H", "H", "H"}});
        grille2_ = Grille({{"H", "HH", ""}, {"H"}});
        auto fenetre = Fenetre(Mode("Identique"));
        fenetre->AfficheSupprime = true;
        Comparer(*fenetre);
        QTableView* grille = fenetre->StringGridExcelFinal;
        const auto image = [&] { return grille->viewport()->grab().toImage(); };
        const auto rect = [&](int c, int r) {
            return grille->visualRect(fenetre->Modele->index(r, c));
        };
        // Far from the text, which sits in the top-left corner.
        const auto fond = [&](const QImage& im, int c, int r) {
            return Pixel(im, rect(c, r).bottomRight() - QPoint(4, 3));
        };

        const QImage avant = image();
        QCOMPARE(fond(avant, 0, 0), QColor(219, 219, 219));  // unchanged
        QCOMPARE(fond(avant, 1, 0), QColor(128, 128, 128));  // modified
        QCOMPARE(fond(avant, 2, 0), QColor(128, 0, 0));      // erased
        QCOMPARE(fond(avant, 0, 1), QColor(0, 128, 128));    // added
        // The text starts at the cell's very edge.
        bool texteAuBord = false;
        const QRect modifiee = rect(1, 0);
        for (int x = modifiee.left(); x <= modifiee.left() + 2; ++x) {
            for (int y = modifiee.top(); y < modifiee.top() + 14; ++y) {
                texteAuBord = texteAuBord || Sombre(Pixel(avant, {x, y}));
            }
        }
        QVERIFY(texteAuBord);

        // Selected, tinted cells keep their tint.
        grille->selectAll();
        QApplication::processEvents();
        const QImage selection = image();
        QCOMPARE(fond(selection, 0, 0), QColor(219, 219, 219));
        QCOMPARE(fond(selection, 2, 0), QColor(128, 0, 0));
        QCOMPARE(fond(selection, 0, 1), QColor(0, 128, 128));
    }

    void celluleSansVerdictPeinteCommeLaGrille() {
        auto fenetre = Fenetre(std::nullopt);
        Comparer(*fenetre);
        QTableView* grille = fenetre->StringGridExcelFinal;
        const QRect rect = grille->visualRect(fenetre->Modele->index(2, 3));
        const QPoint point = rect.bottomRight() - QPoint(4, 3);
        QCOMPARE(grille->viewport()->grab().toImage().pixelColor(point), QColor(219, 219, 219));
        grille->setCurrentIndex(fenetre->Modele->index(2, 3));
        QApplication::processEvents();
        QVERIFY(grille->viewport()->grab().toImage().pixelColor(point) != QColor(219, 219, 219));
    }

    void etiquettesApresDefilement() {
        grille1_ = GrilleNumerotee(30, 100);
        grille2_ = GrilleNumerotee(30, 100);
        auto fenetre = Fenetre(Mode("Identique"));
        Comparer(*fenetre);
        const EnTetesTableauFinal& e = fenetre->EnTetes;
        QCOMPARE(e.LbCptExcel1[0]->text(), QString("1"));
        QCOMPARE(e.LbLettreExcel1[9]->text(), QString("J"));
        fenetre->StringGridExcelFinal->verticalScrollBar()->setValue(3);
        fenetre->StringGridExcelFinal->horizontalScrollBar()->setValue(2);
        QCOMPARE(e.LbCptExcel1[0]->text(), QString("4"));
        QCOMPARE(e.LbCptExcel1[17]->text(), QString("21"));
        QCOMPARE(e.LbLettreExcel1[0]->text(), QString("C"));
        QCOMPARE(e.LbLettreExcel1[9]->text(), QString("L"));
        QCOMPARE(e.LbCptExcel1[0]->objectName(), QString("LbCptExcel1_1"));
        QCOMPARE(e.LbLettreExcel1[9]->objectName(), QString("LbLettreExcel1_10"));
    }

    void etiquettesAuDelaDeAZ() {
        // 52 columns and the two row-number columns: the last is BB.
        grille1_ = GrilleNumerotee(52, 3);
        grille2_ = GrilleNumerotee(52, 3);
        auto fenetre = Fenetre(Mode("Identique", "Complet", "Oui"));
        Comparer(*fenetre);
        QScrollBar* barre = fenetre->StringGridExcelFinal->horizontalScrollBar();
        barre->setValue(barre->maximum());
        QCOMPARE(barre->maximum() + 9, 53);
        QCOMPARE(fenetre->EnTetes.LbLettreExcel1[7]->text(), QString("AZ"));
        QCOMPARE(fenetre->EnTetes.LbLettreExcel1[8]->text(), QString("BA"));
        QCOMPARE(fenetre->EnTetes.LbLettreExcel1[9]->text(), QString("BB"));
        QCOMPARE(LettresColonneFinale(26), QString("AA"));
        QCOMPARE(LettresColonneFinale(26 * 27), QString("AAA"));
    }

    void infobulleDeLaCelluleChoisie() {
        const std::string longue = "Un texte bien plus large que la colonne qui le porte";
        grille1_ = Grille({{"a", "b"}});
        grille2_ = Grille({{"a", longue}});
        auto fenetre = Fenetre(Mode("Identique"));
        Comparer(*fenetre);
        fenetre->StringGridExcelFinal->setCurrentIndex(fenetre->Modele->index(0, 1));
        QCOMPARE(fenetre->StringGridExcelFinal->toolTip(), QString::fromStdString(longue));
        // Over any cell of the grid the hint is the selected cell's text.
        QCOMPARE(fenetre->Modele->data(fenetre->Modele->index(0, 0), Qt::ToolTipRole).toString(),
                 QString::fromStdString(longue));
    }

    void echapEtBoutonFermer_data() {
        QTest::addColumn<bool>("echap");
        QTest::newRow("Escape in the grid") << true;
        QTest::newRow("close button") << false;
    }
    void echapEtBoutonFermer() {
        QFETCH(bool, echap);
        auto fenetre = Fenetre(Mode("Identique"));
        Comparer(*fenetre);
        QVERIFY(fenetre->isVisible());
        if (echap) {
            // The press alone does not close, as a dialog would.
            QTest::keyPress(fenetre->StringGridExcelFinal, Qt::Key_Escape);
            QVERIFY(fenetre->isVisible());
            QTest::keyRelease(fenetre->StringGridExcelFinal, Qt::Key_Escape);
        } else {
            QTest::mouseClick(fenetre->ImageFermer, Qt::LeftButton);
        }
        QVERIFY(!fenetre->isVisible());
    }

    // Closing while the comparison runs: exec() returns once the comparison
    // has unwound, then the window is released; no notice, no crash.
    void fermetureEnCoursDeComparaison() {
        grille1_ = GrilleNumerotee(5, 3000);
        grille2_ = GrilleNumerotee(5, 3000);
        auto fenetre = Fenetre(Mode("Identique"));
        int positionALaFermeture = -1;
        connect(fenetre->ProgressBar, &QProgressBar::valueChanged, fenetre.get(), [&](int v) {
            if (v >= 3100 && positionALaFermeture < 0) {
                positionALaFermeture = v;
                fenetre->ImageFermerClick();
            }
        });
        QTimer garde;
        connect(&garde, &QTimer::timeout, [&] { fenetre->hide(); });
        garde.start(20000);
        fenetre->exec();
        QVERIFY(positionALaFermeture > 0);
        QCOMPARE(fenetre->EtatComparaison(), TFormTableauFinal::Etat::Interrompue);
        // The comparison went no further than one step after the close.
        QVERIFY(fenetre->ProgressBar->value() <= positionALaFermeture + 31);
        QCOMPARE(Notice(), kMarqueur);
        fenetre.reset();
        QApplication::processEvents();
    }

    void fermetureAvantLeDepart() {
        auto fenetre = Fenetre(Mode("Identique"));
        fenetre->show();
        fenetre->ImageFermerClick();
        QTest::qWait(50);
        QCOMPARE(fenetre->EtatComparaison(), TFormTableauFinal::Etat::Attente);
        QCOMPARE(Notice(), kMarqueur);
    }

    // Save is ignored until the comparison has finished; afterwards it
    // writes the file and says so; close and save are ignored while the
    // export runs.
    void enregistrementPendantEtApresLaComparaison() {
        grille1_ = GrilleNumerotee(5, 400);
        grille2_ = GrilleNumerotee(5, 400);
        grille2_.setCell(1, 1, "x");
        const std::filesystem::path cible = dossier_->chemin() / "Temp_Result.xls";
        auto fenetre = Fenetre(Mode("Identique"));
        bool ecritPendant = false;
        bool clique = false;
        connect(fenetre->ProgressBar, &QProgressBar::valueChanged, fenetre.get(), [&](int v) {
            if (v > 0 && v < 800 && !clique) {
                clique = true;
                fenetre->ImageEnregistrerClick();
                ecritPendant = std::filesystem::exists(cible);
            }
        });
        Comparer(*fenetre);
        QVERIFY(clique);
        QVERIFY(!ecritPendant);
        QVERIFY(!std::filesystem::exists(cible));

        QStringList messages;
        RepondeurModal repondeur([&](QWidget* modal) {
            if (auto* boite = qobject_cast<TFormShowMessageInterne*>(modal)) {
                messages << boite->LbAlert->text();
                boite->ImageFermerClick();
            }
        });
        // Pressed again, and closed, while the export runs.
        QTimer::singleShot(0, fenetre.get(), [&] {
            QVERIFY(fenetre->ExportEnCours());
            fenetre->ImageEnregistrerClick();
            fenetre->ImageFermerClick();
        });
        fenetre->ImageEnregistrerClick();
        QCOMPARE(messages, QStringList({"EXPORTATION TERMINEE"}));
        QVERIFY(std::filesystem::exists(cible));
        QVERIFY(fenetre->isVisible());
        QVERIFY(!fenetre->ExportEnCours());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(fenetre->ProgressBar->value(), 0);
    }

    void enregistrementRefuseSansAccesAuFichier() {
        auto fenetre = Fenetre(Mode("Identique"));
        Comparer(*fenetre);
        // A folder where the file should be: it cannot be replaced.
        const std::filesystem::path cible = dossier_->chemin() / "Temp_Result.xls";
        std::filesystem::create_directory(cible);
        QStringList messages;
        RepondeurModal repondeur([&](QWidget* modal) {
            if (auto* boite = qobject_cast<TFormShowMessageInterne*>(modal)) {
                messages << boite->LbAlert->text();
                boite->ImageFermerClick();
            }
        });
        fenetre->ImageEnregistrerClick();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith("Problème d'accès au fichier" +
                                       QString::fromStdString(cible.string()) + "\r\n"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TableauFinalFenetreTest)
#include "TableauFinalFenetreTest.moc"
