#include "statistics/number_statistics.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "model/message_table.h"
#include "platform/busy_cursor.h"
#include "shell/main_window.h"
#include "statistics/chart_output.h"
#include "statistics/group_statistics.h"
#include "statistics/statistics_window.h"

namespace kugel {
namespace {

// Records are read as stored; a damaged record may hold any byte. Counters
// are only kept for the valid range, so a main number outside 1..40 or a
// Powerball outside 1..20 is left out of the per-number statistics while the
// draw itself still counts (and still ages every other number).
bool isMainNumber(int z) {
    return z >= 1 && z <= MaxZahl;
}
bool isPowerball(int z) {
    return z >= 1 && z <= MaxPowerball;
}

int mainNumber(const TZiehung& z, int i) {
    return z.Zahlen[static_cast<std::size_t>(i)];
}

// Nearest whole number, a half to the even neighbour; exact in integers.
long roundedAverage(long total, long count) {
    const long q = total / count;
    const long twiceRest = 2 * (total % count);
    if (twiceRest > count || (twiceRest == count && q % 2 != 0)) return q + 1;
    return q;
}

std::string distributionTitle(const TForm1& form, Msg caption, Msg drawsCaption, long draws,
                              long sumTotal) {
    return form.msg(caption) + "     " + form.msg(drawsCaption) + ": " + std::to_string(draws) +
           "    " + form.msg(Msg::RowSum) + ": " + std::to_string(roundedAverage(sumTotal, draws));
}

void showChartPage(TForm1& form) {
    form.PageControl1->setActivePage(form.TabSheet5);
}

}  // namespace

void SpeedButton2Click(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Included);
    form.dfb = window.end;
    // The value labels crowd forty bars; once off they stay off for every
    // later chart.
    form.Chart1->Series1.marks = false;
    form.Chart1->Series2.marks = false;

    std::array<int, MaxZahl + 1> count{};
    long sumTotal = 0;
    for (const TZiehung& z : window.draws) {
        for (int i = 0; i < ZahlenProReihe; ++i)
            if (isMainNumber(mainNumber(z, i))) ++count[static_cast<std::size_t>(mainNumber(z, i))];
        sumTotal += z.mainSum();
    }
    std::vector<ChartPoint> bars;
    for (int n = 1; n <= MaxZahl; ++n)
        bars.push_back(numberBar(n, count[static_cast<std::size_t>(n)]));

    const long draws = static_cast<long>(window.draws.size());
    std::optional<std::string> title;
    if (draws > 0)
        title = distributionTitle(form, Msg::FrequencyTitle, Msg::FrequencyDraws, draws, sumTotal);
    showBars(*form.Chart1, std::move(bars), ValueAxis::Spread, title);
}

void Button5Click(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Excluded);
    form.dfb = window.end;

    std::array<int, MaxZahl + 1> gap;
    gap.fill(1);
    for (const TZiehung& z : window.draws) {
        for (int& g : gap) ++g;
        for (int i = 0; i < ZahlenProReihe; ++i)
            if (isMainNumber(mainNumber(z, i))) gap[static_cast<std::size_t>(mainNumber(z, i))] = 1;
    }
    std::vector<ChartPoint> bars;
    for (int n = 1; n <= MaxZahl; ++n)
        bars.push_back(numberBar(n, gap[static_cast<std::size_t>(n)]));
    showBars(*form.Chart1, std::move(bars), ValueAxis::Spread,
             form.msg(Msg::OutstandingNumbersTitle));
    showChartPage(form);
}

void SpeedButton3Click(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Included);

    std::array<int, MaxPowerball + 1> count{};
    for (const TZiehung& z : window.draws)
        if (isPowerball(z.Zahlen[6])) ++count[z.Zahlen[6]];
    std::vector<ChartPoint> bars;
    for (int p = 1; p <= MaxPowerball; ++p)
        bars.push_back(seriesBar(*form.Chart1, p, count[static_cast<std::size_t>(p)]));
    showBars(*form.Chart1, std::move(bars), ValueAxis::Spread,
             form.msg(Msg::PowerballFrequencyTitle));
}

void Button8Click(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Excluded);

    // Unlike the main numbers, a Powerball never drawn in the window ends at
    // the number of draws, not one more; the Powerball choice of the tip
    // calculation reads these values as they are.
    std::array<int, MaxPowerball + 1> gap{};
    for (const TZiehung& z : window.draws) {
        for (int& g : gap) ++g;
        if (isPowerball(z.Zahlen[6])) gap[z.Zahlen[6]] = 1;
    }
    std::vector<ChartPoint> bars;
    for (int p = 1; p <= MaxPowerball; ++p)
        bars.push_back(seriesBar(*form.Chart1, p, gap[static_cast<std::size_t>(p)]));
    showBars(*form.Chart1, std::move(bars), ValueAxis::Spread,
             form.msg(Msg::OutstandingPowerballTitle));
    // The calculation runs this between its steps and keeps its own page.
    if (!form.calculationRunning()) showChartPage(form);
}

void SpeedButton9Click(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Excluded);
    form.dfb = window.end;

    // Sums of six stored bytes lie in 0..6*255 whatever a record holds.
    std::array<int, ZahlenProReihe * UINT8_MAX + 1> count{};
    int smallest = static_cast<int>(count.size());
    int largest = -1;
    long sumTotal = 0;
    for (const TZiehung& z : window.draws) {
        const int sum = z.mainSum();
        ++count[static_cast<std::size_t>(sum)];
        smallest = std::min(smallest, sum);
        largest = std::max(largest, sum);
        sumTotal += sum;
    }
    std::vector<ChartPoint> bars;
    for (int s = smallest; s <= largest; ++s)
        bars.push_back(seriesBar(*form.Chart1, s, count[static_cast<std::size_t>(s)]));

    const long draws = static_cast<long>(window.draws.size());
    std::optional<std::string> title;
    if (draws > 0)
        title = distributionTitle(form, Msg::RowSumDistributionTitle, Msg::WindowDraws, draws,
                                  sumTotal);
    showBars(*form.Chart1, std::move(bars), ValueAxis::Automatic, title);
}

void SpeedButton26Click(TForm1& form) {
    showChartPage(form);
    SpeedButton2Click(form);
}

void Label88Click(TForm1& form) {
    showChartPage(form);
    SpeedButton9Click(form);
}

void SuperseltenClick(TForm1& form) {
    showChartPage(form);
    SpeedButton3Click(form);
}

void SuperAusClick(TForm1& form) {
    Button8Click(form);
}

void registerNumberStatisticsHandlers(TForm1& form) {
    const std::pair<const char*, void (*)(TForm1&)> handlers[] = {
        {"SpeedButton2Click", SpeedButton2Click}, {"Button5Click", Button5Click},
        {"SpeedButton3Click", SpeedButton3Click}, {"Button8Click", Button8Click},
        {"SpeedButton9Click", SpeedButton9Click}, {"SpeedButton26Click", SpeedButton26Click},
        {"Label88Click", Label88Click},           {"SuperseltenClick", SuperseltenClick},
        {"SuperAusClick", SuperAusClick},
    };
    for (const auto& [name, handler] : handlers)
        form.addHandler(name, [&form, handler](Component*) { handler(form); });
    registerGroupStatisticsHandlers(form);
}

}  // namespace kugel
