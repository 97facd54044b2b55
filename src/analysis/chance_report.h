#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/prize_odds.h"
#include "model/main_window.h"

namespace kugel {

// The rows of a ticket check by hit class, as the comparison with chance
// counts them.
HitClassCounts hitClassCounts(const HitStatistics& rows);

// The verdict in the words of the language in use.
std::string verdictText(const TForm1& form, const ChanceComparison& c);

// The comparison in words, one line each, in the language in use: what was
// compared (`source`), the table by hit class (observed,
// expected, the range chance keeps to in 95 of 100 cases), the rows that won
// in any division, the test and its verdict.
std::vector<std::string> chanceLines(const TForm1& form, const std::string& source,
                                     const ChanceComparison& c);

// The comparison's report beside an analysis report: "Test.rtf" gives
// "Test_Zufall.rtf" in the same folder.
std::filesystem::path chanceReportPath(const std::filesystem::path& report);

// Shows the comparison in the window "Vergleich mit dem Zufall" beside the
// main window (the driver prints what it says).
void showChanceComparison(TForm1& form, const ChanceComparison& c, std::vector<std::string> lines);

}  // namespace kugel
