// The display option for erased cells: texts by the stored language, the
// choice preselected from CelluleSup, the value written and handed to the
// main window, the pointer warp, and an unwritable Param.ini.

#include <QCursor>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>

#include "../app/OutilsFenetres.h"
#include "app/Fenetres.h"
#include "app/Parametres.h"
#include "app/TFormImagesLib.h"
#include "import/TFormMain.h"
#include "modes/TFormOptionAffichage.h"

using namespace velmora;

class OptionAffichageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DossierProgramme> dossier_;
    std::unique_ptr<TFormImagesLib> bibliotheque_;
    std::unique_ptr<TFormMain> principale_;
    QStringList erreurs_;

    // A fresh dialog shown and prepared as the compare action does.
    std::unique_ptr<TFormOptionAffichage> Montrer() {
        auto dialogue = std::make_unique<TFormOptionAffichage>();
        dialogue->show();
        return dialogue;
    }

private slots:
    void init() {
        dossier_ = std::make_unique<test::DossierProgramme>(false);
        bibliotheque_ = std::make_unique<TFormImagesLib>();
        principale_ = std::make_unique<TFormMain>();
        FenetresProgramme().FormImagesLib = bibliotheque_.get();
        FenetresProgramme().FormMain = principale_.get();
        erreurs_.clear();
        DefinirAfficheurErreur([this](const QString& texte) { erreurs_.append(texte); });
    }
    void cleanup() {
        DefinirAfficheurErreur({});
        FenetresProgramme() = Fenetres{};
        principale_.reset();
        bibliotheque_.reset();
        dossier_.reset();
    }

    void preselection_data() {
        QTest::addColumn<QByteArray>("paramIni");
        QTest::addColumn<bool>("garder");
        QTest::newRow("no CelluleSup") << QByteArray("") << false;
        QTest::newRow("TRUE") << QByteArray("[Affichage]\r\nCelluleSup=TRUE\r\n") << true;
        QTest::newRow("true in lower case")
            << QByteArray("[Affichage]\r\nCelluleSup=true\r\n") << false;
        QTest::newRow("FALSE") << QByteArray("[Affichage]\r\nCelluleSup=FALSE\r\n") << false;
    }
    void preselection() {
        QFETCH(QByteArray, paramIni);
        QFETCH(bool, garder);
        dossier_->EcrireParamIni(paramIni);
        const auto dialogue = Montrer();
        QCOMPARE(dialogue->RbAfficheSupprime->isChecked(), garder);
        QCOMPARE(dialogue->RbEffaceSupprime->isChecked(), !garder);
    }

    void valeurEcrite_data() {
        QTest::addColumn<bool>("garder");
        QTest::addColumn<QByteArray>("ecrit");
        QTest::newRow("blank erased cells") << false << QByteArray("FALSE");
        QTest::newRow("keep old values") << true << QByteArray("TRUE");
    }
    void valeurEcrite() {
        QFETCH(bool, garder);
        QFETCH(QByteArray, ecrit);
        principale_->AfficheSupprime = !garder;
        auto dialogue = Montrer();
        (garder ? dialogue->RbAfficheSupprime : dialogue->RbEffaceSupprime)->setChecked(true);
        dialogue->ImageValiderClick();
        QVERIFY(!dialogue->isVisible());
        QCOMPARE(principale_->AfficheSupprime, garder);
        QCOMPARE(QByteArray::fromStdString(LireParametre("Affichage", "CelluleSup", "?")), ecrit);
        // The next dialog of the run (or of the next run) opens on it.
        dialogue = Montrer();
        QCOMPARE(dialogue->RbAfficheSupprime->isChecked(), garder);
    }

    void textesParLangue_data() {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<QStringList>("textes");
        QTest::newRow("french") << QByteArray("francais")
                                << QStringList{"Cellules supprimées",
                                               "Effacer les cellules supprimées",
                                               "Garder l'ancienne valeur des cellules supprimées"};
        QTest::newRow("english") << QByteArray("anglais")
                                 << QStringList{"Cells removed", "Clear cells removed",
                                                "Keep the old value cells removed"};
    }
    void textesParLangue() {
        QFETCH(QByteArray, langue);
        QFETCH(QStringList, textes);
        dossier_->EcrireParamIni("[Parametrage]\r\nLangue=" + langue + "\r\n");
        const auto dialogue = Montrer();
        QCOMPARE(dialogue->LbTitreMaster->text(), QString("OPTIONS"));
        QCOMPARE((QStringList{dialogue->LbTitre->text(), dialogue->RbEffaceSupprime->text(),
                              dialogue->RbAfficheSupprime->text()}),
                 textes);
        const QString suffixe = langue == "anglais" ? "Anglais" : "";
        QVERIFY(test::MemeImage(dialogue->ImageValider->pixmap(),
                                bibliotheque_->Image("ImageValider" + suffixe)));
        QCOMPARE(dialogue->size(), QSize(527, 186));
    }

    void seulLeBoutonFerme() {
        const auto dialogue = Montrer();
        QTest::keyClick(dialogue.get(), Qt::Key_Escape);
        QTest::keyClick(dialogue.get(), Qt::Key_Return);
        QVERIFY(dialogue->isVisible());
        QCOMPARE(LireParametre("Affichage", "CelluleSup", "absent"), std::string("absent"));
    }

    void pointeurSurValider() {
        const auto dialogue = Montrer();
        QVERIFY(dialogue->TimerCurseur->isActive());
        const QPoint centre = dialogue->pos() + dialogue->ImageValider->geometry().center();
        QTRY_VERIFY(!dialogue->TimerCurseur->isActive());
        QCOMPARE(QCursor::pos(), centre);
    }

    // An unwritable Param.ini is reported; the choice still holds for the
    // run and the dialog closes, its only way out.
    void parametresNonInscriptibles() {
        const auto dialogue = Montrer();
        std::filesystem::create_directory(dossier_->chemin() / "Param.ini");
        dialogue->RbAfficheSupprime->setChecked(true);
        dialogue->ImageValiderClick();
        QCOMPARE(erreurs_.size(), 1);
        QVERIFY2(erreurs_[0].contains("Param.ini"), qPrintable(erreurs_[0]));
        QVERIFY(principale_->AfficheSupprime);
        QVERIFY(!dialogue->isVisible());
    }
};

QTEST_MAIN(OptionAffichageTest)
#include "OptionAffichageTest.moc"
