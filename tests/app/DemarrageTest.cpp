// The whole start-up on a private program folder: splash, check of the
// mode store, main window preparation, language switch, drag, dialogs of
// the main window, and the end of the program when the store is unusable.

#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QToolTip>
#include <QtTest>

#include "OutilsFenetres.h"
#include "app/Fenetres.h"
#include "app/Programme.h"
#include "app/TFormAide.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormImagesLib.h"
#include "app/TFormShowMessageInterne.h"
#include "app/TFrmApropos.h"
#include "app/TFrmSplash.h"
#include "import/TFormMain.h"

using namespace velmora;
using velmora::test::Devant;
using velmora::test::RepondeurModal;

namespace {

const QString kEchecFrancais =
    "Une erreur est survenue lors de la connexion à la base de donnée\r\nContactez le service "
    "technique afin de remédier à ce problème";
const QString kEchecAnglais =
    "An error occurred while connecting to the database\r\nCall for service in order to remedy "
    "this problem";

void Souris(QWidget* cible, QEvent::Type type, Qt::MouseButton bouton, QPoint position) {
    const Qt::MouseButtons enfonces =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(bouton);
    QMouseEvent event(type, position, cible->mapToGlobal(position),
                      type == QEvent::MouseMove ? Qt::NoButton : bouton, enfonces, Qt::NoModifier);
    QApplication::sendEvent(cible, &event);
}

// Lines of Param.ini that hold something.
QStringList Lignes(const QByteArray& contenu) {
    QStringList lignes;
    for (const QByteArray& ligne : contenu.split('\n')) {
        if (!ligne.trimmed().isEmpty()) {
            lignes << QString::fromUtf8(ligne.trimmed());
        }
    }
    return lignes;
}

// Runs the program's event loop until it ends, answering the message box;
// returns the text the box showed (empty when none came up).
QString ExecuterJusquALaFin(Programme& programme) {
    QString texte;
    RepondeurModal repondeur([&](QWidget* modal) {
        if (auto* message = qobject_cast<TFormShowMessageInterne*>(modal)) {
            texte = message->LbAlert->text();
            message->ImageFermerClick();
        }
    });
    QTimer::singleShot(0, [&programme] { programme.Lancer(); });
    // A program that fails to end is a failure, not a hung test.
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    garde.start(20000);
    const int code = QApplication::exec();
    return code == 0 ? texte : QString("<event loop stopped by the guard>");
}

}  // namespace

class DemarrageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DossierProgramme> dossier_;

    // Starts the program and waits for the main window.
    std::unique_ptr<Programme> Demarrer() {
        auto programme = std::make_unique<Programme>();
        programme->Lancer();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(programme->FormMain().isVisible(), 10000); }();
        return programme;
    }

private slots:
    void initTestCase() {
        // Nothing of these tests may wait for a click in a standard box.
        DefinirAfficheurErreur([](const QString& texte) { QFAIL(qPrintable(texte)); });
    }
    void init() { dossier_ = std::make_unique<test::DossierProgramme>(); }
    void cleanup() { dossier_.reset(); }

    void premierDemarrageSansParamIni() {
        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        QCOMPARE(principale.pos(), QPoint(0, 0));
        QCOMPARE(principale.size(), QSize(799, 580));
        QCOMPARE(principale.LangueCourante, QString("francais"));
        QCOMPARE(principale.ShiftVerifie, QString("non"));
        QCOMPARE(principale.LbEdCoorTab1->text(), QString("Tableau 1 :"));
        QCOMPARE(programme->FrmSplash().LblChargement->text(),
                 QString("Ouverture du logiciel en cours ..."));
        QCOMPARE(Lignes(dossier_->LireParamIni()),
                 QStringList({"[Parametrage]", "Langue=francais"}));
        QTRY_VERIFY(!programme->FrmSplash().isVisible());
        QVERIFY(!principale.TimerFermer->isActive());
    }

    void langueStockee_data() {
        QTest::addColumn<QByteArray>("stockee");
        QTest::addColumn<QString>("appliquee");
        QTest::newRow("anglais") << QByteArray("anglais") << QString("anglais");
        QTest::newRow("ANGLAIS is not anglais") << QByteArray("ANGLAIS") << QString("francais");
        QTest::newRow("English is not anglais") << QByteArray("English") << QString("francais");
        QTest::newRow("francais") << QByteArray("francais") << QString("francais");
    }
    void langueStockee() {
        QFETCH(QByteArray, stockee);
        QFETCH(QString, appliquee);
        dossier_->EcrireParamIni("[Parametrage]\nLangue=" + stockee + "\n");
        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        const bool anglais = appliquee == "anglais";
        QCOMPARE(principale.LangueCourante, appliquee);
        QCOMPARE(QString::fromStdString(LireParametre("Parametrage", "Langue", "0")), appliquee);
        QCOMPARE(programme->FrmSplash().LblChargement->text(),
                 QString(anglais ? "Opening of the software being ..."
                                 : "Ouverture du logiciel en cours ..."));
        QCOMPARE(principale.LbDetailComparaison->text(),
                 QString(anglais ? "<= Set options" : "<= Paramétrez les options"));
        QCOMPARE(principale.CbTypeTri->itemText(0),
                 QString(anglais ? "Compare two sheets full."
                                 : "Comparer les deux feuilles complètes."));
        const QString suffixe = anglais ? "Anglais" : "";
        QVERIFY(test::MemeImage(principale.ImageComparerExcel->pixmap(),
                                programme->FormImagesLib().Image("ImageComparerExcel" + suffixe)));
    }

    void positionStockeeSansCorrection() {
        dossier_->EcrireParamIni(
            "[PositionFenetre]\nNormalTop=-50\nNormalLeft=30\n[Parametrage]\nLangue=francais\n");
        auto programme = Demarrer();
        QCOMPARE(programme->FormMain().pos(), QPoint(30, -50));
    }

    void positionIlisibleLueCommeZero() {
        dossier_->EcrireParamIni("[PositionFenetre]\nNormalTop=abc\nNormalLeft= 12 \n");
        auto programme = Demarrer();
        QCOMPARE(programme->FormMain().pos(), QPoint(12, 0));
        QCOMPARE(programme->FormMain().LangueCourante, QString("francais"));
    }

    void baseAbsenteTermineLeProgramme_data() {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<QString>("texte");
        QTest::newRow("French") << QByteArray("francais") << kEchecFrancais;
        QTest::newRow("English") << QByteArray("anglais") << kEchecAnglais;
    }
    void baseAbsenteTermineLeProgramme() {
        QFETCH(QByteArray, langue);
        QFETCH(QString, texte);
        // The old folder goes first: its end points the program back at the
        // build's own folder.
        dossier_.reset();
        dossier_ = std::make_unique<test::DossierProgramme>(false);
        dossier_->EcrireParamIni("[Parametrage]\nLangue=" + langue + "\n");
        Programme programme;
        QCOMPARE(ExecuterJusquALaFin(programme), texte);
        // The main window was never shown, so nothing of its preparation ran.
        QVERIFY(!programme.FormMain().isVisible());
        QVERIFY(programme.FormMain().LangueCourante.isEmpty());
        QCOMPARE(Lignes(dossier_->LireParamIni()),
                 QStringList({"[Parametrage]", "Langue=" + QString(langue)}));
    }

    void baseTenueParUnAutreProcessus() {
        // A first copy of the program holds the store beside it; its main
        // window writes the language once it has the store.
        std::filesystem::copy_file(VELMORA_PROGRAMME, dossier_->chemin() / "velmora");
        QProcess premier;
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("QT_QPA_PLATFORM", "offscreen");
        premier.setProcessEnvironment(environnement);
        premier.start(QString::fromStdString((dossier_->chemin() / "velmora").string()), {});
        QVERIFY(premier.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(dossier_->LireParamIni().contains("Langue=francais"), 15000);
        dossier_->EcrireParamIni("[Parametrage]\nLangue=anglais\n");

        Programme second;
        QCOMPARE(ExecuterJusquALaFin(second), kEchecAnglais);
        QVERIFY(!second.FormMain().isVisible());
        premier.kill();
        premier.waitForFinished();
    }

    void fermetureDeLaFenetrePrincipaleTermine() {
        Programme programme;
        bool fermee = false;
        QTimer::singleShot(0, [&] { programme.Lancer(); });
        QTimer sonde;
        QObject::connect(&sonde, &QTimer::timeout, [&] {
            if (programme.FormMain().isVisible() && !programme.FrmSplash().isVisible() && !fermee) {
                fermee = true;
                programme.FormMain().close();
            }
        });
        sonde.start(5);
        QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(fermee);
    }

    void basculeDeLangueGardeLeChoix() {
        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        principale.CbTypeTri->setCurrentIndex(1);
        const QString premierMode = principale.CbModeCompare->itemText(0);
        principale.LogoAnglaisClick();
        QCOMPARE(principale.CbTypeTri->currentIndex(), 1);
        QCOMPARE(principale.CbTypeTri->currentText(), QString("Make a selection for comparison."));
        QCOMPARE(principale.LangueCourante, QString("anglais"));
        QCOMPARE(QString::fromStdString(LireParametre("Parametrage", "Langue", "0")),
                 QString("anglais"));
        QCOMPARE(principale.LbTitre1->text(),
                 QString("Click the button 'TABLE 1'\r\nto search and view your first Excel "
                         "table (Master File)."));
        QCOMPARE(principale.EdCoorTab2->toolTip(),
                 QString("Make a selection on your table 2 with the mouse"));
        // Hints that stay in French.
        QCOMPARE(principale.LbEdCoorTab1->toolTip(),
                 QString("Effectuez une sélection sur votre Tableau 1 à l'aide de la souris"));
        QCOMPARE(principale.ImageDeplaceFenetre->toolTip(), QString("Déplacer la fenêtre"));
        const TFormImagesLib& bibliotheque = programme->FormImagesLib();
        for (const char* nom :
             {"ImageApropos", "ImageClicMaj", "ImageTableauExcel1", "ImageClicTableauExcel2",
              "ImageOptions", "ImageClicComparerExcel"}) {
            auto* controle = principale.findChild<ControleImage*>(nom);
            QVERIFY2(
                test::MemeImage(controle->pixmap(), bibliotheque.Image(nom + QString("Anglais"))),
                nom);
        }
        // The next message box reads the new language from the file.
        TFormShowMessageInterne& message = programme->FormShowMessageInterne();
        message.LbAlert->setText("Message");
        message.show();
        QVERIFY(test::MemeImage(message.ImageFermer->pixmap(),
                                bibliotheque.Image("ImageFermerAnglais")));
        message.hide();

        principale.LogoFrancaisClick();
        QCOMPARE(principale.CbTypeTri->currentIndex(), 1);
        QCOMPARE(principale.CbTypeTri->currentText(),
                 QString("Effectuer une sélection pour la comparaison."));
        QVERIFY(
            test::MemeImage(principale.ImageApropos->pixmap(), bibliotheque.Image("ImageApropos")));
        // The mode list keeps its texts until it is next rebuilt.
        QCOMPARE(principale.CbModeCompare->itemText(0), premierMode);
    }

    void deplacementEnregistreLaPosition() {
        dossier_->EcrireParamIni("[PositionFenetre]\nNormalTop=100\nNormalLeft=200\n");
        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        QCOMPARE(principale.pos(), QPoint(200, 100));
        QWidget* poignee = principale.ImageDeplaceFenetre;
        Souris(poignee, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
        QVERIFY(principale.DeplacementEnCours);
        Souris(poignee, QEvent::MouseMove, Qt::LeftButton, QPoint(35, 15));
        QCOMPARE(principale.pos(), QPoint(230, 110));
        // The handle moved with the window: the grabbed point is under the
        // pointer again, so a move to the same point does nothing.
        Souris(poignee, QEvent::MouseMove, Qt::LeftButton, QPoint(5, 5));
        QCOMPARE(principale.pos(), QPoint(230, 110));
        Souris(poignee, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5));
        QVERIFY(!principale.DeplacementEnCours);
        QCOMPARE(LireParametre("PositionFenetre", "NormalTop", "0"), std::string("110"));
        QCOMPARE(LireParametre("PositionFenetre", "NormalLeft", "0"), std::string("230"));
        // A move without a press does nothing.
        Souris(poignee, QEvent::MouseMove, Qt::NoButton, QPoint(50, 50));
        QCOMPARE(principale.pos(), QPoint(230, 110));
    }

    void aProposSousLeVoile() {
        dossier_->EcrireParamIni("[Version]\nversionexe=2.5.1\n");
        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        QString version;
        bool enfonceeDevant = false;
        QRect voile;
        int opacite = 0;
        RepondeurModal repondeur([&](QWidget* modal) {
            auto* apropos = qobject_cast<TFrmApropos*>(modal);
            QVERIFY(apropos != nullptr);
            version = apropos->LlbVersionExe->text();
            enfonceeDevant = Devant(principale.ImageClicApropos, principale.ImageApropos);
            if (QWidget* gris = programme->FormGrisTransparent().Voile(2)) {
                voile = gris->geometry();
                opacite = qRound(gris->windowOpacity() * 255);
            }
            QTest::keyClick(apropos, Qt::Key_Escape);
        });
        QTest::mouseClick(principale.ImageApropos, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(repondeur.nombre(), 1);
        QCOMPARE(version, QString("Version de Velmora 2.5.1"));
        QVERIFY(enfonceeDevant);
        QCOMPARE(voile, principale.geometry());
        QCOMPARE(opacite, 130);
        QVERIFY(Devant(principale.ImageApropos, principale.ImageClicApropos));
        QTRY_VERIFY(programme->FormGrisTransparent().Voile(2) == nullptr);
    }

    void boutonRelacheDehorsNOuvrePasLeDialogue() {
        auto programme = Demarrer();
        TFormMain& principale = programme->FormMain();
        RepondeurModal repondeur([](QWidget* modal) { modal->close(); });
        Souris(principale.ImageAide, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
        QVERIFY(Devant(principale.ImageClicAide, principale.ImageAide));
        Souris(principale.ImageAide, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(40, 40));
        QVERIFY(Devant(principale.ImageAide, principale.ImageClicAide));
        QTest::qWait(30);
        QCOMPARE(repondeur.nombre(), 0);
    }

    void guideEnAnglais() {
        dossier_->EcrireParamIni("[Parametrage]\nLangue=anglais\n");
        auto programme = Demarrer();
        TFormAide& aide = programme->FormAide();
        bool ouvertApresEchap = false;
        RepondeurModal repondeur([&](QWidget* modal) {
            QCOMPARE(modal, static_cast<QWidget*>(&aide));
            QCOMPARE(aide.LbTitre->text(), QString("USERS GUIDE"));
            QCOMPARE(aide.LbTexte[8]->text(), QString("or"));
            QVERIFY(aide.LbTexte[4]->text().contains("\r\n     Take the column"));
            QVERIFY(test::MemeImage(aide.ImageFermer->pixmap(),
                                    programme->FormImagesLib().Image("ImageFermerAnglais")));
            QTest::keyClick(&aide, Qt::Key_Escape);
            ouvertApresEchap = aide.isVisible();
            aide.ImageFermerClick();
        });
        programme->FormMain().ImageAideClick();
        QCOMPARE(repondeur.nombre(), 1);
        QVERIFY(ouvertApresEchap);
        QVERIFY(!aide.isVisible());
    }

    void indiceImmediatDuMode() {
        auto programme = Demarrer();
        QLabel* detail = programme->FormMain().LbDetailComparaison;
        detail->setToolTip("Comparaison ligne à ligne");
        Souris(detail, QEvent::MouseMove, Qt::NoButton, QPoint(10, 5));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Comparaison ligne à ligne"));
        QToolTip::hideText();
    }
};

QTEST_MAIN(DemarrageTest)
#include "DemarrageTest.moc"
