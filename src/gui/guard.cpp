#include "gui/guard.h"

#include "controls/error.h"

#include <exception>

namespace pesavia {

void RunGuarded(Desktop& desktop, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        // pesavia::Error carries the French text the operator reads; other exceptions are shown as they are.
        desktop.ShowMessage(e.what(), MessageKind::Error);
    } catch (...) {
        desktop.ShowMessage("Erreur inattendue : l'opération en cours a été interrompue.",
                            MessageKind::Error);
    }
}

} // namespace pesavia
