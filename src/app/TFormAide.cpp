#include "app/TFormAide.h"

#include <QFrame>
#include <QKeyEvent>
#include <QShowEvent>

#include "app/EtiquetteTexte.h"
#include "app/Fenetres.h"
#include "app/TFormImagesLib.h"

namespace velmora {

namespace {

struct TexteGuide {
    int gauche;
    int haut;
    bool gras;
    bool marron;
    const char* francais;
    const char* anglais;
};

// LbTexte1 to LbTexte10: place in the panel, look, texts.
const TexteGuide kTextes[10] = {
    {7, 9, true, false,
     "Velmora est un utilitaire qui comme son nom l'indique\r\nsert à comparer des fichiers "
     "(Fichiers Excel en l'occurence).\r\n\r\nPlusieurs modes de comparaison sont proposés :",
     "Velmora is a utility which as its name suggests\r\nused to compare files (Excel files in "
     "this case).\r\n\r\nSeveral types of comparison are possible :"},
    {39, 81, true, true, "Comparer 2 tableaux 'identiques'", "Comparing 2 identical tables"},
    {55, 97, false, false,
     "=> Les numéros de lignes servent de référence.\r\n=> Les tableaux 1 et 2 contiennent le "
     "même nombre de lignes et de colonnes.\r\n\r\nCe mode est destiné à comparer 2 tableaux dont "
     "seule la valeur des cellules\r\nest amenée à être modifiée mais en aucun cas sa structure.",
     "=> The numbers of rows are the reference.\r\n=> Tables 1 and 2 have the same count of rows "
     "and columns.\r\n\r\nThis mode is intended to compare 2 tables which only the cells\r\nhas "
     "to be changed but in no case structure."},
    {39, 193, true, true, "Comparer 2 tableaux en fonction de colonnes de référence :",
     "Comparing 2 tables based on columns of reference :"},
    {55, 209, false, false,
     "=> 5 colonnes cumulées peuvent servir de référence\r\n\r\nex : Pour comparer 2 "
     "annuaires,\r\n     prenez la colonne 'A' (Nom) + colonne 'B' (Prénom).",
     "=> 5 columns combined can serve as reference\r\n\r\nex : To compare 2 directories,\r\n     "
     "Take the column 'A'(Name) + column 'B'(First)."},
    {15, 281, true, true,
     "!!! La comparaison peut s'effectuer sur la totalité de la feuille ou sur une "
     "sélection\r\n(Pour sélectionner une partie de la feuille, tracez un cadre à l'aide de la "
     "souris). !!!",
     "!!! The comparison may be over the entire sheet or on a selection\r\n(To select a portion "
     "of the sheet, draw a framework with the mouse). !!!"},
    {15, 337, true, true, "Le résultat peut être :", "The result can be :"},
    {31, 353, false, false,
     "Sous forme de tableau complet :\r\n(vous pourrez distinguer facilement les cellules "
     "changées qui ressortent colorées).",
     "Table Complete :\r\n(you can easily distinguish the cells that emerged changed color)."},
    {55, 385, true, true, "ou", "or"},
    {31, 401, false, false,
     "uniquement les lignes modifiées :\r\n(nous conseillons dans ce cas de cocher "
     "l'option\r\n'Insérer 2 colonnes avec les anciens n° de ligne')",
     "only changed rows :\r\n(we recommend in this case check option\r\n'Insert 2 columns with "
     "old rows numbers')"},
};

// Characters of the guide's texts, in pixels. The longest line, the bold
// warning of LbTexte6, must stay inside the 618-pixel panel with DejaVu Sans.
constexpr int kTaillePolice = 12;

}  // namespace

TFormAide::TFormAide() : QDialog(nullptr) {
    setObjectName("FormAide");
    PreparerFenetre(this, 636, 554, kCouleurDialogue);
    setModal(true);
    setFont(PoliceSkin(11));
    AjouterCadre(this, 636, 554);

    LbTitre = new EtiquetteTexte(this, "LbTitre");
    LbTitre->setGeometry(97, 13, 443, 29);
    LbTitre->setFont(PoliceSkin(24, true));
    LbTitre->setAlignment(Qt::AlignCenter);
    Colorer(LbTitre, QPalette::WindowText, kCouleurMarron);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(7, 48, 618, 465);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, kCouleurPanneau);
    Panel1->setPalette(palette);

    for (std::size_t i = 0; i < LbTexte.size(); ++i) {
        const TexteGuide& t = kTextes[i];
        auto* etiquette = new EtiquetteTexte(Panel1, QString("LbTexte%1").arg(i + 1));
        etiquette->setFont(PoliceSkin(kTaillePolice, t.gras));
        etiquette->move(t.gauche, t.haut);
        Colorer(etiquette, QPalette::WindowText, t.marron ? kCouleurMarron : QColor(Qt::black));
        LbTexte[i] = etiquette;
    }
    Label6 = new EtiquetteTexte(Panel1, "Label6");
    Label6->setFont(PoliceSkin(kTaillePolice, true));
    Label6->move(108, 305);
    Label6->DefinirTexte(QString(50, '_'));

    const BoutonImage fermer = CreerBoutonImage(this, "Fermer", QRect(264, 521, 107, 25));
    ImageFermer = fermer.image;
    ImageClicFermer = fermer.clic;
    LierBoutonImage(this, ImageFermer, [this] { ImageFermerClick(); });
}

void TFormAide::ImageFermerClick() {
    accept();
}

void TFormAide::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormAide::FormShow() {
    const bool anglais = LangueStockeeAnglais();
    LbTitre->setText(anglais ? "USERS GUIDE" : "GUIDE D'UTILISATION");
    for (std::size_t i = 0; i < LbTexte.size(); ++i) {
        LbTexte[i]->DefinirTexte(
            QString::fromUtf8(anglais ? kTextes[i].anglais : kTextes[i].francais));
    }
    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        bibliotheque->CopierBouton("Fermer", anglais, ImageFermer, ImageClicFermer);
    }
}

void TFormAide::keyPressEvent(QKeyEvent* event) {
    // No keyboard shortcut: Escape leaves the guide open.
    event->accept();
}

}  // namespace velmora
