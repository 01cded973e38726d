#include "modes/TFormOptionAffichage.h"

#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>

#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/Parametres.h"
#include "app/TFormImagesLib.h"
#include "import/TFormMain.h"

namespace velmora {

namespace {

constexpr int kLargeur = 527;
constexpr int kHauteur = 186;

}  // namespace

TFormOptionAffichage::TFormOptionAffichage() : QDialog(nullptr) {
    setObjectName("FormOptionAffichage");
    PreparerFenetre(this, kLargeur, kHauteur, kCouleurDialogue);
    setModal(true);
    setFont(PoliceSkin(11));
    AjouterCadre(this, kLargeur, kHauteur);

    LbTitreMaster = new QLabel("OPTIONS", this);
    LbTitreMaster->setObjectName("LbTitreMaster");
    LbTitreMaster->setFont(PoliceSkin(24, true));
    LbTitreMaster->setGeometry(120, 13, 287, 29);
    LbTitreMaster->setAlignment(Qt::AlignCenter);
    Colorer(LbTitreMaster, QPalette::WindowText, kCouleurMarron);

    Panel4 = new QFrame(this);
    Panel4->setObjectName("Panel4");
    Panel4->setGeometry(11, 48, 505, 97);
    Panel4->setAutoFillBackground(true);
    Colorer(Panel4, QPalette::Window, kCouleurPanneau);

    Panel2 = new QFrame(Panel4);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(8, 8, 489, 81);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    LbTitre = new QLabel("Cellules supprimées", Panel2);
    LbTitre->setObjectName("LbTitre");
    LbTitre->setFont(PoliceSkin(16, true));
    LbTitre->setGeometry(7, 9, 470, 20);
    Colorer(LbTitre, QPalette::WindowText, kCouleurMarron);

    RbEffaceSupprime = new QRadioButton("Effacer les cellules supprimées", Panel2);
    RbEffaceSupprime->setObjectName("RbEffaceSupprime");
    RbEffaceSupprime->setGeometry(8, 32, 475, 20);
    RbAfficheSupprime =
        new QRadioButton("Garder l'ancienne valeur des cellules supprimées", Panel2);
    RbAfficheSupprime->setObjectName("RbAfficheSupprime");
    RbAfficheSupprime->setGeometry(8, 56, 470, 20);
    auto* groupe = new QButtonGroup(this);
    groupe->addButton(RbEffaceSupprime);
    groupe->addButton(RbAfficheSupprime);
    RbEffaceSupprime->setChecked(true);

    const BoutonImage valider = CreerBoutonSkin(this, "Valider", QRect(210, 152, 107, 25),
                                                "ImageValider", "ImageClicValider");
    ImageValider = valider.image;
    ImageClicValider = valider.clic;
    LierBoutonImage(this, ImageValider, [this] { ImageValiderClick(); });

    TimerCurseur = new QTimer(this);
    TimerCurseur->setObjectName("TimerCurseur");
    TimerCurseur->setSingleShot(true);
}

void TFormOptionAffichage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormOptionAffichage::FormShow() {
    const bool anglais = LangueStockeeAnglais();
    LbTitreMaster->setText("OPTIONS");
    LbTitre->setText(anglais ? "Cells removed" : "Cellules supprimées");
    RbEffaceSupprime->setText(anglais ? "Clear cells removed" : "Effacer les cellules supprimées");
    RbAfficheSupprime->setText(anglais ? "Keep the old value cells removed"
                                       : "Garder l'ancienne valeur des cellules supprimées");
    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        bibliotheque->CopierBouton("Valider", anglais, ImageValider, ImageClicValider);
    }
    DemarrerTimerCurseur(TimerCurseur, this, ImageValider);
    if (LireParametre("Affichage", "CelluleSup", "0") == "TRUE") {
        RbAfficheSupprime->setChecked(true);
    }
}

void TFormOptionAffichage::ImageValiderClick() {
    const bool garder = !RbEffaceSupprime->isChecked();
    // A Param.ini that cannot be written is reported; the choice still holds
    // for this comparison and the rest of the run, since the dialog has no
    // other way out and an unwritable file would otherwise trap the user.
    Proteger([garder] { EcrireParametre("Affichage", "CelluleSup", garder ? "TRUE" : "FALSE"); });
    if (TFormMain* principale = FenetresProgramme().FormMain) {
        principale->AfficheSupprime = garder;
    }
    accept();
}

void TFormOptionAffichage::keyPressEvent(QKeyEvent* event) {
    // No key closes the dialog: Escape and Enter are swallowed.
    event->accept();
}

void TFormOptionAffichage::reject() {
    // Only the validate button leaves the dialog.
}

}  // namespace velmora
