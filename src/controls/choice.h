#pragma once
#include "control.h"

#include <vector>

namespace pesavia {

// An editable drop-down list that upper-cases what the operator types and completes a typed prefix of a
// listed item. Only the operator's actions (type, pick) run OnSelect; the program's own changes never do.
class ComboBox : public Control {
public:
    const std::vector<std::string>& items() const { return items_; }
    int itemIndex() const { return itemIndex_; }
    const std::string& text() const { return text_; }

    void clearItems();
    void addItem(std::string item);
    void setText(std::string t);
    // Selects item i (−1 for none) and shows its text, without running OnSelect.
    void setItemIndex(int i);

    std::function<void()> OnSelect;

    // The operator types `typed` into the field. The text is upper-cased; when it begins a listed item
    // (compared without regard to case) that item is selected, the text completed and OnSelect run.
    // Otherwise no item is selected. `complete` is false for deletions, which never complete.
    void type(const std::string& typed, bool complete = true);
    // The operator picks item i from the list.
    void pick(int i);

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    std::string text_;
};

// A radio group. Setting the index clamps it to −1 .. count − 1; a change to a real item runs OnClick,
// exactly as the operator's click does; clearing the selection (−1) runs nothing.
class RadioGroup : public Control {
public:
    explicit RadioGroup(std::vector<std::string> items = {}) : items_(std::move(items)) {}
    const std::vector<std::string>& items() const { return items_; }
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);

    std::function<void()> OnClick;
    // The operator clicks item i.
    void click(int i) { setItemIndex(i); }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// A spin field with bounds. What the operator types is kept as typed (and counted as typed) until the
// field is left; only then, or when the program sets the value, is it brought back within the bounds.
class SpinEdit : public Control {
public:
    SpinEdit(int minimum, int maximum, int value) : min_(minimum), max_(maximum) { setValue(value); }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    const std::string& text() const { return text_; }
    // The text read as an integer; a text that is not one counts as the minimum.
    int value() const;
    void setValue(int v);

    std::function<void()> OnChange;
    // The operator types into the field: the count changes at once.
    void type(std::string typed);
    // The operator presses the up or down arrow.
    void step(int delta);
    // The operator leaves the field: the value is clamped to the bounds.
    void leave();

private:
    int min_, max_;
    std::string text_;
};

} // namespace pesavia
