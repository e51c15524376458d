#include "gui/chart_view.h"
#include "test_application.h"

#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QScatterSeries>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <cmath>

namespace pesavia {
namespace {

// An envelope of five points, closed, with the loaded aircraft inside it, on manual axes.
Chart EnvelopeChart() {
    Chart chart;
    const ChartPoint corners[] = {{0.30L, 280}, {0.25L, 380}, {0.40L, 450}, {0.55L, 450}, {0.50L, 280}};
    for (int i = 0; i < 5; ++i)
        chart.lines.push_back(LineSeries{{corners[i], corners[(i + 1) % 5]}});
    chart.lines.push_back(
        LineSeries{{{0.45L, 300}, {0.45L, 300}}}); // an edge towards a point that did not read
    chart.bubble = BubbleSeries{{0.3675L, 400}, 4};
    Chart::setRange(chart.bottom, 0.1L, 0.7L);
    Chart::setRange(chart.left, 250, 470);
    chart.bottom.increment = 0.1L;
    chart.left.increment = 20;
    chart.bottom.startOffset = chart.bottom.endOffset = 5;
    chart.bottom.minorGrid = false;
    chart.setVisible(true);
    chart.tracking = true;
    return chart;
}

class ChartViewTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { test::TestApplication(); }
    void SetUp() override {
        view = std::make_unique<ChartView>(chart);
        view->resize(298, 274);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    QValueAxis* axis(Qt::Orientation o) const {
        return qobject_cast<QValueAxis*>(view->chart()->axes(o).first());
    }
    Chart chart = EnvelopeChart();
    std::unique_ptr<ChartView> view;
};

TEST_F(ChartViewTest, drawsTheDescriptionSeriesByAxes) {
    QChart* c = view->chart();
    EXPECT_FALSE(c->legend()->isVisible());
    EXPECT_TRUE(c->title().isEmpty());
    int lines = 0, bubbles = 0;
    for (QAbstractSeries* s : c->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(s); line && !qobject_cast<QScatterSeries*>(s)) {
            ++lines;
            EXPECT_EQ(line->pen().width(), 3);
            EXPECT_EQ(line->pen().color(), QColor(0, 0, 255));
            EXPECT_EQ(line->count(), 2);
        } else if (auto* bubble = qobject_cast<QScatterSeries*>(s)) {
            ++bubbles;
            EXPECT_EQ(bubble->color(), QColor(0, 128, 0));
            EXPECT_EQ(c->series().last(), s); // drawn over the edges
            // Round, its radius measured on the vertical scale: 4 kg of the plot's pixels per kg.
            const double perKg =
                c->plotArea().height() / (axis(Qt::Vertical)->max() - axis(Qt::Vertical)->min());
            EXPECT_NEAR(bubble->markerSize(), 2 * 4 * perKg, 0.01);
        }
    }
    EXPECT_EQ(lines, 5); // the degenerate edge draws nothing
    EXPECT_EQ(bubbles, 1);
    QValueAxis* x = axis(Qt::Horizontal);
    QValueAxis* y = axis(Qt::Vertical);
    EXPECT_EQ(x->titleText(), QStringLiteral("Bras de levier (m)"));
    EXPECT_EQ(y->titleText(), QStringLiteral("Masse (kg)"));
    EXPECT_EQ(x->tickType(), QValueAxis::TicksDynamic);
    EXPECT_DOUBLE_EQ(x->tickInterval(), 0.1);
    EXPECT_DOUBLE_EQ(y->tickInterval(), 20);
    EXPECT_DOUBLE_EQ(y->min(), 250);
    EXPECT_DOUBLE_EQ(y->max(), 470);
    // 5 pixels kept free inside each end of the horizontal axis.
    EXPECT_NEAR(c->mapToPosition(QPointF(0.1, 300)).x() - c->plotArea().left(), 5, 0.01);
    EXPECT_NEAR(c->plotArea().right() - c->mapToPosition(QPointF(0.7, 300)).x(), 5, 0.01);
}

TEST_F(ChartViewTest, reportsItsPlotAreaSoThatThePointerReadsTheValuesDrawnUnderIt) {
    int seenX = -1, seenY = -1;
    chart.OnMouseMove = [&](int x, int y) {
        seenX = x;
        seenY = y;
    };
    const QPointF drawn = view->chart()->mapToPosition(QPointF(0.4, 380));
    QTest::mouseMove(view->viewport(), drawn.toPoint());
    ASSERT_EQ(seenX, drawn.toPoint().x());
    ASSERT_EQ(seenY, drawn.toPoint().y());
    const double xPerPixel = 0.6 / (chart.plot.width - 10), yPerPixel = 220.0 / chart.plot.height;
    EXPECT_NEAR(static_cast<double>(chart.valueAtX(seenX)), 0.4, xPerPixel);
    EXPECT_NEAR(static_cast<double>(chart.valueAtY(seenY)), 380, yPerPixel);

    chart.tracking = false; // not connected: the pointer is not followed
    seenX = -1;
    QTest::mouseMove(view->viewport(), drawn.toPoint() + QPoint(10, 10));
    EXPECT_EQ(seenX, -1);
}

TEST_F(ChartViewTest, followsTheDescriptionsVisibilityAndRebuilds) {
    chart.setVisible(false);
    EXPECT_FALSE(view->isVisible());
    chart.lines.clear();
    chart.bubble.reset();
    chart.setVisible(true);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->chart()->series().isEmpty());
}

TEST_F(ChartViewTest, aLabelStepTooFineForTheAxisIsWidenedInsteadOfDrawingEveryLabel) {
    chart.left.increment = 1e-9L;
    chart.redrawn();
    QValueAxis* y = axis(Qt::Vertical);
    EXPECT_LE((y->max() - y->min()) / y->tickInterval(), view->chart()->plotArea().height());
}

TEST_F(ChartViewTest, contextMenuRunsItsEntry) {
    int added = 0;
    view->setContextMenu({{QStringLiteral("Ajouter un point ici"), [&] { ++added; }}});
    ASSERT_NE(view->contextMenu(), nullptr);
    view->contextMenu()->actions().first()->trigger();
    EXPECT_EQ(added, 1);
}

TEST(PaintChart, drawsTheSameChartIntoAnyPainterAtAnySize) {
    test::TestApplication();
    const Chart chart = EnvelopeChart();
    QImage image(596, 548, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintChart(chart, painter, QRectF(0, 0, 596, 548), QSizeF(298, 274));
    painter.end();
    int blue = 0, green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c == QColor(0, 0, 255);
            green += c == QColor(0, 128, 0);
        }
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_GT(blue, 500);  // the five edges, 3 pixels wide at scene scale
    EXPECT_GT(green, 100); // the disc
}

} // namespace
} // namespace pesavia
