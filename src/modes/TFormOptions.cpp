#include "modes/TFormOptions.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QShowEvent>

#include "app/EtiquetteTexte.h"
#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/Parametres.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormImagesLib.h"
#include "import/TFormMain.h"
#include "modes/MagasinModes.h"
#include "modes/MessagesInternes.h"
#include "modes/TDataModule1.h"
#include "modes/TFormEnregistre.h"

namespace velmora {

namespace {

constexpr int kLargeur = 527;
constexpr int kHauteur = 523;

constexpr int kGauchesColonnes[5] = {8, 93, 179, 265, 351};
constexpr int kGauchesSelecteurs[5] = {10, 95, 181, 267, 353};

QFrame* PanneauBas(QWidget* parent, const QString& nom, const QRect& place) {
    auto* panneau = new QFrame(parent);
    panneau->setObjectName(nom);
    panneau->setGeometry(place);
    panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panneau->setAutoFillBackground(true);
    Colorer(panneau, QPalette::Window, kCouleurPanneau);
    return panneau;
}

QLabel* Etiquette(QWidget* parent, const QString& nom, const QPoint& place, bool gras) {
    auto* etiquette = new QLabel(parent);
    etiquette->setObjectName(nom);
    etiquette->move(place);
    etiquette->setFont(PoliceSkin(11, gras));
    Colorer(etiquette, QPalette::WindowText, Qt::black);
    return etiquette;
}

QRadioButton* Radio(QWidget* parent, const QString& nom, const QPoint& place) {
    auto* radio = new QRadioButton(parent);
    radio->setObjectName(nom);
    radio->setGeometry(place.x(), place.y(), 475, 17);
    radio->setFont(PoliceSkin(11));
    return radio;
}

ListeDessinee* Liste(QWidget* parent, const QString& nom, const QRect& place) {
    auto* liste = new ListeDessinee(parent, nom, place);
    liste->setFont(PoliceSkin(11));
    liste->DefinirDessin(DessinerElementListe);
    liste->DefinirAvantDeroulement(AjusterLargeurListe);
    return liste;
}

// The selector's item for a stored reference: 0 for "NULL", k + 1 for column
// number k. A value the program never writes (outside 0 to 25, not a number)
// shows as "NULL" rather than as a wrong column.
int ElementReference(const std::string& ref) {
    if (ref == "NULL") {
        return 0;
    }
    bool nombre = false;
    const int colonne = QString::fromStdString(ref).toInt(&nombre);
    return nombre && colonne >= 0 && colonne <= 25 ? colonne + 1 : 0;
}

std::string ValeurReference(const QComboBox* selecteur) {
    if (selecteur->currentText() == "NULL" || selecteur->currentIndex() < 1) {
        return "NULL";
    }
    return std::to_string(selecteur->currentIndex() - 1);
}

}  // namespace

TFormOptions::TFormOptions() : QDialog(nullptr) {
    setObjectName("FormOptions");
    PreparerFenetre(this, kLargeur, kHauteur, kCouleurDialogue);
    setModal(true);
    setFont(PoliceSkin(11));
    AjouterCadre(this, kLargeur, kHauteur);

    LbTitre = new QLabel("OPTIONS", this);
    LbTitre->setObjectName("LbTitre");
    LbTitre->setGeometry(120, 13, 287, 29);
    LbTitre->setFont(PoliceSkin(24, true));
    LbTitre->setAlignment(Qt::AlignCenter);
    Colorer(LbTitre, QPalette::WindowText, kCouleurMarron);

    BoutonImage b = CreerBoutonSkin(this, "CroixFermer", QRect(488, 8, 20, 20), "CroixDialogue",
                                    "ClicCroixDialogue");
    ImageCroixFermer = b.image;
    ImageClicCroixFermer = b.clic;

    Panel4 = new QFrame(this);
    Panel4->setObjectName("Panel4");
    Panel4->setGeometry(11, 48, 505, 433);
    Panel4->setAutoFillBackground(true);
    Colorer(Panel4, QPalette::Window, kCouleurDialogue);

    CbModeCompare = Liste(Panel4, "CbModeCompare", QRect(10, 18, 343, 21));
    b = CreerBoutonImage(Panel4, "Supprimer", QRect(382, 16, 107, 25));
    ImageSupprimer = b.image;
    ImageClicSupprimer = b.clic;

    Panel2 = PanneauBas(Panel4, "Panel2", QRect(8, 48, 489, 81));
    LbTitre1 = Etiquette(Panel2, "LbTitre1", QPoint(8, 8), true);
    Colorer(LbTitre1, QPalette::WindowText, kCouleurMarron);
    RbTableauIdentique = Radio(Panel2, "RbTableauIdentique", QPoint(8, 32));
    RbTableauReference = Radio(Panel2, "RbTableauReference", QPoint(8, 56));
    RbTableauIdentique->setChecked(true);

    Panel3 = PanneauBas(Panel4, "Panel3", QRect(8, 136, 489, 97));
    LbTitre2 = new EtiquetteTexte(Panel3, "LbTitre2");
    LbTitre2->setFont(PoliceSkin(11, true));
    LbTitre2->move(8, 8);
    Colorer(LbTitre2, QPalette::WindowText, kCouleurMarron);
    for (int n = 0; n < 5; ++n) {
        const auto i = static_cast<std::size_t>(n);
        LbColonne[i] = Etiquette(Panel3, QString("LbColonne%1").arg(n + 1),
                                 QPoint(kGauchesColonnes[n], 49), false);
        CbRef[i] =
            Liste(Panel3, QString("CbRef%1").arg(n + 1), QRect(kGauchesSelecteurs[n], 66, 55, 21));
        if (n > 0) {
            QLabel* plus = Etiquette(Panel3, QString("LbPlus%1").arg(n),
                                     QPoint(kGauchesSelecteurs[n] - 19, 68), true);
            plus->setText("+");
        }
    }

    PanelVide = PanneauBas(Panel4, "PanelVide", QRect(8, 136, 481, 97));

    Panel1 = PanneauBas(Panel4, "Panel1", QRect(8, 240, 489, 185));
    LbTitre3 = Etiquette(Panel1, "LbTitre3", QPoint(8, 8), true);
    Colorer(LbTitre3, QPalette::WindowText, kCouleurMarron);
    RbSortTableauComplet = Radio(Panel1, "RbSortTableauComplet", QPoint(8, 31));
    RbSortLignesModifiees = Radio(Panel1, "RbSortLignesModifiees", QPoint(8, 54));
    RbSortLignesAjoutees = Radio(Panel1, "RbSortLignesAjoutees", QPoint(8, 78));
    RbSortLignesInchangees = Radio(Panel1, "RbSortLignesInchangees", QPoint(8, 102));
    RbSortLignesDoublons = Radio(Panel1, "RbSortLignesDoublons", QPoint(8, 125));
    RbSortTableauComplet->setChecked(true);
    LbTrait = Etiquette(Panel1, "LbTrait", QPoint(84, 137), false);
    LbTrait->setText(QString(40, '_'));
    CbInsereNumLigne = new QCheckBox(Panel1);
    CbInsereNumLigne->setObjectName("CbInsereNumLigne");
    CbInsereNumLigne->setGeometry(9, 159, 470, 17);
    CbInsereNumLigne->setFont(PoliceSkin(11));

    b = CreerBoutonImage(this, "Annuler", QRect(17, 487, 107, 25));
    ImageAnnuler = b.image;
    ImageClicAnnuler = b.clic;
    b = CreerBoutonImage(this, "EnregistrerSous", QRect(259, 487, 107, 25));
    ImageEnregistrerSous = b.image;
    ImageClicEnregistrerSous = b.clic;
    b = CreerBoutonImage(this, "Enregistrer", QRect(395, 487, 107, 25));
    ImageEnregistrer = b.image;
    ImageClicEnregistrer = b.clic;

    // Design pictures, replaced by the library's in the stored language at
    // each showing.
    for (ControleImage* image :
         {ImageSupprimer, ImageClicSupprimer, ImageAnnuler, ImageClicAnnuler, ImageEnregistrerSous,
          ImageClicEnregistrerSous, ImageEnregistrer, ImageClicEnregistrer}) {
        image->DefinirImage(QPixmap::fromImage(ChargerImageSkin(image->objectName())));
    }

    LierBoutonImage(this, ImageCroixFermer, [this] { ImageAnnulerClick(); });
    LierBoutonImage(this, ImageAnnuler, [this] { ImageAnnulerClick(); });
    LierBoutonImage(this, ImageSupprimer, [this] { Proteger([this] { ImageSupprimerClick(); }); });
    LierBoutonImage(this, ImageEnregistrerSous,
                    [this] { Proteger([this] { ImageEnregistrerSousClick(); }); });
    LierBoutonImage(this, ImageEnregistrer,
                    [this] { Proteger([this] { ImageEnregistrerClick(); }); });

    connect(CbModeCompare, &QComboBox::activated, this, [this] { CbModeCompareChange(); });
    connect(RbTableauIdentique, &QRadioButton::clicked, this,
            [this] { RbTableauIdentiqueClick(); });
    connect(RbTableauReference, &QRadioButton::clicked, this,
            [this] { RbTableauReferenceClick(); });

    // Escape released on a list, selector, radio button or the check box
    // cancels like on the dialog itself.
    for (QWidget* controle : std::initializer_list<QWidget*>{
             CbModeCompare, RbTableauIdentique, RbTableauReference, RbSortTableauComplet,
             RbSortLignesModifiees, RbSortLignesAjoutees, RbSortLignesInchangees,
             RbSortLignesDoublons, CbInsereNumLigne}) {
        controle->installEventFilter(this);
    }
    for (ListeDessinee* selecteur : CbRef) {
        selecteur->installEventFilter(this);
    }
    MontrerPanelVide(true);
}

QString TFormOptions::Texte(const char* francais, const char* anglais) const {
    return QString::fromUtf8(LangueCourante == "anglais" ? anglais : francais);
}

void TFormOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Proteger([this] { FormShow(); });
    }
}

void TFormOptions::FormShow() {
    LangueCourante = QString::fromStdString(LireParametre("Parametrage", "Langue", "0"));
    AppliquerLangue();

    QStringList references{"NULL"};
    for (char lettre = 'A'; lettre <= 'Z'; ++lettre) {
        references << QString(QChar(lettre));
    }
    for (ListeDessinee* selecteur : CbRef) {
        selecteur->clear();
        selecteur->addItems(references);
        selecteur->setCurrentIndex(0);
    }

    if (const TFormMain* principale = FenetresProgramme().FormMain) {
        CbModeCompare->setCurrentIndex(principale->CbModeCompare->currentIndex());
    }
    CbModeCompareChange();
}

void TFormOptions::AppliquerLangue() {
    const bool anglais = LangueCourante == "anglais";
    LbTitre->setText("OPTIONS");
    LbTitre1->setText(Texte("Sélectionnez le mode de comparaison désiré.",
                            "Select the desired mode of comparison."));
    RbTableauIdentique->setText(
        Texte("Comparer 2 tableaux identiques (les numéros de lignes servent de référence)",
              "Comparing 2 identical tables (rows numbers serve as reference)"));
    RbTableauReference->setText(Texte("Comparer 2 tableaux en fonction de colonnes de référence",
                                      "Comparing 2 tables based on columns of reference"));
    LbTitre2->DefinirTexte(
        Texte("Sélectionnez la ou les colonnes servant de référence :\r\n(identiques sur les 2 "
              "tableaux)",
              "Select the columns for reference :\r\n(identical on the 2 tables)"));
    for (QLabel* colonne : LbColonne) {
        colonne->setText(Texte("Colonne", "Column"));
        colonne->adjustSize();
    }
    LbTitre3->setText(Texte("Sélectionnez le résultat désiré.", "Select the desired result."));
    RbSortTableauComplet->setText(
        Texte("Sortir le tableau complet (les cellules modifiées seront teintées)",
              "Show the full table (the modified cells will be tinted)"));
    RbSortLignesModifiees->setText(
        Texte("Sortir uniquement les lignes modifiées", "Show only changed rows"));
    RbSortLignesAjoutees->setText(
        Texte("Sortir uniquement les lignes ajoutées", "Show only added rows"));
    RbSortLignesInchangees->setText(
        Texte("Sortir uniquement les doublons de lignes", "Show only duplicate rows"));
    RbSortLignesDoublons->setText(
        Texte("Sortir uniquement les doublons de références", "Show only duplicate references"));
    CbInsereNumLigne->setText(Texte("Insérer 2 colonnes avec les anciens n° de lignes",
                                    "Insert 2 columns with the old rows numbers"));
    for (QLabel* etiquette : {LbTitre1, LbTitre3}) {
        etiquette->adjustSize();
    }

    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        bibliotheque->CopierBouton("Supprimer", anglais, ImageSupprimer, ImageClicSupprimer);
        bibliotheque->CopierBouton("Annuler", anglais, ImageAnnuler, ImageClicAnnuler);
        bibliotheque->CopierBouton("EnregistrerSous", anglais, ImageEnregistrerSous,
                                   ImageClicEnregistrerSous);
        bibliotheque->CopierBouton("Enregistrer", anglais, ImageEnregistrer, ImageClicEnregistrer);
    }
}

void TFormOptions::MontrerPanelVide(bool visible) {
    PanelVide->setVisible(visible);
    if (visible) {
        PanelVide->raise();
    }
    // Covered selectors must not be reachable with the keyboard either.
    Panel3->setEnabled(!visible);
}

const ModeComparaison* TFormOptions::ModeSelectionne() const {
    const int i = CbModeCompare->currentIndex();
    const TFormMain* principale = FenetresProgramme().FormMain;
    if (i < 0 || principale == nullptr ||
        static_cast<std::size_t>(i) >= principale->ModesComparaison.size()) {
        return nullptr;
    }
    return &principale->ModesComparaison[static_cast<std::size_t>(i)];
}

void TFormOptions::CbModeCompareChange() {
    const ModeComparaison* selectionne = ModeSelectionne();
    if (selectionne == nullptr) {
        return;
    }
    const ModeComparaison& m = *selectionne;
    if (m.RefComparaison == "-1") {
        RbTableauIdentique->setChecked(true);
        RbSortTableauComplet->setChecked(true);
        CbInsereNumLigne->setChecked(false);
        MontrerPanelVide(true);
        return;
    }
    if (m.EntreeTableau == "Identique") {
        RbTableauIdentique->setChecked(true);
        MontrerPanelVide(true);
    } else {
        RbTableauReference->setChecked(true);
        MontrerPanelVide(false);
        const std::string* refs[5] = {&m.Ref1, &m.Ref2, &m.Ref3, &m.Ref4, &m.Ref5};
        for (std::size_t n = 0; n < 5; ++n) {
            CbRef[n]->setCurrentIndex(ElementReference(*refs[n]));
        }
    }
    if (m.SortieTableau == "Complet") {
        RbSortTableauComplet->setChecked(true);
    } else if (m.SortieTableau == "Lignes") {
        RbSortLignesModifiees->setChecked(true);
    } else if (m.SortieTableau == "Ajoutees") {
        RbSortLignesAjoutees->setChecked(true);
    } else if (m.SortieTableau == "Doublons") {
        RbSortLignesDoublons->setChecked(true);
    } else if (m.SortieTableau == "Inchangees") {
        RbSortLignesInchangees->setChecked(true);
    }
    CbInsereNumLigne->setChecked(m.AncienNumLigne == "Oui");
}

void TFormOptions::RbTableauIdentiqueClick() {
    MontrerPanelVide(true);
}

void TFormOptions::RbTableauReferenceClick() {
    MontrerPanelVide(false);
}

ModeComparaison TFormOptions::ValeursChoix() const {
    ModeComparaison mode;
    mode.EntreeTableau = RbTableauIdentique->isChecked() ? "Identique" : "Reference";
    mode.Ref1 = ValeurReference(CbRef[0]);
    mode.Ref2 = ValeurReference(CbRef[1]);
    mode.Ref3 = ValeurReference(CbRef[2]);
    mode.Ref4 = ValeurReference(CbRef[3]);
    mode.Ref5 = ValeurReference(CbRef[4]);
    if (RbSortTableauComplet->isChecked()) {
        mode.SortieTableau = "Complet";
    } else if (RbSortLignesModifiees->isChecked()) {
        mode.SortieTableau = "Lignes";
    } else if (RbSortLignesAjoutees->isChecked()) {
        mode.SortieTableau = "Ajoutees";
    } else if (RbSortLignesDoublons->isChecked()) {
        mode.SortieTableau = "Doublons";
    } else {
        mode.SortieTableau = "Inchangees";
    }
    mode.AncienNumLigne = CbInsereNumLigne->isChecked() ? "Oui" : "Non";
    return mode;
}

bool TFormOptions::VerifierReference() {
    if (!RbTableauReference->isChecked()) {
        return true;
    }
    for (const ListeDessinee* selecteur : CbRef) {
        if (selecteur->currentIndex() > 0) {
            return true;
        }
    }
    AfficherMessageInterne(this, Texte("Vous devez sélectionner une colonne de référence.",
                                       "You must select a column of reference."));
    return false;
}

void TFormOptions::ImageEnregistrerClick() {
    if (!VerifierReference()) {
        return;
    }
    const ModeComparaison* selectionne = ModeSelectionne();
    if (selectionne == nullptr) {
        return;
    }
    TFormMain* principale = FenetresProgramme().FormMain;
    const int i = CbModeCompare->currentIndex();
    const std::string cle = selectionne->RefComparaison;
    if (cle == "-1") {
        ImageEnregistrerSousClick();
        return;
    }
    ModeComparaison mode = ValeursChoix();
    mode.RefComparaison = cle;
    EnregistrerMode(*FenetresProgramme().DataModule1, mode);
    principale->ChargerModesComparaison();
    principale->CbModeCompare->setCurrentIndex(i);
    principale->CbModeCompareChange();
    accept();
}

void TFormOptions::ImageEnregistrerSousClick() {
    if (!VerifierReference()) {
        return;
    }
    IntituleSaisi.clear();
    if (TFormEnregistre* titre = FenetresProgramme().FormEnregistre) {
        PlacerFenetre(this, titre);
        TFormGrisTransparent* voiles = FenetresProgramme().FormGrisTransparent;
        if (voiles != nullptr) {
            voiles->AfficherVoile(this, 3);
        }
        titre->exec();
        if (voiles != nullptr) {
            voiles->MasquerVoile(3);
        }
    }
    if (IntituleSaisi.isEmpty()) {
        return;
    }
    EnregistrerModeSous(*FenetresProgramme().DataModule1, IntituleSaisi.toStdString(),
                        ValeursChoix());
    TFormMain* principale = FenetresProgramme().FormMain;
    principale->ChargerModesComparaison();
    for (int item = 0; item < principale->CbModeCompare->count(); ++item) {
        if (principale->CbModeCompare->itemText(item) == IntituleSaisi) {
            principale->CbModeCompare->setCurrentIndex(item);
            principale->CbModeCompareChange();
            break;
        }
    }
    accept();
}

void TFormOptions::ImageSupprimerClick() {
    if (CbModeCompare->count() == 1) {
        AfficherMessageInterne(this,
                               Texte("Vous ne pouvez pas supprimer tous les modes de comparaison.",
                                     "You can not remove all means of comparison."));
        return;
    }
    if (!PoserQuestionInterne(this,
                              Texte("Etes vous sûr de vouloir supprimer ce mode de comparaison ?",
                                    "Are you sure you want to delete this comparison ?"))) {
        return;
    }
    const ModeComparaison* selectionne = ModeSelectionne();
    if (selectionne == nullptr) {
        return;
    }
    TFormMain* principale = FenetresProgramme().FormMain;
    SupprimerMode(*FenetresProgramme().DataModule1, selectionne->RefComparaison);
    principale->ChargerModesComparaison();
    CbModeCompareChange();
}

void TFormOptions::ImageAnnulerClick() {
    reject();
}

void TFormOptions::keyPressEvent(QKeyEvent* event) {
    // Escape acts on its release, like every key of the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormOptions::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ImageAnnulerClick();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

bool TFormOptions::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        ImageAnnulerClick();
        return true;
    }
    return QDialog::eventFilter(objet, event);
}

}  // namespace velmora
