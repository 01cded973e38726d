// The final-table window: its layout, captions, grid and header labels.
// The comparison driver and the export are in TFormTableauFinalActions.cpp.
#include "compare/TFormTableauFinal.h"

#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>

#include "app/EtiquetteTexte.h"
#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/Parametres.h"
#include "app/TFormImagesLib.h"
#include "compare/DelegueCelluleTeintee.h"
#include "compare/ModeleTableauFinal.h"

namespace velmora {

namespace {

// Cell pitch of the grid: a 70 × 20 cell plus its grid line.
constexpr int kLargeurColonne = 71;
constexpr int kHauteurLigne = 21;
const QColor kFondGrille = CouleurBgr(0xDBDBDB);
// Left edge of the legend's colour swatches.
constexpr int kGaucheNuancier = 115;

struct Legende {
    const char* francais;
    const char* anglais;
};
const Legende kTitre{"Tableau final prêt à l'enregistrement.", "Final table ready for recording"};
const Legende kLegende{"Légende :", "Caption :"};
const Legende kAjoutee{"Cellule ajoutée", "Cell added"};
const Legende kModifiee{"Cellule modifiée", "Modified cell"};
const Legende kSupprimee{"Cellule effacée", "Cell erased"};

QString Texte(const Legende& l, bool anglais) {
    return QString::fromUtf8(anglais ? l.anglais : l.francais);
}

QFrame* Panneau(QWidget* parent, const QString& nom, const QRect& place, int style) {
    auto* panneau = new QFrame(parent);
    panneau->setObjectName(nom);
    panneau->setGeometry(place);
    panneau->setFrameStyle(style);
    panneau->setAutoFillBackground(true);
    Colorer(panneau, QPalette::Window, kCouleurPanneau);
    return panneau;
}

QFrame* Forme(QWidget* parent, const QString& nom, const QRect& place, CouleurCellule couleur) {
    auto* forme = new QFrame(parent);
    forme->setObjectName(nom);
    forme->setGeometry(place);
    forme->setAutoFillBackground(true);
    Colorer(forme, QPalette::Window, CouleurBgr(ValeurCouleur(couleur).value_or(0)));
    return forme;
}

QLabel* EtiquetteLegende(QWidget* parent, const QString& nom, QPoint place) {
    auto* etiquette = new QLabel(parent);
    etiquette->setObjectName(nom);
    etiquette->move(place);
    etiquette->setFont(PoliceSkin(13));
    Colorer(etiquette, QPalette::WindowText, Qt::black);
    return etiquette;
}

}  // namespace

TFormTableauFinal::TFormTableauFinal(const TableSource& grille1, const TableSource& grille2,
                                     int typeTri, std::optional<ModeComparaison> mode)
    : QDialog(nullptr),
      grille1_(grille1),
      grille2_(grille2),
      typeTri_(typeTri),
      mode_(std::move(mode)) {
    setObjectName("FormTableauFinal");
    PreparerFenetre(this, 799, 524, kCouleurDialogue);
    setModal(true);
    setFont(PoliceSkin(11));
    Cadre = AjouterCadre(this, 799, 524);

    CreerPanneau();
    CreerLegende();

    const BoutonImage fermer = CreerBoutonImage(this, "Fermer", QRect(26, 488, 107, 25));
    ImageFermer = fermer.image;
    ImageClicFermer = fermer.clic;
    LierBoutonImage(this, ImageFermer, [this] { ImageFermerClick(); });

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setGeometry(157, 488, 485, 23);
    ProgressBar->setTextVisible(false);
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);

    const BoutonImage enregistrer = CreerBoutonImage(this, "Enregistrer", QRect(662, 488, 107, 25));
    ImageEnregistrer = enregistrer.image;
    ImageClicEnregistrer = enregistrer.clic;
    LierBoutonImage(this, ImageEnregistrer, [this] { ImageEnregistrerClick(); });

    TimerDepart = new QTimer(this);
    TimerDepart->setObjectName("TimerDepart");
    TimerDepart->setSingleShot(true);
    TimerDepart->setInterval(10);
    connect(TimerDepart, &QTimer::timeout, this, [this] { TimerDepartTimer(); });
}

TFormTableauFinal::~TFormTableauFinal() = default;

void TFormTableauFinal::CreerPanneau() {
    Panel4 = Panneau(this, "Panel4", QRect(11, 9, 777, 472), QFrame::Panel | QFrame::Raised);

    LbTitre = new EtiquetteTexte(Panel4, "LbTitre");
    LbTitre->move(40, 18);
    LbTitre->setFont(PoliceSkin(19, true));
    Colorer(LbTitre, QPalette::WindowText, Qt::black);

    EnTetes = EnTetesTableauFinal::Creer(Panel4);

    Modele = new ModeleTableauFinal(tableau_, this);
    auto* grille = new QTableView(Panel4);
    grille->setObjectName("StringGridExcelFinal");
    grille->setGeometry(32, 80, 737, 385);
    grille->setModel(Modele);
    grille->setItemDelegate(new DelegueCelluleTeintee(grille));
    for (QHeaderView* entete : {grille->horizontalHeader(), grille->verticalHeader()}) {
        entete->hide();
        entete->setMinimumSectionSize(1);
        entete->setSectionResizeMode(QHeaderView::Fixed);
    }
    grille->horizontalHeader()->setDefaultSectionSize(kLargeurColonne);
    grille->verticalHeader()->setDefaultSectionSize(kHauteurLigne);
    grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grille->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    grille->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grille->setWordWrap(false);
    grille->setShowGrid(true);
    grille->setCornerButtonEnabled(false);
    Colorer(grille, QPalette::Base, kFondGrille);
    grille->installEventFilter(this);
    StringGridExcelFinal = grille;

    connect(grille->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& courant) {
                if (courant.isValid()) {
                    StringGridExcelFinalSelectCell(courant.column(), courant.row());
                }
            });
    // With per-item scrolling the scroll bars' values are TopRow and LeftCol.
    connect(grille->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { StringGridExcelFinalTopLeftChanged(); });
    connect(grille->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { StringGridExcelFinalTopLeftChanged(); });
}

void TFormTableauFinal::CreerLegende() {
    PanelLegende =
        Panneau(Panel4, "PanelLegende", QRect(512, 4, 257, 57), QFrame::Panel | QFrame::Sunken);

    LbLegende = new QLabel(PanelLegende);
    LbLegende->setObjectName("LbLegende");
    LbLegende->move(8, 16);
    LbLegende->setFont(PoliceSkin(19, true));
    Colorer(LbLegende, QPalette::WindowText, kCouleurMarron);

    ShapeDispo = Forme(PanelLegende, "ShapeDispo", QRect(kGaucheNuancier, 8, 22, 9),
                       CouleurCellule::Ajoutee);
    ShapeIndispo = Forme(PanelLegende, "ShapeIndispo", QRect(kGaucheNuancier, 24, 22, 9),
                         CouleurCellule::Modifiee);
    Shape1 =
        Forme(PanelLegende, "Shape1", QRect(kGaucheNuancier, 40, 22, 9), CouleurCellule::Effacee);

    LbCellAjoutee = EtiquetteLegende(PanelLegende, "LbCellAjoutee", {144, 4});
    LbCellModifiee = EtiquetteLegende(PanelLegende, "LbCellModifiee", {144, 20});
    LbCellSupprimee = EtiquetteLegende(PanelLegende, "LbCellSupprimee", {144, 36});
}

void TFormTableauFinal::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormTableauFinal::AppliquerLangue() {
    const bool anglais = LangueCourante == "anglais";
    LbTitre->DefinirTexte(Texte(kTitre, anglais));
    const std::pair<QLabel*, const Legende*> etiquettes[] = {{LbLegende, &kLegende},
                                                             {LbCellAjoutee, &kAjoutee},
                                                             {LbCellModifiee, &kModifiee},
                                                             {LbCellSupprimee, &kSupprimee}};
    for (const auto& [etiquette, legende] : etiquettes) {
        etiquette->setText(Texte(*legende, anglais));
        etiquette->adjustSize();
    }
    // The legend's title must end before the colour swatches; our font is
    // wider than the one the sizes were drawn for.
    for (int pixels = 19; pixels > 10 && LbLegende->x() + LbLegende->width() >= kGaucheNuancier - 4;
         --pixels) {
        LbLegende->setFont(PoliceSkin(pixels - 1, true));
        LbLegende->adjustSize();
    }
    if (const TFormImagesLib* bibliotheque = FenetresProgramme().FormImagesLib) {
        bibliotheque->CopierBouton("Fermer", anglais, ImageFermer, ImageClicFermer);
        bibliotheque->CopierBouton("Enregistrer", anglais, ImageEnregistrer, ImageClicEnregistrer);
    }
}

void TFormTableauFinal::StringGridExcelFinalSelectCell(int colonne, int ligne) {
    const std::string_view texte = tableau_.texte(colonne, ligne);
    const QString infobulle = QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
    Modele->DefinirInfobulle(infobulle);
    StringGridExcelFinal->setToolTip(infobulle);
}

void TFormTableauFinal::StringGridExcelFinalTopLeftChanged() {
    EnTetes.Renumeroter(StringGridExcelFinal->verticalScrollBar()->value(),
                        StringGridExcelFinal->horizontalScrollBar()->value());
}

void TFormTableauFinal::ImageFermerClick() {
    done(QDialog::Accepted);
}

void TFormTableauFinal::keyPressEvent(QKeyEvent* event) {
    // Escape closes on its release in the grid (eventFilter), not on the
    // press as a dialog would.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TFormTableauFinal::eventFilter(QObject* objet, QEvent* event) {
    if (objet == StringGridExcelFinal && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        ImageFermerClick();
        return true;
    }
    return QDialog::eventFilter(objet, event);
}

}  // namespace velmora
