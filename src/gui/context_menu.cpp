#include "gui/context_menu.h"

#include <QMenu>

namespace pesavia {

void RunEvent(const EventRunner& runner, const std::function<void()>& action) {
    if (runner)
        runner(action);
    else
        action();
}

void ReplaceContextMenu(QMenu*& menu, QWidget* owner, std::vector<MenuEntry> entries,
                        const EventRunner* runner) {
    delete menu;
    menu = nullptr;
    if (entries.empty()) return;
    menu = new QMenu(owner);
    for (auto& [caption, action] : entries)
        QObject::connect(menu->addAction(caption), &QAction::triggered, menu,
                         [runner, action = std::move(action)] { RunEvent(*runner, action); });
}

} // namespace pesavia
