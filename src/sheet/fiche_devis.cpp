#include "sheet/fiche.h"

#include "sheet/grid_cells.h"
#include "store/numbers.h"

namespace pesavia {

void TFormFiche::SetUpDevisGrid() {
    Grid& g = AdvStringGridDevis;
    g.setColCount(4);
    g.setRowCount(8);
    g.setFixedRows(2); // the header and "Masse à vide"
    g.setFixedCols(0);
    g.setFixedRightCols(1);
    const int widths[] = {101, 90, 90, 90};
    for (int c = 0; c < 4; ++c)
        g.setColWidth(c, widths[c]);
    g.setDefaultRowHeight(24);
    SetRowTexts(g, 0, {"", "D au C.G (m)", "Masse (kg)", "Moment (mkg)"});
    SetColTexts(g, 0, 1,
                {"Masse à vide", "Carburant", "Passagers AV", "Passagers AR", "Bagages AV", "Bagages AR",
                 "Appareil équipé"});
    g.setFixedFooterRows(1);
    FillZeros(g, 1, 3, 1, 7);
}

std::string TFormFiche::SommeColonne(const Grid& grid, int col, int first, int last,
                                     std::string_view format) {
    long double sum = 0;
    for (int r = first; r <= last; ++r) {
        const auto v = LitCellule(grid, col, r);
        if (!v) return {};
        sum += *v;
    }
    return FormatNombre(sum, DecimalesDuFormat(format));
}

void TFormFiche::RemplitDevis() {
    Grid& g = AdvStringGridDevis;
    g.setCell(1, 1, STDrefcorr.text());
    g.setCell(2, 1, STMasseVide.text());
    g.setCell(3, 1, FormatNombre(StrToFloat(STDrefcorr.text()) * StrToFloat(STMasseVide.text()), 2));
    const int total = g.rowCount() - 1;
    g.setCell(2, total, SommeColonne(g, 2, 1, total - 1, "%.2f"));
    g.setCell(3, total, SommeColonne(g, 3, 1, total - 1, "%.2f"));
    const auto mass = LitCellule(g, 2, total), moment = LitCellule(g, 3, total);
    if (mass && moment && *mass != 0) g.setCell(1, total, FormatNombre(*moment / *mass, 4));
}

void TFormFiche::AdvStringGridDevisEditCellDone(int col, int row) {
    if (row < 1 || col < 1) return; // a label needs nothing
    Grid& g = AdvStringGridDevis;
    const auto [arm, mass] = LitPuisNormalise(g, col, row, "%.4f", "%.2f");

    const long double mtow = StrToFloat(StMTow.text());
    if (col == 1 && !arm) return Refuse(g, col, row, "Distance au C.G incorrect");
    if (col == 2) {
        if (!mass) return Refuse(g, col, row, "Masse incorrecte");
        if (*mass < 0) return Refuse(g, col, row, "Une masse <0 est impossible");
        if (*mass > mtow) return Refuse(g, col, row, MessageMTOW("Vous ne pouvez pas"));
    }
    if (!arm || !mass || *mass < 0 || *mass > mtow) return;

    g.setCell(3, row, FormatNombre(*arm * *mass, 2));
    const int total = g.rowCount() - 1;
    g.setCell(3, total, SommeColonne(g, 3, 1, total - 1, "%.2f"));
    g.setCell(2, total, SommeColonne(g, 2, 1, total - 1, "%.2f"));
    const auto totalMass = LitCellule(g, 2, total), totalMoment = LitCellule(g, 3, total);
    if (totalMass && totalMoment)
        g.setCell(1, total, *totalMass != 0 ? FormatNombre(*totalMoment / *totalMass, 4) : std::string());
    Refresh();
    ResetRememberedCells();
}

void TFormFiche::AdvStringGridDevisEditChange(int col, int row, const std::string&) {
    CelluleDevis = {col, row};
}

void TFormFiche::ButtonValidDevisClick() {
    if (CelluleDevis.col != 0 && CelluleDevis.row != 0)
        AdvStringGridDevisEditCellDone(CelluleDevis.col, CelluleDevis.row);
}

void TFormFiche::ButtonAddDevisClick() {
    Grid& g = AdvStringGridDevis;
    const int last = g.rowCount() - 2;
    if (g.rowCount() > 1 && (!LitCellule(g, 2, last) || !LitCellule(g, 3, last))) return;
    InsereLigneAvantPied(g);
}

void TFormFiche::ButtonSuppDevisClick() {
    if (!SupprimeLigneSelectionnee(AdvStringGridDevis)) return;
    AdvStringGridDevisEditCellDone(1, 1);
    Refresh();
}

} // namespace pesavia
