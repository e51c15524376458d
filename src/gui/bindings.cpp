#include "gui/bindings.h"

#include "gui/guard.h"
#include "gui/picture_view.h"
#include "gui/spin_field.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace pesavia {

namespace {

// One observer of a model's changes, disconnected when the widget that owns it goes.
class ModelLink : public QObject {
  public:
    ModelLink(QObject* owner, Signal<>& signal, Signal<>::Slot slot)
        : QObject(owner), signal_(signal), id_(signal.connect(std::move(slot))) {}
    ~ModelLink() override { signal_.disconnect(id_); }

  private:
    Signal<>& signal_;
    int id_;
};

// Runs `sync` now and after every change of the model.
void follow(QObject* owner, Signal<>& changed, const std::function<void()>& sync) {
    sync();
    new ModelLink(owner, changed, sync);
}

// Calls `leave` when the watched widget loses the focus to another control of its window (not when another
// window or a popup takes it for a while).
class FocusOutFilter : public QObject {
  public:
    FocusOutFilter(QWidget* watched, std::function<void()> leave)
        : QObject(watched), leave_(std::move(leave)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut && static_cast<QWidget*>(watched)->isVisible()) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) leave_();
        }
        return false;
    }

  private:
    std::function<void()> leave_;
};

void setTextColor(QWidget* widget, QPalette::ColorRole role, Rgb color) {
    const QColor wanted(color.r, color.g, color.b);
    if (widget->palette().color(role) == wanted) return;
    QPalette palette = widget->palette();
    palette.setColor(role, wanted);
    widget->setPalette(palette);
}

constexpr QChar MaskBlank = u'_';

} // namespace

QString ToQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToStdString(const QString& text) {
    return text.toStdString();
}

QImage ToQImage(const Image* image) {
    if (!image || image->width <= 0 || image->height <= 0) return {};
    const QImage view(image->rgb.data(), image->width, image->height, image->width * 3,
                      QImage::Format_RGB888);
    return view.copy();
}

void Binder::run(const std::function<void()>& handler) const {
    RunGuarded(desktop_, handler);
}

void Binder::control(QWidget* widget, Control& model) const {
    follow(widget, model.changed, [widget, &model] {
        if (widget->isEnabled() != model.enabled()) widget->setEnabled(model.enabled());
        if (widget->isHidden() == model.visible()) widget->setVisible(model.visible());
        const QString hint = ToQString(model.hint());
        if (widget->toolTip() != hint) widget->setToolTip(hint);
    });
}

void Binder::text(QLineEdit* widget, Text& model) const {
    control(widget, model);
    follow(widget, model.changed, [widget, &model] {
        const QString text = ToQString(model.text());
        if (widget->text() != text) widget->setText(text);
        setTextColor(widget, QPalette::Text, model.color());
    });
    QObject::connect(widget, &QLineEdit::textEdited, widget,
                     Guarded(desktop_, [&model](const QString& typed) { model.type(ToStdString(typed)); }));
    new FocusOutFilter(widget, Guarded(desktop_, [&model] { model.leave(); }));
}

void Binder::label(QLabel* widget, Text& model) const {
    control(widget, model);
    follow(widget, model.changed, [widget, &model] {
        const QString text = ToQString(model.text());
        if (widget->text() != text) widget->setText(text);
        setTextColor(widget, QPalette::WindowText, model.color());
    });
}

void Binder::date(QLineEdit* widget, MaskedDate& model) const {
    control(widget, model);
    widget->setInputMask(QStringLiteral("99/99/9999;_"));
    follow(widget, model.changed, [widget, &model] {
        // The model's blanks are the mask's empty places.
        QString shown = ToQString(model.text());
        shown.replace(u' ', MaskBlank);
        if (widget->displayText() != shown) widget->setText(shown);
        setTextColor(widget, QPalette::Text, model.color());
    });
    QObject::connect(widget, &QLineEdit::textEdited, widget,
                     Guarded(desktop_, [widget, &model](const QString&) {
                         // text() drops the empty places: the model takes the text as shown, blanks kept.
                         QString typed = widget->displayText();
                         typed.replace(MaskBlank, u' ');
                         model.type(ToStdString(typed));
                     }));
    new FocusOutFilter(widget, Guarded(desktop_, [&model] { model.leave(); }));
}

void Binder::combo(QComboBox* widget, ComboBox& model) const {
    control(widget, model);
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    // The model decides completion and selection: no Qt completer, and no selection made by Qt when the
    // text is left or confirmed.
    widget->setCompleter(nullptr);
    QLineEdit* edit = widget->lineEdit();
    QObject::disconnect(edit, &QLineEdit::editingFinished, widget, nullptr);
    QObject::disconnect(edit, &QLineEdit::returnPressed, widget, nullptr);

    follow(widget, model.changed, [widget, edit, &model] {
        const QSignalBlocker blocker(widget);
        const auto& items = model.items();
        bool same = widget->count() == static_cast<int>(items.size());
        for (int i = 0; same && i < widget->count(); ++i)
            same = widget->itemText(i) == ToQString(items[static_cast<size_t>(i)]);
        if (!same) {
            widget->clear();
            for (const auto& item : items)
                widget->addItem(ToQString(item));
        }
        if (widget->currentIndex() != model.itemIndex()) widget->setCurrentIndex(model.itemIndex());
        const QString text = ToQString(model.text());
        if (edit->text() != text) edit->setText(text);
    });

    QObject::connect(edit, &QLineEdit::textEdited, widget,
                     Guarded(desktop_, [edit, &model](const QString& typed) {
                         const QString before = ToQString(model.text());
                         const int cursor = edit->cursorPosition();
                         // A deletion adds no character: it never completes.
                         qsizetype head = 0;
                         while (head < typed.size() && head < before.size() && typed[head] == before[head])
                             ++head;
                         qsizetype tail = 0;
                         while (tail < typed.size() - head && tail < before.size() - head &&
                                typed[typed.size() - 1 - tail] == before[before.size() - 1 - tail])
                             ++tail;
                         const bool added = typed.size() - head - tail > 0;
                         model.type(ToStdString(typed), added);
                         const QString now = edit->text();
                         if (added && model.itemIndex() >= 0 && now.size() > typed.size() &&
                             now.startsWith(typed, Qt::CaseInsensitive))
                             edit->setSelection(static_cast<int>(now.size()),
                                                -static_cast<int>(now.size() - typed.size()));
                         else
                             edit->setCursorPosition(std::min(cursor, static_cast<int>(now.size())));
                     }));
    QObject::connect(widget, &QComboBox::activated, widget,
                     Guarded(desktop_, [&model](int i) { model.pick(i); }));
}

void Binder::radio(const std::vector<QRadioButton*>& buttons, RadioGroup& model) const {
    if (buttons.empty()) return;
    auto* group = new QButtonGroup(buttons.front());
    for (size_t i = 0; i < buttons.size(); ++i) {
        QRadioButton* button = buttons[i];
        group->addButton(button, static_cast<int>(i));
        if (i < model.items().size()) button->setText(ToQString(model.items()[i]));
        control(button, model);
        QObject::connect(button, &QRadioButton::clicked, button,
                         Guarded(desktop_, [&model, i] { model.click(static_cast<int>(i)); }));
    }
    follow(group, model.changed, [group, &model] {
        const int index = model.itemIndex();
        if (group->checkedId() == index) return;
        if (index < 0) {
            // An exclusive group cannot uncheck its checked button.
            group->setExclusive(false);
            for (QAbstractButton* b : group->buttons())
                b->setChecked(false);
            group->setExclusive(true);
        } else if (QAbstractButton* b = group->button(index)) {
            b->setChecked(true);
        }
    });
}

void Binder::spin(SpinField* widget, SpinEdit& model) const {
    control(widget, model);
    follow(widget, model.changed, [widget, &model] {
        const QString text = ToQString(model.text());
        if (widget->text() != text) widget->setText(text);
    });
    QObject::connect(widget, &SpinField::typed, widget,
                     Guarded(desktop_, [&model](const QString& typed) { model.type(ToStdString(typed)); }));
    QObject::connect(widget, &SpinField::stepped, widget,
                     Guarded(desktop_, [&model](int steps) { model.step(steps); }));
    new FocusOutFilter(widget, Guarded(desktop_, [&model] { model.leave(); }));
}

void Binder::picture(PictureView* widget, Picture& model) const {
    control(widget, model);
    // Keeping the shown picture alive makes "same picture" a safe pointer comparison.
    auto shown = std::make_shared<std::shared_ptr<const Image>>();
    follow(widget, model.changed, [widget, &model, shown] {
        if (*shown == model.image()) return;
        *shown = model.image();
        widget->setImage(ToQImage(shown->get()));
    });
}

void Binder::button(QPushButton* widget, Button& model) const {
    control(widget, model);
    follow(widget, model.changed, [widget, &model] {
        const QString caption = ToQString(model.caption());
        if (widget->text() != caption) widget->setText(caption);
    });
    QObject::connect(widget, &QPushButton::clicked, widget, Guarded(desktop_, [&model] { model.click(); }));
}

void Binder::window(QWidget* widget, WindowModel& model) const {
    new ModelLink(widget, model.visibilityChanged, [widget, &model] { widget->setVisible(model.visible()); });
}

} // namespace pesavia
