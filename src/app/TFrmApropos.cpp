#include "app/TFrmApropos.h"

#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

#include "app/EtiquetteTexte.h"
#include "app/Fenetres.h"
#include "app/Parametres.h"
#include "app/TFormImagesLib.h"

namespace velmora {

namespace {

constexpr int kLargeur = 400;
constexpr int kHauteur = 190;

}  // namespace

TFrmApropos::TFrmApropos() : QDialog(nullptr) {
    setObjectName("FrmApropos");
    PreparerFenetre(this, kLargeur, kHauteur, kCouleurDialogue);
    setModal(true);
    setFont(PoliceSkin(11));
    AjouterCadre(this, kLargeur, kHauteur);

    auto* panneau = new QWidget(this);
    panneau->setObjectName("PanelApropos");
    panneau->setGeometry(14, 14, kLargeur - 28, 118);
    panneau->setAutoFillBackground(true);
    QPalette palette = panneau->palette();
    palette.setColor(QPalette::Window, kCouleurPanneau);
    panneau->setPalette(palette);

    LbTitre = new QLabel("Velmora", panneau);
    LbTitre->setObjectName("LbTitre");
    QFont titre("DejaVu Serif");
    titre.setPixelSize(30);
    titre.setBold(true);
    LbTitre->setFont(titre);
    LbTitre->setGeometry(0, 10, panneau->width(), 40);
    LbTitre->setAlignment(Qt::AlignCenter);
    palette = LbTitre->palette();
    palette.setColor(QPalette::WindowText, kCouleurMarron);
    LbTitre->setPalette(palette);

    LbDescription = new EtiquetteTexte(panneau, "LbDescription");
    LbDescription->setFont(PoliceSkin(12));
    LbDescription->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    LlbVersionExe = new QLabel(panneau);
    LlbVersionExe->setObjectName("LlbVersionExe");
    LlbVersionExe->setFont(PoliceSkin(12, true));
    LlbVersionExe->setGeometry(0, 90, panneau->width(), 18);
    LlbVersionExe->setAlignment(Qt::AlignCenter);

    const BoutonImage fermer =
        CreerBoutonImage(this, "Fermer", QRect(kLargeur / 2 - 53, 146, 107, 25));
    ImageFermer = fermer.image;
    ImageClicFermer = fermer.clic;
    LierBoutonImage(this, ImageFermer, [this] { ImageFermerClick(); });
}

void TFrmApropos::ImageFermerClick() {
    accept();
}

void TFrmApropos::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFrmApropos::FormShow() {
    const bool anglais = LangueStockeeAnglais();
    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        bibliotheque->CopierBouton("FermerFonce", anglais, ImageFermer, ImageClicFermer);
    }
    LbDescription->DefinirTexte(
        anglais ? "Compares two Excel tables and tints\r\nevery added, modified or erased cell."
                : "Compare deux tableaux Excel et colore\r\nchaque cellule ajoutée, modifiée ou "
                  "supprimée.");
    const int largeurPanneau = LbDescription->parentWidget()->width();
    LbDescription->move((largeurPanneau - LbDescription->width()) / 2, 52);
    LlbVersionExe->setText("Version de Velmora " +
                           QString::fromStdString(LireParametre("Version", "versionexe", "0")));
}

void TFrmApropos::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ImageFermerClick();
        return;
    }
    event->accept();
}

}  // namespace velmora
