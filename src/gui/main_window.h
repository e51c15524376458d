#pragma once
#include "gui/bindings.h"

#include <QWidget>

namespace pesavia {

class QtDesktop;
class TFormMain;

// The main window: choose or enter an aircraft, with its type, MTOW, landing gear, date and place of the
// weighing. Closing it ends the program. Widgets carry their model control's name as object name.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int ClientWidth = 529;
    static constexpr int TopBandHeight = 137;
    static constexpr int BottomBandHeight = 182;

    MainWindow(TFormMain& form, QtDesktop& desktop);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    bool centred_ = false;
};

} // namespace pesavia
