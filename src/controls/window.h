#pragma once
#include "signal.h"

#include <string>

namespace pesavia {

// The base of every window model: it can be hidden and shown, and asks its window to close.
class WindowModel {
public:
    virtual ~WindowModel() = default;

    bool visible() const { return visible_; }
    void setVisible(bool v) { if (v != visible_) { visible_ = v; visibilityChanged(); } }
    // Asks the window showing this model to close (a modal window then returns to its opener).
    void Close() { closeRequested(); }

    Signal<> visibilityChanged;
    Signal<> closeRequested;

private:
    bool visible_ = true;
};

} // namespace pesavia
