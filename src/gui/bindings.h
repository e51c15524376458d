#pragma once
#include "controls/choice.h"
#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/picture.h"
#include "controls/text.h"
#include "controls/window.h"

#include <QImage>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace pesavia {

class PictureView;
class SpinField;

QString ToQString(const std::string& utf8);
std::string ToStdString(const QString& text);
// The picture's pixels as a Qt image (a null image for no picture).
QImage ToQImage(const Image* image);

// Binds widgets to control models. The operator's actions on a widget reach the model's operator actions
// (Text::type, ComboBox::pick, ...), each through the error boundary; the model's changes reach the widget
// without firing any of them again. Every binding lives as long as its widget, and the model must outlive
// the widget.
class Binder {
  public:
    explicit Binder(Desktop& desktop) : desktop_(desktop) {}
    Desktop& desktop() const { return desktop_; }

    // Runs a handler through the error boundary (for events a window forwards itself).
    void run(const std::function<void()>& handler) const;

    // Visibility, enabled state and hint (as tooltip) of any control.
    void control(QWidget* widget, Control& model) const;
    // A text field: typing runs Text::type, losing the focus to another control runs Text::leave.
    void text(QLineEdit* widget, Text& model) const;
    // A read-only text or label, with its colour.
    void label(QLabel* widget, Text& model) const;
    // A masked date field. The widget shows the mask "99/99/9999"; the model keeps the text with its blanks
    // ("  /  /    "), which is never read back from the widget's own text().
    void date(QLineEdit* widget, MaskedDate& model) const;
    // An editable drop-down list: the model upper-cases and completes what is typed (the completed part is
    // shown selected); picking from the list runs ComboBox::pick.
    void combo(QComboBox* widget, ComboBox& model) const;
    // A radio group, one button per item in order; index −1 shows no button checked.
    void radio(const std::vector<QRadioButton*>& buttons, RadioGroup& model) const;
    // A spin field: typed text runs SpinEdit::type, the arrows SpinEdit::step, leaving SpinEdit::leave.
    void spin(SpinField* widget, SpinEdit& model) const;
    // A picture box with the model's picture and visibility.
    void picture(PictureView* widget, Picture& model) const;
    // A push button: caption, hint as tooltip, enabled state and visibility; a click runs Button::click.
    void button(QPushButton* widget, Button& model) const;
    // A top-level window follows the model's visibility (hidden while one of its modal windows is shown).
    void window(QWidget* widget, WindowModel& model) const;

  private:
    Desktop& desktop_;
};

} // namespace pesavia
