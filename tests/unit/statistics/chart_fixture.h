#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/chart.h"
#include "support/test_app.h"

namespace kugel::test {

// Four weekly draws; the first two hold the runs the group statistics are
// about, the last shares its Powerball with the second.
struct FourDraws {
    double d1 = day(2018, 1, 4);
    double d2 = day(2018, 1, 11);
    double d3 = day(2018, 1, 18);
    double d4 = day(2018, 1, 25);
    std::vector<TZiehung> records() const {
        return {draw(d1, {1, 2, 3, 4, 5, 6}, 1, 7), draw(d2, {5, 6, 7, 20, 21, 40}, 2, 8),
                draw(d3, {37, 38, 39, 40, 1, 2}, 20, 9), draw(d4, {2, 11, 17, 23, 30, 35}, 2, 10)};
    }
};

inline void setWindow(TForm1& form, double start, double end) {
    ASSERT_TRUE(form.DateTimePicker2->setDate(start));
    ASSERT_TRUE(form.DateTimePicker1->setDate(end));
}

inline std::vector<int> barHeights(const Chart& chart) {
    std::vector<int> out;
    for (const ChartPoint& p : chart.Series2.points) out.push_back(static_cast<int>(p.y));
    return out;
}

inline std::vector<int> barPositions(const Chart& chart) {
    std::vector<int> out;
    for (const ChartPoint& p : chart.Series2.points) out.push_back(static_cast<int>(p.x));
    return out;
}

// Heights for positions 1..size: `value` at the listed positions, `rest` elsewhere.
inline std::vector<int> heights(int size, int rest, std::initializer_list<std::pair<int, int>> at) {
    std::vector<int> out(static_cast<std::size_t>(size), rest);
    for (const auto& [pos, value] : at) out[static_cast<std::size_t>(pos - 1)] = value;
    return out;
}

inline std::vector<int> oneToN(int n) {
    std::vector<int> out;
    for (int i = 1; i <= n; ++i) out.push_back(i);
    return out;
}

}  // namespace kugel::test
