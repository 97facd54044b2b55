#include <gtest/gtest.h>

#include "draws/draw_display.h"
#include "statistics/group_statistics.h"
#include "unit/statistics/chart_fixture.h"

namespace kugel {
namespace {

using test::barHeights;
using test::barPositions;
using test::heights;
using test::oneToN;
using test::setWindow;

struct GroupStatistics : ::testing::Test {
    test::TestApp t;
    TForm1& form = t.form();
    Chart& chart = *t.form().Chart1;
    double d1 = test::day(2018, 1, 4);
    double d2 = test::day(2018, 1, 11);
};

TEST_F(GroupStatistics, RunsOfOneDraw) {
    struct Case {
        std::array<int, 6> numbers;
        const char* handler;
        std::vector<int> bars;
        const char* title;
    };
    const Case cases[] = {
        {{5, 6, 7, 20, 21, 40},
         "Button2Click",
         heights(39, 0, {{5, 1}, {6, 1}, {20, 1}}),
         "Ziehungen: 1   Paare gefunden:3"},
        {{5, 6, 7, 20, 21, 40},
         "Button3Click",
         heights(38, 0, {{5, 1}}),
         "Ziehungen: 1   Dreier gefunden:1"},
        {{5, 6, 7, 20, 21, 40},
         "Button4Click",
         heights(40, 0, {}),
         "Ziehungen: 1   Vierer gefunden:0"},
        {{37, 38, 39, 40, 1, 2},
         "Button2Click",
         heights(39, 0, {{1, 1}, {37, 1}, {38, 1}, {39, 1}}),
         "Ziehungen: 1   Paare gefunden:4"},
        {{37, 38, 39, 40, 1, 2},
         "Button3Click",
         heights(38, 0, {{37, 1}, {38, 1}}),
         "Ziehungen: 1   Dreier gefunden:2"},
        {{37, 38, 39, 40, 1, 2},
         "Button4Click",
         heights(40, 0, {{37, 1}}),
         "Ziehungen: 1   Vierer gefunden:1"},
        // The draw's order does not matter.
        {{40, 2, 39, 1, 38, 37},
         "Button4Click",
         heights(40, 0, {{37, 1}}),
         "Ziehungen: 1   Vierer gefunden:1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + " " + std::to_string(c.numbers[0]));
        test::writeHistory(t.historyPath(), {test::draw(d2, c.numbers, 3)});
        setWindow(form, d1, d2);
        form.run(c.handler, nullptr);
        EXPECT_EQ(barPositions(chart), oneToN(static_cast<int>(c.bars.size())));
        EXPECT_EQ(barHeights(chart), c.bars);
        EXPECT_EQ(chart.BottomAxis.title, c.title);
        for (const ChartPoint& p : chart.Series2.points) EXPECT_EQ(p.color, 32768);
        const bool quadruples = c.bars.size() == 40;
        EXPECT_EQ(chart.LeftAxis.automatic, quadruples);
        if (!quadruples) {
            EXPECT_EQ(chart.LeftAxis.minimum, 0);
            EXPECT_EQ(chart.LeftAxis.maximum, 1);
        }
        EXPECT_TRUE(chart.BottomAxis.automatic);
        EXPECT_TRUE(chart.Series2.active);
        EXPECT_FALSE(chart.Series1.active);
    }
}

TEST_F(GroupStatistics, CountsAddUpOverTheWindow) {
    const double d3 = test::day(2018, 1, 18);
    test::writeHistory(t.historyPath(), {test::draw(d1, {1, 2, 3, 4, 5, 6}, 1),
                                         test::draw(d2, {1, 2, 10, 11, 30, 31}, 2),
                                         test::draw(d3, {1, 2, 3, 11, 12, 13}, 3)});
    setWindow(form, d1, d3);  // d1 does not count
    showConsecutiveGroups(form, 2);
    EXPECT_EQ(barHeights(chart),
              heights(39, 0, {{1, 2}, {2, 1}, {10, 1}, {11, 1}, {12, 1}, {30, 1}}));
    EXPECT_EQ(chart.LeftAxis.minimum, 0);
    EXPECT_EQ(chart.LeftAxis.maximum, 2);
    EXPECT_EQ(chart.BottomAxis.title, "Ziehungen: 2   Paare gefunden:7");
}

TEST_F(GroupStatistics, EmptyWindowGivesZeros) {
    test::writeHistory(t.historyPath(), {test::draw(d1, {1, 2, 3, 4, 5, 6}, 1)});
    const struct {
        const char* handler;
        std::size_t bars;
        const char* title;
    } cases[] = {{"Button2Click", 39, "Ziehungen: 0   Paare gefunden:0"},
                 {"Button3Click", 38, "Ziehungen: 0   Dreier gefunden:0"},
                 {"Button4Click", 40, "Ziehungen: 0   Vierer gefunden:0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handler);
        setWindow(form, d1, d2);  // the only draw is on the start day
        form.Zahl = {0, 9, 9, 9, 9, 9, 9, 9, 9};
        form.Gewinn = 5;
        form.run(c.handler, nullptr);
        EXPECT_EQ(barHeights(chart), std::vector<int>(c.bars, 0));
        EXPECT_EQ(chart.BottomAxis.title, c.title);
        // No draw was checked, so nothing of a hit count is left behind.
        EXPECT_EQ(form.Zahl[1], 9);
        EXPECT_EQ(form.Gewinn, 5);
    }
}

TEST_F(GroupStatistics, LeaveTheDisplayedDrawAndTheLastHitCount) {
    const TZiehung shown = test::draw(d2, {37, 38, 39, 40, 1, 2}, 20, 11);
    test::writeHistory(t.historyPath(), {test::draw(d1, {4, 5, 6, 7, 8, 9}, 3, 10), shown});
    form.DateTimePicker1->setDate(d2);
    showDrawOfPickedDate(form);  // displays d2; the window now ends there
    const std::string label = form.Label29->caption();
    form.DateTimePicker2->setDate(d1 - 7);

    // The last run checked is 39-40 for pairs and starts at 38 otherwise.
    const struct {
        const char* handler;
        int hits;
        std::array<bool, 4> treffer;
    } cases[] = {{"Button2Click", 2, {true, true, false, false}},
                 {"Button3Click", 3, {true, true, true, false}},
                 {"Button4Click", 3, {true, true, true, false}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handler);
        form.Zahl = {};
        form.Zusatz = true;
        form.run(c.handler, nullptr);
        for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(form.Zahl[i + 1], shown.Zahlen[i]) << i;
        EXPECT_EQ(form.Gewinn, c.hits);
        for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(form.Treffer[k + 1], c.treffer[k]) << k;
        EXPECT_FALSE(form.Treffer[5]);
        EXPECT_FALSE(form.Zusatz);
        EXPECT_EQ(form.Datum1, d2);
        EXPECT_EQ(form.Label29->caption(), label);
    }
}

// A zero byte in a damaged record must not complete a run: a quadruple is
// only counted when all four numbers were drawn.
TEST_F(GroupStatistics, DamagedRecordsCompleteNoRun) {
    test::writeHistory(t.historyPath(), {test::draw(d2, {5, 6, 0, 0, 41, 255}, 0)});
    setWindow(form, d1, d2);
    showConsecutiveGroups(form, 4);
    EXPECT_EQ(barHeights(chart), std::vector<int>(40, 0));
    showConsecutiveGroups(form, 2);
    EXPECT_EQ(barHeights(chart), heights(39, 0, {{5, 1}}));
    EXPECT_EQ(chart.BottomAxis.title, "Ziehungen: 1   Paare gefunden:1");
}

}  // namespace
}  // namespace kugel
