#pragma once

#include "app/BoiteMessage.h"
#include "app/BoutonImage.h"

namespace velmora {

// The message box: the caller sets LbAlert's text, then shows the box
// modally (exec) or as a transient notice. It closes with its close button,
// its alert icon, Escape, Enter or Space (on release of the key).
class TFormShowMessageInterne : public BoiteMessage {
    Q_OBJECT

public:
    TFormShowMessageInterne();

    ControleImage* ImageFermer = nullptr;
    ControleImage* ImageClicFermer = nullptr;

    void ImageFermerClick();

    // Shows `texte` over `fenetre` without waiting for the user: the box is
    // painted without its close button, stays `dureeMs` milliseconds while
    // the program waits, then closes.
    void AfficherNotice(const QWidget* fenetre, const QString& texte, int dureeMs = 1000);

protected:
    void showEvent(QShowEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void FormShow();
};

}  // namespace velmora
