#pragma once
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <initializer_list>

namespace pesavia {

// Windows are laid out in fixed pixel positions. Each bound widget is named after its model control.
template <class W> W* Place(W* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A fixed caption beside a control.
inline QLabel* Caption(QWidget* parent, const char* utf8, QRect geometry) {
    auto* label = new QLabel(QString::fromUtf8(utf8), parent);
    label->setGeometry(geometry);
    return label;
}

// The program's silver window background.
inline void SetSilverBackground(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

// The keyboard focus moves through `widgets` in this order.
inline void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace pesavia
