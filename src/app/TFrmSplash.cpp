#include "app/TFrmSplash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "app/ControleImage.h"
#include "app/Fenetres.h"
#include "app/Parametres.h"
#include "app/TFormImagesLib.h"
#include "app/TFormShowMessageInterne.h"
#include "import/TFormMain.h"
#include "modes/MagasinModes.h"
#include "modes/TDataModule1.h"

namespace velmora {

TFrmSplash::TFrmSplash() : QWidget(nullptr) {
    setObjectName("FrmSplash");
    PreparerFenetre(this, 358, 154, kCouleurDialogue);
    ImageFond = new ControleImage(this, "ImageFond", QRect(0, 0, 358, 154));
    ImageFond->DefinirImage(QPixmap::fromImage(ChargerImageSkin("FondSplash")));
    Cadre = AjouterCadre(this, 358, 154);

    LblChargement = new QLabel("Ouverture du logiciel en cours ...", this);
    LblChargement->setObjectName("LblChargement");
    LblChargement->setGeometry(50, 67, 259, 44);
    LblChargement->setFont(PoliceSkin(16, true));
    LblChargement->setAlignment(Qt::AlignCenter);
    LblChargement->setWordWrap(true);
    LblChargement->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = LblChargement->palette();
    palette.setColor(QPalette::WindowText, QColor(70, 42, 22));
    LblChargement->setPalette(palette);
}

void TFrmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFrmSplash::FormShow() {
    const QSize ecran = QGuiApplication::primaryScreen()->geometry().size();
    move((ecran.width() - width()) / 2, (ecran.height() - height()) / 2);
    langue_ = LireParametre("Parametrage", "Langue", "0");
    LblChargement->setText(langue_ == "anglais" ? "Opening of the software being ..."
                                                : "Ouverture du logiciel en cours ...");
    // The check runs from the event loop, once the splash has been painted
    // with its text.
    QTimer::singleShot(0, this, &TFrmSplash::VerifierDemarrage);
}

void TFrmSplash::VerifierDemarrage() {
    const Fenetres& fenetres = FenetresProgramme();
    const bool utilisable = fenetres.DataModule1 != nullptr && VerifierBase(*fenetres.DataModule1);
    if (utilisable) {
        if (fenetres.FormMain != nullptr) {
            fenetres.FormMain->show();
        }
        return;
    }
    if (TFormShowMessageInterne* message = fenetres.FormShowMessageInterne) {
        message->LbAlert->setText(
            langue_ == "anglais"
                ? "An error occurred while connecting to the database\r\nCall for service in "
                  "order to remedy this problem"
                : "Une erreur est survenue lors de la connexion à la base de donnée\r\nContactez "
                  "le service technique afin de remédier à ce problème");
        message->exec();
    }
    close();
}

void TFrmSplash::closeEvent(QCloseEvent* event) {
    event->accept();
    FormClose();
}

void TFrmSplash::FormClose() {
    TerminerApplication();
}

}  // namespace velmora
