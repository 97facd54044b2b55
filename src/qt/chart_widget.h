#pragma once

#include <string_view>

#include <QChartView>

#include "controls/form.h"

namespace kugel {

class Chart;

// Shows the model's bar chart with Qt Charts: one bar per point in the
// point's own colour, value marks on the bars when the series shows them, a
// value axis with the model's manual or automatic range and a titled bottom
// axis. It follows the model on its own: every redraw of the chart rebuilds
// the Qt chart.
class ChartWidget : public QChartView, private FormObserver {
  public:
    ChartWidget(const Chart& chart, QWidget* parent);
    ~ChartWidget() override;

    // Rebuilds the series and axes from the model's chart state.
    void refresh();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void propertyChanged(Component& component, std::string_view property) override;

    const Chart& chart_;
};

}  // namespace kugel
