#include "statistics/number_statistics.h"

#include <optional>
#include <string>
#include <vector>

#include "model/main_window.h"
#include "platform/busy_cursor.h"
#include "statistics/chart_output.h"
#include "statistics/draw_statistics.h"
#include "statistics/group_statistics.h"
#include "statistics/statistics_window.h"

namespace kugel {
namespace {

std::string distributionTitle(const TForm1& form, Msg caption, Msg drawsCaption, long long draws,
                              long long sumTotal) {
    return form.msg(caption) + "     " + form.msg(drawsCaption) + ": " + std::to_string(draws) +
           "    " + form.msg(Msg::RowSum) + ": " + std::to_string(roundHalfEven(sumTotal, draws));
}

void showChartPage(TForm1& form) {
    form.PageControl1->setActivePage(form.TabSheet5);
}

// Bars of the main numbers: red for the primes, green for the others.
std::vector<ChartPoint> numberBars(const std::vector<long long>& values) {
    std::vector<ChartPoint> bars;
    for (std::size_t k = 0; k < values.size(); ++k)
        bars.push_back(numberBar(static_cast<int>(k) + 1, static_cast<int>(values[k])));
    return bars;
}

// Bars in the series' colour, the first one at x = first.
std::vector<ChartPoint> plainBars(const Chart& chart, const std::vector<long long>& values,
                                  int first) {
    std::vector<ChartPoint> bars;
    for (std::size_t k = 0; k < values.size(); ++k)
        bars.push_back(seriesBar(chart, first + static_cast<int>(k), static_cast<int>(values[k])));
    return bars;
}

}  // namespace

std::vector<long long> showMainNumberFrequency(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Included);
    form.dfb = window.end;
    // The value labels crowd forty bars; once off they stay off for every
    // later chart.
    form.Chart1->Series1.marks = false;
    form.Chart1->Series2.marks = false;

    NumberFrequency frequency = mainNumberFrequency(window.draws);
    const auto draws = static_cast<long long>(window.draws.size());
    std::optional<std::string> title;
    if (draws > 0)
        title = distributionTitle(form, Msg::FrequencyTitle, Msg::FrequencyDraws, draws,
                                  frequency.sumTotal);
    showBars(*form.Chart1, numberBars(frequency.count), ValueAxis::Spread, title);
    return std::move(frequency.count);
}

std::vector<long long> showMainNumberOutstanding(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Excluded);
    form.dfb = window.end;

    std::vector<long long> gap = mainNumberOutstanding(window.draws);
    showBars(*form.Chart1, numberBars(gap), ValueAxis::Spread,
             form.msg(Msg::OutstandingNumbersTitle));
    showChartPage(form);
    return gap;
}

std::vector<long long> showPowerballFrequency(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Included);

    std::vector<long long> count = powerballFrequency(window.draws);
    showBars(*form.Chart1, plainBars(*form.Chart1, count, 1), ValueAxis::Spread,
             form.msg(Msg::PowerballFrequencyTitle));
    return count;
}

std::vector<long long> showPowerballOutstanding(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Excluded);

    std::vector<long long> gap = powerballOutstanding(window.draws);
    showBars(*form.Chart1, plainBars(*form.Chart1, gap, 1), ValueAxis::Spread,
             form.msg(Msg::OutstandingPowerballTitle));
    // The calculation shows this between its steps and keeps its own page.
    if (!form.calculationRunning()) showChartPage(form);
    return gap;
}

void showRowSumDistribution(TForm1& form) {
    BusyCursor busy(form.platform());
    const StatisticsWindow window = readStatisticsWindow(form, StartDay::Excluded);
    form.dfb = window.end;

    const RowSumCounts sums = rowSums(window.draws);
    const auto draws = static_cast<long long>(window.draws.size());
    std::optional<std::string> title;
    if (draws > 0)
        title = distributionTitle(form, Msg::RowSumDistributionTitle, Msg::WindowDraws, draws,
                                  sums.sumTotal);
    showBars(*form.Chart1, plainBars(*form.Chart1, sums.count, sums.smallest), ValueAxis::Automatic,
             title);
}

void showMainNumberFrequencyOnChartPage(TForm1& form) {
    showChartPage(form);
    showMainNumberFrequency(form);
}

void showRowSumDistributionOnChartPage(TForm1& form) {
    showChartPage(form);
    showRowSumDistribution(form);
}

void showPowerballFrequencyOnChartPage(TForm1& form) {
    showChartPage(form);
    showPowerballFrequency(form);
}

void registerNumberStatisticsHandlers(TForm1& form) {
    // The outstanding Powerball from the settings pages leaves the page
    // choice to the statistic itself.
    const std::pair<const char*, void (*)(TForm1&)> handlers[] = {
        {"SpeedButton2Click", [](TForm1& f) { showMainNumberFrequency(f); }},
        {"Button5Click", [](TForm1& f) { showMainNumberOutstanding(f); }},
        {"SpeedButton3Click", [](TForm1& f) { showPowerballFrequency(f); }},
        {"Button8Click", [](TForm1& f) { showPowerballOutstanding(f); }},
        {"SuperAusClick", [](TForm1& f) { showPowerballOutstanding(f); }},
        {"SpeedButton9Click", showRowSumDistribution},
        {"SpeedButton26Click", showMainNumberFrequencyOnChartPage},
        {"Label88Click", showRowSumDistributionOnChartPage},
        {"SuperseltenClick", showPowerballFrequencyOnChartPage},
    };
    for (const auto& [name, show] : handlers)
        form.addHandler(name, [&form, handler = show](Component*) { handler(form); });
    registerGroupStatisticsHandlers(form);
}

}  // namespace kugel
