#include "gui/window_layout.h"

#include <QScreen>
#include <QWidget>

namespace pesavia {

QFont DesignFont() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    return f;
}

void CentreOnOwner(QWidget& window) {
    QRect owner;
    if (QWidget* parent = window.parentWidget())
        owner = parent->window()->frameGeometry();
    else if (QScreen* screen = window.screen())
        owner = screen->availableGeometry();
    if (owner.isValid()) window.move(owner.center() - window.rect().center());
}

} // namespace pesavia
