#pragma once
#include "signal.h"

#include <cstdint>
#include <functional>
#include <string>

namespace pesavia {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What every control shares: visibility, enabled state and a hint, with one change notification.
class Control {
public:
    bool visible() const { return visible_; }
    void setVisible(bool v) { if (v != visible_) { visible_ = v; changed(); } }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e) { if (e != enabled_) { enabled_ = e; changed(); } }
    const std::string& hint() const { return hint_; }
    void setHint(std::string h) { hint_ = std::move(h); changed(); }

    Signal<> changed;

protected:
    Control() = default;

private:
    bool visible_ = true;
    bool enabled_ = true;
    std::string hint_;
};

// A group box or panel: only its visibility matters to the behaviour.
class Box : public Control {};

class Button : public Control {
public:
    explicit Button(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { caption_ = std::move(c); changed(); }

    std::function<void()> OnClick;
    // The operator presses the button.
    void click() { if (OnClick) OnClick(); }

private:
    std::string caption_;
};

} // namespace pesavia
