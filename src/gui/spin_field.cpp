#include "gui/spin_field.h"

#include <QLineEdit>

namespace pesavia {

SpinField::SpinField(QWidget* parent) : QAbstractSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SpinField::typed);
}

QString SpinField::text() const {
    return lineEdit()->text();
}

void SpinField::setText(const QString& text) {
    const int cursor = lineEdit()->cursorPosition();
    lineEdit()->setText(text);
    if (hasFocus()) lineEdit()->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

void SpinField::setStepsEnabled(bool up, bool down) {
    steps_ = StepNone;
    if (up) steps_ |= StepUpEnabled;
    if (down) steps_ |= StepDownEnabled;
    update();
}

void SpinField::stepBy(int steps) {
    emit stepped(steps);
}

QValidator::State SpinField::validate(QString& input, int&) const {
    // Digits and a sign only; any such text is kept as typed, even out of bounds or empty.
    for (const QChar c : input)
        if (!c.isDigit() && c != u'-' && c != u'+' && c != u' ') return QValidator::Invalid;
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const {
    return steps_;
}

} // namespace pesavia
