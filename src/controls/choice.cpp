#include "choice.h"

#include "text_case.h"

#include <algorithm>
#include <charconv>

namespace pesavia {

void ComboBox::clearItems() {
    items_.clear();
    itemIndex_ = -1;
    changed();
}

void ComboBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    changed();
}

void ComboBox::setText(std::string t) {
    text_ = std::move(t);
    changed();
}

void ComboBox::setItemIndex(int i) {
    itemIndex_ = (i >= 0 && i < static_cast<int>(items_.size())) ? i : -1;
    if (itemIndex_ >= 0) text_ = items_[static_cast<size_t>(itemIndex_)];
    changed();
}

void ComboBox::type(const std::string& typed, bool complete) {
    const std::string upper = ToUpperUtf8(typed);
    itemIndex_ = -1;
    text_ = upper;
    if (complete && !upper.empty()) {
        for (size_t i = 0; i < items_.size(); ++i) {
            if (StartsWithNoCase(items_[i], upper)) {
                itemIndex_ = static_cast<int>(i);
                text_ = items_[i];
                break;
            }
        }
    }
    changed();
    if (itemIndex_ >= 0 && OnSelect) OnSelect();
}

void ComboBox::pick(int i) {
    setItemIndex(i);
    if (itemIndex_ >= 0 && OnSelect) OnSelect();
}

void RadioGroup::setItemIndex(int i) {
    const int clamped = std::clamp(i, -1, static_cast<int>(items_.size()) - 1);
    if (clamped == itemIndex_) return;
    itemIndex_ = clamped;
    changed();
    if (itemIndex_ >= 0 && OnClick) OnClick();
}

int SpinEdit::value() const {
    size_t b = 0, e = text_.size();
    while (b < e && text_[b] == ' ') ++b;
    while (e > b && text_[e - 1] == ' ') --e;
    const char* first = text_.data() + b;
    const char* last = text_.data() + e;
    if (first != last && *first == '+') ++first;
    int v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (first == last || ec != std::errc() || ptr != last) return min_;
    return v;
}

void SpinEdit::setValue(int v) {
    text_ = std::to_string(std::clamp(v, min_, max_));
    changed();
}

void SpinEdit::type(std::string typed) {
    text_ = std::move(typed);
    changed();
    if (OnChange) OnChange();
}

void SpinEdit::step(int delta) {
    const int before = value();
    setValue(before + delta);
    if (value() != before && OnChange) OnChange();
}

void SpinEdit::leave() {
    const std::string before = text_;
    setValue(value());
    if (text_ != before && OnChange) OnChange();
}

} // namespace pesavia
