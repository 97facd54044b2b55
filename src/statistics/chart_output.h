#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/chart.h"

namespace kugel {

// How the value axis of a statistic is scaled.
enum class ValueAxis {
    Automatic,
    // Fixed to the smallest and the largest value shown, so that the
    // differences between the bars fill the chart.
    Spread,
};

// A bar in the colour of Series2.
ChartPoint seriesBar(const Chart& chart, int x, int y);
// A bar of a main number: red for the primes, green for the others.
ChartPoint numberBar(int number, int y);

// Puts a statistic into the chart: Series2 active with exactly these bars,
// Series1 off, the value axis as asked, the bottom axis automatic and its
// title replaced unless none is given. Redraws once at the end.
void showBars(Chart& chart, std::vector<ChartPoint> bars, ValueAxis axis,
              const std::optional<std::string>& title);

}  // namespace kugel
