#pragma once
#include <QFont>

class QWidget;

namespace pesavia {

// The font the windows are laid out for: Arial's metrics at the original's 8 points (11 pixels), so that
// captions fit the design's sizes.
QFont DesignFont();

// Moves a window so that it opens centred on the window that owns it (or on its screen).
void CentreOnOwner(QWidget& window);

} // namespace pesavia
