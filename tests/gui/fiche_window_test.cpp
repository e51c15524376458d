#include "gui/fiche_window.h"

#include "gui/chart_view.h"
#include "gui/grid_view.h"
#include "sheet/fiche.h"
#include "store/numbers.h"
#include "support/fake_desktop.h"
#include "support/temp_dir.h"
#include "test_application.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace pesavia {
namespace {

// A tricycle opened as the main window opens it: readings 120 / 118 / 70 kg, d = 1.2 m, D = 1.5 m, MTOW
// 450 kg, an envelope of five points around the loaded aircraft.
class FicheWindowTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { test::TestApplication(); }
    void SetUp() override {
        fiche.TypeTrain = 0;
        fiche.DataDir = temp.path();
        fiche.AdvStringGrid1.setCell(0, 3, "Roue AV");
        fiche.Lform1.setText("D2 = p1 x D / M =");
        fiche.LForm2.setText("x = d - D2 =");
        fiche.StTypeTrain.setText("Tricycle");
        fiche.StMTow.setText("450");
        const char* readings[] = {"120", "118", "70"};
        for (int row = 1; row <= 3; ++row)
            fiche.AdvStringGrid1.setCell(1, row, readings[row - 1]);
        fiche.Editdvalue.setText("1.2");
        fiche.Editbigdvalue.setText("1.5");
        fiche.AligneCellules();
        for (int row = 3; row >= 1; --row)
            fiche.AdvStringGrid1EditCellDone(1, row);
        for (auto [arm, mass] :
             {std::pair{"0.80", "310"}, {"0.78", "400"}, {"0.85", "450"}, {"0.95", "450"}, {"0.92", "310"}})
            fiche.AjoutePoint(arm, mass);
        // Limits defaulted from the complete weighing, as the opening computes them.
        for (Text* limit : {&fiche.EditXmin, &fiche.EditXmax, &fiche.EditYmin, &fiche.EditYmax})
            limit->setText("");
        fiche.ButtonGraphClick();

        window = std::make_unique<FicheWindow>(fiche, desktop);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // The label that shows a text model: the one whose text the model holds, near the given caption.
    QLabel* shownText(const Text& model) const {
        for (QLabel* l : window->findChildren<QLabel*>())
            if (l->frameStyle() == (QFrame::Panel | QFrame::Sunken) &&
                l->text() == QString::fromStdString(model.text()))
                return l;
        return nullptr;
    }
    // Types into a cell of a grid view as the operator does, then presses Enter.
    static void typeInto(GridView* view, int col, int row, const QString& keys) {
        ASSERT_TRUE(test::TypeIntoCell(view, col, row, keys));
    }

    test::TempDir temp;
    test::FakeDesktop desktop;
    Programme programme;
    TFormFiche fiche{programme, desktop};
    std::unique_ptr<FicheWindow> window;
};

TEST_F(FicheWindowTest, opensAtItsDesignSizeWithItsTitle) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("FormFiche"));
    EXPECT_EQ(window->width(), 1024);
    EXPECT_GE(window->height(), 690);
    EXPECT_LE(window->height(), 769);
    // Every band's widgets lie inside the window: nothing is cut at 1024 pixels.
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->parentWidget() == nullptr) continue;
        const QRect inWindow(w->mapTo(window.get(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(window->rect().contains(inWindow)) << w->metaObject()->className();
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()) || w->isWindow())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}

TEST_F(FicheWindowTest, aReadingTypedInTheMassGridChangesTheMeasuredMass) {
    ASSERT_EQ(fiche.STMasseMesuree.text(), "308.00");
    QLabel* measured = shownText(fiche.STMasseMesuree);
    ASSERT_NE(measured, nullptr);
    EXPECT_TRUE(measured->font().bold());
    typeInto(window->massGrid(), 1, 2, QStringLiteral("128"));
    EXPECT_EQ(fiche.STMasseMesuree.text(), "318.00");
    EXPECT_EQ(measured->text(), QStringLiteral("318.00"));
}

TEST_F(FicheWindowTest, aRefusedCorrectionSelectsTheOffendingCellAgain) {
    fiche.ButtonAddCorrection.click(); // a line of zeros above the footer, row 2
    GridView* view = window->correctionGrid();
    ASSERT_EQ(view->model()->rowCount(), 4);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(2, 1));
    QTest::keyClick(view, '-');
    QLineEdit* editor = view->openEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, '1');
    QTest::keyClick(editor, Qt::Key_Tab); // the cursor moves on, the message brings it back
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();

    EXPECT_EQ(desktop.texts(), (std::vector<std::string>{"Une masse <0 est impossible"}));
    EXPECT_EQ(fiche.AdvStringGridCorrection.cell(1, 2), "-1.00");
    EXPECT_EQ(view->currentIndex(), view->model()->index(2, 1));
}

TEST_F(FicheWindowTest, thePointerOverTheChartIsReadOutAndCanBecomeAPoint) {
    ChartView* chart = window->chartView();
    ASSERT_TRUE(chart->isVisible());
    const QPointF at = chart->chart()->mapToPosition(QPointF(0.9, 420));
    QTest::mouseMove(chart->viewport(), at.toPoint());
    const long double x = StrToFloat(fiche.stx.text()), y = StrToFloat(fiche.sty.text());
    EXPECT_NEAR(static_cast<double>(x), 0.9, 0.01);
    EXPECT_NEAR(static_cast<double>(y), 420, 2);
    EXPECT_NE(shownText(fiche.stx), nullptr);

    ASSERT_NE(chart->contextMenu(), nullptr);
    QAction* add = chart->contextMenu()->actions().value(0);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->text(), QStringLiteral("Ajouter un point ici"));
    add->trigger();
    EXPECT_EQ(window->envelopeGrid()->model()->rowCount(), 7);
    EXPECT_EQ(fiche.AdvStringGrid2.cell(1, 6), fiche.stx.text());
    EXPECT_EQ(fiche.AdvStringGrid2.cell(2, 6), fiche.sty.text());
}

} // namespace
} // namespace pesavia
