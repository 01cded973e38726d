// The compare action of the main window: the display option for erased
// cells, then the final-table window on the current grids, scope and mode.

#include <memory>
#include <optional>

#include "compare/TFormTableauFinal.h"
#include "import/TFormMain.h"
#include "modes/TFormOptionAffichage.h"

namespace velmora {

void TFormMain::ImageComparerExcelClick() {
    {
        // Released when this block ends, also when the dialog fails.
        const auto dialogue = std::make_unique<TFormOptionAffichage>();
        AfficherDialogue(dialogue.get(), 2);
    }

    std::optional<ModeComparaison> mode;
    const int index = CbModeCompare->currentIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < ModesComparaison.size()) {
        mode = ModesComparaison[static_cast<std::size_t>(index)];
    }
    // Its result goes with it: each comparison starts from a fresh table.
    const auto fenetre = std::make_unique<TFormTableauFinal>(
        SourceGrille1(), SourceGrille2(), CbTypeTri->currentIndex(), std::move(mode));
    fenetre->AfficheSupprime = AfficheSupprime;
    AfficherDialogue(fenetre.get(), 2);
}

}  // namespace velmora
