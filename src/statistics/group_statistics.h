#pragma once

#include <vector>

namespace kugel {

class TForm1;

// How often runs of consecutive main numbers were drawn complete within one
// draw, over the statistics window without its start day. Each leaves one bar
// per first number n in Chart1's Series2 (index k holds n = k+1), shows the
// chart page (also while a tip calculation runs), and leaves Zahl holding the
// last counting draw and Gewinn/Treffer/Zusatz as its hit count of the last
// run examined left them.

// Shows the statistic of runs of `size` (2, 3 or 4) numbers as its button
// does and returns the values shown. Pairs are n, n+1 for n = 1..39;
// triples n..n+2 for n = 1..38 and set dfb to the end of the window;
// quadruples n..n+3 give forty bars, those of 38, 39 and 40 always 0, and
// set dfb.
std::vector<long long> showConsecutiveGroups(TForm1& form, int size);

// The settings pages' entries: show the chart page, then the statistic.
void showConsecutiveGroupsOnChartPage(TForm1& form, int size);

void registerGroupStatisticsHandlers(TForm1& form);

}  // namespace kugel
