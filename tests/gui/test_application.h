#pragma once
#include <QApplication>
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

} // namespace pesavia::test
