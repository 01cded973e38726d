// The update button of the main window against a loopback HTTPS server:
// nothing is really started and the program never really ends.

#include <sys/prctl.h>

#include <QProcess>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "../app/OutilsFenetres.h"
#include "app/Fenetres.h"
#include "app/Programme.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormMessageDialogInterne.h"
#include "app/TFormShowMessageInterne.h"
#include "import/TFormMain.h"
#include "modes/CreationBaseModes.h"
#include "modes/TDataModule1.h"
#include "update/MiseAJourFenetre.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

const QString kQuestionFr =
    "Vous devez télécharger le fichier MAJ_Compare.exe !\r\nVoulez-vous continuer la mise à jour ?";
const QString kNouvelEssaiFr = "Le téléchargement à échoué, voulez vous réessayer ?";
const QString kErreurFr =
    "Une erreur (TelMaj01) est survenue lors de la mise à jour.\r\nContactez le service "
    "technique afin de remédier à ce problème";

}  // namespace

class MiseAJourFenetreTest : public QObject {
    Q_OBJECT

    QTemporaryDir dossierServeur_;
    QProcess serveur_;
    int port_ = 0;
    int identifiant_ = 0;

    std::unique_ptr<test::DossierProgramme> dossier_;
    std::unique_ptr<Programme> programme_;
    std::unique_ptr<test::RepondeurModal> repondeur_;

    // What the boxes showed, in order, and the answers the questions get.
    QStringList boites_;
    QStringList reponses_;
    QList<QList<int>> voiles_;
    QStringList demarres_;
    int fins_ = 0;
    int attentes_ = 0;
    bool connecteAuDemarrage_ = true;

    QString Certificat() const { return dossierServeur_.filePath("certificat.pem"); }
    fs::path FichierMaj() const { return dossier_->chemin() / "MAJ_Compare.exe"; }
    std::string Url(const QString& chemin) const {
        return QString("https://127.0.0.1:%1%2").arg(port_).arg(chemin).toStdString();
    }
    // A path that fails `echecs` times, then serves the file.
    std::string UrlEchouant(int echecs) {
        return Url(QString("/echoue/%1/%2").arg(++identifiant_).arg(echecs));
    }

    void Repondre(QWidget* modal) {
        voiles_ << test::VoilesAffiches();
        if (auto* question = qobject_cast<TFormMessageDialogInterne*>(modal)) {
            boites_ << question->LbAlert->text();
            test::RepondreQuestion(question, reponses_.isEmpty() ? "non" : reponses_.takeFirst());
        } else if (auto* message = qobject_cast<TFormShowMessageInterne*>(modal)) {
            boites_ << message->LbAlert->text();
            message->ImageFermerClick();
        } else {
            modal->close();
        }
    }

private slots:
    void initTestCase() {
        DefinirAfficheurErreur([](const QString& texte) { QFAIL(qPrintable(texte)); });
        QVERIFY(dossierServeur_.isValid());
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start("openssl",
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                       "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                       dossierServeur_.filePath("cle.pem"), "-out", Certificat()});
        QVERIFY(openssl.waitForFinished(60000));
        QVERIFY2(openssl.exitCode() == 0, openssl.readAll().constData());
        serveur_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The server goes with this test, however it ends.
        serveur_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        serveur_.start("/usr/bin/python3", {SOURCE_DIR "/tests/update/serveur_tls.py", Certificat(),
                                            dossierServeur_.filePath("cle.pem")});
        QVERIFY(serveur_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(serveur_.canReadLine(), 10000);
        port_ = serveur_.readLine().trimmed().toInt();
        QVERIFY(port_ > 0);
    }
    void cleanupTestCase() {
        serveur_.kill();
        serveur_.waitForFinished();
    }

    void init() {
        dossier_ = std::make_unique<test::DossierProgramme>(false);
        CreerBaseModes(dossier_->chemin() / "Comp.qnr", ModesInitiaux());
        dossier_->EcrireParamIni("[Parametrage]\nLangue=francais\n");
        programme_ = std::make_unique<Programme>();
        programme_->FormMain().LangueCourante = "francais";
        boites_.clear();
        reponses_.clear();
        voiles_.clear();
        demarres_.clear();
        fins_ = 0;
        attentes_ = 0;

        ReglagesMiseAJour& reglages = ReglagesMiseAJourProgramme();
        reglages = ReglagesMiseAJour{};
        reglages.Url = Url("/velmora/MAJ_Compare.exe");
        reglages.Telechargement.FichierAutorites = Certificat().toStdString();
        reglages.Telechargement.DelaiConnexion = std::chrono::seconds(5);
        reglages.Telechargement.DelaiSansDonnees = std::chrono::seconds(5);
        reglages.Telechargement.Attendre = [this](std::chrono::milliseconds duree) {
            QCOMPARE(duree, std::chrono::milliseconds(1000));
            ++attentes_;
        };
        reglages.Demarrer = [this](const QString& programme) {
            connecteAuDemarrage_ = programme_->DataModule1().ADOConnection1.Connected();
            demarres_ << programme;
        };
        reglages.Terminer = [this] { ++fins_; };
        repondeur_ = std::make_unique<test::RepondeurModal>([this](QWidget* m) { Repondre(m); });
    }
    void cleanup() {
        repondeur_.reset();
        ReglagesMiseAJourProgramme() = ReglagesMiseAJour{};
        programme_.reset();
        dossier_.reset();
    }

    void programmePresentDemarreSansQuestion() {
        std::ofstream(FichierMaj()) << "deja la";
        fs::permissions(FichierMaj(), fs::perms::owner_read | fs::perms::owner_write);
        programme_->FormMain().ImageMajClick();
        QVERIFY(boites_.isEmpty());
        QCOMPARE(demarres_, QStringList{QString::fromStdString(FichierMaj().string())});
        QVERIFY(!connecteAuDemarrage_);
        QCOMPARE(fins_, 1);
        QVERIFY((fs::status(FichierMaj()).permissions() & fs::perms::owner_exec) !=
                fs::perms::none);
    }

    void questionDeclinee_data() {
        QTest::addColumn<QString>("reponse");
        QTest::newRow("Non") << "non";
        QTest::newRow("Escape") << "escape";
    }
    void questionDeclinee() {
        QFETCH(QString, reponse);
        // A request would count here and be served on the next one.
        const std::string url = UrlEchouant(3);
        ReglagesMiseAJourProgramme().Url = url;
        reponses_ << reponse;
        programme_->FormMain().ImageMajClick();
        QCOMPARE(boites_, QStringList{kQuestionFr});
        QCOMPARE(voiles_, QList<QList<int>>{{1}});
        QVERIFY(!fs::exists(FichierMaj()));
        QVERIFY(demarres_.isEmpty());
        QCOMPARE(fins_, 0);
        QVERIFY(programme_->DataModule1().ADOConnection1.Connected());
        // Had the declined click sent a request, this one would be served.
        ReglagesMiseAJourProgramme().Url = url;
        reponses_ << "oui"
                  << "non";
        programme_->FormMain().ImageMajClick();
        QCOMPARE(boites_, QStringList({kQuestionFr, kQuestionFr, kNouvelEssaiFr, kErreurFr}));
    }

    void telechargeDemarreEtTermine() {
        programme_->FormMain().LangueCourante = "anglais";
        reponses_ << "oui";
        programme_->FormMain().ImageMajClick();
        QCOMPARE(boites_, QStringList{"You must download the file MAJ_Compare.exe !\r\nDo you "
                                      "want to continue updating ?"});
        QVERIFY(fs::exists(FichierMaj()));
        QCOMPARE(demarres_, QStringList{QString::fromStdString(FichierMaj().string())});
        QVERIFY(!connecteAuDemarrage_);
        QCOMPARE(fins_, 1);
        const fs::perms droits = fs::status(FichierMaj()).permissions();
        QCOMPARE(droits & fs::perms::all, fs::perms(0755));
    }

    void troisEchecsPuisQuestionDeNouvelEssai() {
        // Four failures: three attempts, Oui gives a fourth, Non ends it.
        ReglagesMiseAJourProgramme().Url = UrlEchouant(4);
        reponses_ << "oui"
                  << "oui"
                  << "non";
        programme_->FormMain().ImageMajClick();
        QCOMPARE(boites_, QStringList({kQuestionFr, kNouvelEssaiFr, kNouvelEssaiFr, kErreurFr}));
        // The retry question comes without overlay; the error message with
        // the main window's.
        QCOMPARE(voiles_, QList<QList<int>>({{1}, {}, {}, {1}}));
        QCOMPARE(attentes_, 4);
        QVERIFY(!fs::exists(FichierMaj()));
        QVERIFY(demarres_.isEmpty());
        QCOMPARE(fins_, 0);
        QVERIFY(programme_->DataModule1().ADOConnection1.Connected());
    }

    void nouvelEssaiQuiReussit() {
        ReglagesMiseAJourProgramme().Url = UrlEchouant(3);
        reponses_ << "oui"
                  << "oui";
        programme_->FormMain().ImageMajClick();
        QCOMPARE(boites_, QStringList({kQuestionFr, kNouvelEssaiFr}));
        QCOMPARE(attentes_, 3);
        QCOMPARE(demarres_.size(), 1);
        QCOMPARE(fins_, 1);
    }

    void dossierEnLectureSeule() {
        fs::permissions(dossier_->chemin(), fs::perms::owner_read | fs::perms::owner_exec);
        if (fs::path sonde = dossier_->chemin() / "sonde"; std::ofstream(sonde)) {
            fs::remove(sonde);
            fs::permissions(dossier_->chemin(), fs::perms::owner_all);
            QSKIP("running as root: a read-only folder stays writable");
        }
        reponses_ << "oui"
                  << "non";
        programme_->FormMain().ImageMajClick();
        fs::permissions(dossier_->chemin(), fs::perms::owner_all);
        QCOMPARE(boites_, QStringList({kQuestionFr, kNouvelEssaiFr, kErreurFr}));
        QVERIFY(!fs::exists(FichierMaj()));
        QCOMPARE(fins_, 0);
    }
};

QTEST_MAIN(MiseAJourFenetreTest)
#include "MiseAJourFenetreTest.moc"
