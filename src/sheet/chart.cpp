#include "chart.h"

#include "controls/error.h"

#include <algorithm>

namespace pesavia {

Chart::Chart() {
    bottom.title = "Bras de levier (m)";
    left.title = "Masse (kg)";
    setVisible(false);
}

void Chart::clearSeries() {
    lines.clear();
    bubble.reset();
}

void Chart::setRange(ChartAxis& axis, long double minimum, long double maximum) {
    if (maximum < minimum) throw Error("Axis Maximum Value must be >= Minimum");
    axis.automatic = false;
    axis.minimum = minimum;
    axis.maximum = maximum;
}

std::pair<long double, long double> Chart::range(const ChartAxis& axis) const {
    if (!axis.automatic) return {axis.minimum, axis.maximum};
    const bool horizontal = &axis == &bottom;
    bool any = false;
    long double lo = 0, hi = 0;
    const auto take = [&](long double v) {
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    };
    for (const auto& s : lines)
        for (const auto& p : s.points) take(horizontal ? p.x : p.y);
    if (bubble) take(horizontal ? bubble->centre.x : bubble->centre.y);
    return {lo, hi};
}

long double Chart::valueAtX(int px) const {
    const auto [lo, hi] = range(bottom);
    const int start = plot.left + bottom.startOffset;
    const int span = plot.width - bottom.startOffset - bottom.endOffset;
    if (span <= 0) return lo;
    return lo + static_cast<long double>(px - start) * (hi - lo) / span;
}

long double Chart::valueAtY(int py) const {
    const auto [lo, hi] = range(left);
    const int start = plot.top + plot.height - left.startOffset;
    const int span = plot.height - left.startOffset - left.endOffset;
    if (span <= 0) return lo;
    return lo + static_cast<long double>(start - py) * (hi - lo) / span;
}

} // namespace pesavia
