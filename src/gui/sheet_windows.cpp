#include "gui/sheet_windows.h"

namespace pesavia {

void RegisterSheetWindows(QtDesktop&) {}

} // namespace pesavia
