#pragma once
#include "controls/control.h"

#include <functional>

namespace pesavia {

// An up/down button pair without a value of its own: each arrow only runs its handler.
class SpinButton : public Control {
public:
    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;

    // The operator presses the up or the down arrow.
    void up() {
        if (OnUpClick) OnUpClick();
    }
    void down() {
        if (OnDownClick) OnDownClick();
    }
};

} // namespace pesavia
