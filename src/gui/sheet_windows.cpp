#include "gui/sheet_windows.h"

#include "gui/fiche_window.h"
#include "gui/inventaire_window.h"
#include "gui/qt_desktop.h"
#include "sheet/fiche.h"
#include "sheet/inventaire.h"

#include <memory>

namespace pesavia {

void RegisterSheetWindows(QtDesktop& desktop) {
    desktop.registerWindow<TFormFiche>(
        [&desktop](TFormFiche& fiche, QWidget* parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<FicheWindow>(fiche, desktop, parent);
        });
    desktop.registerWindow<TFormInventaire>(
        [&desktop](TFormInventaire& inventaire, QWidget* parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<InventaireWindow>(inventaire, desktop, parent);
        });
}

} // namespace pesavia
