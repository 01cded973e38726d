#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "app/BoutonImage.h"
#include "app/ControleImage.h"
#include "app/EtiquetteTexte.h"
#include "app/Habillage.h"
#include "app/ListeDessinee.h"
#include "compare/Table.h"
#include "modes/ModeComparaison.h"

class QDialog;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTableView;
class QTimer;

namespace velmora {

class GrilleSaisie;
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
    // Answer to the merged-cells question, read by the next import.
    bool CellulesFusionnees = false;
    // 1-based worksheet of the workbook being imported, set by the chooser.
    int NumFeuille = 1;
    // The loaded modes: entry i is item i of CbModeCompare (and of the
    // options dialog's list). Empty until the first load.
    std::vector<ModeComparaison> ModesComparaison;

    // What the comparison reads of each grid: its cells and its selection
    // rectangle, which may reach past the grid's last column or row.
    const TableSource& SourceGrille1() const;
    const TableSource& SourceGrille2() const;

    // Runs a modal dialog (the file dialog too) and returns when it is
    // closed; exec() unless replaced. Tests answer the dialogs through it
    // without an event loop of their own.
    std::function<void(QDialog*)> ExecuterDialogue;

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
    // One dialog for both import buttons: it opens on the file picked last.
    QFileDialog* OpenDialogExcel = nullptr;
    QTimer* TimerFermer = nullptr;

    // On the page, inside Panel4.
    QFrame* Panel4 = nullptr;
    EtiquetteTexte* LbTitre1 = nullptr;
    EtiquetteTexte* LbTitre2 = nullptr;
    ControleImage* ImageTableauExcel1 = nullptr;
    ControleImage* ImageClicTableauExcel1 = nullptr;
    ControleImage* ImageTableauExcel2 = nullptr;
    ControleImage* ImageClicTableauExcel2 = nullptr;
    GrilleSaisie* StringGridExcel1 = nullptr;
    GrilleSaisie* StringGridExcel2 = nullptr;
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

    // Spreadsheet headers and selections of the grids.
    void ConstruireLettresColonnes();
    // Renumber the ten column labels and six row labels after a scroll.
    void StringGridExcel1TopLeftChanged();
    void StringGridExcel2TopLeftChanged();
    // A cell about to become current: the grid's tooltip shows its text.
    void StringGridExcel1SelectCell(int colonne, int ligne);
    void StringGridExcel2SelectCell(int colonne, int ligne);
    // A mouse button released over the grid: its range box follows.
    void StringGridExcel1MouseUp();
    void StringGridExcel2MouseUp();
    // Header label clicks; `label` is one of the family, `shift` whether the
    // SHIFT key is down at the click.
    void LbLettreExcel1_1Click(QLabel* label, bool shift);
    void LbCptExcel1_1Click(QLabel* label, bool shift);
    void LbLettreExcel2_1Click(QLabel* label, bool shift);
    void LbCptExcel2_1Click(QLabel* label, bool shift);
    // Selection with anchor (gauche, haut) and current cell (droite, bas),
    // 0-based, neither clamped nor reordered; the view does not move.
    void SelectionnerZone(GrilleSaisie* grille, int gauche, int haut, int droite, int bas);
    // "B3 : D7": the grid's normalised selection in spreadsheet notation.
    QString TexteZone(const GrilleSaisie* grille) const;
    // Shows the range boxes for item 1 of CbTypeTri, hides them for item 0.
    void CbTypeTriChange();

    // Rebuilds ModesComparaison, the items of CbModeCompare and those of the
    // options dialog's list from the store (the built-in default mode when
    // it is empty), selects item 0 and describes it. Throws when the SELECT
    // fails, leaving the lists as they were.
    void ChargerModesComparaison();
    // The selected mode's description into the hint of LbDetailComparaison.
    void CbModeCompareChange();

    // Import buttons: merged-cells question, file dialog, import.
    void ImageTableauExcel1Click();
    void ImageTableauExcel2Click();
    // Reads a worksheet of `nomFichier` into the grid named `nomGrille`
    // ("StringGridExcel1" or "StringGridExcel2"). Failures to open the
    // workbook are reported; the window stays usable.
    void ImporterFeuilleExcel(const QString& nomGrille, const QString& nomFichier);
    // True while an import runs (pending events are processed meanwhile).
    bool ImportEnCours() const { return importEnCours_; }

    void ImageOptionsClick();        // options dialog
    void ImageMajClick();            // update download and launch
    void ImageComparerExcelClick();  // display option, then final table

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
    void RenumeroterEntetes(const GrilleSaisie* grille, std::array<QLabel*, 10>& lettres,
                            std::array<QLabel*, 6>& numeros);
    void CliquerLettre(GrilleSaisie* grille, QLineEdit* zone, const QLabel* label, bool shift);
    void CliquerNumero(GrilleSaisie* grille, QLineEdit* zone, const QLabel* label, bool shift);
    void ImporterDepuisBouton(const QString& nomGrille);
    void TraiterEvenementsImport();
    // Ends the program, or, during an import, once the import has unwound.
    void DemanderFin();

    bool prepare_ = false;
    bool importEnCours_ = false;
    // Set when the program is asked to end during an import: the import
    // stops at its next processing of pending events.
    bool finDemandee_ = false;
};

}  // namespace velmora
