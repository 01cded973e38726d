#pragma once

#include <QDialog>

#include "app/BoutonImage.h"
#include "app/Habillage.h"

class QFrame;
class QLabel;
class QRadioButton;
class QTimer;

namespace velmora {

// Asks, before each comparison, whether erased cells keep their old text.
// Created for one comparison and released after it; its validate button is
// its only way out. The answer goes to [Affichage] CelluleSup of Param.ini
// and to the main window's AfficheSupprime.
class TFormOptionAffichage : public QDialog {
    Q_OBJECT

public:
    TFormOptionAffichage();

    QLabel* LbTitreMaster = nullptr;
    QFrame* Panel4 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* LbTitre = nullptr;
    QRadioButton* RbEffaceSupprime = nullptr;
    QRadioButton* RbAfficheSupprime = nullptr;
    ControleImage* ImageValider = nullptr;
    ControleImage* ImageClicValider = nullptr;
    QTimer* TimerCurseur = nullptr;

    // Texts in the stored language, pointer warp, choice preselected from
    // CelluleSup.
    void FormShow();
    // Writes CelluleSup, then sets the main window's AfficheSupprime, then
    // closes. A failed write is shown (SignalerErreur) and the choice is
    // still applied for this run.
    void ImageValiderClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
};

}  // namespace velmora
