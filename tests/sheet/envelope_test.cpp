#include "sheet_fixture.h"

#include "controls/error.h"

namespace pesavia::test {
namespace {

class EnvelopeTest : public SheetTest {
protected:
    // M = E = 300 kg, x = 0.7 m, tricycle with d = 1.2 and D = 1.5.
    void PeseTrois() { ChargePesee({{{"100", "0"}, {"100", "0"}, {"100", "0"}}}, "1.2", "1.5"); }
    void Point(const std::string& arm, const std::string& mass) {
        fiche->ButtonAddPoint.click();
        const int row = fiche->AdvStringGrid2.rowCount() - 1;
        Tape(fiche->AdvStringGrid2, 1, row, arm);
        Tape(fiche->AdvStringGrid2, 2, row, mass);
    }
    // Points written as a loaded file holds them.
    void Points(std::initializer_list<std::pair<const char*, const char*>> points) {
        Grid& g = fiche->AdvStringGrid2;
        g.setRowCount(1);
        for (const auto& [arm, mass] : points) {
            const int row = g.rowCount();
            g.insertRow(row);
            g.setCell(0, row, std::to_string(row));
            g.setCell(1, row, arm);
            g.setCell(2, row, mass);
        }
        fiche->ButtonGraph.click();
    }
    std::vector<std::vector<ChartPoint>> Edges() const {
        std::vector<std::vector<ChartPoint>> out;
        for (const auto& s : fiche->Chart1.lines)
            out.push_back(s.points);
        return out;
    }
    std::vector<std::string> Column(int col) const {
        std::vector<std::string> out;
        for (int r = 1; r < fiche->AdvStringGrid2.rowCount(); ++r)
            out.push_back(fiche->AdvStringGrid2.cell(col, r));
        return out;
    }
};

using P = ChartPoint;
using Polygon = std::vector<std::vector<ChartPoint>>;

TEST_F(EnvelopeTest, EdgesCloseThePolygonAndSkipIncompletePoints) {
    PeseTrois();
    Point("0.2", "310");
    Point("0.9", "440");
    Point("1", "320");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"0.2000", "0.9000", "1.0000"}));
    EXPECT_EQ(Edges(),
              (Polygon{{P{0.2L, 310}, P{0.9L, 440}}, {P{0.9L, 440}, P{1, 320}}, {P{1, 320}, P{0.2L, 310}}}));
    EXPECT_EQ(fiche->Chart1.lines[0].color, (Rgb{0, 0, 255}));
    EXPECT_EQ(fiche->Chart1.lines[0].penWidth, 3);

    Points({{"0.5", "350"}});
    EXPECT_EQ(Edges(), (Polygon{{P{0.5L, 350}, P{0.5L, 350}}}));

    Points({{"0.1", "310"}, {"0.2", "320"}, {"0.3", ""}, {"0.4", "340"}});
    EXPECT_EQ(Edges(), (Polygon{{P{0.1L, 310}, P{0.2L, 320}}, {P{0.2L, 320}}, {P{0.4L, 340}, P{0.1L, 310}}}));
    fiche->ButtonAddPoint.click(); // after a complete last point
    EXPECT_EQ(fiche->AdvStringGrid2.rowCount(), 6);
    EXPECT_EQ(fiche->AdvStringGrid2.cell(0, 5), "5");
    EXPECT_EQ(fiche->AdvStringGrid2.currentCell(), (CellPos{1, 5}));
    fiche->ButtonAddPoint.click(); // refused: the new point is still empty
    EXPECT_EQ(fiche->AdvStringGrid2.rowCount(), 6);
}

TEST_F(EnvelopeTest, NewAircraftDefaults) {
    PeseTrois();
    const Chart& c = fiche->Chart1;
    EXPECT_EQ(fiche->EditXmin.text(), "-0.6000");
    EXPECT_EQ(fiche->EditXmax.text(), "1.5000");
    EXPECT_EQ(fiche->EditYmin.text(), "270.00");
    EXPECT_EQ(fiche->EditYmax.text(), "480.00");
    EXPECT_FALSE(c.bottom.automatic);
    EXPECT_EQ(c.range(c.bottom), (std::pair<long double, long double>{-0.6L, 1.5L}));
    EXPECT_EQ(c.range(c.left), (std::pair<long double, long double>{270, 480}));
    EXPECT_EQ(c.bottom.increment, 0.2L);
    EXPECT_EQ(c.left.increment, 20);
    EXPECT_EQ(c.bottom.startOffset, 5);
    EXPECT_EQ(c.bottom.endOffset, 5);
    EXPECT_EQ(c.bottom.title, "Bras de levier (m)");
    EXPECT_EQ(c.left.title, "Masse (kg)");
    ASSERT_TRUE(c.bubble);
    EXPECT_EQ(c.bubble->centre, (P{0.7L, 300}));
    EXPECT_EQ(c.bubble->radius, 4);
    EXPECT_EQ(c.bubble->color, (Rgb{0, 128, 0}));
    EXPECT_TRUE(c.visible());
    EXPECT_TRUE(c.tracking);
}

TEST_F(EnvelopeTest, TailWheelWithNoWheelbaseGetsAOneMetreRange) {
    Ouvre(1);
    ChargePesee({{{"100", "0"}, {"100", "0"}, {"100", "0"}}}, "0.35", "0");
    EXPECT_EQ(fiche->EditXmin.text(), "0.1500");
    EXPECT_EQ(fiche->EditXmax.text(), "1.5500");
}

TEST_F(EnvelopeTest, LimitTypedAsZeroIsReplacedAndATypedOneKept) {
    PeseTrois();
    Tape(fiche->EditXmax, "2");
    Tape(fiche->EditXmin, "0");
    // The default -0.3 is widened by a fifth of its distance to the typed maximum.
    EXPECT_EQ(fiche->EditXmin.text(), "-0.7600");
    EXPECT_EQ(fiche->EditXmax.text(), "2.0000");
    EXPECT_EQ(fiche->Chart1.bottom.increment, 0.2L); // 2.76 / 10
    Tape(fiche->EditYmax, "455,5");
    EXPECT_EQ(fiche->EditYmax.text(), "455.5000"); // written as the horizontal limits
}

struct AxisCase {
    const char *ymin, *ymax, *divisions;
    long double radius, step;
};

class VerticalAxis : public EnvelopeTest, public testing::WithParamInterface<AxisCase> {};

TEST_P(VerticalAxis, RadiusAndLabelStep) {
    const auto& c = GetParam();
    PeseTrois();
    Tape(fiche->EditYmax, c.ymax);
    Tape(fiche->EditYmin, c.ymin);
    fiche->SpinEditYMineur.type(c.divisions);
    ASSERT_TRUE(fiche->Chart1.bubble);
    EXPECT_EQ(fiche->Chart1.bubble->radius, c.radius);
    EXPECT_EQ(fiche->Chart1.left.increment, c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, VerticalAxis,
    testing::Values(AxisCase{"300", "325", "10", 0, 2}, AxisCase{"300", "375", "10", 2, 7},
                    AxisCase{"250", "500", "10", 5, 20}, AxisCase{"250", "500", "abc", 5, 200},
                    AxisCase{"250", "500", "0", 5, 50}, AxisCase{"250", "500", "150", 5, 1},
                    AxisCase{"300", "300", "10", 0, 50}));

TEST_F(EnvelopeTest, DeletingAPointRenumbersAndMovesStayInsideTheList) {
    PeseTrois();
    Points({{"0.1", "310"}, {"0.2", "320"}, {"0.3", "330"}, {"0.4", "340"}});
    Grid& g = fiche->AdvStringGrid2;
    g.selectCell(1, 1);
    fiche->SpinPos.up();
    g.selectCell(1, 4);
    fiche->SpinPos.down();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"0.1", "0.2", "0.3", "0.4"}));

    g.selectCell(2, 3);
    fiche->SpinPos.up();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"0.1", "0.3", "0.2", "0.4"}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(g.currentCell(), (CellPos{1, 2}));
    EXPECT_EQ(Edges()[0], (std::vector<P>{P{0.1L, 310}, P{0.3L, 330}}));

    g.selectCell(1, 2);
    fiche->ButtonSupppoint.click();
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"0.1", "0.2", "0.4"}));
    EXPECT_EQ(fiche->Chart1.lines.size(), 3u);

    g.setRowCount(1); // no point left: header only
    g.selectCell(1, 0);
    fiche->SpinPos.down();
    fiche->ButtonSupppoint.click();
    EXPECT_EQ(g.cell(1, 0), "D au C.G");
}

TEST_F(EnvelopeTest, MinimumAboveMaximumStopsTheRedraw) {
    PeseTrois();
    Point("0.5", "350");
    Tape(fiche->EditXmax, "1");
    fiche->EditXmin.type("2");
    try {
        fiche->EditXmin.leave();
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Axis Maximum Value must be >= Minimum");
    }
    EXPECT_EQ(fiche->Chart1.lines.size(), 1u); // the series were rebuilt
    EXPECT_TRUE(fiche->Chart1.left.automatic); // the vertical axis was not reached
    EXPECT_TRUE(fiche->Chart1.visible());

    // A validation hides the chart; its failed redraw neither shows it nor the boxes, nor resets the cells.
    fiche->Groupboxpoint.setVisible(false);
    fiche->AdvStringGrid2.editChange(2, 1, "360");
    EXPECT_THROW(fiche->AdvStringGrid2.editDone(2, 1), Error);
    EXPECT_FALSE(fiche->Chart1.visible());
    EXPECT_FALSE(fiche->Groupboxpoint.visible());
    EXPECT_EQ(fiche->CellulePoint, (CellPos{2, 1}));
    EXPECT_THROW(fiche->ButtonGraph.click(), Error); // every redraw fails until the limits are mended

    Tape(fiche->EditXmin, "0.1");
    EXPECT_TRUE(fiche->Chart1.visible());
    EXPECT_TRUE(fiche->Groupboxpoint.visible());
}

TEST_F(EnvelopeTest, EnvelopeMassChecks) {
    PeseTrois();
    Point("0.5", "350");
    struct {
        int col;
        const char *typed, *shown, *message;
    } const cases[] = {
        {1, "a", "0.0000", "Distance au C.G incorrect"},
        {2, "0", "0.00", "Une masse <=0 est impossible"},
        {2, "451", "451.00",
         "L'enveloppe de centrage ne peut pas dépasser la masse maximale au décollage enregistrée "
         "précédement (450 "
         "kg)"},
        {2, "299", "299.00",
         "L'enveloppe de centrage ne peut pas aller en dessous de la masse à vide calculée (300.00 kg)"},
        {2, "350,5", "350.50", "Masse incorrecte"},
    };
    for (const auto& c : cases) {
        desktop.messages.clear();
        Tape(fiche->AdvStringGrid2, c.col, 1, c.typed);
        EXPECT_EQ(desktop.texts(), std::vector<std::string>{c.message}) << c.typed;
        EXPECT_EQ(fiche->AdvStringGrid2.cell(c.col, 1), c.shown);
        EXPECT_EQ(fiche->AdvStringGrid2.currentCell(), (CellPos{c.col, 1}));
    }
    // The last one, 350.50 as shown, is accepted by "V".
    desktop.messages.clear();
    fiche->AdvStringGrid2.setCell(1, 1, "0.5000");
    fiche->ButtonValid.click();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(Edges(), (Polygon{{P{0.5L, 350.5L}, P{0.5L, 350.5L}}}));
    EXPECT_EQ(fiche->CellulePoint, CellPos{});
}

class PointerTest : public EnvelopeTest {
protected:
    void SetUp() override {
        EnvelopeTest::SetUp();
        PeseTrois(); // axes [-0.6, 1.5] and [270, 480]
        fiche->Chart1.plot = {40, 10, 210, 200};
    }
};

TEST_F(PointerTest, ReadOutAndItsColour) {
    struct {
        int x, y;
        const char *stx, *sty;
        Rgb color;
    } const cases[] = {{45, 210, "-0.6000", "270.00", {255, 0, 0}},
                       {145, 110, "0.4500", "375.00", {0, 0, 0}},
                       {245, 200, "1.5000", "280.50", {255, 0, 0}},
                       {145, 162, "0.4500", "320.40", {0, 0, 0}},
                       {145, 20, "0.4500", "469.50", {255, 0, 0}}};
    for (const auto& c : cases) {
        fiche->Chart1.mouseMove(c.x, c.y);
        EXPECT_EQ(fiche->stx.text(), c.stx);
        EXPECT_EQ(fiche->sty.text(), c.sty);
        EXPECT_EQ(fiche->sty.color(), c.color) << c.sty;
    }
    fiche->Chart1.setVisible(false);
    fiche->Chart1.mouseMove(145, 110);
    EXPECT_EQ(fiche->sty.text(), "469.50");
}

TEST_F(PointerTest, PointAddedFromTheReadOut) {
    fiche->Chart1.mouseMove(145, 200);
    fiche->Ajouterunpointici1.click();
    EXPECT_EQ(desktop.texts(),
              std::vector<std::string>{
                  "L'enveloppe de centrage ne peut pas aller en dessous de la masse à vide calculée "
                  "(300.00 kg)"});
    EXPECT_EQ(fiche->AdvStringGrid2.rowCount(), 1);

    fiche->Chart1.mouseMove(145, 110);
    fiche->Ajouterunpointici1.click();
    ASSERT_EQ(fiche->AdvStringGrid2.rowCount(), 2);
    EXPECT_EQ(Column(0), std::vector<std::string>{"1"});
    EXPECT_EQ(Column(1), std::vector<std::string>{"0.4500"});
    EXPECT_EQ(Column(2), std::vector<std::string>{"375.00"});
    EXPECT_EQ(Edges(), (Polygon{{P{0.45L, 375}, P{0.45L, 375}}}));
}

} // namespace
} // namespace pesavia::test
