#pragma once

#include <vector>

namespace kugel {

class TForm1;

// Statistics of single numbers over the statistics window, drawn into Chart1's
// Series2 one bar per value: index k holds number (or Powerball) k+1, for the
// row sums the smallest sum + k.
//
// The show functions read the window afresh, show the statistic as its
// button does and return the values shown, so the tip calculation, which
// shows each statistic on its way, works with the values themselves.

// How often each main number was drawn (start day counted). Switches the
// bar value labels off for good; sets dfb to the end of the window.
std::vector<long long> showMainNumberFrequency(TForm1& form);
// For how many draws each main number has been outstanding (start day not
// counted); shows the chart page; sets dfb.
std::vector<long long> showMainNumberOutstanding(TForm1& form);
// How often each Powerball was drawn (start day counted).
std::vector<long long> showPowerballFrequency(TForm1& form);
// For how many draws each Powerball has been outstanding (start day not
// counted); shows the chart page unless a tip calculation runs.
std::vector<long long> showPowerballOutstanding(TForm1& form);

// How often each row sum occurred (start day not counted); sets dfb.
void showRowSumDistribution(TForm1& form);

// Entries from other pages: show the chart page, then the statistic.
void showMainNumberFrequencyOnChartPage(TForm1& form);
void showRowSumDistributionOnChartPage(TForm1& form);
void showPowerballFrequencyOnChartPage(TForm1& form);

// Registers the handlers of the number and the group statistics.
void registerNumberStatisticsHandlers(TForm1& form);

}  // namespace kugel
