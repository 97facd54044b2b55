#pragma once

#include <QWidget>

namespace kugel {

class Chart;

// Paints the model's bar chart: one bar per point in the point's own colour,
// value marks above the bars when the series shows them, a value axis with
// the model's manual or automatic range and a titled bottom axis.
class ChartWidget : public QWidget {
  public:
    ChartWidget(const Chart& chart, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Chart& chart_;
};

}  // namespace kugel
