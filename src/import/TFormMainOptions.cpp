// The options and update buttons of the main window.

#include "import/TFormMain.h"

namespace velmora {

void TFormMain::ImageOptionsClick() {}
void TFormMain::ImageMajClick() {}

}  // namespace velmora
