#pragma once
#include "gui/grid_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace pesavia::test {

// The one Qt application of a window test program, made on first use. It is never destroyed: destroying
// it among the exit-time destructors runs after Qt's own statics are gone, and crashes.
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "pesavia-window-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Closes every modal window (message box, dialog) as soon as it opens, after `onOpen` has looked at it;
// counts them. Lives as long as the object.
class ModalCloser {
  public:
    explicit ModalCloser(std::function<void(QWidget&)> onOpen = {}) : onOpen_(std::move(onOpen)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++count;
                if (onOpen_) onOpen_(*modal);
                modal->close();
            }
        });
        timer_.start(5);
    }
    int count = 0;

  private:
    std::function<void(QWidget&)> onOpen_;
    QTimer timer_;
};

// Types into a cell of a grid view as the operator does (the first key opens the editor), then presses
// Enter. False when no editor opened.
inline bool TypeIntoCell(GridView* view, int col, int row, const QString& keys) {
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, col));
    QTest::keyClick(view, keys.at(0).toLatin1());
    QLineEdit* editor = view->openEditor();
    if (!editor) return false;
    QTest::keyClicks(editor, keys.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return true;
}

} // namespace pesavia::test
