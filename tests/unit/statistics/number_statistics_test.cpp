#include <gtest/gtest.h>

#include "model/game.h"
#include "shell/application.h"
#include "statistics/number_statistics.h"
#include "unit/statistics/chart_fixture.h"

namespace kugel {
namespace {

using test::barHeights;
using test::barPositions;
using test::FourDraws;
using test::heights;
using test::oneToN;
using test::setWindow;

struct NumberStatistics : ::testing::Test {
    test::TestApp t;
    FourDraws h;
    TForm1& form = t.form();
    Chart& chart = *t.form().Chart1;
    void SetUp() override { test::writeHistory(t.historyPath(), h.records()); }
};

TEST_F(NumberStatistics, FrequencyOfASingleDraw) {
    setWindow(form, h.d2, h.d2);
    showMainNumberFrequency(form);
    EXPECT_EQ(barPositions(chart), oneToN(40));
    EXPECT_EQ(barHeights(chart),
              heights(40, 0, {{5, 1}, {6, 1}, {7, 1}, {20, 1}, {21, 1}, {40, 1}}));
    for (const ChartPoint& p : chart.Series2.points)
        EXPECT_EQ(p.color, isPrime(static_cast<int>(p.x)) ? 255 : 32768) << p.x;
    EXPECT_FALSE(chart.LeftAxis.automatic);
    EXPECT_EQ(chart.LeftAxis.minimum, 0);
    EXPECT_EQ(chart.LeftAxis.maximum, 1);
    EXPECT_TRUE(chart.BottomAxis.automatic);
    EXPECT_EQ(chart.BottomAxis.title, "Zahlenverteilung     Ziehungen: 1    Quersumme: 99");
    EXPECT_TRUE(chart.Series2.active);
    EXPECT_FALSE(chart.Series1.active);
}

TEST_F(NumberStatistics, OutstandingNumbersCountDrawsSinceLastSeen) {
    setWindow(form, h.d1, h.d4);  // d1 itself is left out
    showMainNumberOutstanding(form);
    // d4 holds 2 11 17 23 30 35, d3 adds 1 37 38 39 40, d2 adds 5 6 7 20 21;
    // the rest were not drawn in the three counting draws.
    EXPECT_EQ(barHeights(chart), heights(40, 4,
                                         {{2, 1},
                                          {11, 1},
                                          {17, 1},
                                          {23, 1},
                                          {30, 1},
                                          {35, 1},
                                          {1, 2},
                                          {37, 2},
                                          {38, 2},
                                          {39, 2},
                                          {40, 2},
                                          {5, 3},
                                          {6, 3},
                                          {7, 3},
                                          {20, 3},
                                          {21, 3}}));
    EXPECT_EQ(chart.Series2.points[36].color, 255);  // 37
    EXPECT_EQ(chart.Series2.points[37].color, 32768);
    EXPECT_EQ(chart.LeftAxis.minimum, 1);
    EXPECT_EQ(chart.LeftAxis.maximum, 4);
    EXPECT_EQ(chart.BottomAxis.title, form.msg(26));
}

TEST_F(NumberStatistics, PowerballStatistics) {
    setWindow(form, h.d1, h.d4);
    showPowerballFrequency(form);  // d1 counts: Powerballs 1 2 20 2
    EXPECT_EQ(barPositions(chart), oneToN(20));
    EXPECT_EQ(barHeights(chart), heights(20, 0, {{1, 1}, {2, 2}, {20, 1}}));
    EXPECT_EQ(chart.LeftAxis.minimum, 0);
    EXPECT_EQ(chart.LeftAxis.maximum, 2);
    EXPECT_EQ(chart.BottomAxis.title, form.msg(47));
    for (const ChartPoint& p : chart.Series2.points) EXPECT_EQ(p.color, 32768);

    showPowerballOutstanding(form);  // d1 does not count: 2 20 2; not drawn = number of draws
    EXPECT_EQ(barHeights(chart), heights(20, 3, {{2, 1}, {20, 2}}));
    EXPECT_EQ(chart.LeftAxis.minimum, 1);
    EXPECT_EQ(chart.LeftAxis.maximum, 3);
    EXPECT_EQ(chart.BottomAxis.title, form.msg(10));
    for (const ChartPoint& p : chart.Series2.points) EXPECT_EQ(p.color, 32768);
}

TEST_F(NumberStatistics, RowSumDistributionSpansSmallestToLargestSum) {
    setWindow(form, h.d1, h.d4);  // sums 99, 157, 118
    showRowSumDistribution(form);
    std::vector<int> positions;
    for (int s = 99; s <= 157; ++s) positions.push_back(s);
    EXPECT_EQ(barPositions(chart), positions);
    std::vector<int> expected(positions.size(), 0);
    expected[0] = expected[118 - 99] = expected[157 - 99] = 1;
    EXPECT_EQ(barHeights(chart), expected);
    EXPECT_TRUE(chart.LeftAxis.automatic);
    EXPECT_TRUE(chart.BottomAxis.automatic);
    // 374 / 3 = 124.67
    EXPECT_EQ(chart.BottomAxis.title, "Quersummenverteilung     Ziehungen: 3    Quersumme: 125");
}

TEST_F(NumberStatistics, AverageRowSumRoundsHalvesToEven) {
    struct Case {
        int lastA, lastB;  // sums 110 + last
        int average;
    };
    const Case cases[] = {
        {25, 26, 136},  // 135.5
        {26, 27, 136},  // 136.5
        {27, 28, 138},  // 137.5
        {25, 29, 137}, {25, 25, 135},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.average);
        test::writeHistory(t.historyPath(), {test::draw(h.d1, {20, 21, 22, 23, 24, c.lastA}, 1),
                                             test::draw(h.d2, {20, 21, 22, 23, 24, c.lastB}, 1)});
        const std::string tail = "Quersumme: " + std::to_string(c.average);
        setWindow(form, h.d1, h.d2);
        showMainNumberFrequency(form);
        EXPECT_EQ(chart.BottomAxis.title.substr(chart.BottomAxis.title.size() - tail.size()), tail);
        // The row sums leave the start day out; start a day earlier to keep both.
        setWindow(form, h.d1 - 1, h.d2);
        showRowSumDistribution(form);
        EXPECT_EQ(chart.BottomAxis.title.substr(chart.BottomAxis.title.size() - tail.size()), tail);
    }
}

// A draw on the start day counts for the frequencies only. Detected by
// comparing with a window that surely holds that draw and one that surely
// does not.
TEST_F(NumberStatistics, StartDayInclusivity) {
    struct Case {
        const char* handler;
        bool startCounts;
    };
    const Case cases[] = {
        {"SpeedButton2Click", true}, {"Button5Click", false},      {"SpeedButton3Click", true},
        {"Button8Click", false},     {"SpeedButton9Click", false}, {"Button2Click", false},
        {"Button3Click", false},     {"Button4Click", false},
    };
    // The draw on the start day holds a quadruple, so every statistic sees it.
    test::writeHistory(t.historyPath(), {test::draw(h.d1, {1, 2, 3, 4, 5, 6}, 1),
                                         test::draw(h.d2, {5, 6, 7, 8, 20, 40}, 2),
                                         test::draw(h.d4, {2, 11, 17, 23, 30, 35}, 2)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        auto run = [&](double start) {
            setWindow(form, start, h.d4);
            form.run(c.handler, nullptr);
            return barHeights(chart);
        };
        const std::vector<int> withDraw = run(h.d2 - 1);
        const std::vector<int> withoutDraw = run(h.d2 + 1);
        ASSERT_NE(withDraw, withoutDraw);
        EXPECT_EQ(run(h.d2), c.startCounts ? withDraw : withoutDraw);
    }
}

TEST_F(NumberStatistics, DrawsAfterTheEndDoNotCount) {
    setWindow(form, h.d1, h.d3);
    showMainNumberFrequency(form);
    const std::vector<int> upToD3 = barHeights(chart);
    test::writeHistory(t.historyPath(), {h.records()[0], h.records()[1], h.records()[2]});
    showMainNumberFrequency(form);
    EXPECT_EQ(barHeights(chart), upToD3);
    // The end day itself counts.
    EXPECT_EQ(upToD3[36], 1);  // 37, drawn on d3 only
}

TEST_F(NumberStatistics, EmptyWindows) {
    struct Case {
        const char* handler;
        std::vector<int> bars;
        bool keepsTitle;
    };
    const Case cases[] = {
        {"SpeedButton2Click", std::vector<int>(40, 0), true},
        {"Button5Click", std::vector<int>(40, 1), false},
        {"SpeedButton3Click", std::vector<int>(20, 0), false},
        {"Button8Click", std::vector<int>(20, 0), false},
        {"SpeedButton9Click", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        setWindow(form, h.d4 + 1, h.d4 + 7);
        chart.BottomAxis.title = "before";
        form.run(c.handler, nullptr);
        EXPECT_EQ(barHeights(chart), c.bars);
        EXPECT_EQ(chart.BottomAxis.title == "before", c.keepsTitle);
        if (!chart.LeftAxis.automatic) {
            EXPECT_EQ(chart.LeftAxis.minimum, c.bars.front());
            EXPECT_EQ(chart.LeftAxis.maximum, c.bars.front());
        }
    }
}

// Whatever the chart keeps or shows, the status bar says that the period
// holds no draw, and the words go once a period with draws is shown.
TEST_F(NumberStatistics, APeriodWithoutDrawsIsSaid) {
    for (const char* handler :
         {"SpeedButton2Click", "Button5Click", "SpeedButton3Click", "Button8Click",
          "SpeedButton9Click", "Button2Click", "Button3Click", "Button4Click"}) {
        SCOPED_TRACE(handler);
        form.StatusBar1->setPanelText(0, "");
        setWindow(form, h.d4 + 1, h.d4 + 7);  // 01/26/18 to 02/01/18
        form.run(handler, nullptr);
        EXPECT_EQ(form.StatusBar1->panelText(0),
                  "Zwischen dem 01/26/18 und dem 02/01/18 liegt keine Ziehung: die Statistik hat "
                  "nichts zu zeigen.");
        setWindow(form, h.d1, h.d4);
        form.run(handler, nullptr);
        EXPECT_EQ(form.StatusBar1->panelText(0), "");
    }
}

TEST_F(NumberStatistics, FieldsLeftBehind) {
    struct Case {
        const char* handler;
        bool setsEnd;
    };
    const Case cases[] = {
        {"SpeedButton2Click", true}, {"Button5Click", true},      {"SpeedButton3Click", false},
        {"Button8Click", false},     {"SpeedButton9Click", true}, {"Button2Click", false},
        {"Button3Click", true},      {"Button4Click", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        setWindow(form, h.d1, h.d3);
        form.aktDatum = 1;
        form.dfb = 2;
        form.run(c.handler, nullptr);
        EXPECT_EQ(form.aktDatum, h.d1);
        EXPECT_EQ(form.dfb, c.setsEnd ? h.d3 : 2);
    }
}

TEST_F(NumberStatistics, FirstFrequencyChartHidesTheValueLabelsForGood) {
    setWindow(form, h.d1, h.d4);
    showMainNumberOutstanding(form);
    EXPECT_TRUE(chart.Series2.marks);
    showMainNumberFrequency(form);
    EXPECT_FALSE(chart.Series1.marks);
    EXPECT_FALSE(chart.Series2.marks);
    for (const char* later :
         {"Button5Click", "SpeedButton9Click", "Button2Click", "Button6Click"}) {
        form.run(later, nullptr);
        EXPECT_FALSE(chart.Series2.marks) << later;
    }
}

TEST_F(NumberStatistics, PageSwitches) {
    struct Case {
        const char* handler;
        bool calculating;
        bool toChart;
    };
    const Case cases[] = {
        {"SpeedButton2Click", false, false}, {"Button5Click", false, true},
        {"Button5Click", true, true},        {"SpeedButton3Click", false, false},
        {"Button8Click", false, true},       {"Button8Click", true, false},
        {"SpeedButton9Click", false, false}, {"SpeedButton26Click", false, true},
        {"Label88Click", false, true},       {"SuperseltenClick", false, true},
        {"SuperAusClick", false, true},      {"SuperAusClick", true, false},
        {"Button2Click", true, true},        {"Button3Click", true, true},
        {"Button4Click", true, true},        {"Label89Click", false, true},
        {"Label91Click", false, true},       {"Label90Click", false, true},
        {"Button6Click", false, true},
    };
    setWindow(form, h.d1, h.d4);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + (c.calculating ? " calculating" : ""));
        form.PageControl1->setActivePage(form.TabSheet1);
        form.Berechnunglaeuft = c.calculating;
        form.run(c.handler, nullptr);
        EXPECT_EQ(form.PageControl1->activePage(), c.toChart ? form.TabSheet5 : form.TabSheet1);
    }
}

TEST_F(NumberStatistics, RoutingRunsTheNamedStatistic) {
    struct Case {
        const char* route;
        const char* statistic;
    };
    const Case cases[] = {
        {"SpeedButton26Click", "SpeedButton2Click"},
        {"Label88Click", "SpeedButton9Click"},
        {"SuperseltenClick", "SpeedButton3Click"},
        {"SuperAusClick", "Button8Click"},
        {"Label89Click", "Button2Click"},
        {"Label91Click", "Button3Click"},
        {"Label90Click", "Button4Click"},
    };
    setWindow(form, h.d1, h.d4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.route);
        form.run(c.statistic, nullptr);
        const std::string direct = chart.toJson();
        chart.Series2.points.clear();
        chart.BottomAxis.title.clear();
        form.run(c.route, nullptr);
        EXPECT_EQ(chart.toJson(), direct);
    }
}

// Each button draws the statistic its caption names; the bar's "3er" button
// runs the triples although a handler of its own name draws the Powerball.
TEST_F(NumberStatistics, ButtonsRunTheirStatistic) {
    struct Case {
        const char* control;
        const char* statistic;
    };
    const Case cases[] = {
        {"SpeedButton2", "SpeedButton2Click"},
        {"SpeedButton9", "SpeedButton9Click"},
        {"SpeedButton1", "Button2Click"},
        {"SpeedButton3", "Button3Click"},
        {"SpeedButton12", "Button4Click"},
        {"SpeedButton19", "Button5Click"},
        {"SpeedButton20", "SpeedButton3Click"},
        {"SpeedButton21", "Button8Click"},
        {"Button5", "Button5Click"},
        {"Button8", "Button8Click"},
        {"Button2", "Button2Click"},
        {"Button3", "Button3Click"},
        {"Button4", "Button4Click"},
    };
    setWindow(form, h.d1, h.d4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        form.run(c.statistic, nullptr);
        const std::string direct = chart.toJson();
        form.run("SpeedButton2Click", nullptr);  // something else in between
        Component* control = form.find(c.control);
        ASSERT_NE(control, nullptr);
        t.app->fireEvent(*control, "OnClick");
        EXPECT_EQ(chart.toJson(), direct);
    }
}

TEST_F(NumberStatistics, MissingHistoryLeavesTheChartAlone) {
    setWindow(form, h.d1, h.d4);
    showMainNumberFrequency(form);
    const std::string before = chart.toJson();
    std::filesystem::remove(t.historyPath());
    form.aktDatum = 5;
    t.takeOutput();
    for (const char* handler : {"SpeedButton2Click", "Button5Click", "SpeedButton3Click",
                                "Button8Click", "SpeedButton9Click", "Button2Click"}) {
        SCOPED_TRACE(handler);
        t.answer(DialogResult::Ok);
        t.app->invoke(form, handler, nullptr);
        EXPECT_NE(t.takeOutput().find("messagebox \"Kugelmeister\""), std::string::npos);
        EXPECT_EQ(chart.toJson(), before);
        EXPECT_EQ(form.aktDatum, 5);
    }
}

// Bytes outside the valid ranges must not reach a counter: the damaged
// record still counts as a draw, its valid numbers count, the rest is ignored.
TEST_F(NumberStatistics, DamagedRecordsAreCountedSafely) {
    TZiehung damaged = test::draw(h.d2, {0, 41, 255, 7, 7, 40}, 0);
    TZiehung badPowerball = test::draw(h.d3, {1, 2, 3, 4, 5, 6}, 200);
    test::writeHistory(t.historyPath(), {damaged, badPowerball});
    setWindow(form, h.d2, h.d3);

    showMainNumberFrequency(form);
    EXPECT_EQ(barHeights(chart),
              heights(40, 0, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 2}, {40, 1}}));
    EXPECT_NE(chart.BottomAxis.title.find("Ziehungen: 2"), std::string::npos);

    showPowerballFrequency(form);
    EXPECT_EQ(barHeights(chart), std::vector<int>(20, 0));

    setWindow(form, h.d2 - 1, h.d3);
    showPowerballOutstanding(form);
    EXPECT_EQ(barHeights(chart), std::vector<int>(20, 2));
    showMainNumberOutstanding(form);
    EXPECT_EQ(barHeights(chart),
              heights(40, 3, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 2}, {40, 2}}));
    showRowSumDistribution(form);  // 0+41+255+7+7+40 = 350 and 21
    EXPECT_EQ(chart.Series2.points.size(), 350u - 21u + 1u);
}

}  // namespace
}  // namespace kugel
