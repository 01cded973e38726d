#pragma once

#include <QDialog>
#include <array>

#include "app/BoutonImage.h"
#include "app/Habillage.h"

class QFrame;

namespace velmora {

class EtiquetteTexte;

// The user guide: a fixed page of help texts in the stored language, with a
// single close button. Escape does nothing.
class TFormAide : public QDialog {
    Q_OBJECT

public:
    TFormAide();

    EtiquetteTexte* LbTitre = nullptr;
    QFrame* Panel1 = nullptr;
    // LbTexte1 to LbTexte10 at indices 0 to 9.
    std::array<EtiquetteTexte*, 10> LbTexte{};
    EtiquetteTexte* Label6 = nullptr;
    ControleImage* ImageFermer = nullptr;
    ControleImage* ImageClicFermer = nullptr;

    void ImageFermerClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
};

}  // namespace velmora
