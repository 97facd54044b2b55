#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/game.h"

namespace kugel {

// The history as CSV, the way the reference server keeps its draws: a
// header line naming the columns, then one draw per line. Dates are written
// YYYY-MM-DD (a record with a time of day gets THH:MM:SS behind it), the
// main numbers as stored, lines end in CR LF.
inline constexpr std::string_view kHistoryCsvHeader = "date,n1,n2,n3,n4,n5,n6,pb,extra";
std::string historyToCsv(const std::vector<TZiehung>& draws);

// A line of a CSV file that holds no draw, and why.
struct CsvProblem {
    int line = 0;  // 1-based; 0 for the file as a whole
    std::string reason;
};

struct CsvHistory {
    std::vector<TZiehung> draws;  // in date order; draws of one date in file order
    std::vector<CsvProblem> problems;
};

// Reads CSV text as the reference server reads its data file: the first
// non-blank line names the columns; date, n1..n6 and pb are required, extra
// is taken when present (0 when missing or empty), every other column (such
// as drawnumber) is ignored. Dates are YYYY-MM-DD or YYYYMMDD. Each line is
// judged as the results download judges a draw; every line that fails is
// reported. A file without any draw is a problem too: importing it would
// only empty the history.
CsvHistory historyFromCsv(std::string_view text);

}  // namespace kugel
