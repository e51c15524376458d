#pragma once
#include "controls/choice.h"
#include "controls/desktop.h"
#include "controls/grid.h"
#include "controls/picture.h"
#include "controls/text.h"
#include "controls/window.h"
#include "sheet/chart.h"
#include "store/programme.h"

#include <string>

namespace pesavia {

// The weighing sheet as the behaviour sees it: named texts, four grids and a few plain fields. The window
// only displays them.
class TFormFiche : public WindowModel {
public:
    TFormFiche(Programme& programme, Desktop& desktop); // the creation set-up (FormCreate) runs here

    // Set by the opener before the sheet is shown.
    int TypeTrain = 0;
    std::string DataDir, FichierIni;
    std::string FichierPesee, FichierCorrect, FichierEnveloppe, FichierExemple, FichierInventaire;

    // Identity and results.
    Text StTypeAvion, STImmatAvion, StMTow, StTypeTrain, STDate, STLieu;
    Text STMasseMesuree, STDTrain, STDrefMesuree, STMasseVide, STDrefcorr;
    Text Lform1, LForm2;
    Picture Image1;
    // Editable fields.
    MaskedDate MaskEditPrecDate;
    Text EditPrecMasse, EditMiseaniveau, EditLRef, Editdvalue, Editbigdvalue;
    Text EditXmin, EditXmax, EditYmin, EditYmax;
    SpinEdit SpinEditXMineur{1, 100, 10}, SpinEditYMineur{1, 100, 10};
    // Grids.
    Grid AdvStringGrid1{4, 4}, AdvStringGridCorrection{4, 3}, AdvStringGrid2{3, 1}, AdvStringGridDevis{4, 8};

    Chart Chart1;
    Text stx{"0"}, sty{"0"};

    // Operations the opener calls.
    void AligneCellules();
    void AdvStringGrid1EditCellDone(int col, int row);
    void ButtonGraphClick();

private:
    Programme& programme_;
    Desktop& desktop_;
};

} // namespace pesavia
