// The options and update buttons of the main window.

#include "app/Fenetres.h"
#include "import/TFormMain.h"
#include "modes/TFormOptions.h"
#include "update/MiseAJourFenetre.h"

namespace velmora {

void TFormMain::ImageOptionsClick() {
    if (TFormOptions* options = FenetresProgramme().FormOptions) {
        AfficherDialogue(options, 2);
    }
}

void TFormMain::ImageMajClick() {
    Proteger([this] { LancerMiseAJour(this, LangueCourante); });
}

}  // namespace velmora
