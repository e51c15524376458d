#include "controls/error.h"
#include "gui/guard.h"
#include "gui/main_window.h"
#include "gui/param_window.h"
#include "gui/qt_desktop.h"
#include "gui/sheet_windows.h"
#include "gui/window_layout.h"
#include "shell/main_form.h"
#include "store/programme.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Without a display Qt aborts with a message about platform plugins; say plainly what is missing.
bool displayAvailable() {
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("Pesavia a besoin d'un affichage graphique pour s'ouvrir : aucun n'est disponible "
                   "(ni DISPLAY, ni WAYLAND_DISPLAY, ni QT_QPA_PLATFORM).\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pesavia"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(pesavia::DesignFont());
    // Group captions sit on the frame line, as the operators know them.
    app.setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid #808080; margin: 7px 2px 2px 2px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"));
    // The main window ends the program when it closes; hiding it behind a modal window must not.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace pesavia;
    Programme programme;
    QtDesktop desktop;
    RegisterParamWindow(desktop);
    RegisterSheetWindows(desktop);

    std::optional<TFormMain> form;
    RunGuarded(desktop, [&] { form.emplace(programme, desktop); });
    if (!form || desktop.terminateRequested()) return 1;

    MainWindow window(*form, desktop);
    window.show();
    return QApplication::exec();
}
