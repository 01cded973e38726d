#include "modes/TFormEnregistre.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/Parametres.h"
#include "app/TFormImagesLib.h"
#include "modes/MessagesInternes.h"
#include "modes/TFormOptions.h"

namespace velmora {

namespace {

constexpr int kLargeur = 367;
constexpr int kHauteur = 162;

}  // namespace

QString SansBlancsAutour(const QString& texte) {
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte.at(debut).unicode() <= 32) {
        ++debut;
    }
    while (fin > debut && texte.at(fin - 1).unicode() <= 32) {
        --fin;
    }
    return texte.mid(debut, fin - debut);
}

TFormEnregistre::TFormEnregistre() : QDialog(nullptr) {
    setObjectName("FormEnregistre");
    PreparerFenetre(this, kLargeur, kHauteur, kCouleurDialogue);
    setModal(true);
    setFont(PoliceSkin(11));
    AjouterCadre(this, kLargeur, kHauteur);

    LbTitre = new QLabel("ENREGISTRER", this);
    LbTitre->setObjectName("LbTitre");
    LbTitre->setGeometry(60, 12, 246, 29);
    LbTitre->setFont(PoliceSkin(24, true));
    LbTitre->setAlignment(Qt::AlignCenter);
    Colorer(LbTitre, QPalette::WindowText, Qt::black);

    BoutonImage b = CreerBoutonSkin(this, "CroixFermer", QRect(328, 8, 20, 20), "CroixDialogue",
                                    "ClicCroixDialogue");
    ImageCroixFermer = b.image;
    ImageClicCroixFermer = b.clic;

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(12, 50, 343, 66);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    Colorer(Panel1, QPalette::Window, kCouleurPanneau);

    LbIntit = new QLabel(Panel1);
    LbIntit->setObjectName("LbIntit");
    LbIntit->move(7, 9);
    LbIntit->setFont(PoliceSkin(11, true));
    Colorer(LbIntit, QPalette::WindowText, kCouleurMarron);

    EdIntitule = new QLineEdit(Panel1);
    EdIntitule->setObjectName("EdIntitule");
    EdIntitule->setGeometry(11, 28, 310, 21);
    EdIntitule->setMaxLength(255);
    EdIntitule->setFont(PoliceSkin(11));
    Colorer(EdIntitule, QPalette::Base, kCouleurSaisie);
    EdIntitule->installEventFilter(this);

    b = CreerBoutonImage(this, "Annuler", QRect(20, 126, 107, 25));
    ImageAnnuler = b.image;
    ImageClicAnnuler = b.clic;
    b = CreerBoutonImage(this, "Valider", QRect(238, 126, 107, 25));
    ImageValider = b.image;
    ImageClicValider = b.clic;
    for (ControleImage* image : {ImageAnnuler, ImageClicAnnuler, ImageValider, ImageClicValider}) {
        image->DefinirImage(QPixmap::fromImage(ChargerImageSkin(image->objectName())));
    }

    LierBoutonImage(this, ImageCroixFermer, [this] { ImageAnnulerClick(); });
    LierBoutonImage(this, ImageAnnuler, [this] { ImageAnnulerClick(); });
    LierBoutonImage(this, ImageValider, [this] { ImageValiderClick(); });
}

void TFormEnregistre::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Proteger([this] { FormShow(); });
    }
}

void TFormEnregistre::FormShow() {
    LangueCourante = QString::fromStdString(LireParametre("Parametrage", "Langue", "0"));
    const bool anglais = LangueCourante == "anglais";
    LbTitre->setText(anglais ? "SAVE" : "ENREGISTRER");
    LbIntit->setText(anglais ? "Title of the comparison :" : "Intitulé du mode de comparaison :");
    LbIntit->adjustSize();
    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        bibliotheque->CopierBouton("Annuler", anglais, ImageAnnuler, ImageClicAnnuler);
        bibliotheque->CopierBouton("Valider", anglais, ImageValider, ImageClicValider);
    }
    EdIntitule->setFocus();
}

void TFormEnregistre::ImageValiderClick() {
    const QString titre = SansBlancsAutour(EdIntitule->text());
    if (titre.isEmpty()) {
        AfficherMessageInterne(this, LangueCourante == "anglais" ? "You must enter the title"
                                                                 : "Vous devez saisir l'intitulé");
        return;
    }
    if (TFormOptions* options = FenetresProgramme().FormOptions) {
        options->IntituleSaisi = titre;
    }
    accept();
    EdIntitule->clear();
}

void TFormEnregistre::ImageAnnulerClick() {
    reject();
}

void TFormEnregistre::keyPressEvent(QKeyEvent* event) {
    // Escape and Enter act on their release.
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void TFormEnregistre::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ImageAnnulerClick();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

bool TFormEnregistre::eventFilter(QObject* objet, QEvent* event) {
    if (objet == EdIntitule && event->type() == QEvent::KeyRelease) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Escape) {
            ImageAnnulerClick();
            return true;
        }
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            ImageValiderClick();
            return true;
        }
    }
    return QDialog::eventFilter(objet, event);
}

}  // namespace velmora
