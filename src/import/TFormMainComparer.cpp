// The compare action of the main window.

#include "import/TFormMain.h"

namespace velmora {

void TFormMain::ImageComparerExcelClick() {}

}  // namespace velmora
