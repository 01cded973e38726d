#pragma once

#include <QDialog>
#include <QString>

#include "app/BoutonImage.h"
#include "app/ControleImage.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace velmora {

// The title dialog of a new mode, shown by the options dialog's save as.
// Validating hands the trimmed title to the options dialog's IntituleSaisi
// and empties the box; cancelling leaves both as they are, so the typed text
// is still there at the next showing.
class TFormEnregistre : public QDialog {
    Q_OBJECT

public:
    TFormEnregistre();

    QString LangueCourante;

    QLabel* LbTitre = nullptr;
    ControleImage* ImageCroixFermer = nullptr;
    ControleImage* ImageClicCroixFermer = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* LbIntit = nullptr;
    QLineEdit* EdIntitule = nullptr;
    ControleImage* ImageAnnuler = nullptr;
    ControleImage* ImageClicAnnuler = nullptr;
    ControleImage* ImageValider = nullptr;
    ControleImage* ImageClicValider = nullptr;

    void FormShow();
    void ImageValiderClick();
    void ImageAnnulerClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;
};

// `texte` without its leading and trailing characters of code 32 or less.
QString SansBlancsAutour(const QString& texte);

}  // namespace velmora
