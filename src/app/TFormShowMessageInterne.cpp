#include "app/TFormShowMessageInterne.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShowEvent>
#include <QThread>

#include "app/Fenetres.h"
#include "app/TFormImagesLib.h"

namespace velmora {

TFormShowMessageInterne::TFormShowMessageInterne() : BoiteMessage("FormShowMessageInterne") {
    const BoutonImage fermer = CreerBoutonImage(this, "Fermer", QRect(147, 49, 107, 25));
    ImageFermer = fermer.image;
    ImageClicFermer = fermer.clic;
    LierBoutonImage(this, ImageFermer, [this] { ImageFermerClick(); });
    LierBoutonImage(this, ImageAlert, [this] { ImageFermerClick(); });
}

void TFormShowMessageInterne::ImageFermerClick() {
    accept();
}

void TFormShowMessageInterne::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormShowMessageInterne::FormShow() {
    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        bibliotheque->CopierBouton("Fermer", LangueStockeeAnglais(), ImageFermer, ImageClicFermer);
    }
    const DispositionMessage d = Disposer();
    const int gauche = d.largeur / 2 - ImageFermer->width() / 2;
    ImageFermer->move(gauche, d.hautBoutons);
    ImageClicFermer->move(gauche, d.hautBoutons);
    setFocus();
    DemarrerTimerCurseur(TimerCurseur, this, ImageFermer);
}

void TFormShowMessageInterne::keyReleaseEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            ImageFermerClick();
            break;
        default:
            QDialog::keyReleaseEvent(event);
    }
}

void TFormShowMessageInterne::AfficherNotice(const QWidget* fenetre, const QString& texte,
                                             int dureeMs) {
    PlacerFenetre(fenetre, this);
    LbAlert->setText(texte);
    ImageFermer->hide();
    ImageClicFermer->hide();
    show();
    QCoreApplication::processEvents();
    // A deliberate pause of the whole program: the notice is read while
    // nothing else happens.
    QThread::msleep(static_cast<unsigned long>(dureeMs));
    ImageFermer->show();
    ImageClicFermer->show();
    close();
}

}  // namespace velmora
