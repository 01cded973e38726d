// The spreadsheet headers of the input grids, header clicks with and without
// SHIFT, mouse selections, the range boxes and the comparison scope.

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>

#include "FenetreDeTest.h"

using namespace velmora;
using test::FenetreDeTest;

namespace {

QPoint CentreCellule(const GrilleSaisie& grille, int colonne, int ligne) {
    return grille.visualRect(grille.model()->index(ligne, colonne)).center();
}

// A left-button drag over the grid's cells, from one cell to another.
void Glisser(GrilleSaisie& grille, QPoint de, QPoint a) {
    QWidget* vue = grille.viewport();
    QTest::mousePress(vue, Qt::LeftButton, Qt::NoModifier, de);
    QMouseEvent deplacement(QEvent::MouseMove, a, vue->mapToGlobal(a), Qt::NoButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(vue, &deplacement);
    QTest::mouseRelease(vue, Qt::LeftButton, Qt::NoModifier, a);
}

void Cliquer(QLabel* label, bool shift) {
    QTest::mouseClick(label, Qt::LeftButton, shift ? Qt::ShiftModifier : Qt::NoModifier);
}

}  // namespace

class EntetesFenetreTest : public QObject {
    Q_OBJECT

private slots:
    void modeleConforme() {
        ModeleGrille modele(nullptr);
        QAbstractItemModelTester testeur(&modele,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        modele.DefinirTable(test::TableNommee(52, 300));
        QCOMPARE(modele.data(modele.index(299, 51)).toString(), QString("AZ300"));
        modele.DefinirTable(Table(1, 1));
        QVERIFY(!modele.data(modele.index(0, 0)).isValid());
        QVERIFY(!(modele.flags(modele.index(0, 0)) & Qt::ItemIsEditable));
    }

    void etiquettesAuDepart() {
        FenetreDeTest f;
        const QStringList lettres{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(f.fenetre().LbLettreExcel1[static_cast<std::size_t>(k)]->text(), lettres[k]);
            QCOMPARE(f.fenetre().LbLettreExcel2[static_cast<std::size_t>(k)]->text(), lettres[k]);
            QVERIFY(f.fenetre().LbLettreExcel1[static_cast<std::size_t>(k)]->toolTip().isEmpty());
        }
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(f.fenetre().LbCptExcel1[static_cast<std::size_t>(k)]->text(),
                     QString::number(k + 1));
            QVERIFY(f.fenetre().LbCptExcel2[static_cast<std::size_t>(k)]->toolTip().isEmpty());
            // Row numbers are left-justified, column letters centred.
            QVERIFY(f.fenetre().LbCptExcel1[static_cast<std::size_t>(k)]->alignment() &
                    Qt::AlignLeft);
        }
        QVERIFY(f.fenetre().LbLettreExcel1[0]->alignment() & Qt::AlignHCenter);
        QCOMPARE(f.fenetre().LettresColonnes.size(), 53);
        QCOMPARE(f.fenetre().LettresColonnes[27], QString("AA"));
        QCOMPARE(f.fenetre().LettresColonnes[52], QString("AZ"));
    }

    void renumerotationAuDefilement_data() {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<QString>("bulleColonne");
        QTest::addColumn<QString>("bulleLigne");
        QTest::newRow("french")
            << QByteArray("francais")
            << QString(
                   "Sélectionnez la colonne D\nMaintenez la touche 'SHIFT' enfoncée pour "
                   "sélectionner plusieurs colonnes.")
            << QString(
                   "Sélectionnez la ligne 6\nMaintenez la touche 'SHIFT' enfoncée pour "
                   "sélectionner plusieurs lignes.");
        QTest::newRow("english")
            << QByteArray("anglais")
            << QString(
                   "Select the column D\nHold down the shift key 'SHIFT' to select multiple "
                   "columns.")
            << QString(
                   "Sélect the line 6\nHold down the shift key 'SHIFT' to select multiple "
                   "lines.");
    }
    void renumerotationAuDefilement() {
        QFETCH(QByteArray, langue);
        QFETCH(QString, bulleColonne);
        QFETCH(QString, bulleLigne);
        FenetreDeTest f(langue);
        f.fenetre().ModeleExcel2->DefinirTable(test::TableNommee(52, 100));
        f.grille2().horizontalScrollBar()->setValue(3);
        f.grille2().verticalScrollBar()->setValue(5);
        QCOMPARE(f.fenetre().LbLettreExcel2[0]->text(), QString("D"));
        QCOMPARE(f.fenetre().LbLettreExcel2[9]->text(), QString("M"));
        QCOMPARE(f.fenetre().LbCptExcel2[0]->text(), QString("6"));
        QCOMPARE(f.fenetre().LbCptExcel2[5]->text(), QString("11"));
        QCOMPARE(f.fenetre().LbLettreExcel2[0]->toolTip(), bulleColonne);
        QCOMPARE(f.fenetre().LbCptExcel2[0]->toolTip(), bulleLigne);
        // Grid 1 did not scroll: its labels still have no tooltip.
        QVERIFY(f.fenetre().LbLettreExcel1[0]->toolTip().isEmpty());

        // As far right as the view goes: the last label names AZ.
        f.grille2().horizontalScrollBar()->setValue(f.grille2().horizontalScrollBar()->maximum());
        QCOMPARE(f.fenetre().LbLettreExcel2[9]->text(), QString("AZ"));
        QCOMPARE(f.fenetre().LbLettreExcel2[0]->text(), QString("AQ"));
    }

    // Column and row label clicks, with and without SHIFT, on grid 1.
    void clicsDEtiquettes() {
        FenetreDeTest f;
        TFormMain& w = f.fenetre();
        w.ModeleExcel1->DefinirTable(test::TableNommee(10, 20));

        Cliquer(w.LbLettreExcel1[2], false);
        QCOMPARE(w.SourceGrille1().selection(), (Selection{2, 0, 2, 19}));
        QCOMPARE(w.EdCoorTab1->text(), QString("C1 : C20"));
        Cliquer(w.LbLettreExcel1[4], true);
        QCOMPARE(w.EdCoorTab1->text(), QString("C1 : E20"));
        // The other end is the old selection's left column.
        Cliquer(w.LbLettreExcel1[0], true);
        QCOMPARE(w.EdCoorTab1->text(), QString("A1 : C20"));
        // Without SHIFT at the click, a plain column again.
        Cliquer(w.LbLettreExcel1[5], false);
        QCOMPARE(w.EdCoorTab1->text(), QString("F1 : F20"));
        QVERIFY(w.EdCoorTab2->text().isEmpty());

        // A dragged rectangle B3 : D5, then SHIFT on row label 6.
        Glisser(f.grille1(), CentreCellule(f.grille1(), 1, 2), CentreCellule(f.grille1(), 3, 4));
        QCOMPARE(w.EdCoorTab1->text(), QString("B3 : D5"));
        Cliquer(w.LbCptExcel1[5], true);
        QCOMPARE(w.EdCoorTab1->text(), QString("B3 : J6"));
        Cliquer(w.LbCptExcel1[0], true);
        QCOMPARE(w.EdCoorTab1->text(), QString("B1 : J3"));
        // The view shows the selection; header clicks move neither the view
        // nor the current cell.
        QVERIFY(f.grille1().selectionModel()->isSelected(w.ModeleExcel1->index(2, 9)));
        QCOMPARE(f.grille1().PremiereLigne(), 0);
    }

    void ligneApresDefilement() {
        FenetreDeTest f;
        TFormMain& w = f.fenetre();
        w.ModeleExcel1->DefinirTable(test::TableNommee(10, 40));
        f.grille1().verticalScrollBar()->setValue(10);
        QCOMPARE(w.LbCptExcel1[1]->text(), QString("12"));
        Cliquer(w.LbCptExcel1[1], false);
        QCOMPARE(w.SourceGrille1().selection(), (Selection{0, 11, 9, 11}));
        QCOMPARE(w.EdCoorTab1->text(), QString("A12 : J12"));
    }

    void etiquettesAuDelaDeLaGrille() {
        FenetreDeTest f;
        TFormMain& w = f.fenetre();
        w.ModeleExcel2->DefinirTable(test::TableNommee(5, 8));
        Cliquer(w.LbLettreExcel2[7], false);
        QCOMPARE(w.EdCoorTab2->text(), QString("H1 : H8"));
        const TableSource& source = w.SourceGrille2();
        QCOMPARE(source.selection(), (Selection{7, 0, 7, 7}));
        QVERIFY(source.cell(7, 3).empty());
        QVERIFY(f.grille2().selectionModel()->selectedIndexes().isEmpty());

        // More than ten columns, scrolled to the bottom: the sixth row label
        // names the row one past the last, and selects it.
        w.ModeleExcel1->DefinirTable(test::TableNommee(12, 30));
        f.grille1().verticalScrollBar()->setValue(f.grille1().verticalScrollBar()->maximum());
        QCOMPARE(w.LbCptExcel1[5]->text(), QString("31"));
        Cliquer(w.LbCptExcel1[5], false);
        QCOMPARE(w.EdCoorTab1->text(), QString("A31 : L31"));
        QCOMPARE(w.SourceGrille1().selection().Top, 30);
    }

    void selectionsALaSouris() {
        FenetreDeTest f;
        TFormMain& w = f.fenetre();
        w.ModeleExcel1->DefinirTable(test::TableNommee(10, 20));
        // From C5 up to A2: normalised corners.
        Glisser(f.grille1(), CentreCellule(f.grille1(), 2, 4), CentreCellule(f.grille1(), 0, 1));
        QCOMPARE(w.EdCoorTab1->text(), QString("A2 : C5"));
        QCOMPARE(w.SourceGrille1().selection(), (Selection{0, 1, 2, 4}));

        QTest::mouseClick(f.grille1().viewport(), Qt::LeftButton, Qt::NoModifier,
                          CentreCellule(f.grille1(), 1, 3));
        QCOMPARE(w.EdCoorTab1->text(), QString("B4 : B4"));

        // The right button selects nothing but its release rewrites the box.
        w.EdCoorTab1->setText("x");
        QTest::mouseClick(f.grille1().viewport(), Qt::RightButton, Qt::NoModifier,
                          CentreCellule(f.grille1(), 5, 5));
        QCOMPARE(w.EdCoorTab1->text(), QString("B4 : B4"));

        // SHIFT and the arrows extend the selection the comparison reads,
        // not the box.
        f.grille1().setFocus();
        QTest::keyClick(&f.grille1(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&f.grille1(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w.SourceGrille1().selection(), (Selection{1, 3, 2, 4}));
        QCOMPARE(w.EdCoorTab1->text(), QString("B4 : B4"));
    }

    void bulleDeLaCellule() {
        FenetreDeTest f;
        Table table(3, 3);
        const std::string long_(200, 'x');
        table.setCell(1, 1, long_);
        f.fenetre().ModeleExcel1->DefinirTable(std::move(table));
        QTest::mouseClick(f.grille1().viewport(), Qt::LeftButton, Qt::NoModifier,
                          CentreCellule(f.grille1(), 1, 1));
        QCOMPARE(f.grille1().toolTip(), QString::fromStdString(long_));
        QTest::mouseClick(f.grille1().viewport(), Qt::LeftButton, Qt::NoModifier,
                          CentreCellule(f.grille1(), 2, 2));
        QVERIFY(f.grille1().toolTip().isEmpty());
    }

    void choixDuPerimetre() {
        FenetreDeTest f;
        TFormMain& w = f.fenetre();
        const QList<QWidget*> zones{w.LbEdCoorTab1, w.EdCoorTab1, w.LbEdCoorTab2, w.EdCoorTab2};
        const auto visibles = [&] {
            int n = 0;
            for (QWidget* z : zones) {
                n += z->isVisible() ? 1 : 0;
            }
            return n;
        };
        QCOMPARE(visibles(), 0);
        w.CbTypeTri->setCurrentIndex(1);
        w.CbTypeTriChange();
        QCOMPARE(visibles(), 4);
        QVERIFY(w.EdCoorTab1->text().isEmpty());
        QVERIFY(w.EdCoorTab2->text().isEmpty());

        Glisser(f.grille2(), CentreCellule(f.grille2(), 0, 0), CentreCellule(f.grille2(), 1, 1));
        QVERIFY(w.EdCoorTab1->text().isEmpty());
        QCOMPARE(w.EdCoorTab2->text(), QString("A1 : B2"));

        w.LogoAnglaisClick();
        QCOMPARE(w.CbTypeTri->currentIndex(), 1);
        QCOMPARE(w.CbTypeTri->itemText(1), QString("Make a selection for comparison."));
        QCOMPARE(visibles(), 4);

        w.CbTypeTri->setCurrentIndex(0);
        w.CbTypeTriChange();
        QCOMPARE(visibles(), 0);
        w.CbTypeTri->setCurrentIndex(1);
        w.CbTypeTriChange();
        QCOMPARE(w.EdCoorTab2->text(), QString("A1 : B2"));
    }
};

QTEST_MAIN(EntetesFenetreTest)
#include "EntetesFenetreTest.moc"
