// The main window's mode list: loads from an empty and a filled store, the
// description of the selected mode in the hint of LbDetailComparaison.

#include <QLabel>
#include <QtTest>

#include "FenetreDeTest.h"
#include "app/Habillage.h"
#include "import/DescriptionMode.h"
#include "modes/CreationBaseModes.h"

#if __has_include("modes/TFormOptions.h")
#include "modes/TFormOptions.h"
#define VELMORA_AVEC_OPTIONS 1
#endif

Q_DECLARE_METATYPE(velmora::ModeComparaison)

using namespace velmora;
using test::FenetreDeTest;

namespace {

ModeComparaison Reference(std::vector<std::string> refs, std::string sortie = "Complet",
                          std::string ancien = "Non") {
    ModeComparaison mode;
    mode.EntreeTableau = "Reference";
    refs.resize(5, "NULL");
    mode.Ref1 = refs[0];
    mode.Ref2 = refs[1];
    mode.Ref3 = refs[2];
    mode.Ref4 = refs[3];
    mode.Ref5 = refs[4];
    mode.SortieTableau = std::move(sortie);
    mode.AncienNumLigne = std::move(ancien);
    return mode;
}

// A store holding exactly `modes`.
std::function<void(const std::filesystem::path&)> Base(std::vector<ModeInitial> modes) {
    return [modes = std::move(modes)](const std::filesystem::path& dossier) {
        CreerBaseModes(dossier / "Comp.qnr", modes);
    };
}

QString Bulle(const QString& texte) {
    return TexteAffiche(texte);
}

}  // namespace

class ModesFenetreTest : public QObject {
    Q_OBJECT

private slots:
    void descriptions_data() {
        QTest::addColumn<ModeComparaison>("mode");
        QTest::addColumn<bool>("anglais");
        QTest::addColumn<QString>("texte");
        QTest::newRow("worked example, french")
            << Reference({"0", "2"}, "Complet", "Oui") << false
            << QString(
                   "Comparer 2 tableaux en fonction de colonnes de référence\r\n"
                   "    Colonne(s) servant de référence : \r\n"
                   "       Colonne A\r\n"
                   "       Colonne C\r\n"
                   "\r\n"
                   "Sortir le tableau complet (les cellules modifiées seront teintées)\r\n"
                   "Insérer 2 colonnes avec les anciens n° de lignes");
        QTest::newRow("default mode, english")
            << ModeParDefaut(true) << true
            << QString(
                   "Comparing 2 identical tables (line numbers serve as reference)\r\n\r\n"
                   "Show the full table (the modified cells will be tinted)");
        QTest::newRow("only Ref3, no empty line for the NULL ones")
            << Reference({"NULL", "NULL", "4"}, "Lignes") << false
            << QString(
                   "Comparer 2 tableaux en fonction de colonnes de référence\r\n"
                   "    Colonne(s) servant de référence : \r\n"
                   "       Colonne E\r\n"
                   "\r\n"
                   "Sortir uniquement les lignes modifiées");
        QTest::newRow("all references NULL, english")
            << Reference({}, "Doublons") << true
            << QString(
                   "Comparing 2 tables based on columns of reference\r\n"
                   "    Columns of reference : \r\n"
                   "\r\n"
                   "Show only duplicate references");
        QTest::newRow("english column word is plural, Z")
            << Reference({"25"}, "Ajoutees") << true
            << QString(
                   "Comparing 2 tables based on columns of reference\r\n"
                   "    Columns of reference : \r\n"
                   "       Columns Z\r\n"
                   "\r\n"
                   "Show only added rows");
        ModeComparaison casse = ModeParDefaut(false);
        casse.EntreeTableau = "identique";
        casse.SortieTableau = "Inchangees";
        casse.AncienNumLigne = "OUI";
        QTest::newRow("exact words: identique and OUI do not count")
            << casse << false
            << QString(
                   "Comparer 2 tableaux en fonction de colonnes de référence\r\n"
                   "    Colonne(s) servant de référence : \r\n"
                   "\r\n"
                   "Sortir uniquement les doublons de lignes");
        ModeComparaison inconnu = ModeParDefaut(true);
        inconnu.SortieTableau = "Autre";
        QTest::newRow("unknown output reads as changed lines")
            << inconnu << true
            << QString(
                   "Comparing 2 identical tables (line numbers serve as reference)\r\n\r\n"
                   "show only changed lines");
    }
    void descriptions() {
        QFETCH(ModeComparaison, mode);
        QFETCH(bool, anglais);
        QFETCH(QString, texte);
        QCOMPARE(DescriptionMode(mode, anglais), texte);
    }

    void baseVide_data() {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<QString>("titre");
        QTest::newRow("french") << QByteArray("francais")
                                << QString("Mode de comparaison par défaut");
        QTest::newRow("english") << QByteArray("anglais") << QString("Comparison mode by default");
    }
    void baseVide() {
        QFETCH(QByteArray, langue);
        QFETCH(QString, titre);
        FenetreDeTest f(langue, Base({}));
        TFormMain& w = f.fenetre();
        QCOMPARE(w.CbModeCompare->count(), 1);
        QCOMPARE(w.CbModeCompare->itemText(0), titre);
        QCOMPARE(w.CbModeCompare->currentIndex(), 0);
        QCOMPARE(w.ModesComparaison.size(), std::size_t{1});
        QCOMPARE(w.ModesComparaison[0].RefComparaison, std::string("-1"));
        QCOMPARE(w.ModesComparaison[0].EntreeTableau, std::string("Identique"));
        QCOMPARE(w.ModesComparaison[0].SortieTableau, std::string("Complet"));
        QCOMPARE(w.LbDetailComparaison->toolTip(),
                 Bulle(DescriptionMode(ModeParDefaut(langue == "anglais"), langue == "anglais")));
    }

    void baseRemplie() {
        FenetreDeTest f("francais", Base({{"Zèbre", Reference({"1"})},
                                          {"Alpha", Reference({"0", "2"}, "Complet", "Oui")},
                                          {"Milieu", ModeParDefaut(false)},
                                          {"Milieu", Reference({"3"}, "Ajoutees")}}));
        TFormMain& w = f.fenetre();
        QCOMPARE(w.CbModeCompare->count(), 4);
        QCOMPARE(w.ModesComparaison.size(), std::size_t{4});
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(
                w.CbModeCompare->itemText(i),
                QString::fromStdString(w.ModesComparaison[static_cast<std::size_t>(i)].Intitule));
        }
        QCOMPARE(w.CbModeCompare->itemText(0), QString("Alpha"));
        QCOMPARE(w.CbModeCompare->itemText(1), QString("Milieu"));
        QCOMPARE(w.CbModeCompare->itemText(2), QString("Milieu"));
        QCOMPARE(w.CbModeCompare->currentIndex(), 0);
        QCOMPARE(w.LbDetailComparaison->toolTip(),
                 Bulle(DescriptionMode(Reference({"0", "2"}, "Complet", "Oui"), false)));
        QCOMPARE(w.LbDetailComparaison->toolTip().count('\n'), 6);

        // Picking an item describes it at once; two modes with one title
        // keep their own records.
        w.CbModeCompare->setCurrentIndex(2);
        w.CbModeCompareChange();
        const QString deuxieme = w.LbDetailComparaison->toolTip();
        w.CbModeCompare->setCurrentIndex(1);
        w.CbModeCompareChange();
        QVERIFY(deuxieme != w.LbDetailComparaison->toolTip());

        // A language switch leaves the hint until the next pick.
        w.CbModeCompare->setCurrentIndex(3);
        w.CbModeCompareChange();
        const QString francais = w.LbDetailComparaison->toolTip();
        w.LogoAnglaisClick();
        QCOMPARE(w.LbDetailComparaison->toolTip(), francais);
        QCOMPARE(w.LbDetailComparaison->text(), QString("<= Set options"));
        w.CbModeCompareChange();
        QVERIFY(w.LbDetailComparaison->toolTip().startsWith("Comparing 2 tables"));

        // A new load selects item 0 whatever was selected.
        w.ChargerModesComparaison();
        QCOMPARE(w.CbModeCompare->currentIndex(), 0);
        QCOMPARE(w.CbModeCompare->count(), 4);
    }

    // The options dialog's list holds the same items after each load, with
    // its own selection back on item 0.
    void listeDesOptionsAuPas() {
#ifndef VELMORA_AVEC_OPTIONS
        QSKIP("no options dialog in this build");
#else
        FenetreDeTest f("francais", Base({{"B", ModeParDefaut(false)}, {"A", Reference({"1"})}}));
        TFormOptions options;
        FenetresProgramme().FormOptions = &options;
        options.CbModeCompare->clear();
        options.CbModeCompare->addItems({"ancien 1", "ancien 2", "ancien 3"});
        options.CbModeCompare->setCurrentIndex(2);
        f.fenetre().ChargerModesComparaison();
        QCOMPARE(options.CbModeCompare->count(), 2);
        QCOMPARE(options.CbModeCompare->itemText(0), QString("A"));
        QCOMPARE(options.CbModeCompare->itemText(1), QString("B"));
        QCOMPARE(options.CbModeCompare->currentIndex(), 0);
        FenetresProgramme().FormOptions = nullptr;
#endif
    }
};

QTEST_MAIN(ModesFenetreTest)
#include "ModesFenetreTest.moc"
