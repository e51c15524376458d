// One render of the envelope chart description into an image, as the screen and the report draw it.
#include "gui/chart_view.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

pesavia::Chart EnvelopeChart() {
    using namespace pesavia;
    Chart chart;
    const ChartPoint corners[] = {{0.30L, 280}, {0.25L, 380}, {0.40L, 450}, {0.55L, 450}, {0.50L, 280}};
    for (int i = 0; i < 5; ++i)
        chart.lines.push_back(LineSeries{{corners[i], corners[(i + 1) % 5]}});
    chart.bubble = BubbleSeries{{0.3675L, 400}, 4};
    Chart::setRange(chart.bottom, 0.1L, 0.7L);
    Chart::setRange(chart.left, 250, 470);
    chart.bottom.increment = 0.1L;
    chart.left.increment = 20;
    chart.bottom.startOffset = chart.bottom.endOffset = 5;
    chart.setVisible(true);
    return chart;
}

void RenderChartToImage(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "gui_chart_bench";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(argc, argv);
    const pesavia::Chart chart = EnvelopeChart();
    QImage image(298, 274, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        pesavia::PaintChart(chart, painter, QRectF(0, 0, 298, 274), QSizeF(298, 274));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(RenderChartToImage)->Unit(benchmark::kMillisecond);

} // namespace
