#pragma once

namespace pesavia {

class QtDesktop;

// Makes the weighing sheet's windows (the sheet, the inventory) known to the Qt Desktop.
void RegisterSheetWindows(QtDesktop& desktop);

} // namespace pesavia
