// The two internal boxes: self-sizing layout, screen centring, keys,
// answers, pictures of the stored language, pointer warp, transient notice.

#include <QCursor>
#include <QScreen>
#include <QtTest>

#include "OutilsFenetres.h"
#include "app/Fenetres.h"
#include "app/TFormImagesLib.h"
#include "app/TFormMessageDialogInterne.h"
#include "app/TFormShowMessageInterne.h"

using namespace velmora;

namespace {

int LargeurTexte(const QLabel* etiquette, const QString& ligne) {
    return QFontMetrics(etiquette->font()).horizontalAdvance(ligne);
}

QSize Ecran() {
    return QGuiApplication::primaryScreen()->geometry().size();
}

}  // namespace

class BoitesMessageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DossierProgramme> dossier_;
    std::unique_ptr<TFormImagesLib> bibliotheque_;
    std::unique_ptr<TFormShowMessageInterne> message_;
    std::unique_ptr<TFormMessageDialogInterne> question_;

private slots:
    void init() {
        dossier_ = std::make_unique<test::DossierProgramme>(false);
        bibliotheque_ = std::make_unique<TFormImagesLib>();
        FenetresProgramme().FormImagesLib = bibliotheque_.get();
        message_ = std::make_unique<TFormShowMessageInterne>();
        question_ = std::make_unique<TFormMessageDialogInterne>();
    }
    void cleanup() {
        question_.reset();
        message_.reset();
        FenetresProgramme().FormImagesLib = nullptr;
        bibliotheque_.reset();
        dossier_.reset();
    }

    void exempleDeCalcul() {
        const DispositionMessage d = CalculerDisposition(28, 250, false);
        QCOMPARE(d.largeur, 400);
        QCOMPARE(d.hauteur, 82);
        QCOMPARE(d.gaucheIcone, 56);
        QCOMPARE(d.gaucheTexte, 94);
        QCOMPARE(d.largeur / 2 - 107 / 2, 147);
        QCOMPARE(d.hautBoutons, 49);
        QCOMPARE(d.hautTraitBas, 78);
        const DispositionMessage large = CalculerDisposition(28, kLargeurMaxTexte, true);
        QCOMPARE(large.largeur, 848);
        QCOMPARE(large.hauteur, 106);
        QCOMPARE(large.hautBoutons, 73);
        QCOMPARE(large.hautTraitBas, 102);
    }

    void dispositionSelonLeTexte_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("plusieursLignes");
        QTest::newRow("one short line") << QString("Fichier introuvable.") << false;
        QTest::newRow("two lines")
            << QString(
                   "Une erreur est survenue lors de la connexion à la base de donnée\r\n"
                   "Contactez le service technique afin de remédier à ce problème")
            << true;
        QTest::newRow("several breaks grow the box once") << QString("a\r\nb\r\nc\r\nd") << true;
        QTest::newRow("wider than 750 pixels") << QString(200, 'W') << false;
    }
    void dispositionSelonLeTexte() {
        QFETCH(QString, texte);
        QFETCH(bool, plusieursLignes);
        int plusLarge = 0;
        for (const QString& ligne : texte.split("\r\n")) {
            plusLarge = std::max(plusLarge, LargeurTexte(message_->LbAlert, ligne));
        }
        const int largeurTexte = std::min(plusLarge, 750);
        const int largeur = std::max(400, 28 + largeurTexte + 70);
        const int hauteur = plusieursLignes ? 106 : 82;
        const int hautBoutons = plusieursLignes ? 73 : 49;
        const int gaucheIcone = largeur / 2 - (largeurTexte + 28 + 10) / 2;

        for (BoiteMessage* boite : {static_cast<BoiteMessage*>(message_.get()),
                                    static_cast<BoiteMessage*>(question_.get())}) {
            boite->move(5, 5);
            boite->LbAlert->setText(texte);
            boite->show();
            QCOMPARE(boite->size(), QSize(largeur, hauteur));
            QCOMPARE(boite->LbAlert->width(), largeurTexte);
            QCOMPARE(boite->ImageAlert->pos(), QPoint(gaucheIcone, 9));
            QCOMPARE(boite->LbAlert->pos(), QPoint(gaucheIcone + 38, 21));
            QCOMPARE(boite->findChild<QWidget*>("ImageTraitBas")->y(), hauteur - 4);
            QCOMPARE(boite->findChild<QWidget*>("ImageTraitDroite")->x(), largeur - 4);
            QCOMPARE(boite->pos(),
                     QPoint(Ecran().width() / 2 - largeur / 2, Ecran().height() / 2 - hauteur / 2));
            boite->hide();
        }
        const int gaucheFermer = largeur / 2 - 53;
        QCOMPARE(message_->ImageFermer->pos(), QPoint(gaucheFermer, hautBoutons));
        QCOMPARE(message_->ImageClicFermer->pos(), QPoint(gaucheFermer, hautBoutons));
        QCOMPARE(question_->ImageNon->pos(), QPoint(20, hautBoutons));
        QCOMPARE(question_->ImageClicNon->pos(), QPoint(20, hautBoutons));
        QCOMPARE(question_->ImageOui->pos(), QPoint(largeur - 107 - 20, hautBoutons));
        QCOMPARE(question_->ImageClicOui->pos(), QPoint(largeur - 107 - 20, hautBoutons));
    }

    void uneLigneApresPlusieursRetrecitLaBoite() {
        message_->LbAlert->setText("a\r\nb");
        message_->show();
        message_->hide();
        message_->LbAlert->setText("a");
        message_->show();
        QCOMPARE(message_->height(), 82);
        QCOMPARE(message_->ImageFermer->y(), 49);
        QCOMPARE(message_->findChild<QWidget*>("ImageTraitBas")->y(), 78);
    }

    void touches_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("reponseOui");
        QTest::newRow("message, Escape") << false << int(Qt::Key_Escape) << false;
        QTest::newRow("message, Enter") << false << int(Qt::Key_Return) << false;
        QTest::newRow("message, keypad Enter") << false << int(Qt::Key_Enter) << false;
        QTest::newRow("message, Space") << false << int(Qt::Key_Space) << false;
        QTest::newRow("question, Escape") << true << int(Qt::Key_Escape) << false;
        QTest::newRow("question, Enter") << true << int(Qt::Key_Return) << true;
        QTest::newRow("question, Space") << true << int(Qt::Key_Space) << true;
    }
    void touches() {
        QFETCH(bool, question);
        QFETCH(int, touche);
        QFETCH(bool, reponseOui);
        BoiteMessage* boite = question ? static_cast<BoiteMessage*>(question_.get())
                                       : static_cast<BoiteMessage*>(message_.get());
        // The opposite answer first, to see the key change it.
        question_->ReponseOui = !reponseOui;
        boite->LbAlert->setText("Question ?");
        boite->show();
        // The press alone does nothing: the boxes answer on release.
        QTest::keyPress(boite, static_cast<Qt::Key>(touche));
        QVERIFY(boite->isVisible());
        QTest::keyRelease(boite, static_cast<Qt::Key>(touche));
        QVERIFY(!boite->isVisible());
        if (question) {
            QCOMPARE(question_->ReponseOui, reponseOui);
        }
    }

    void autreToucheNeFermePas() {
        question_->LbAlert->setText("Question ?");
        question_->show();
        QTest::keyClick(question_.get(), Qt::Key_A);
        QVERIFY(question_->isVisible());
    }

    void fermetureSystemeGardeLaReponse() {
        question_->ReponseOui = true;
        question_->LbAlert->setText("Question ?");
        question_->show();
        question_->close();
        QVERIFY(question_->ReponseOui);
        question_->show();
        question_->ImageNonClick();
        QVERIFY(!question_->ReponseOui);
        QVERIFY(!question_->isVisible());
    }

    void boutonsDansLaLangueStockee() {
        for (const char* langue : {"anglais", "francais", "Anglais"}) {
            EcrireParametre("Parametrage", "Langue", langue);
            const QString suffixe = QString(langue) == "anglais" ? "Anglais" : "";
            message_->LbAlert->setText("Message");
            message_->show();
            QVERIFY(test::MemeImage(message_->ImageFermer->pixmap(),
                                    bibliotheque_->Image("ImageFermer" + suffixe)));
            QVERIFY(test::MemeImage(message_->ImageClicFermer->pixmap(),
                                    bibliotheque_->Image("ImageClicFermer" + suffixe)));
            message_->hide();
            question_->LbAlert->setText("Question ?");
            question_->show();
            QVERIFY(test::MemeImage(question_->ImageOui->pixmap(),
                                    bibliotheque_->Image("ImageOui" + suffixe)));
            QVERIFY(test::MemeImage(question_->ImageClicNon->pixmap(),
                                    bibliotheque_->Image("ImageClicNon" + suffixe)));
            question_->hide();
        }
    }

    void pointeurSurLeBoutonParDefaut() {
        message_->LbAlert->setText("Message");
        message_->show();
        const QRect fermer = message_->ImageFermer->geometry();
        QTRY_COMPARE(QCursor::pos(), QPoint(message_->x() + fermer.left() + fermer.width() / 2,
                                            message_->y() + fermer.top() + fermer.height() / 2));
        message_->hide();
        question_->LbAlert->setText("Question ?\r\nSur deux lignes");
        question_->show();
        const QRect oui = question_->ImageOui->geometry();
        QTRY_COMPARE(QCursor::pos(), QPoint(question_->x() + oui.left() + oui.width() / 2,
                                            question_->y() + oui.top() + oui.height() / 2));
    }

    void iconeFermeLaBoite() {
        message_->LbAlert->setText("Message");
        message_->show();
        QTest::mouseClick(message_->ImageAlert, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!message_->isVisible());
    }

    void noticeTransitoire() {
        QWidget fenetre;
        fenetre.setGeometry(0, 0, 799, 580);
        QElapsedTimer chrono;
        chrono.start();
        message_->AfficherNotice(&fenetre, "Comparaison terminée", 50);
        QVERIFY(chrono.elapsed() >= 50);
        QVERIFY(!message_->isVisible());
        QCOMPARE(message_->LbAlert->text(), QString("Comparaison terminée"));
        // The close pictures are back for the next message.
        QVERIFY(!message_->ImageFermer->isHidden());
        QVERIFY(!message_->ImageClicFermer->isHidden());
    }
};

QTEST_MAIN(BoitesMessageTest)
#include "BoitesMessageTest.moc"
