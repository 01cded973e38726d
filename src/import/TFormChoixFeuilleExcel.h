#pragma once

#include <QDialog>

#include "app/BoutonImage.h"
#include "app/Habillage.h"
#include "app/ListeDessinee.h"

class QFrame;
class QLabel;

namespace velmora {

// The worksheet chooser shown by an import when the workbook has several
// worksheets: a list of "Feuille 1".. "Feuille 10" filled by the import.
// Validating writes the main window's NumFeuille; cancelling (button, cross
// or Escape) clears ChoixValide. A single instance, reused.
class TFormChoixFeuilleExcel : public QDialog {
    Q_OBJECT

public:
    TFormChoixFeuilleExcel();

    // False once the chooser was cancelled; the import sets it to true
    // before showing the chooser.
    bool ChoixValide = true;

    QLabel* LbTitre = nullptr;
    QFrame* PanelCentre = nullptr;
    QLabel* LbChoixFeuilleExcel = nullptr;
    ListeDessinee* CbChoixFeuille = nullptr;
    ControleImage* ImageAnnuler = nullptr;
    ControleImage* ImageClicAnnuler = nullptr;
    ControleImage* ImageValider = nullptr;
    ControleImage* ImageClicValider = nullptr;
    ControleImage* ImageCroixFermer = nullptr;
    ControleImage* ImageClicCroixFermer = nullptr;

    void FormShow();
    void ImageValiderClick();
    // Also the close cross's handler and Escape's.
    void ImageAnnulerClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // FormKeyUp of the window and of its list: Escape cancels.
    bool FormKeyUp(const QKeyEvent* event);
};

}  // namespace velmora
