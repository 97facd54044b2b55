#include <gtest/gtest.h>

#include "model/game.h"
#include "statistics/tip_distribution.h"
#include "unit/statistics/chart_fixture.h"

namespace kugel {
namespace {

using test::barHeights;
using test::barPositions;
using test::oneToN;

struct TipDistribution : ::testing::Test {
    test::TestApp t;
    TForm1& form = t.form();
    Chart& chart = *t.form().Chart1;

    void fill(std::size_t row, std::array<int, 6> numbers) {
        for (std::size_t k = 0; k < 6; ++k)
            form.ticket.rows[row].numbers[k]->setText(std::to_string(numbers[k]));
    }
    void clearTicket() {
        for (const TicketRow& row : form.ticket.rows) {
            for (Edit* e : row.numbers) e->setText("");
            row.powerball->setText("");
        }
    }
};

TEST_F(TipDistribution, CountsRowsUntilTheFirstEmptyEdit) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::size_t, std::array<int, 6>>> rows;
        std::vector<int> bars;
    };
    std::vector<int> sixRows(40, 0);
    for (int n = 1; n <= 36; ++n) sixRows[static_cast<std::size_t>(n - 1)] = 1;
    std::vector<int> twelveRows(40, 0);
    const Case cases[] = {
        {"six rows, six empty",
         {{0, {1, 2, 3, 4, 5, 6}},
          {1, {7, 8, 9, 10, 11, 12}},
          {2, {13, 14, 15, 16, 17, 18}},
          {3, {19, 20, 21, 22, 23, 24}},
          {4, {25, 26, 27, 28, 29, 30}},
          {5, {31, 32, 33, 34, 35, 36}},
          {7, {37, 38, 39, 40, 1, 2}}},  // behind the empty row 7: not counted
         sixRows},
        {"empty ticket", {}, std::vector<int>(40, 0)},
        {"first row empty", {{1, {1, 2, 3, 4, 5, 6}}}, std::vector<int>(40, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearTicket();
        for (const auto& [row, numbers] : c.rows) fill(row, numbers);
        form.PageControl1->setActivePage(form.TabSheet1);
        showTicketNumberDistribution(form);
        EXPECT_EQ(barPositions(chart), oneToN(40));
        EXPECT_EQ(barHeights(chart), c.bars);
        const auto [lo, hi] = std::minmax_element(c.bars.begin(), c.bars.end());
        EXPECT_FALSE(chart.LeftAxis.automatic);
        EXPECT_EQ(chart.LeftAxis.minimum, *lo);
        EXPECT_EQ(chart.LeftAxis.maximum, *hi);
        EXPECT_TRUE(chart.BottomAxis.automatic);
        EXPECT_EQ(chart.BottomAxis.title, form.msg(25));
        EXPECT_EQ(form.PageControl1->activePage(), form.TabSheet5);
        for (const ChartPoint& p : chart.Series2.points)
            EXPECT_EQ(p.color, isPrime(static_cast<int>(p.x)) ? 255 : 32768);
    }
}

TEST_F(TipDistribution, EmptyEditInsideARowEndsTheCount) {
    clearTicket();
    fill(0, {3, 7, 12, 25, 31, 40});
    fill(1, {3, 8, 9, 10, 11, 13});
    form.ticket.rows[1].numbers[2]->setText("");  // 9 goes, and all after it
    showTicketNumberDistribution(form);
    std::vector<int> expected(40, 0);
    for (const int n : {7, 12, 25, 31, 40, 8}) expected[static_cast<std::size_t>(n - 1)] = 1;
    expected[2] = 2;  // 3 in both rows
    EXPECT_EQ(barHeights(chart), expected);
}

TEST_F(TipDistribution, ANumberInEveryRow) {
    clearTicket();
    for (std::size_t r = 0; r < MaxTipps; ++r) {
        const int a = 8 + 2 * static_cast<int>(r);  // 8..30
        fill(r, {7, a, a + 1, 38, 39, 40});
    }
    showTicketNumberDistribution(form);
    EXPECT_EQ(chart.Series2.points[6].y, 12);
    EXPECT_EQ(chart.LeftAxis.maximum, 12);
    EXPECT_EQ(chart.LeftAxis.minimum, 0);  // some numbers never occur
}

}  // namespace
}  // namespace kugel
