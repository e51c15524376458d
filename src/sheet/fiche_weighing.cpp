#include "sheet/fiche.h"

#include "controls/text_case.h"
#include "sheet/grid_cells.h"
#include "store/numbers.h"

namespace pesavia {

void TFormFiche::SetUpMassGrid() {
    Grid& g = AdvStringGrid1;
    g.setFixedRows(1);
    g.setFixedCols(1);
    g.setFixedRightCols(1); // the net masses are the program's
    for (int c = 0; c < g.colCount(); ++c)
        g.setColWidth(c, 80);
    g.setDefaultRowHeight(24);
    SetRowTexts(g, 0, {"", "Masse lue", "Tare", "Masse nette"});
    SetColTexts(g, 0, 1, {"Roue G", "Roue D", "Roue AV/AR"});
    FillZeros(g, 1, 3, 1, 3);
}

void TFormFiche::AdvStringGrid1EditCellDone(int, int row) {
    if (row < 1 || row > 3) return;
    Grid& g = AdvStringGrid1;
    NormaliseCellule(g, 1, row, "%.2f");
    NormaliseCellule(g, 2, row, "%.2f");
    g.setCell(3, row, FormatNombre(StrToFloat(g.cell(1, row)) - StrToFloat(g.cell(2, row)), 2));
    // M is the sum of the rounded net masses as shown.
    const long double m = StrToFloat(g.cell(3, 1)) + StrToFloat(g.cell(3, 2)) + StrToFloat(g.cell(3, 3));
    STMasseMesuree.setText(FormatNombre(m, 2));
    EditReferenceExit();
}

void TFormFiche::EditReferenceExit() {
    Editdvalue.setText(NormaliseNombre(Editdvalue.text(), "%.4f"));
    Editbigdvalue.setText(NormaliseNombre(Editbigdvalue.text(), "%.4f"));
    STDTrain.setText("");
    STDrefMesuree.setText("");
    InitCorrection();

    const Grid& g = AdvStringGrid1;
    const auto d = LitNombre(Editdvalue.text());
    const auto bigD = LitNombre(Editbigdvalue.text());
    const auto m = LitNombre(STMasseMesuree.text());
    const auto p1 = LitCellule(g, 3, 1), p2 = LitCellule(g, 3, 2), p3 = LitCellule(g, 3, 3);
    if (!d || !bigD || !m || !p1 || !p2 || !p3 || *m == 0) return; // nothing weighed yet

    // The third wheel is the nose wheel of a tricycle or the tail wheel of a conventional gear.
    const long double offset = *p3 * *bigD / *m;
    const bool tricycle = EqualsNoCase(StTypeTrain.text(), "tricycle");
    const long double x = tricycle ? *d - offset : *d + offset;
    STDTrain.setText(FormatNombre(offset, 4));
    STDrefMesuree.setText(FormatNombre(x, 4));

    CalculCorrection(*m, x);
    Refresh();
}

void TFormFiche::InitCorrection() {
    STMasseVide.setText(FormatNombre(0, 2));
    STDrefcorr.setText(FormatNombre(0, 4));
    Grid& g = AdvStringGridCorrection;
    g.setCell(1, 1, FormatNombre(0, 2));
    g.setCell(2, 1, FormatNombre(0, 4));
    g.setCell(3, 1, FormatNombre(0, 2));
    const int footer = g.rowCount() - 1;
    for (int c = 1; c <= 3; ++c)
        g.setCell(c, footer, "");
}

void TFormFiche::CalculCorrection(long double m0, long double a0) {
    Grid& g = AdvStringGridCorrection;
    const int n = g.rowCount();
    AlignRight(g, 1, 2, 1, n - 1);
    g.setCell(1, 1, FormatNombre(m0, 2));
    g.setCell(2, 1, FormatNombre(a0, 4));
    g.setCell(3, 1, FormatNombre(m0 * a0, 2));

    long double mc = m0, mo = m0 * a0;
    for (int r = 2; r <= n - 2; ++r) {
        if (const auto mass = LitCellule(g, 1, r)) mc -= *mass;
        if (const auto moment = LitCellule(g, 3, r)) mo -= *moment;
    }
    // A corrected mass of exactly 0 has no arm; it shows 0.0000, as before any computation.
    const long double arm = mc != 0 ? mo / mc : 0;

    g.setCell(1, n - 1, FormatNombre(mc, 2));
    g.setCell(2, n - 1, FormatNombre(arm, 4));
    g.setCell(3, n - 1, FormatNombre(mo, 2));
    STMasseVide.setText(g.cell(1, n - 1));
    STDrefcorr.setText(g.cell(2, n - 1));
}

} // namespace pesavia
