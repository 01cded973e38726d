#pragma once

#include "app/BoiteMessage.h"
#include "app/BoutonImage.h"

namespace velmora {

// The yes/no question box: the caller sets LbAlert's text, shows the box
// modally, then reads ReponseOui. Enter and Space answer Oui, Escape Non;
// a close by any other means leaves ReponseOui as it was.
class TFormMessageDialogInterne : public BoiteMessage {
    Q_OBJECT

public:
    TFormMessageDialogInterne();

    ControleImage* ImageNon = nullptr;
    ControleImage* ImageClicNon = nullptr;
    ControleImage* ImageOui = nullptr;
    ControleImage* ImageClicOui = nullptr;

    // Answer of the last question; false until the first Oui, never reset by
    // the box itself.
    bool ReponseOui = false;

    void ImageNonClick();
    void ImageOuiClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void FormShow();
};

}  // namespace velmora
