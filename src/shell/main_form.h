#pragma once
#include "controls/choice.h"
#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/picture.h"
#include "controls/text.h"
#include "controls/window.h"
#include "store/programme.h"

#include <string>

namespace pesavia {

class TFormFiche;

// The main window: choose or enter an aircraft, open its weighing sheet or the parameters dialog. It is the
// only window alive for the whole run.
class TFormMain : public WindowModel {
  public:
    TFormMain(Programme& programme, Desktop& desktop); // runs FormCreate

    ComboBox ComboBoxListeAvion;
    Text EditTypeAvion, EditMTOW, EditLieu;
    MaskedDate MaskEditDate;
    RadioGroup RadioGroupType{{"Tricycle", "Classique"}};
    Picture Image1, Image2; // the tricycle and tail-wheel weighing diagrams
    Button ButtonNew{"OK"}, Button1{"Paramètres"};

    void FormCreate();
    void ComboBoxListeAvionSelect();
    void RadioGroupTypeClick();
    void ButtonNewClick();
    void Button1Click();

  private:
    void EnregistreAvion();
    void RemplitListe();

    std::string Today();
    std::string FichierAvions() const;
    // The registration as the sheet and the file names use it.
    std::string ImmatSaisie() const;
    // Validation of "OK"; false once a message has been shown.
    bool SaisieValide();
    // Steps of "OK" between the register write and showing the sheet; false when no sheet is to be shown.
    bool PrepareFiche(TFormFiche& sheet);
    // What follows the sheet's closing, also after a failure while it was shown.
    void AfterFiche();

    Programme& programme_;
    Desktop& desktop_;
};

} // namespace pesavia
