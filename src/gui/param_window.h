#pragma once
#include <QDialog>

#include <memory>

namespace pesavia {

class Desktop;
class QtDesktop;
class TFormParam;

// The parameters dialog: data folder, scale and logo. Its close box closes without storing. Widgets carry
// their model control's name as object name.
class ParamWindow : public QDialog {
    Q_OBJECT
  public:
    static constexpr int ClientWidth = 561;
    static constexpr int ClientHeight = 307;
    static constexpr int LogoWidth = 115;
    static constexpr int LogoHeight = 100;

    ParamWindow(TFormParam& form, Desktop& desktop, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
};

// Makes the parameters dialog the window the Qt Desktop shows for a TFormParam.
void RegisterParamWindow(QtDesktop& desktop);

} // namespace pesavia
