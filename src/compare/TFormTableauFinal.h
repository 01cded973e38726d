#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "app/BoutonImage.h"
#include "app/Habillage.h"
#include "compare/EnTetesTableauFinal.h"
#include "compare/Table.h"
#include "compare/TableauFinal.h"
#include "modes/ModeComparaison.h"

class QFrame;
class QLabel;
class QProgressBar;
class QTableView;
class QTimer;

namespace velmora {

class EtiquetteTexte;
class ModeleTableauFinal;

// The final-table window: created for one comparison, it runs it by itself
// 10 ms after it is shown, shows the tinted result with its legend and
// exports it on demand. Shown modally by its creator, which releases it once
// exec() has returned.
//
// Closing the window while the comparison runs abandons the comparison: the
// close is taken at once and the comparison stops at its next progress step,
// before exec() returns. The save button does nothing until the comparison
// has finished, and the close and save buttons do nothing while an export
// runs.
class TFormTableauFinal : public QDialog {
    Q_OBJECT

public:
    enum class Etat {
        Attente,      // shown, the comparison not started
        Comparaison,  // the comparison or its filter runs
        Terminee,     // the result is final (also when no mode was selected)
        Interrompue,  // closed before the comparison finished
    };

    // The inputs are read when the comparison starts; the two grids must
    // outlive the window and stay unchanged while it is open. `mode` is
    // nothing when no mode is selected: the window then compares nothing.
    TFormTableauFinal(const TableSource& grille1, const TableSource& grille2, int typeTri,
                      std::optional<ModeComparaison> mode);
    ~TFormTableauFinal() override;

    // "anglais" or another value (French), read from Param.ini when shown.
    QString LangueCourante;
    // Erased cells keep their old text; set by the creator before the show.
    bool AfficheSupprime = false;
    // How long the completion notice stays, in milliseconds.
    int DureeNotice = 1000;

    CadreFenetre Cadre;
    QFrame* Panel4 = nullptr;
    EtiquetteTexte* LbTitre = nullptr;
    EnTetesTableauFinal EnTetes;
    QTableView* StringGridExcelFinal = nullptr;
    ModeleTableauFinal* Modele = nullptr;
    QFrame* PanelLegende = nullptr;
    QLabel* LbLegende = nullptr;
    QFrame* ShapeDispo = nullptr;
    QFrame* ShapeIndispo = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* LbCellAjoutee = nullptr;
    QLabel* LbCellModifiee = nullptr;
    QLabel* LbCellSupprimee = nullptr;
    ControleImage* ImageFermer = nullptr;
    ControleImage* ImageClicFermer = nullptr;
    ControleImage* ImageEnregistrer = nullptr;
    ControleImage* ImageClicEnregistrer = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QTimer* TimerDepart = nullptr;

    // The final table: StringGridExcelFinal's texts and CouleursCellules.
    const TableauFinal& Tableau() const { return tableau_; }
    Etat EtatComparaison() const { return etat_; }
    bool ExportEnCours() const { return exportEnCours_; }

    // Language, captions, progress bar colours, a repaint, then TimerDepart.
    void FormShow();
    // The driver: compares, filters and announces completion, once.
    void TimerDepartTimer();
    // The selected cell's full text becomes the grid's hint.
    void StringGridExcelFinalSelectCell(int colonne, int ligne);
    // Renumbers the header labels after a scroll.
    void StringGridExcelFinalTopLeftChanged();
    void ImageFermerClick();
    // Exports the final table to Temp_Result.xls beside the program.
    void ImageEnregistrerClick();

    // Every way of closing (the close button, Escape, a close command)
    // ends here.
    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void CreerPanneau();
    void CreerLegende();
    void AppliquerLangue();
    void AfficherMessage(const QString& texte);

    const TableSource& grille1_;
    const TableSource& grille2_;
    int typeTri_;
    std::optional<ModeComparaison> mode_;
    TableauFinal tableau_;
    Etat etat_ = Etat::Attente;
    bool fermetureDemandee_ = false;
    bool exportEnCours_ = false;
};

}  // namespace velmora
