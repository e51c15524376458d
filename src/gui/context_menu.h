#pragma once
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QMenu;
class QWidget;

namespace pesavia {

// Runs one forwarded event; a window passes its error boundary so that a failure never crosses the event
// loop. Unset: the action runs as it is.
using EventRunner = std::function<void(const std::function<void()>&)>;
void RunEvent(const EventRunner& runner, const std::function<void()>& action);

// One entry of a context menu: its caption and what it does.
using MenuEntry = std::pair<QString, std::function<void()>>;

// Replaces `menu` (owned by `owner`) with one holding the entries, each run through `runner` when chosen
// (`runner` is read when the entry is chosen, so it may be set later). No entries: no menu.
void ReplaceContextMenu(QMenu*& menu, QWidget* owner, std::vector<MenuEntry> entries,
                        const EventRunner* runner);

} // namespace pesavia
