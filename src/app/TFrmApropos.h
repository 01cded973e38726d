#pragma once

#include <QDialog>

#include "app/BoutonImage.h"
#include "app/Habillage.h"

class QLabel;

namespace velmora {

class EtiquetteTexte;

// The about window: the program's name, a line on what it does and its
// version read from [Version] versionexe of Param.ini when shown. Closes with
// its dark close button or Escape.
class TFrmApropos : public QDialog {
    Q_OBJECT

public:
    TFrmApropos();

    QLabel* LbTitre = nullptr;
    EtiquetteTexte* LbDescription = nullptr;
    QLabel* LlbVersionExe = nullptr;
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
