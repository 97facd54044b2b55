#include "statistics/group_statistics.h"

#include <string>
#include <vector>

#include "draws/hit_count.h"
#include "model/main_window.h"
#include "platform/busy_cursor.h"
#include "statistics/chart_output.h"
#include "statistics/draw_statistics.h"
#include "statistics/statistics_window.h"

namespace kugel {
namespace {

struct GroupKind {
    int size;       // numbers in a run
    int lastFirst;  // highest first number examined
    int bars;       // bars shown; beyond lastFirst they stay 0
    ValueAxis axis;
    Msg foundCaption;  // message naming what was found
    bool setsEnd;      // leaves the end of the window in dfb
};

constexpr GroupKind kPairs{2, 39, 39, ValueAxis::Spread, Msg::PairsFound, false};
constexpr GroupKind kTriples{3, 38, 38, ValueAxis::Spread, Msg::TriplesFound, true};
// Runs from 38 on would need numbers above 40; the chart still has a bar for
// every number so that the calculation can index it like the others.
constexpr GroupKind kQuadruples{4, 38, 40, ValueAxis::Automatic, Msg::QuadruplesFound, true};

// The row the run is checked as: its numbers first, the other positions and
// the Powerball 0, which no stored number matches.
void checkRunAsRow(TForm1& form, int first, int size) {
    std::string t[ZahlenProReihe];
    for (int k = 0; k < ZahlenProReihe; ++k) t[k] = k < size ? std::to_string(first + k) : "0";
    Zettelcheck(form, t[0], t[1], t[2], t[3], t[4], t[5], "0");
}

std::vector<long long> groupStatistic(TForm1& form, const GroupKind& kind) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Excluded);
    if (kind.setsEnd) form.dfb = window.end;

    GroupCounts groups = consecutiveGroups(window.draws, kind.size, kind.lastFirst, kind.bars);
    // The draw and the hit count of the last run examined stay behind in the
    // shared fields, exactly as if every run had been checked as a row.
    if (!window.draws.empty()) {
        const TZiehung& last = window.draws.back();
        for (std::size_t i = 0; i < last.Zahlen.size(); ++i) form.Zahl[i + 1] = last.Zahlen[i];
        checkRunAsRow(form, kind.lastFirst, kind.size);
    }

    std::vector<ChartPoint> bars;
    for (int k = 0; k < kind.bars; ++k)
        bars.push_back(seriesBar(*form.Chart1, k + 1,
                                 static_cast<int>(groups.count[static_cast<std::size_t>(k)])));
    const std::string title = form.msg(Msg::WindowDraws) + ": " +
                              std::to_string(window.draws.size()) + "   " +
                              form.msg(kind.foundCaption) + ":" + std::to_string(groups.found);
    showBars(*form.Chart1, std::move(bars), kind.axis, title);
    form.PageControl1->setActivePage(form.TabSheet5);
    return std::move(groups.count);
}

const GroupKind& groupKind(int size) {
    return size == 2 ? kPairs : size == 3 ? kTriples : kQuadruples;
}

}  // namespace

std::vector<long long> showConsecutiveGroups(TForm1& form, int size) {
    return groupStatistic(form, groupKind(size));
}

void showConsecutiveGroupsOnChartPage(TForm1& form, int size) {
    form.PageControl1->setActivePage(form.TabSheet5);
    showConsecutiveGroups(form, size);
}

void registerGroupStatisticsHandlers(TForm1& form) {
    // The buttons of the chart page and the labels of the settings pages.
    const struct {
        const char* handler;
        int size;
        bool fromSettings;
    } entries[] = {
        {"Button2Click", 2, false}, {"Button3Click", 3, false}, {"Button4Click", 4, false},
        {"Label89Click", 2, true},  {"Label91Click", 3, true},  {"Label90Click", 4, true},
    };
    for (const auto& e : entries) {
        const int size = e.size;
        if (e.fromSettings)
            form.addHandler(e.handler, [&form, size](Component*) {
                showConsecutiveGroupsOnChartPage(form, size);
            });
        else
            form.addHandler(e.handler,
                            [&form, size](Component*) { showConsecutiveGroups(form, size); });
    }
}

}  // namespace kugel
