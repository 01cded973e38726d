// The mode list of the main window and the description of its selection.
#include <stdexcept>

#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "import/DescriptionMode.h"
#include "import/TFormMain.h"
#include "modes/MagasinModes.h"
#include "modes/TDataModule1.h"

#if __has_include("modes/TFormOptions.h")
#include "modes/TFormOptions.h"
#define VELMORA_AVEC_OPTIONS 1
#endif

namespace velmora {

void TFormMain::ChargerModesComparaison() {
    TDataModule1* module = FenetresProgramme().DataModule1;
    if (module == nullptr) {
        throw std::runtime_error("Comp.qnr : la base des modes n'est pas ouverte");
    }
    // Read first: a failed SELECT leaves both lists and the hint as they were.
    std::vector<ModeComparaison> modes = ChargerModes(*module);
    if (modes.empty()) {
        modes.push_back(ModeParDefaut(LangueCourante == "anglais"));
    }
    ModesComparaison = std::move(modes);

    QStringList titres;
    for (const ModeComparaison& mode : ModesComparaison) {
        titres.append(QString::fromStdString(mode.Intitule));
    }
    CbModeCompare->clear();
    CbModeCompare->addItems(titres);
    CbModeCompare->setCurrentIndex(0);
#ifdef VELMORA_AVEC_OPTIONS
    if (TFormOptions* options = FenetresProgramme().FormOptions) {
        if (options->CbModeCompare != nullptr) {
            options->CbModeCompare->clear();
            options->CbModeCompare->addItems(titres);
            options->CbModeCompare->setCurrentIndex(0);
        }
    }
#endif
    CbModeCompareChange();
}

void TFormMain::CbModeCompareChange() {
    const int index = CbModeCompare->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= ModesComparaison.size()) {
        return;
    }
    LbDetailComparaison->setToolTip(TexteAffiche(DescriptionMode(
        ModesComparaison[static_cast<std::size_t>(index)], LangueCourante == "anglais")));
}

}  // namespace velmora
