#pragma once
#include <QAbstractSpinBox>

namespace pesavia {

// A spin field that keeps whatever the operator types (its model decides when to bring it within bounds).
// Typing emits typed(), the arrows stepped().
class SpinField : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit SpinField(QWidget* parent = nullptr);

    QString text() const;
    // The program's change: shows the text without emitting typed().
    void setText(const QString& text);
    void setStepsEnabled(bool up, bool down);
    void stepBy(int steps) override;

  signals:
    void typed(const QString& text);
    void stepped(int steps);

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;

  private:
    StepEnabled steps_ = StepUpEnabled | StepDownEnabled;
};

} // namespace pesavia
