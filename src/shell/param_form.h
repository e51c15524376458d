#pragma once
#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/picture.h"
#include "controls/text.h"
#include "controls/window.h"
#include "store/programme.h"

namespace pesavia {

// The parameters dialog: edits copies of the settings in its controls; the settings and "param.ini"
// change together, only on "OK".
class TFormParam : public WindowModel {
  public:
    TFormParam(Programme& programme, Desktop& desktop); // runs FormCreate

    Text Labeldatadir, Labellogofile; // the working data folder and logo path
    Text EditTypeBal, EditNumBal;
    MaskedDate MaskEditDateEtalone;
    Picture Image1; // the logo at its own size; the window centres and cuts it to 115 x 100
    Button Buttonchangedatadir{"..."}, Buttonchangelogo{"..."};
    Button Button1{"OK"}, Button2{"Annuler"};

    void FormCreate();
    void ButtonchangedatadirClick();
    void ButtonchangelogoClick();
    void Button1Click();
    void Button2Click();

  private:
    // Shows the logo named by Labellogofile, or nothing when it cannot be shown.
    void MontreLogo();

    Programme& programme_;
    Desktop& desktop_;
};

} // namespace pesavia
