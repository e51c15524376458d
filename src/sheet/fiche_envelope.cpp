#include "sheet/fiche.h"

#include "sheet/grid_cells.h"
#include "store/numbers.h"

#include <cmath>
#include <optional>

namespace pesavia {

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};

// A limit that is empty, not a number or 0 counts as missing.
std::optional<long double> LimiteSaisie(const Text& field) {
    const auto v = LitNombre(field.text());
    if (v && *v != 0) return v;
    return std::nullopt;
}

// Fills one axis's missing limits: the defaults widened by a fifth of the range on each defaulted side.
void CompleteLimites(Text& minField, Text& maxField, long double defaultMin, long double defaultMax,
                     bool widenEqual, int decimals) {
    const auto readMin = LimiteSaisie(minField);
    const auto readMax = LimiteSaisie(maxField);
    const long double a = readMin ? *readMin : defaultMin;
    long double b = readMax ? *readMax : defaultMax;
    if (!readMax && widenEqual && b == a) b = a + 1;
    const long double margin = std::fabs(a - b) / 5;
    if (!readMin) minField.setText(FormatNombre(a - margin, decimals));
    if (!readMax) maxField.setText(FormatNombre(b + margin, decimals));
}

// Whether the list is empty or its last point is complete: "+" and the moves need it.
bool DernierPointComplet(const Grid& g) {
    const int n = g.rowCount() - 1;
    return n < 1 || (LitCellule(g, 1, n) && LitCellule(g, 2, n));
}

// Exchanges the arm and mass of two points; the numbers stay in place.
void EchangePoints(Grid& g, int a, int b) {
    for (int c = 1; c <= 2; ++c) {
        std::string t = g.cell(c, a);
        g.setCell(c, a, g.cell(c, b));
        g.setCell(c, b, std::move(t));
    }
}

} // namespace

void TFormFiche::SetUpEnvelopeGrid() {
    Grid& g = AdvStringGrid2;
    g.setRowCount(1);
    g.setFixedRows(1);
    g.setFixedCols(1); // the point numbers are the program's
    const int widths[] = {20, 61, 61};
    for (int c = 0; c < 3; ++c)
        g.setColWidth(c, widths[c]);
    g.setDefaultRowHeight(24);
    SetRowTexts(g, 0, {"", "D au C.G", "Masse"});
}

bool TFormFiche::PrepareGraphique() {
    if (STDTrain.text().empty() || STDrefMesuree.text().empty() || STDrefcorr.text().empty()) return false;
    const auto d = LitNombre(Editdvalue.text());
    const auto bigD = LitNombre(Editbigdvalue.text());
    const auto e = LitNombre(STMasseVide.text());
    const auto mtow = LitNombre(StMTow.text());
    if (!d || !bigD || !e || !mtow) return false;

    const bool tricycle = TypeTrain == 0;
    CompleteLimites(EditXmin, EditXmax, tricycle ? *d - *bigD : *d, tricycle ? *d : *d + *bigD, true, 4);
    CompleteLimites(EditYmin, EditYmax, *e, *mtow, false, 2);
    RemplitDevis();
    return true;
}

void TFormFiche::TraceGraphique() {
    if (!PrepareGraphique()) return;

    Chart1.clearSeries();
    Chart1.bottom.increment = 0.5L;
    Chart1.left.increment = 50;
    Chart1.bottom.automatic = Chart1.left.automatic = true;
    Chart1.bottom.startOffset = Chart1.bottom.endOffset = 5;
    Chart1.bottom.minorGrid = false;
    Chart1.left.minorTicks = false;

    const Grid& g = AdvStringGrid2;
    const int n = g.rowCount() - 1;
    const auto point = [&](int row) -> std::optional<ChartPoint> {
        const auto arm = LitCellule(g, 1, row), mass = LitCellule(g, 2, row);
        if (!arm || !mass) return std::nullopt;
        return ChartPoint{*arm, *mass};
    };
    for (int i = 1; i <= n; ++i) {
        const auto from = point(i);
        if (!from) continue;
        LineSeries edge;
        edge.points.push_back(*from);
        if (const auto to = point(i < n ? i + 1 : 1)) edge.points.push_back(*to);
        Chart1.lines.push_back(std::move(edge));
    }

    const Grid& devis = AdvStringGridDevis;
    const int total = devis.rowCount() - 1;
    const auto arm = LitCellule(devis, 1, total), mass = LitCellule(devis, 2, total);
    if (devis.rowCount() > 1 && arm && mass) {
        const long double span =
            LitNombre(EditYmax.text()).value_or(0) - LitNombre(EditYmin.text()).value_or(0);
        BubbleSeries bubble;
        bubble.centre = {*arm, *mass};
        bubble.radius = std::nearbyint(span / 50); // halves to even
        Chart1.bubble = bubble;
    }

    try {
        AppliqueLimites(Chart1.bottom, EditXmin, EditXmax, SpinEditXMineur);
        AppliqueLimites(Chart1.left, EditYmin, EditYmax, SpinEditYMineur);
    } catch (...) {
        Chart1.redrawn(); // the series are rebuilt even though the axes could not be set
        throw;
    }
    Chart1.setVisible(true);
    Chart1.tracking = true;
    Chart1.redrawn();
}

void TFormFiche::AppliqueLimites(ChartAxis& axis, const Text& minimum, const Text& maximum,
                                 const SpinEdit& divisions) {
    const auto lo = LitNombre(minimum.text()), hi = LitNombre(maximum.text());
    if (!lo || !hi) return;
    Chart::setRange(axis, *lo, *hi);
    const int count = divisions.value();
    if (count <= 0) return;
    // Equal limits give a step of 0, which keeps the preset step.
    if (const long double step = TruncToFirstDigit(std::fabs(*hi - *lo) / count); step > 0)
        axis.increment = step;
}

void TFormFiche::AdvStringGrid2EditCellDone(int col, int row) {
    if (row < 1 || col < 1) return;
    Grid& g = AdvStringGrid2;
    const auto [arm, mass] = LitPuisNormalise(g, col, row, "%.4f", "%.2f");

    const long double mtow = StrToFloat(StMTow.text());
    const long double e = StrToFloat(STMasseVide.text());
    if (col == 1 && !arm) return Refuse(g, col, row, "Distance au C.G incorrect");
    if (col == 2) {
        if (!mass) return Refuse(g, col, row, "Masse incorrecte");
        if (*mass <= 0) return Refuse(g, col, row, "Une masse <=0 est impossible");
        if (*mass > mtow) return Refuse(g, col, row, MessageMTOW("L'enveloppe de centrage ne peut pas"));
        if (*mass < e)
            return Refuse(
                g, col, row,
                "L'enveloppe de centrage ne peut pas aller en dessous de la masse à vide calculée (" +
                    STMasseVide.text() + " kg)");
    }
    if (!arm || !mass || *mass <= 0 || *mass > mtow || *mass < e) return;

    Chart1.setVisible(false);
    Refresh();
    ResetRememberedCells();
}

void TFormFiche::AdvStringGrid2EditChange(int col, int row, const std::string&) {
    CellulePoint = {col, row};
}

void TFormFiche::ButtonValidClick() {
    if (CellulePoint.col != 0 && CellulePoint.row != 0)
        AdvStringGrid2EditCellDone(CellulePoint.col, CellulePoint.row);
}

void TFormFiche::ButtonAddPointClick() {
    Grid& g = AdvStringGrid2;
    if (!DernierPointComplet(g)) return;
    const int row = g.rowCount();
    g.insertRow(row);
    g.setCell(0, row, std::to_string(row));
    g.selectCell(1, row);
}

void TFormFiche::ButtonSupppointClick() {
    Grid& g = AdvStringGrid2;
    const int row = g.selectedRow();
    if (row < 1 || row > g.rowCount() - 1) return;
    g.removeRow(row);
    for (int r = 1; r < g.rowCount(); ++r)
        g.setCell(0, r, std::to_string(r));
    Refresh();
}

void TFormFiche::SpinPosUpClick() {
    Grid& g = AdvStringGrid2;
    const int row = g.selectedRow();
    if (!DernierPointComplet(g) || row < 2 || row > g.rowCount() - 1) return;
    EchangePoints(g, row, row - 1);
    g.selectCell(1, row - 1);
    Refresh();
}

void TFormFiche::SpinPosDownClick() {
    Grid& g = AdvStringGrid2;
    const int row = g.selectedRow();
    // Row 0 is the header: it never trades places with a point.
    if (!DernierPointComplet(g) || row < 1 || row > g.rowCount() - 2) return;
    EchangePoints(g, row, row + 1);
    g.selectCell(1, row + 1);
    Refresh();
}

void TFormFiche::AjoutePoint(const std::string& arm, const std::string& mass) {
    if (!LitNombre(arm) || !LitNombre(mass)) return;
    Grid& g = AdvStringGrid2;
    const int row = g.rowCount();
    g.insertRow(row);
    g.setCell(0, row, std::to_string(row));
    g.setCell(1, row, arm);
    g.setCell(2, row, mass);
}

void TFormFiche::Ajouterunpointici1Click() {
    const long double m = LitNombre(sty.text()).value_or(0);
    const long double mtow = StrToFloat(StMTow.text());
    const long double e = StrToFloat(STMasseVide.text());
    if (m <= 0) return desktop_.ShowMessage("Une masse <=0 est impossible");
    if (m > mtow) return desktop_.ShowMessage(MessageMTOW("L'enveloppe de centrage ne peut pas"));
    if (m < e)
        return desktop_.ShowMessage(
            "L'enveloppe de centrage ne peut pas aller en dessous de la masse à vide calculée (" +
            STMasseVide.text() + " kg)");
    AjoutePoint(stx.text(), sty.text());
    Refresh();
}

void TFormFiche::Chart1MouseMove(int x, int y) {
    if (!Chart1.visible() || !Chart1.tracking) return;
    const long double vx = Chart1.valueAtX(x), vy = Chart1.valueAtY(y);
    stx.setText(FormatNombre(vx, 4));
    sty.setText(FormatNombre(vy, 2));
    const auto e = LitNombre(STMasseVide.text()), mtow = LitNombre(StMTow.text());
    sty.setColor(e && mtow && (vy < *e || vy > *mtow) ? kRed : kBlack);
}

void TFormFiche::EditXExit(Text& sender) {
    sender.setText(NormaliseNombre(sender.text(), "%.4f"));
    Refresh();
}

void TFormFiche::SpinEditXMineurChange() {
    Refresh();
}

} // namespace pesavia
