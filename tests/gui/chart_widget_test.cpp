#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include "analysis/chance_dialog.h"
#include "analysis/prize_odds.h"
#include "controls/chart.h"
#include "controls/form.h"
#include "qt/chart_widget.h"
#include "scripted/scripted_platform.h"
#include "statistics/chart_output.h"

namespace kugel {
namespace {

class ChartWidgetTest : public ::testing::Test {
  protected:
    std::ostringstream out;
    ScriptedPlatform platform{out};
    Form form{"Form1", platform};
    Chart& chart = form.create<Chart>("Chart1", nullptr);
    ChartWidget widget{chart, nullptr};

    QList<QAbstractSeries*> series() const { return widget.chart()->series(); }
    QStackedBarSeries* bars() const {
        const auto all = series();
        return all.size() == 1 ? qobject_cast<QStackedBarSeries*>(all.front()) : nullptr;
    }
    QValueAxis* valueAxis() const {
        const auto axes = widget.chart()->axes(Qt::Vertical);
        return axes.size() == 1 ? qobject_cast<QValueAxis*>(axes.front()) : nullptr;
    }
    QCategoryAxis* categoryAxis() const {
        const auto axes = widget.chart()->axes(Qt::Horizontal);
        return axes.size() == 1 ? qobject_cast<QCategoryAxis*>(axes.front()) : nullptr;
    }
    // The value shown at a position: the sum over the stacked sets.
    static qreal shownValue(const QStackedBarSeries& s, qsizetype i) {
        qreal sum = 0;
        for (const QBarSet* set : s.barSets()) sum += set->at(i);
        return sum;
    }
};

TEST_F(ChartWidgetTest, EachBarStandsInTheSetOfItsOwnColour) {
    std::vector<ChartPoint> points;
    for (int n = 1; n <= 40; ++n) points.push_back(numberBar(n, n % 7 + 1));
    showBars(chart, points, ValueAxis::Automatic, "Zahlen");

    QStackedBarSeries* s = bars();
    ASSERT_NE(s, nullptr);
    const auto sets = s->barSets();
    ASSERT_EQ(sets.size(), 2);  // red primes and green others
    for (QBarSet* set : sets) {
        ASSERT_EQ(set->count(), 40);
        EXPECT_TRUE(set->color() == QColor(0xFF, 0, 0) || set->color() == QColor(0, 0x80, 0))
            << set->color().name().toStdString();
    }
    for (int i = 0; i < 40; ++i) {
        const ChartPoint& pt = points[static_cast<std::size_t>(i)];
        SCOPED_TRACE(pt.x);
        const QColor expected = pt.color == clRed ? QColor(0xFF, 0, 0) : QColor(0, 0x80, 0);
        int carrying = 0;
        for (QBarSet* set : sets) {
            if (set->at(i) == 0) continue;
            ++carrying;
            EXPECT_EQ(set->color(), expected);
            EXPECT_EQ(set->at(i), pt.y);
        }
        EXPECT_EQ(carrying, 1);
        EXPECT_EQ(shownValue(*s, i), pt.y);
    }
    QCategoryAxis* x = categoryAxis();
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->titleText(), QStringLiteral("Zahlen"));
    EXPECT_FALSE(widget.chart()->legend()->isVisible());
    EXPECT_TRUE(widget.chart()->title().isEmpty());
}

TEST_F(ChartWidgetTest, ValueAxisFollowsTheModelsRange) {
    struct Case {
        bool automatic;
        double minimum, maximum;
        std::vector<double> values;
        double expectLow, expectHighAtLeast, expectHighAtMost;
    };
    // A range fixed to the smallest value starts a step (here 5, then 1)
    // lower, so that the smallest bars show; a count of 0 stays at 0.
    const Case cases[] = {
        {false, 12, 31, {12, 20, 31}, 7, 31, 31},
        {false, 2, 3, {3, 2}, 1, 3, 3},
        {false, 3, 9, {5, 9}, 3, 9, 9},
        {false, 0, 4, {0, 4}, 0, 4, 4},
        {false, 0, 5, {1, 2, 3}, 0, 5, 5},
        {true, 50, 60, {3, 9, 17}, 0, 17, 20},  // manual limits ignored
        {true, 0, 0, {0, 0}, 0, 1, 1},          // nothing to scale: still a range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expectLow);
        std::vector<ChartPoint> points;
        int x = 1;
        for (double v : c.values) points.push_back({static_cast<double>(x++), v, clGreen, {}});
        chart.Series2.active = true;
        chart.Series2.points = points;
        chart.LeftAxis.automatic = c.automatic;
        chart.LeftAxis.minimum = c.minimum;
        chart.LeftAxis.maximum = c.maximum;
        chart.redraw();
        QValueAxis* y = valueAxis();
        ASSERT_NE(y, nullptr);
        EXPECT_EQ(y->min(), c.expectLow);
        EXPECT_GE(y->max(), c.expectHighAtLeast);
        EXPECT_LE(y->max(), c.expectHighAtMost);
        EXPECT_EQ(y->labelFormat(), QStringLiteral("%d"));
    }
}

TEST_F(ChartWidgetTest, NothingToShowLeavesAnEmptyChart) {
    showBars(chart, {numberBar(1, 4), numberBar(2, 5)}, ValueAxis::Automatic, std::nullopt);
    ASSERT_EQ(series().size(), 1);

    chart.Series2.active = false;
    chart.redraw();
    EXPECT_TRUE(series().isEmpty());
    EXPECT_TRUE(widget.chart()->axes().isEmpty());

    showBars(chart, {}, ValueAxis::Spread, std::nullopt);
    EXPECT_TRUE(series().isEmpty());
}

// A long job redraws the chart without returning to the event loop; what a
// redraw removes must leave the scene then too, or every later redraw walks
// all that was ever shown.
TEST_F(ChartWidgetTest, RedrawsWithoutTheEventLoopLeaveNothingBehind) {
    showBars(chart, {numberBar(1, 4), numberBar(2, 5)}, ValueAxis::Automatic, std::nullopt);
    const auto itemsAfterOne = widget.scene()->items().size();
    for (int i = 0; i < 20; ++i)
        showBars(chart, {numberBar(1, 4 + i), numberBar(2, 5)}, ValueAxis::Automatic, std::nullopt);
    EXPECT_LE(widget.scene()->items().size(), itemsAfterOne + 5);
}

TEST_F(ChartWidgetTest, MarksSwitchTheValueLabels) {
    for (bool marks : {true, false}) {
        chart.Series2.marks = marks;
        showBars(chart, {numberBar(2, 4), numberBar(4, 6)}, ValueAxis::Automatic, std::nullopt);
        ASSERT_NE(bars(), nullptr);
        EXPECT_EQ(bars()->isLabelsVisible(), marks);
    }
}

// Many bars: every label would collide, so only round x values carry one,
// and each label names the x value of the bar it stands under.
TEST_F(ChartWidgetTest, CrowdedCategoriesAreThinnedToRoundValues) {
    widget.resize(525, 380);
    widget.show();
    std::vector<ChartPoint> points;
    for (int s = 21; s <= 225; ++s) points.push_back(seriesBar(chart, s, s % 9));
    showBars(chart, points, ValueAxis::Automatic, std::nullopt);
    QApplication::processEvents();

    QCategoryAxis* x = categoryAxis();
    ASSERT_NE(x, nullptr);
    const QStringList labels = x->categoriesLabels();
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_LT(labels.size(), static_cast<qsizetype>(points.size()) / 4);
    for (const QString& label : labels) {
        bool ok = false;
        const int value = label.toInt(&ok);
        ASSERT_TRUE(ok) << label.toStdString();
        EXPECT_EQ(value % 5, 0) << value;
        // The label sits on the bar of that x value.
        EXPECT_EQ(x->endValue(label), value - 21);
    }
}

TEST_F(ChartWidgetTest, FewCategoriesAreAllLabelled) {
    widget.resize(1000, 380);  // room for every label in any font
    widget.show();
    std::vector<ChartPoint> points;
    for (int p = 1; p <= 20; ++p) points.push_back(seriesBar(chart, p, p));
    showBars(chart, points, ValueAxis::Automatic, std::nullopt);
    QApplication::processEvents();

    QCategoryAxis* x = categoryAxis();
    ASSERT_NE(x, nullptr);
    const QStringList labels = x->categoriesLabels();
    ASSERT_EQ(labels.size(), 20);
    for (int p = 1; p <= 20; ++p) EXPECT_EQ(labels[p - 1], QString::number(p));
}

TEST(ChanceChart, ShowsObservedBesideExpectedWithTheRanges) {
    std::ostringstream out;
    ScriptedPlatform platform{out};
    TChanceForm window{platform};
    ChartWidget widget{*window.Chart1, nullptr};
    widget.resize(736, 300);

    HitClassCounts counts{};
    counts[static_cast<std::size_t>(hitClassIndex(0, false))] = 1070;
    counts[static_cast<std::size_t>(hitClassIndex(1, false))] = 1320;
    counts[static_cast<std::size_t>(hitClassIndex(1, true))] = 70;
    counts[static_cast<std::size_t>(hitClassIndex(2, false))] = 560;
    counts[static_cast<std::size_t>(hitClassIndex(3, false))] = 96;
    const ChanceComparison c = judgeAgainstChance(counts);
    window.showComparison(c, {"Vergleich mit dem Zufall"});

    QBarSeries* bars = nullptr;
    int ranges = 0;
    for (QAbstractSeries* s : widget.chart()->series()) {
        if (auto* b = qobject_cast<QBarSeries*>(s)) bars = b;
        if (auto* line = qobject_cast<QLineSeries*>(s)) {
            ++ranges;
            // A stem with a cap at each end, within the value axis.
            ASSERT_EQ(line->count(), 6);
            EXPECT_LE(line->at(2).y(), line->at(3).y());
        }
    }
    ASSERT_NE(bars, nullptr);
    const auto sets = bars->barSets();
    ASSERT_EQ(sets.size(), 2);
    ASSERT_EQ(sets[0]->count(), kHitClasses);
    ASSERT_EQ(sets[1]->count(), kHitClasses);
    EXPECT_EQ(ranges, kHitClasses);
    for (int i = 0; i < kHitClasses; ++i) {
        const auto& k = c.classes[static_cast<std::size_t>(i)];
        EXPECT_EQ(sets[0]->at(i), static_cast<double>(k.observed));
        EXPECT_DOUBLE_EQ(sets[1]->at(i), k.expected);
    }
    // The axis reaches the highest range as well as the highest bar.
    const auto axes = widget.chart()->axes(Qt::Vertical);
    ASSERT_EQ(axes.size(), 1);
    double highest = 0;
    for (const auto& k : c.classes) highest = std::max(highest, static_cast<double>(k.high));
    EXPECT_GE(qobject_cast<QValueAxis*>(axes.front())->max(), highest);
    EXPECT_EQ(window.Memo1->line(0), "Vergleich mit dem Zufall");
}

}  // namespace
}  // namespace kugel
