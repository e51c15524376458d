#pragma once
#include "controls/choice.h"
#include "controls/desktop.h"
#include "controls/grid.h"
#include "controls/picture.h"
#include "controls/text.h"
#include "controls/window.h"
#include "sheet/chart.h"
#include "sheet/spin_button.h"
#include "store/programme.h"

#include <string>
#include <string_view>

namespace pesavia {

// The weighing sheet as the behaviour sees it: named texts, four grids and a few plain fields. The window
// only displays them.
class TFormFiche : public WindowModel {
public:
    static constexpr const char* Caption = "FormFiche";

    TFormFiche(Programme& programme, Desktop& desktop); // the creation set-up (FormCreate) runs here
    TFormFiche(const TFormFiche&) = delete;
    TFormFiche& operator=(const TFormFiche&) = delete;

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
    // The boxes of the envelope list and of the load sheet, hidden until the first computation.
    Box Groupboxpoint, GroupBoxExemple;
    // The bar under the correction grid.
    Box PanelCorrection;

    // Buttons and menu entries.
    Button Buttonsave{"Enregistrer"}, Button2{"Imprimer"}, ButtonGraph{"Calculer"},
        ButtonInventaire{"Inventaire"};
    Button ButtonValidCorrection{"V"}, ButtonAddCorrection{"+"}, ButtonSuppCorrection{"-"};
    Button AddCorrectLine{"Ajouter une ligne"}, DelCorrectLine{"Supprimer la ligne"};
    Button ButtonValid{"V"}, ButtonAddPoint{"+"}, ButtonSupppoint{"-"};
    SpinButton SpinPos;
    Button Ajouterunpointici1{"Ajouter un point ici"};
    Button ButtonValidDevis{"V"}, ButtonAddDevis{"+"}, ButtonSuppDevis{"-"};

    Chart Chart1;
    Text stx{"0"}, sty{"0"};

    // The cell last changed in the editor of each editable grid; (0, 0) for none.
    CellPos CelluleCorrection, CelluleDevis, CellulePoint;

    // Operations the opener calls.
    void AligneCellules();
    void AdvStringGrid1EditCellDone(int col, int row);
    void ButtonGraphClick();

    // Whole sheet.
    void ButtonsaveClick();
    void ButtonInventaireClick();

    // Weighing computation.
    void EditReferenceExit();
    void InitCorrection();
    void CalculCorrection(long double m0, long double a0);

    // Corrections.
    void AdvStringGridCorrectionEditCellDone(int col, int row);
    void AdvStringGridCorrectionEditChange(int col, int row);
    void ButtonValidCorrectionClick();
    void ButtonAddCorrectionClick();
    void ButtonSuppCorrectionClick();
    void AddCorrectLineClick();
    void DelCorrectLineClick();

    // Envelope and chart.
    bool PrepareGraphique();
    void TraceGraphique();
    void AjoutePoint(const std::string& arm, const std::string& mass);
    void AdvStringGrid2EditCellDone(int col, int row);
    void AdvStringGrid2EditChange(int col, int row, const std::string& text);
    void ButtonValidClick();
    void ButtonAddPointClick();
    void ButtonSupppointClick();
    void SpinPosUpClick();
    void SpinPosDownClick();
    void Ajouterunpointici1Click();
    void Chart1MouseMove(int x, int y);
    void EditXExit(Text& sender);
    void SpinEditXMineurChange();

    // Load sheet.
    // The sum of a column's cells over rows first..last with `format`; empty as soon as a cell does not
    // read as a number; an empty range gives 0.
    static std::string SommeColonne(const Grid& grid, int col, int first, int last, std::string_view format);
    void AdvStringGridDevisEditCellDone(int col, int row);
    void AdvStringGridDevisEditChange(int col, int row, const std::string& text);
    void ButtonValidDevisClick();
    void ButtonAddDevisClick();
    void ButtonSuppDevisClick();

private:
    void FormCreate();
    void ConnectEvents();
    void SetUpMassGrid();
    void SetUpCorrectionGrid();
    void SetUpEnvelopeGrid();
    void SetUpDevisGrid();

    // TraceGraphique, then both boxes shown.
    void Refresh();
    void ShowBoxes();
    void ResetRememberedCells();
    // The load sheet's first line and totals, once the weighing results exist.
    void RemplitDevis();
    // One axis's manual range and label step, when both limit fields read.
    void AppliqueLimites(ChartAxis& axis, const Text& minimum, const Text& maximum,
                         const SpinEdit& divisions);
    // Shows a validation message and selects the offending cell again.
    void Refuse(Grid& grid, int col, int row, const std::string& message);
    std::string MessageMTOW(std::string_view prefix) const;

    Programme& programme_;
    Desktop& desktop_;
};

} // namespace pesavia
