#include "sheet/fiche.h"

#include "sheet/grid_cells.h"
#include "store/numbers.h"

namespace pesavia {

void TFormFiche::SetUpCorrectionGrid() {
    Grid& g = AdvStringGridCorrection;
    g.setColCount(4);
    g.setRowCount(3);
    g.setFixedRows(2); // the header and "Valeurs lues"
    g.setFixedCols(0);
    g.setFixedRightCols(1);
    const int widths[] = {108, 74, 75, 68};
    for (int c = 0; c < 4; ++c)
        g.setColWidth(c, widths[c]);
    g.setDefaultRowHeight(24);
    g.setRowHeight(0, 36);
    SetRowTexts(g, 0, {"", "Masse (kg)", "Bras de levier", "Moment / référence"});
    g.setCell(0, 1, "Valeurs lues");
    g.setCell(0, g.rowCount() - 1, "V. corrigées");
    g.setFixedFooterRows(1);
    FillZeros(g, 1, 3, 1, g.rowCount() - 1);
    g.hint = "Clic droit pour ajouter/suprimer une ligne";
}

void TFormFiche::AdvStringGridCorrectionEditCellDone(int col, int row) {
    if (row < 1 || col < 1) return;
    Grid& g = AdvStringGridCorrection;
    // The checks and the moment use the texts as typed, before they are rewritten.
    const auto [mass, arm] = LitPuisNormalise(g, col, row, "%.2f", "%.4f");

    if (col == 2 && !arm) return Refuse(g, col, row, "Bras de levier incorrect");
    const long double mtow = StrToFloat(StMTow.text());
    if (col == 1) {
        if (!mass) return Refuse(g, col, row, "Masse incorrecte");
        if (*mass < 0) return Refuse(g, col, row, "Une masse <0 est impossible");
        if (*mass > mtow) return Refuse(g, col, row, MessageMTOW("Vous ne pouvez pas"));
    }
    if (!mass || !arm || *mass < 0 || *mass > mtow) return; // e.g. an arm typed before its mass

    g.setCell(3, row, FormatNombre(*mass * *arm, 2));
    CalculCorrection(StrToFloat(STMasseMesuree.text()), StrToFloat(STDrefMesuree.text()));
    Refresh();
    ResetRememberedCells();
}

void TFormFiche::AdvStringGridCorrectionEditChange(int col, int row) {
    CelluleCorrection = {col, row};
}

void TFormFiche::ButtonValidCorrectionClick() {
    if (CelluleCorrection.col != 0 && CelluleCorrection.row != 0)
        AdvStringGridCorrectionEditCellDone(CelluleCorrection.col, CelluleCorrection.row);
}

void TFormFiche::ButtonAddCorrectionClick() {
    Grid& g = AdvStringGridCorrection;
    const int last = g.rowCount() - 2;
    if (g.rowCount() > 1 && (!LitCellule(g, 1, last) || !LitCellule(g, 2, last))) return;
    const int row = InsereLigneAvantPied(g);
    g.setCell(1, row, NormaliseNombre("0", "%.2f"));
    g.setCell(2, row, NormaliseNombre("0", "%.4f"));
    g.setCell(3, row, NormaliseNombre("0", "%.2f"));
    AlignRight(g, 1, 3, row, row);
}

void TFormFiche::AddCorrectLineClick() {
    Grid& g = AdvStringGridCorrection;
    const int last = g.rowCount() - 2;
    if (g.rowCount() > 1 && (!LitCellule(g, 2, last) || !LitCellule(g, 3, last))) return;
    InsereLigneAvantPied(g);
}

void TFormFiche::ButtonSuppCorrectionClick() {
    if (!SupprimeLigneSelectionnee(AdvStringGridCorrection)) return;
    AdvStringGridCorrectionEditCellDone(1, 1); // recomputes without the removed line
}

void TFormFiche::DelCorrectLineClick() {
    const int before = AdvStringGridCorrection.rowCount();
    ButtonSuppCorrectionClick();
    if (AdvStringGridCorrection.rowCount() != before) Refresh();
}

} // namespace pesavia
