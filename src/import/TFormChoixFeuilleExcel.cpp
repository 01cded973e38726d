#include "import/TFormChoixFeuilleExcel.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/TFormImagesLib.h"
#include "import/TFormMain.h"

namespace velmora {

namespace {

constexpr int kLargeur = 418;
constexpr int kHauteur = 128;

}  // namespace

TFormChoixFeuilleExcel::TFormChoixFeuilleExcel() : QDialog(nullptr) {
    setObjectName("FormChoixFeuilleExcel");
    PreparerFenetre(this, kLargeur, kHauteur, kCouleurDialogue);
    setModal(true);
    setFont(PoliceSkin(11));
    AjouterCadre(this, kLargeur, kHauteur);

    LbTitre = new QLabel("FEUILLES EXCEL", this);
    LbTitre->setObjectName("LbTitre");
    LbTitre->setGeometry(70, 12, 278, 29);
    LbTitre->setAlignment(Qt::AlignCenter);
    LbTitre->setFont(PoliceSkin(24, true));
    Colorer(LbTitre, QPalette::WindowText, kCouleurMarron);

    PanelCentre = new QFrame(this);
    PanelCentre->setObjectName("PanelCentre");
    PanelCentre->setGeometry(10, 52, 399, 37);
    PanelCentre->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelCentre->setAutoFillBackground(true);
    Colorer(PanelCentre, QPalette::Window, kCouleurPanneau);

    LbChoixFeuilleExcel = new QLabel("Choix de la feuille Excel :", PanelCentre);
    LbChoixFeuilleExcel->setObjectName("LbChoixFeuilleExcel");
    LbChoixFeuilleExcel->setGeometry(8, 9, 150, 16);
    Colorer(LbChoixFeuilleExcel, QPalette::WindowText, Qt::black);

    CbChoixFeuille = new ListeDessinee(PanelCentre, "CbChoixFeuille", QRect(160, 6, 233, 21));
    CbChoixFeuille->setFont(PoliceSkin(11));
    CbChoixFeuille->DefinirDessin(
        [](const QComboBox* liste, QPainter* peintre, int index, bool selectionne,
           const QRect& zone) { DessinerElementListe(liste, peintre, index, selectionne, zone); });
    CbChoixFeuille->DefinirAvantDeroulement([](QComboBox* liste) { AjusterLargeurListe(liste); });
    CbChoixFeuille->installEventFilter(this);

    // The same pictures in both languages.
    BoutonImage b = CreerBoutonSkin(this, "Annuler", QRect(20, 94, 107, 25), "ImageAnnuler",
                                    "ImageClicAnnuler");
    ImageAnnuler = b.image;
    ImageClicAnnuler = b.clic;
    b = CreerBoutonSkin(this, "Valider", QRect(287, 94, 107, 25), "ImageValider",
                        "ImageClicValider");
    ImageValider = b.image;
    ImageClicValider = b.clic;
    b = CreerBoutonSkin(this, "CroixFermer", QRect(384, 8, 20, 20), "CroixDialogue",
                        "ClicCroixDialogue");
    ImageCroixFermer = b.image;
    ImageClicCroixFermer = b.clic;
    LierBoutonImage(this, ImageAnnuler, [this] { ImageAnnulerClick(); });
    LierBoutonImage(this, ImageValider, [this] { ImageValiderClick(); });
    LierBoutonImage(this, ImageCroixFermer, [this] { ImageAnnulerClick(); });
}

void TFormChoixFeuilleExcel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormChoixFeuilleExcel::FormShow() {
    const bool anglais = LangueStockeeAnglais();
    LbTitre->setText(anglais ? "EXCEL SHEET" : "FEUILLES EXCEL");
    LbChoixFeuilleExcel->setText(anglais ? "Choice of Excel sheet :"
                                         : "Choix de la feuille Excel :");
    CbChoixFeuille->setFocus();
}

void TFormChoixFeuilleExcel::ImageValiderClick() {
    if (TFormMain* principale = FenetresProgramme().FormMain) {
        principale->NumFeuille = CbChoixFeuille->currentIndex() + 1;
    }
    accept();
}

void TFormChoixFeuilleExcel::ImageAnnulerClick() {
    ChoixValide = false;
    reject();
}

bool TFormChoixFeuilleExcel::FormKeyUp(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ImageAnnulerClick();
        return true;
    }
    return false;
}

void TFormChoixFeuilleExcel::keyPressEvent(QKeyEvent* event) {
    // Escape acts when released; Enter has no effect of its own.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormChoixFeuilleExcel::keyReleaseEvent(QKeyEvent* event) {
    if (!FormKeyUp(event)) {
        QDialog::keyReleaseEvent(event);
    }
}

bool TFormChoixFeuilleExcel::eventFilter(QObject* objet, QEvent* event) {
    if (objet == CbChoixFeuille && event->type() == QEvent::KeyRelease &&
        !CbChoixFeuille->view()->isVisible()) {
        return FormKeyUp(static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(objet, event);
}

}  // namespace velmora
