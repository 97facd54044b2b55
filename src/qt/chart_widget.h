#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include <QChartView>
#include <QElapsedTimer>
#include <QFont>
#include <QString>
#include <QTimer>

#include "controls/form.h"

class QAbstractBarSeries;
class QCategoryAxis;
class QValueAxis;

namespace kugel {

class Chart;
struct ChartSeries;

// Shows the model's bar chart with Qt Charts: one bar per point in the
// point's own colour, value marks on the bars when the series shows them, a
// value axis with the model's manual or automatic range and a titled bottom
// axis. It follows the model on its own: every redraw of the chart rebuilds
// the Qt chart, at once while it is shown and the program is not busy.
class ChartWidget : public QChartView, private FormObserver {
  public:
    ChartWidget(const Chart& chart, QWidget* parent);
    ~ChartWidget() override;

    // Rebuilds the series and axes from the model's chart state.
    void refresh();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void propertyChanged(Component& component, std::string_view property) override;
    // Rebuilds now, or marks the chart to be rebuilt when it is shown or due.
    void refreshWhenDue();
    // The parts of a rebuild, in this order: the old series and axes go,
    // then the categories, the bars, both axes and the ranges over the bars.
    void clearChart();
    void takeCategories(const std::vector<const ChartSeries*>& shown);
    QAbstractBarSeries* addBars(const std::vector<const ChartSeries*>& shown);
    QValueAxis* addValueAxis(QAbstractBarSeries& bars,
                             const std::vector<const ChartSeries*>& shown);
    void addCategoryAxis(QAbstractBarSeries& bars);
    void addRanges(const std::vector<const ChartSeries*>& shown, QValueAxis& valueAxis);
    // Labels the x axis for the present room per bar.
    void labelCategories();

    struct Category {
        QString text;
        std::optional<long long> x;  // a whole x value, which may be thinned to
    };
    struct Labelling {
        int every = 0;
        QFont font;
    };

    const Chart& chart_;
    QCategoryAxis* categoryAxis_ = nullptr;  // owned by the chart
    std::vector<Category> categories_;
    Labelling labelled_;
    static constexpr qint64 kBusyRefreshIntervalMs = 250;
    bool stale_ = false;  // redrawn in the model since the last rebuild
    QElapsedTimer sinceRefresh_;
    QTimer due_;  // the deferred rebuild of a chart shown while busy
};

}  // namespace kugel
