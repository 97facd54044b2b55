#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/chance_simulation.h"
#include "analysis/prize_odds.h"
#include "model/main_window.h"

namespace kugel {

// The rows of a ticket check by hit class, as the comparison with chance
// counts them.
HitClassCounts hitClassCounts(const HitStatistics& rows);

// One ticket row as the check reads it; nothing when a field holds no
// whole number, so the check leaves the row out.
std::optional<CheckedRow> readableRow(const TicketRow& row);
// The ticket's rows the check can read, in order: a row with a field that
// holds no whole number is left out, as the check leaves it out.
std::vector<CheckedRow> readableRows(const TForm1& form);

// When the ticket was calculated from some of the draws checked: the
// newest draw it learned from, how many of the checked draws it had seen,
// and the comparison over the checked draws after those (none when there
// were none).
struct LearnedDraws {
    double until = 0;
    long long draws = 0;
    std::optional<ChanceComparison> after;
    double firstAfter = 0;  // the first draw after, when there is one
};

// The newest draw the ticket in the window was calculated from, when it is
// the ticket the last calculation left.
std::optional<double> ticketLearnedUntil(const TForm1& form);

// The verdict in the words of the language in use.
std::string verdictText(const TForm1& form, const ChanceComparison& c);

// The comparison in words, one line each, in the language in use: what was
// compared (`head`), a sentence on the rows that won beside the range
// chance gives, what the ticket learned from (`learned`) and the verdict;
// then the table by hit class (observed, expected, the range chance keeps to
// in 95 of 100 periods) and how the test was made with its p-value.
std::vector<std::string> chanceLines(const TForm1& form, const std::vector<std::string>& head,
                                     const ChanceComparison& c,
                                     const LearnedDraws* learned = nullptr);

// The comparison's report beside an analysis report: "Test.rtf" gives
// "Test_Zufall.rtf" in the same folder.
std::filesystem::path chanceReportPath(const std::filesystem::path& report);

// Shows the comparison in the window "Vergleich mit dem Zufall" beside the
// main window (the driver prints what it says).
void showChanceComparison(TForm1& form, const ChanceComparison& c, std::vector<std::string> lines);

}  // namespace kugel
