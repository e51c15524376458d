#include "gui/chart_view.h"

#include <QChart>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace pesavia {

namespace {

QColor toQt(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QFont pixelFont(int pixels, bool bold = false) {
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QValueAxis* axisOf(QChart& target, Qt::Alignment side) {
    const auto axes = target.axes(side == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

// The smallest of 1, 2, 5 times a power of ten that is at least `step`.
double niceStepAtLeast(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * power >= step * (1 - 1e-9)) return f * power;
    return 10 * power;
}

// Decimals that a label at this step needs, at most 3.
int decimalsFor(double step) {
    int n = 0;
    while (n < 3 && std::fabs(step * std::pow(10.0, n) - std::round(step * std::pow(10.0, n))) > 1e-6)
        ++n;
    return n;
}

// Puts one axis of the description on its Qt axis: the range widened by the end offsets (the description's
// range maps to the axis length less the offsets), labels at multiples of the label step. A step so fine
// that its labels would not fit in the axis's pixels is widened, as the original chart does rather than
// drawing thousands of labels.
void fitAxis(QValueAxis& axis, const ChartAxis& desc, std::pair<long double, long double> range,
             double pixels, const QFontMetricsF* labelWidths) {
    double lo = static_cast<double>(range.first), hi = static_cast<double>(range.second);
    if (!(hi > lo)) { // equal limits: a range of zero width cannot be drawn
        lo -= 1;
        hi += 1;
    }
    const double span = pixels - desc.startOffset - desc.endOffset;
    if (span > 0) {
        const double perPixel = (hi - lo) / span;
        lo -= desc.startOffset * perPixel;
        hi += desc.endOffset * perPixel;
    }
    axis.setRange(lo, hi);
    double step = static_cast<double>(desc.increment);
    if (!(step > 0) || !std::isfinite(step)) step = niceStepAtLeast((hi - lo) / 5);
    // Horizontal labels must not run into each other; vertical ones have no minimum spacing.
    double labelPixels = 1;
    if (labelWidths) {
        const int decimals = decimalsFor(step);
        // Qt Charts cuts a label short unless it has a few pixels to spare on each side.
        labelPixels = 6 + 1.1 * std::max(labelWidths->horizontalAdvance(QString::number(lo, 'f', decimals)),
                                         labelWidths->horizontalAdvance(QString::number(hi, 'f', decimals)));
    }
    const double maxLabels = std::max(2.0, pixels / std::max(labelPixels, 1.0));
    if ((hi - lo) / step > maxLabels) step = niceStepAtLeast((hi - lo) / maxLabels);
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(step);
    axis.setLabelFormat(QStringLiteral("%.%1f").arg(decimalsFor(step)));
}

} // namespace

void BuildChart(QChart& target, const Chart& chart) {
    target.removeAllSeries();
    for (QAbstractAxis* axis : target.axes()) {
        target.removeAxis(axis);
        delete axis;
    }
    target.legend()->hide();
    target.setTitle({});
    target.setAnimationOptions(QChart::NoAnimation);
    target.setBackgroundRoundness(0);
    target.setDropShadowEnabled(false);
    target.setBackgroundBrush(Qt::white);
    target.setMargins(QMargins(2, 4, 8, 2));
    target.layout()->setContentsMargins(0, 0, 0, 0);

    const auto makeAxis = [&](const ChartAxis& desc, Qt::Alignment side) {
        auto* axis = new QValueAxis;
        axis->setTitleText(QString::fromStdString(desc.title));
        axis->setTitleFont(pixelFont(11));
        axis->setLabelsFont(pixelFont(10));
        axis->setMinorTickCount(0);
        axis->setMinorGridLineVisible(desc.minorGrid);
        axis->setLinePenColor(Qt::black);
        target.addAxis(axis, side);
        return axis;
    };
    QValueAxis* x = makeAxis(chart.bottom, Qt::AlignBottom);
    QValueAxis* y = makeAxis(chart.left, Qt::AlignLeft);

    for (const LineSeries& line : chart.lines) {
        // An edge whose other end did not read holds one point twice: it draws nothing, not a dot.
        const bool degenerate = std::all_of(line.points.begin(), line.points.end(),
                                            [&](const ChartPoint& p) { return p == line.points.front(); });
        if (line.points.empty() || degenerate) continue;
        auto* series = new QLineSeries;
        QPen pen(toQt(line.color), line.penWidth);
        pen.setCapStyle(Qt::RoundCap);
        series->setPen(pen);
        for (const ChartPoint& p : line.points)
            series->append(static_cast<double>(p.x), static_cast<double>(p.y));
        target.addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    if (chart.bubble) { // added last: drawn over the edges
        auto* bubble = new QScatterSeries;
        bubble->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        bubble->setColor(toQt(chart.bubble->color));
        bubble->setBorderColor(toQt(chart.bubble->color));
        bubble->setMarkerSize(0);
        bubble->append(static_cast<double>(chart.bubble->centre.x),
                       static_cast<double>(chart.bubble->centre.y));
        target.addSeries(bubble);
        bubble->attachAxis(x);
        bubble->attachAxis(y);
    }
    FitChart(target, chart);
}

void FitChart(QChart& target, const Chart& chart) {
    QValueAxis* x = axisOf(target, Qt::AlignBottom);
    QValueAxis* y = axisOf(target, Qt::AlignLeft);
    if (!x || !y) return;
    const QRectF plot = target.plotArea();
    const QFontMetricsF metrics(x->labelsFont());
    fitAxis(*x, chart.bottom, chart.range(chart.bottom), plot.width(), &metrics);
    fitAxis(*y, chart.left, chart.range(chart.left), plot.height(), nullptr);
    if (chart.bubble) {
        for (QAbstractSeries* s : target.series())
            if (auto* bubble = qobject_cast<QScatterSeries*>(s)) {
                // Round: its radius is measured on the vertical scale, in both directions.
                const double perUnit = plot.height() / (y->max() - y->min());
                bubble->setMarkerSize(std::max(0.0, 2 * static_cast<double>(chart.bubble->radius) * perUnit));
            }
    }
}

void PaintChart(const Chart& chart, QPainter& painter, const QRectF& target, const QSizeF& sceneSize) {
    QGraphicsScene scene;
    auto* qchart = new QChart;
    scene.addItem(qchart); // the scene owns it
    qchart->setGeometry(QRectF(QPointF(0, 0), sceneSize));
    BuildChart(*qchart, chart);
    // The plot area depends on the labels, which depend on the ranges: two passes settle it.
    for (int pass = 0; pass < 2; ++pass) {
        qchart->layout()->activate();
        FitChart(*qchart, chart);
    }
    qchart->layout()->activate();
    painter.fillRect(target, Qt::white);
    scene.render(&painter, target, QRectF(QPointF(0, 0), sceneSize));
}

ChartView::ChartView(Chart& chart, QWidget* parent) : QChartView(new QChart, parent), chart_(chart) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(NoFrame);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setBackgroundBrush(Qt::white);
    if (!chart.hint().empty()) setToolTip(QString::fromStdString(chart.hint()));
    connect(this->chart(), &QChart::plotAreaChanged, this, [this] { fit(); });
    connection_ = chart_.changed.connect([this] { rebuild(); });
    rebuild();
}

ChartView::~ChartView() {
    chart_.changed.disconnect(connection_);
}

void ChartView::setContextMenu(std::vector<MenuEntry> entries) {
    ReplaceContextMenu(menu_, this, std::move(entries), &run_);
}

void ChartView::rebuild() {
    BuildChart(*chart(), chart_);
    fit();
    setVisible(chart_.visible());
}

void ChartView::fit() {
    if (fitting_) return;
    fitting_ = true;
    FitChart(*chart(), chart_);
    const QRect plot = chart()->plotArea().toRect();
    chart_.plot = PlotArea{plot.left(), plot.top(), plot.width(), plot.height()};
    fitting_ = false;
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    if (chart_.tracking && chart_.visible()) {
        const QPoint p = event->position().toPoint();
        runEvent([&] { chart_.mouseMove(p.x(), p.y()); });
    }
    QChartView::mouseMoveEvent(event);
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
    if (!menu_) return QChartView::contextMenuEvent(event);
    menu_->exec(event->globalPos());
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    fit();
}

} // namespace pesavia
