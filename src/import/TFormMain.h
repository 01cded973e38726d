#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

#include "app/BoutonImage.h"
#include "app/ControleImage.h"
#include "app/EtiquetteTexte.h"
#include "app/Habillage.h"
#include "app/ListeDessinee.h"

class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTableView;
class QTimer;

namespace velmora {

class ModeleGrille;

// The main window: the two input grids with their headers, the scope and
// mode choices, and the buttons that open every other dialog. Borderless,
// 799 × 580, positioned only from Param.ini.
class TFormMain : public QWidget {
    Q_OBJECT

public:
    TFormMain();

    // Interface language applied to this window: empty until the first
    // show, then "francais" or "anglais".
    QString LangueCourante;
    // Header-click state of the grids: "non", or "oui" while a header click
    // checks the SHIFT key again.
    QString ShiftVerifie;
    // Column names: entry c + 1 names grid column c.
    QStringList LettresColonnes;
    // Display option for erased cells, set by the display-option dialog.
    bool AfficheSupprime = false;

    // Drag of the window by its handle; the start point is inside the handle.
    bool DeplacementEnCours = false;
    int PointDepartX = 0;
    int PointDepartY = 0;

    // Controls directly on the window.
    ControleImage* ImageFond = nullptr;
    ControleImage* Image3 = nullptr;
    ControleImage* Image5 = nullptr;
    CadreFenetre Cadre;
    ControleImage* ImageDeplaceFenetre = nullptr;
    ControleImage* ImageApropos = nullptr;
    ControleImage* ImageClicApropos = nullptr;
    ControleImage* ImageMaj = nullptr;
    ControleImage* ImageClicMaj = nullptr;
    ControleImage* ImageAide = nullptr;
    ControleImage* ImageClicAide = nullptr;
    ControleImage* ImageReduire = nullptr;
    ControleImage* ImageClicReduire = nullptr;
    ControleImage* ImageFermer = nullptr;
    ControleImage* ImageClicFermer = nullptr;
    ControleImage* LogoFrancais = nullptr;
    ControleImage* LogoAnglais = nullptr;
    QTabWidget* PageControlImportExport = nullptr;
    QWidget* TabSheetClients = nullptr;
    QPlainTextEdit* MemoErreur = nullptr;
    QTimer* TimerFermer = nullptr;

    // On the page, inside Panel4.
    QFrame* Panel4 = nullptr;
    EtiquetteTexte* LbTitre1 = nullptr;
    EtiquetteTexte* LbTitre2 = nullptr;
    ControleImage* ImageTableauExcel1 = nullptr;
    ControleImage* ImageClicTableauExcel1 = nullptr;
    ControleImage* ImageTableauExcel2 = nullptr;
    ControleImage* ImageClicTableauExcel2 = nullptr;
    QTableView* StringGridExcel1 = nullptr;
    QTableView* StringGridExcel2 = nullptr;
    ModeleGrille* ModeleExcel1 = nullptr;
    ModeleGrille* ModeleExcel2 = nullptr;
    // LbLettreExcel<g>_<k> at index k − 1.
    std::array<QLabel*, 10> LbLettreExcel1{};
    std::array<QLabel*, 10> LbLettreExcel2{};
    std::array<QLabel*, 6> LbCptExcel1{};
    std::array<QLabel*, 6> LbCptExcel2{};
    QLabel* Label27 = nullptr;
    ControleImage* ImageComparerExcel = nullptr;
    ControleImage* ImageClicComparerExcel = nullptr;

    // Inside Panel1.
    QFrame* Panel1 = nullptr;
    ListeDessinee* CbTypeTri = nullptr;
    QLabel* LbEdCoorTab1 = nullptr;
    QLineEdit* EdCoorTab1 = nullptr;
    QLabel* LbEdCoorTab2 = nullptr;
    QLineEdit* EdCoorTab2 = nullptr;
    ControleImage* Image1 = nullptr;
    ListeDessinee* CbModeCompare = nullptr;
    ControleImage* ImageOptions = nullptr;
    ControleImage* ImageClicOptions = nullptr;
    QLabel* LbDetailComparaison = nullptr;

    // Preparation at the first show: headers, position, language, modes.
    void FormShow();
    // A close command on the window ends the program.
    void FormClose();
    // Hides the splash once this window is visible, then stops.
    void TimerFermerTimer();
    void ImageReduireClick();
    void ImageFermerClick();
    void ImageAproposClick();
    void ImageAideClick();

    // Language switch: LangueCourante, Param.ini, texts, CbTypeTri's items,
    // the pictures with words. A failed write of Param.ini throws
    // ErreurEcritureParametres after LangueCourante has changed.
    void BasculerLangue(const QString& langue);
    void LogoFrancaisClick();
    void LogoAnglaisClick();

    // Drag by ImageDeplaceFenetre; x and y are relative to the handle.
    void DebuterDeplacement(int x, int y);
    void DeplacerFenetre(int x, int y);
    // Stores the position in Param.ini; throws ErreurEcritureParametres.
    void TerminerDeplacement();

    void PlacerFenetre(const QWidget* reference, QWidget* dialogue);
    void AjusterLargeurListe(QComboBox* liste);
    void DessinerElementListe(const QComboBox* liste, QPainter* peintre, int index,
                              bool selectionne, const QRect& zone);
    // Shows the hint of the mode description at once at `positionEcran`.
    void LbDetailComparaisonMouseMove(const QPoint& positionEcran);

    // Shows `dialogue` modally over this window, under the overlay of `slot`.
    void AfficherDialogue(QDialog* dialogue, int slot);

    // Behaviour of the headers, the import, the modes, the update and the
    // comparison; each is filled in by the piece that provides it.
    void ConstruireLettresColonnes();       // column-letter table A..AZ
    void StringGridExcel1TopLeftChanged();  // renumbering of grid 1's header labels
    void StringGridExcel2TopLeftChanged();  // renumbering of grid 2's header labels
    void ChargerModesComparaison();         // mode list from the store into CbModeCompare
    void ImageTableauExcel1Click();         // import of a worksheet into grid 1
    void ImageTableauExcel2Click();         // import of a worksheet into grid 2
    void ImageOptionsClick();               // options dialog
    void ImageMajClick();                   // update download and launch
    void ImageComparerExcelClick();         // display option, then final table

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void CreerBandeau();
    void CreerPage();
    void CreerGrilles();
    void CreerChoix();
    void AppliquerTextes(bool anglais);

    bool prepare_ = false;
};

}  // namespace velmora
