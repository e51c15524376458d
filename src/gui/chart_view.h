#pragma once
#include "gui/context_menu.h"
#include "sheet/chart.h"

#include <QChartView>

#include <functional>

class QChart;
class QMenu;
class QPainter;

namespace pesavia {

// Fills a Qt chart with a chart description: one blue line per envelope edge, the loaded aircraft as a
// round green disc, the two value axes with their ranges and label steps. Sizes in pixels (the bubble,
// the horizontal axis's end offsets) follow the chart's plot area, so FitChart runs again whenever that
// area changes.
void BuildChart(QChart& target, const Chart& chart);
void FitChart(QChart& target, const Chart& chart);

// Draws the description into any painter: the chart is laid out at sceneSize pixels (fonts and line widths
// at that scale) and scaled into target.
void PaintChart(const Chart& chart, QPainter& painter, const QRectF& target, const QSizeF& sceneSize);

// The envelope chart on screen: redrawn whenever the description changes, hidden with it, reporting its
// plot area back to the description and the pointer moves (Chart::mouseMove) while it tracks them.
class ChartView : public QChartView {
    Q_OBJECT
  public:
    ChartView(Chart& chart, QWidget* parent = nullptr);
    ~ChartView() override;

    void setEventRunner(EventRunner runner) { run_ = std::move(runner); }
    // The context menu's entries (caption, action); empty: no menu.
    void setContextMenu(std::vector<MenuEntry> entries);
    QMenu* contextMenu() const { return menu_; }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void rebuild();
    void fit();
    void runEvent(const std::function<void()>& action) const { RunEvent(run_, action); }

    Chart& chart_;
    int connection_;
    EventRunner run_;
    QMenu* menu_ = nullptr;
    bool fitting_ = false;
};

} // namespace pesavia
