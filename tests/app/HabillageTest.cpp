// The skin: dialog placement, list width, image buttons, overlays, the
// picture library and its JPEG decoding.

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QMouseEvent>
#include <QtTest>

#include "OutilsFenetres.h"
#include "app/BoutonImage.h"
#include "app/Habillage.h"
#include "app/Jpeg.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormImagesLib.h"

using namespace velmora;
using velmora::test::Devant;
using velmora::test::RepondeurModal;

namespace {

void Souris(QWidget* cible, QEvent::Type type, Qt::MouseButton bouton, QPoint position) {
    const Qt::MouseButtons enfonces = type == QEvent::MouseButtonRelease ? Qt::NoButton : bouton;
    QMouseEvent event(type, position, cible->mapToGlobal(position), bouton, enfonces,
                      Qt::NoModifier);
    QApplication::sendEvent(cible, &event);
}

// A window with one image button whose action counts its runs.
struct FenetreBouton {
    QWidget fenetre;
    BoutonImage bouton;
    int clics = 0;
    std::function<void()> action;

    FenetreBouton() {
        fenetre.resize(200, 100);
        bouton = CreerBoutonImage(&fenetre, "Essai", QRect(10, 10, 107, 25));
        LierBoutonImage(&fenetre, bouton.image, [this] {
            ++clics;
            if (action) {
                action();
            }
        });
    }
};

}  // namespace

class HabillageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormImagesLib> bibliotheque_;

private slots:
    void initTestCase() { bibliotheque_ = std::make_unique<TFormImagesLib>(); }
    void cleanupTestCase() { bibliotheque_.reset(); }

    void placementSurLaFenetre_data() {
        QTest::addColumn<QRect>("reference");
        QTest::addColumn<QSize>("dialogue");
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<QPoint>("attendu");
        QTest::newRow("centred over a window off the left edge")
            << QRect(-100, 0, 799, 580) << QSize(527, 400) << QSize(1024, 768) << QPoint(36, 90);
        QTest::newRow("too low: pushed up to the bottom edge")
            << QRect(100, 500, 799, 580) << QSize(400, 600) << QSize(1024, 768) << QPoint(299, 168);
        QTest::newRow("too far right: pushed back to the right edge")
            << QRect(900, 0, 799, 580) << QSize(527, 200) << QSize(1024, 768) << QPoint(497, 190);
        QTest::newRow("no correction above the top edge")
            << QRect(0, -300, 799, 580) << QSize(100, 100) << QSize(1024, 768) << QPoint(349, -60);
        QTest::newRow("odd sizes truncate")
            << QRect(0, 0, 799, 581) << QSize(107, 25) << QSize(1024, 768) << QPoint(346, 278);
    }
    void placementSurLaFenetre() {
        QFETCH(QRect, reference);
        QFETCH(QSize, dialogue);
        QFETCH(QSize, ecran);
        QFETCH(QPoint, attendu);
        QCOMPARE(PositionPlacee(reference, dialogue, ecran), attendu);
    }

    void listeElargieAuPlusLongElement() {
        QCOMPARE(LargeurListe(180), 200);
        QCOMPARE(LargeurListe(0), 0);
        QComboBox liste;
        liste.addItems({"court", "un élément nettement plus long que les autres"});
        AjusterLargeurListe(&liste);
        const int plusLarge = QFontMetrics(liste.font()).horizontalAdvance(liste.itemText(1));
        QCOMPARE(liste.view()->minimumWidth(), plusLarge + plusLarge / 9);
    }

    void boutonImageClicAvecImageEnfonceeDevant() {
        FenetreBouton f;
        f.fenetre.show();
        bool enfonceeDevantPendantAction = false;
        f.action = [&] { enfonceeDevantPendantAction = Devant(f.bouton.clic, f.bouton.image); };
        Souris(f.bouton.image, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
        QVERIFY(Devant(f.bouton.clic, f.bouton.image));
        Souris(f.bouton.image, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5));
        QCOMPARE(f.clics, 1);
        QVERIFY(enfonceeDevantPendantAction);
        QVERIFY(Devant(f.bouton.image, f.bouton.clic));
    }

    void boutonImageRelacheDehorsNeCliquePas() {
        FenetreBouton f;
        f.fenetre.show();
        Souris(f.bouton.image, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
        QVERIFY(Devant(f.bouton.clic, f.bouton.image));
        Souris(f.bouton.image, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(150, 60));
        QCOMPARE(f.clics, 0);
        QVERIFY(Devant(f.bouton.image, f.bouton.clic));
    }

    void boutonImageClicDroitNeChangeRien() {
        FenetreBouton f;
        f.fenetre.show();
        Souris(f.bouton.image, QEvent::MouseButtonPress, Qt::RightButton, QPoint(5, 5));
        QVERIFY(Devant(f.bouton.image, f.bouton.clic));
        Souris(f.bouton.image, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(5, 5));
        QCOMPARE(f.clics, 0);
        QVERIFY(Devant(f.bouton.image, f.bouton.clic));
    }

    void imageEnfonceeVisiblePendantUnDialogueModal() {
        FenetreBouton f;
        f.fenetre.show();
        QDialog dialogue;
        f.action = [&] { dialogue.exec(); };
        bool enfonceeDevant = false;
        RepondeurModal repondeur([&](QWidget* modal) {
            enfonceeDevant = Devant(f.bouton.clic, f.bouton.image);
            static_cast<QDialog*>(modal)->accept();
        });
        Souris(f.bouton.image, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
        Souris(f.bouton.image, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5));
        QCOMPARE(repondeur.nombre(), 1);
        QVERIFY(enfonceeDevant);
        QVERIFY(Devant(f.bouton.image, f.bouton.clic));
    }

    void imageSansPartenaireNeFaitQueCliquer() {
        QWidget fenetre;
        auto* icone = new ControleImage(&fenetre, "ImageAlert", QRect(0, 0, 28, 29));
        int clics = 0;
        LierBoutonImage(&fenetre, icone, [&] { ++clics; });
        fenetre.show();
        Souris(icone, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(3, 3));
        Souris(icone, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(3, 3));
        QCOMPARE(clics, 1);
    }

    void voileCouvreLaFenetreExactement() {
        QWidget fenetre;
        fenetre.setGeometry(37, 21, 799, 580);
        fenetre.show();
        TFormGrisTransparent voiles;
        voiles.AfficherVoile(&fenetre, 2);
        QWidget* voile = voiles.Voile(2);
        QVERIFY(voile != nullptr);
        QCOMPARE(voile->objectName(), QString("FormGris2"));
        QCOMPARE(voile->geometry(), fenetre.frameGeometry());
        QVERIFY(voile->isVisible());
        QCOMPARE(qRound(voile->windowOpacity() * 255), 130);
        QCOMPARE(voile->palette().color(QPalette::Window), QColor(128, 128, 128));

        // A nested dialog's overlay lives beside the first one.
        voiles.AfficherVoile(&fenetre, 1);
        QVERIFY(voiles.Voile(1) != nullptr && voiles.Voile(1) != voile);
        voiles.MasquerVoile(1);
        voiles.MasquerVoile(2);
        QTRY_VERIFY(voiles.Voile(2) == nullptr);
        QTRY_VERIFY(voiles.Voile(1) == nullptr);
        // Empty, released and out-of-range slots are ignored.
        voiles.MasquerVoile(2);
        voiles.MasquerVoile(0);
        voiles.MasquerVoile(9);
        voiles.MasquerVoile(-1);
    }

    void bibliothequeAToutesLesImagesAuxBonnesTailles_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QSize>("taille");
        const struct {
            const char* nom;
            QSize taille;
        } boutons[] = {{"Annuler", {107, 25}},       {"Valider", {107, 25}},
                       {"Apropos", {93, 35}},        {"Maj", {93, 35}},
                       {"TableauExcel1", {150, 21}}, {"TableauExcel2", {150, 21}},
                       {"Options", {107, 25}},       {"ComparerExcel", {107, 25}},
                       {"Fermer", {107, 25}},        {"Enregistrer", {107, 25}},
                       {"Supprimer", {107, 25}},     {"EnregistrerSous", {107, 25}},
                       {"Non", {107, 25}},           {"Oui", {107, 25}},
                       {"FermerFonce", {107, 25}}};
        for (const auto& b : boutons) {
            QTest::newRow(b.nom) << QString(b.nom) << b.taille;
        }
    }
    void bibliothequeAToutesLesImagesAuxBonnesTailles() {
        QFETCH(QString, bouton);
        QFETCH(QSize, taille);
        TFormImagesLib& bibliotheque = *bibliotheque_;
        const QString clic =
            bouton == "FermerFonce" ? "ImageclicFermerFonce" : "ImageClic" + bouton;
        const QStringList noms = {"Image" + bouton, clic, "Image" + bouton + "Anglais",
                                  "ImageClic" + bouton + "Anglais"};
        for (const QString& nom : noms) {
            QCOMPARE(bibliotheque.Image(nom).size(), taille);
        }
        // Pressed and released pictures differ, and so do the two languages
        // where the words differ.
        QVERIFY(!test::MemeImage(bibliotheque.Image(noms[0]), bibliotheque.Image(noms[1])));
        QVERIFY(!test::MemeImage(bibliotheque.Image(noms[2]), bibliotheque.Image(noms[3])));
    }

    void imageAbsenteOuIlisible() {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ChargerImageSkin("PasUneImage"));
        const unsigned char abime[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'};
        try {
            DecoderJpeg(abime, sizeof abime, "Essai");
            QFAIL("a damaged stream must throw");
        } catch (const std::runtime_error& e) {
            QVERIFY(QString(e.what()).startsWith("Image JPEG Essai illisible : "));
        }
        TFormImagesLib bibliotheque;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, bibliotheque.Image("ImageInconnue"));
    }
};

QTEST_MAIN(HabillageTest)
#include "HabillageTest.moc"
