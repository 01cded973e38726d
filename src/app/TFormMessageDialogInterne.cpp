#include "app/TFormMessageDialogInterne.h"

#include <QKeyEvent>
#include <QShowEvent>

#include "app/Fenetres.h"
#include "app/TFormImagesLib.h"

namespace velmora {

TFormMessageDialogInterne::TFormMessageDialogInterne() : BoiteMessage("FormMessageDialogInterne") {
    const BoutonImage non = CreerBoutonImage(this, "Non", QRect(20, 49, 107, 25));
    const BoutonImage oui = CreerBoutonImage(this, "Oui", QRect(265, 49, 107, 25));
    ImageNon = non.image;
    ImageClicNon = non.clic;
    ImageOui = oui.image;
    ImageClicOui = oui.clic;
    LierBoutonImage(this, ImageNon, [this] { ImageNonClick(); });
    LierBoutonImage(this, ImageOui, [this] { ImageOuiClick(); });
}

void TFormMessageDialogInterne::ImageNonClick() {
    ReponseOui = false;
    accept();
}

void TFormMessageDialogInterne::ImageOuiClick() {
    ReponseOui = true;
    accept();
}

void TFormMessageDialogInterne::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormMessageDialogInterne::FormShow() {
    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        const bool anglais = LangueStockeeAnglais();
        bibliotheque->CopierBouton("Non", anglais, ImageNon, ImageClicNon);
        bibliotheque->CopierBouton("Oui", anglais, ImageOui, ImageClicOui);
    }
    const DispositionMessage d = Disposer();
    const int gaucheNon = 20;
    const int gaucheOui = d.largeur - ImageOui->width() - gaucheNon;
    ImageNon->move(gaucheNon, d.hautBoutons);
    ImageClicNon->move(gaucheNon, d.hautBoutons);
    ImageOui->move(gaucheOui, d.hautBoutons);
    ImageClicOui->move(gaucheOui, d.hautBoutons);
    setFocus();
    DemarrerTimerCurseur(TimerCurseur, this, ImageOui);
}

void TFormMessageDialogInterne::keyReleaseEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            ImageNonClick();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            ImageOuiClick();
            break;
        default:
            QDialog::keyReleaseEvent(event);
    }
}

}  // namespace velmora
