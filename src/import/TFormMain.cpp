#include "import/TFormMain.h"

#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/TFormImagesLib.h"
#include "import/GrilleSaisie.h"
#include "import/ModeleGrille.h"

namespace velmora {

namespace {

constexpr int kGauchesLettres[10] = {32, 103, 174, 245, 316, 388, 459, 530, 601, 673};
constexpr int kHautsNumeros1[6] = {62, 82, 103, 124, 145, 166};
constexpr int kHautsNumeros2[6] = {246, 266, 287, 308, 329, 350};

ControleImage* Image(QWidget* parent, const QString& nom, const QRect& place,
                     const QString& image) {
    auto* controle = new ControleImage(parent, nom, place);
    controle->DefinirImage(QPixmap::fromImage(ChargerImageSkin(image)));
    return controle;
}

// An image button with its design pictures.
QLabel* Etiquette(QWidget* parent, const QString& nom, const QRect& place, const QString& texte,
                  bool gras) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(nom);
    etiquette->setGeometry(place);
    etiquette->setFont(PoliceSkin(11, gras));
    Colorer(etiquette, QPalette::WindowText, Qt::black);
    return etiquette;
}

QFrame* Panneau(QWidget* parent, const QString& nom, const QRect& place) {
    auto* panneau = new QFrame(parent);
    panneau->setObjectName(nom);
    panneau->setGeometry(place);
    panneau->setAutoFillBackground(true);
    Colorer(panneau, QPalette::Window, kCouleurPanneau);
    return panneau;
}

}  // namespace

TFormMain::TFormMain() : QWidget(nullptr) {
    setObjectName("FormMain");
    PreparerFenetre(this, 799, 580, kCouleurFenetrePrincipale);
    setFont(PoliceSkin(11));

    ImageFond = Image(this, "ImageFond", QRect(0, 0, 799, 580), "FondPrincipal");
    CreerBandeau();
    CreerPage();

    MemoErreur = new QPlainTextEdit(this);
    MemoErreur->setObjectName("MemoErreur");
    MemoErreur->setGeometry(334, 66, 281, 30);
    MemoErreur->hide();
    MemoErreur->setPlainText("MemoErreur");

    OpenDialogExcel = new QFileDialog(this);
    OpenDialogExcel->setObjectName("OpenDialogExcel");
    OpenDialogExcel->setFileMode(QFileDialog::ExistingFile);
    OpenDialogExcel->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialogExcel->setNameFilter("Fichiers Excel (*.xls)");
    OpenDialogExcel->setDefaultSuffix("xls");
    OpenDialogExcel->setOption(QFileDialog::ReadOnly, false);
    OpenDialogExcel->setOption(QFileDialog::DontUseNativeDialog, true);
    OpenDialogExcel->setSizeGripEnabled(true);

    Cadre = AjouterCadre(this, 799, 580);

    TimerFermer = new QTimer(this);
    TimerFermer->setObjectName("TimerFermer");
    TimerFermer->setInterval(10);
    connect(TimerFermer, &QTimer::timeout, this, &TFormMain::TimerFermerTimer);
    TimerFermer->start();

    AppliquerTextes(false);
}

void TFormMain::CreerBandeau() {
    Image3 = Image(this, "Image3", QRect(8, 0, 341, 60), "BandeauBoutons");
    Image5 = Image(this, "Image5", QRect(344, 3, 456, 57), "BandeauTitre");

    ImageDeplaceFenetre =
        Image(this, "ImageDeplaceFenetre", QRect(10, 12, 24, 24), "DeplaceFenetre");
    ImageDeplaceFenetre->setCursor(Qt::PointingHandCursor);
    ImageDeplaceFenetre->setToolTip("Déplacer la fenêtre");
    connect(
        ImageDeplaceFenetre, &ControleImage::MouseDown, this,
        [this](ControleImage*, Qt::MouseButton, QPoint p) { DebuterDeplacement(p.x(), p.y()); });
    connect(ImageDeplaceFenetre, &ControleImage::MouseMove, this,
            [this](ControleImage*, QPoint p) { DeplacerFenetre(p.x(), p.y()); });
    connect(ImageDeplaceFenetre, &ControleImage::MouseUp, this,
            [this](ControleImage*, Qt::MouseButton, QPoint) {
                Proteger([this] { TerminerDeplacement(); });
            });

    BoutonImage b =
        CreerBoutonSkin(this, "Apropos", QRect(45, 14, 93, 35), "ImageApropos", "ImageClicApropos");
    ImageApropos = b.image;
    ImageClicApropos = b.clic;
    b = CreerBoutonSkin(this, "Maj", QRect(152, 14, 93, 35), "ImageMaj", "ImageClicMaj");
    ImageMaj = b.image;
    ImageClicMaj = b.clic;
    b = CreerBoutonSkin(this, "Aide", QRect(722, 10, 20, 20), "Aide", "ClicAide");
    ImageAide = b.image;
    ImageClicAide = b.clic;
    b = CreerBoutonSkin(this, "Reduire", QRect(746, 10, 20, 20), "Reduire", "ClicReduire");
    ImageReduire = b.image;
    ImageClicReduire = b.clic;
    b = CreerBoutonSkin(this, "Fermer", QRect(770, 10, 20, 20), "Croix", "ClicCroix");
    ImageFermer = b.image;
    ImageClicFermer = b.clic;
    LierBoutonImage(this, ImageApropos, [this] { ImageAproposClick(); });
    LierBoutonImage(this, ImageMaj, [this] { ImageMajClick(); });
    LierBoutonImage(this, ImageAide, [this] { ImageAideClick(); });
    LierBoutonImage(this, ImageReduire, [this] { ImageReduireClick(); });
    LierBoutonImage(this, ImageFermer, [this] { ImageFermerClick(); });

    LogoFrancais = Image(this, "LogoFrancais", QRect(716, 33, 36, 25), "LogoFrancais");
    LogoAnglais = Image(this, "LogoAnglais", QRect(755, 33, 36, 25), "LogoAnglais");
    LogoFrancais->setCursor(Qt::PointingHandCursor);
    LogoAnglais->setCursor(Qt::PointingHandCursor);
    connect(LogoFrancais, &ControleImage::Click, this, [this] { LogoFrancaisClick(); });
    connect(LogoAnglais, &ControleImage::Click, this, [this] { LogoAnglaisClick(); });
}

void TFormMain::CreerPage() {
    PageControlImportExport = new QTabWidget(this);
    PageControlImportExport->setObjectName("PageControlImportExport");
    PageControlImportExport->setGeometry(8, 64, 784, 508);
    PageControlImportExport->setIconSize(QSize(94, 19));
    Colorer(PageControlImportExport, QPalette::Window, kCouleurPanneau);
    TabSheetClients = new QWidget();
    TabSheetClients->setObjectName("TabSheetClients");
    TabSheetClients->setAutoFillBackground(true);
    Colorer(TabSheetClients, QPalette::Window, kCouleurPanneau);
    // Picture 1 of the page's image list: the tab carries a picture, no words.
    PageControlImportExport->addTab(TabSheetClients,
                                    QIcon(QPixmap::fromImage(ChargerImageSkin("Onglet"))), {});

    Panel4 = Panneau(TabSheetClients, "Panel4", QRect(2, 2, 774, 476));

    LbTitre1 = new EtiquetteTexte(Panel4, "LbTitre1");
    LbTitre2 = new EtiquetteTexte(Panel4, "LbTitre2");
    for (EtiquetteTexte* titre : {LbTitre1, LbTitre2}) {
        titre->setFont(PoliceSkin(11, true));
        Colorer(titre, QPalette::WindowText, kCouleurMarron);
    }
    LbTitre1->move(40, 10);
    LbTitre2->move(40, 194);

    BoutonImage b = CreerBoutonSkin(Panel4, "TableauExcel1", QRect(588, 16, 150, 21),
                                    "ImageTableauExcel1", "ImageClicTableauExcel1");
    ImageTableauExcel1 = b.image;
    ImageClicTableauExcel1 = b.clic;
    b = CreerBoutonSkin(Panel4, "TableauExcel2", QRect(588, 200, 150, 21), "ImageTableauExcel2",
                        "ImageClicTableauExcel2");
    ImageTableauExcel2 = b.image;
    ImageClicTableauExcel2 = b.clic;
    b = CreerBoutonSkin(Panel4, "ComparerExcel", QRect(654, 440, 107, 25), "ImageComparerExcel",
                        "ImageClicComparerExcel");
    ImageComparerExcel = b.image;
    ImageClicComparerExcel = b.clic;
    LierBoutonImage(this, ImageTableauExcel1, [this] { ImageTableauExcel1Click(); });
    LierBoutonImage(this, ImageTableauExcel2, [this] { ImageTableauExcel2Click(); });
    LierBoutonImage(this, ImageComparerExcel, [this] { ImageComparerExcelClick(); });

    CreerGrilles();

    Label27 = Etiquette(Panel4, "Label27", QRect(31, 369, 739, 15), {}, false);
    const int tiret = QFontMetrics(Label27->font()).horizontalAdvance('_');
    Label27->setText(QString(739 / std::max(1, tiret), '_'));

    CreerChoix();
}

void TFormMain::CreerGrilles() {
    ModeleExcel1 = new ModeleGrille(this);
    ModeleExcel2 = new ModeleGrille(this);
    StringGridExcel1 = new GrilleSaisie(Panel4, "StringGridExcel1", ModeleExcel1);
    StringGridExcel2 = new GrilleSaisie(Panel4, "StringGridExcel2", ModeleExcel2);
    StringGridExcel1->setGeometry(32, 56, 737, 134);
    StringGridExcel2->setGeometry(32, 240, 737, 134);
    for (GrilleSaisie* grille : {StringGridExcel1, StringGridExcel2}) {
        Colorer(grille, QPalette::Base, kCouleurSaisie);
    }
    connect(StringGridExcel1, &GrilleSaisie::TopLeftChanged, this,
            [this] { StringGridExcel1TopLeftChanged(); });
    connect(StringGridExcel2, &GrilleSaisie::TopLeftChanged, this,
            [this] { StringGridExcel2TopLeftChanged(); });
    connect(StringGridExcel1, &GrilleSaisie::SelectCell, this,
            [this](int c, int r) { StringGridExcel1SelectCell(c, r); });
    connect(StringGridExcel2, &GrilleSaisie::SelectCell, this,
            [this](int c, int r) { StringGridExcel2SelectCell(c, r); });
    connect(StringGridExcel1, &GrilleSaisie::MouseUp, this, [this] { StringGridExcel1MouseUp(); });
    connect(StringGridExcel2, &GrilleSaisie::MouseUp, this, [this] { StringGridExcel2MouseUp(); });

    for (int k = 0; k < 10; ++k) {
        const QString lettre(QChar('A' + k));
        LbLettreExcel1[static_cast<std::size_t>(k)] =
            Etiquette(Panel4, QString("LbLettreExcel1_%1").arg(k + 1),
                      QRect(kGauchesLettres[k], 40, 73, 17), lettre, true);
        LbLettreExcel2[static_cast<std::size_t>(k)] =
            Etiquette(Panel4, QString("LbLettreExcel2_%1").arg(k + 1),
                      QRect(kGauchesLettres[k], 224, 73, 17), lettre, true);
    }
    for (int k = 0; k < 6; ++k) {
        const QString numero = QString::number(k + 1);
        LbCptExcel1[static_cast<std::size_t>(k)] =
            Etiquette(Panel4, QString("LbCptExcel1_%1").arg(k + 1),
                      QRect(4, kHautsNumeros1[k], 29, 13), numero, true);
        LbCptExcel2[static_cast<std::size_t>(k)] =
            Etiquette(Panel4, QString("LbCptExcel2_%1").arg(k + 1),
                      QRect(4, kHautsNumeros2[k], 29, 13), numero, true);
    }
    // The clicks reach eventFilter, which hands them to the family's handler.
    for (auto* familles : {&LbLettreExcel1, &LbLettreExcel2}) {
        for (QLabel* lettre : *familles) {
            lettre->setAlignment(Qt::AlignCenter);
            lettre->setCursor(Qt::PointingHandCursor);
            lettre->installEventFilter(this);
        }
    }
    // Row numbers start at the labels' left edge; only the letters are centred.
    for (auto* familles : {&LbCptExcel1, &LbCptExcel2}) {
        for (QLabel* numero : *familles) {
            numero->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            numero->setCursor(Qt::PointingHandCursor);
            numero->installEventFilter(this);
        }
    }
}

void TFormMain::CreerChoix() {
    Panel1 = Panneau(Panel4, "Panel1", QRect(8, 392, 633, 81));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    const auto dessin = [this](const QComboBox* liste, QPainter* peintre, int index,
                               bool selectionne, const QRect& zone) {
        DessinerElementListe(liste, peintre, index, selectionne, zone);
    };
    const auto deroulement = [this](QComboBox* liste) { AjusterLargeurListe(liste); };

    CbTypeTri = new ListeDessinee(Panel1, "CbTypeTri", QRect(10, 18, 295, 21));
    CbTypeTri->addItems(
        {"Comparer les deux feuilles complètes.", "Effectuer une sélection pour la comparaison."});
    CbModeCompare = new ListeDessinee(Panel1, "CbModeCompare", QRect(330, 18, 295, 21));
    CbModeCompare->addItem("Mode de comparaison par défaut");
    connect(CbTypeTri, &QComboBox::activated, this, [this] { CbTypeTriChange(); });
    connect(CbModeCompare, &QComboBox::activated, this, [this] { CbModeCompareChange(); });
    for (ListeDessinee* liste : {CbTypeTri, CbModeCompare}) {
        liste->setFont(PoliceSkin(11));
        liste->DefinirDessin(dessin);
        liste->DefinirAvantDeroulement(deroulement);
        liste->setCurrentIndex(0);
    }

    LbEdCoorTab1 = Etiquette(Panel1, "LbEdCoorTab1", QRect(7, 49, 82, 14), "Tableau 1 :", true);
    LbEdCoorTab2 = Etiquette(Panel1, "LbEdCoorTab2", QRect(159, 49, 82, 14), "Tableau 2 :", true);
    LbEdCoorTab1->setToolTip("Effectuez une sélection sur votre Tableau 1 à l'aide de la souris");
    LbEdCoorTab2->setToolTip("Effectuez une sélection sur votre Tableau 2 à l'aide de la souris");
    EdCoorTab1 = new QLineEdit(Panel1);
    EdCoorTab2 = new QLineEdit(Panel1);
    EdCoorTab1->setObjectName("EdCoorTab1");
    EdCoorTab2->setObjectName("EdCoorTab2");
    EdCoorTab1->setGeometry(91, 44, 62, 24);
    EdCoorTab2->setGeometry(243, 44, 62, 24);
    for (QLineEdit* zone : {EdCoorTab1, EdCoorTab2}) {
        zone->setReadOnly(true);
        zone->setFont(PoliceSkin(11));
        Colorer(zone, QPalette::Base, kCouleurSaisie);
    }
    // The range boxes show only while selections are the scope.
    for (QWidget* controle :
         std::initializer_list<QWidget*>{LbEdCoorTab1, EdCoorTab1, LbEdCoorTab2, EdCoorTab2}) {
        controle->hide();
    }

    Image1 = Image(Panel1, "Image1", QRect(317, 10, 2, 60), "Separateur");

    const BoutonImage b = CreerBoutonSkin(Panel1, "Options", QRect(334, 44, 107, 25),
                                          "ImageOptions", "ImageClicOptions");
    ImageOptions = b.image;
    ImageClicOptions = b.clic;
    LierBoutonImage(this, ImageOptions, [this] { ImageOptionsClick(); });

    LbDetailComparaison = Etiquette(Panel1, "LbDetailComparaison", QRect(448, 49, 180, 16),
                                    "<= Paramétrez les options", true);
    Colorer(LbDetailComparaison, QPalette::WindowText, kCouleurMarron);
    LbDetailComparaison->setCursor(Qt::WhatsThisCursor);
    LbDetailComparaison->setMouseTracking(true);
    LbDetailComparaison->installEventFilter(this);
}

}  // namespace velmora
