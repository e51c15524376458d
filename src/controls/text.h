#pragma once
#include "control.h"

namespace pesavia {

// A text field, a read-only text or a label. The model holds the text exactly as shown.
class Text : public Control {
public:
    explicit Text(std::string text = {}) : text_(std::move(text)) {}
    virtual ~Text() = default;

    const std::string& text() const { return text_; }
    virtual void setText(std::string t) { if (t != text_) { text_ = std::move(t); changed(); } }
    Rgb color() const { return color_; }
    void setColor(Rgb c) { if (!(c == color_)) { color_ = c; changed(); } }

    std::function<void()> OnChange;
    std::function<void()> OnExit;

    // The operator edits the field's text.
    void type(std::string t) { setText(std::move(t)); if (OnChange) OnChange(); }
    // The operator leaves the field.
    void leave() { if (OnExit) OnExit(); }

private:
    std::string text_;
    Rgb color_;
};

// A masked date field ("!99/99/0000;1;_"): the text keeps the blanks and slashes of the mask, at most
// 10 characters; the blank field reads "  /  /    ".
class MaskedDate : public Text {
public:
    static constexpr const char* Blank = "  /  /    ";
    MaskedDate() : Text(Blank) {}
    // An empty text shows the blank mask; the field holds at most 10 characters.
    void setText(std::string t) override {
        if (t.empty()) t = Blank;
        if (t.size() > 10) t.resize(10);
        Text::setText(std::move(t));
    }
};

} // namespace pesavia
