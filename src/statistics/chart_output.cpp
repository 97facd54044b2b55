#include "statistics/chart_output.h"

#include <algorithm>

#include "model/game.h"

namespace kugel {

ChartPoint seriesBar(const Chart& chart, int x, int y) {
    return {static_cast<double>(x), static_cast<double>(y), chart.Series2.color, {}};
}

ChartPoint numberBar(int number, int y) {
    return {
        static_cast<double>(number), static_cast<double>(y), isPrime(number) ? clRed : clGreen, {}};
}

void showBars(Chart& chart, std::vector<ChartPoint> bars, ValueAxis axis,
              const std::optional<std::string>& title) {
    chart.Series1.active = false;
    chart.Series2.active = true;
    chart.Series2.points = std::move(bars);

    if (axis == ValueAxis::Spread) {
        double lo = 0;
        double hi = 0;
        if (!chart.Series2.points.empty()) {
            const auto [minIt, maxIt] = std::minmax_element(
                chart.Series2.points.begin(), chart.Series2.points.end(),
                [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
            lo = minIt->y;
            hi = maxIt->y;
        }
        chart.LeftAxis.automatic = false;
        chart.LeftAxis.minimum = lo;
        chart.LeftAxis.maximum = hi;
    } else {
        chart.LeftAxis.automatic = true;
    }
    chart.BottomAxis.automatic = true;
    if (title) chart.BottomAxis.title = *title;
    chart.redraw();
}

}  // namespace kugel
