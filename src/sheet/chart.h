#pragma once
#include "controls/control.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pesavia {

struct ChartPoint {
    long double x = 0, y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// One envelope edge: one or two points, drawn as a line.
struct LineSeries {
    std::vector<ChartPoint> points;
    Rgb color{0, 0, 255};
    int penWidth = 3;
};

// The loaded aircraft: a round disc whose radius is given in units of the vertical axis.
struct BubbleSeries {
    ChartPoint centre;
    long double radius = 0;
    Rgb color{0, 128, 0};
};

struct ChartAxis {
    std::string title;
    bool automatic = true;            // range taken from the series
    long double minimum = 0, maximum = 0; // the range when manual
    long double increment = 0;        // the label step
    int startOffset = 0, endOffset = 0; // pixels kept free inside each end of the axis
    bool minorGrid = true;
    bool minorTicks = true;
};

// Where the plotting rectangle lies in the chart's pixels; the view reports it.
struct PlotArea {
    int left = 0, top = 0, width = 0, height = 0;
};

// The envelope chart as a description that a renderer draws (on screen or in a report page).
class Chart : public Control {
public:
    Chart();

    std::vector<LineSeries> lines;
    std::optional<BubbleSeries> bubble;
    ChartAxis bottom, left;
    bool tracking = false; // whether pointer moves update the read-out
    PlotArea plot;

    void clearSeries();
    // Makes the axis manual with the range [minimum, maximum]; a maximum below the minimum fails with
    // Error("Axis Maximum Value must be >= Minimum"). Equal limits are allowed.
    static void setRange(ChartAxis& axis, long double minimum, long double maximum);
    // The range in force: the manual one, or the extent of the series when automatic.
    std::pair<long double, long double> range(const ChartAxis& axis) const;
    // The axis values under a pixel of the chart, through the inverse of each axis's mapping.
    long double valueAtX(int px) const;
    long double valueAtY(int py) const;
    // Tells the views that the description was rebuilt.
    void redrawn() { changed(); }

    std::function<void(int x, int y)> OnMouseMove;
    // The pointer moves over the chart, at a pixel of the chart.
    void mouseMove(int x, int y) { if (OnMouseMove) OnMouseMove(x, y); }
};

} // namespace pesavia
