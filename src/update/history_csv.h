#pragma once

#include <functional>
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

// How the dates of a CSV file are written. Day and month are never guessed
// from the values: 3/4/2013 is the 3rd of April or the 4th of March only as
// the reader is told.
enum class CsvDateFormat {
    Iso,           // YYYY-MM-DD or YYYYMMDD
    DayMonthYear,  // D/M/YYYY, as Australians write them ("." and "-" too)
    MonthDayYear,  // M/D/YYYY
};
// The format's name for a message: "YYYY-MM-DD", "D/M/YYYY", "M/D/YYYY".
std::string_view csvDateFormatText(CsvDateFormat format);

struct CsvReading {
    CsvDateFormat dates = CsvDateFormat::Iso;
    // Called now and then with the bytes read so far and the whole size.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

// Reads CSV text as people bring it: the first non-blank line names the
// columns, in any case; date, n1..n6 and pb are required, extra is taken
// when present (0 when missing or empty), every other column (such as
// drawnumber) is ignored. Fields are separated by the header's separator
// (tab, ";" or ","), and may be quoted as RFC 4180 says. A time of day after
// the date (" 20:30", " 8:30 PM") is allowed and not stored; the ISO form
// "THH:MM:SS" that the export writes is kept. Each line is judged as the
// results download judges a draw, and a date that stands on an earlier line
// too is an error (the history keeps one draw per date); every line that
// fails is reported. A file without any draw is a problem too: importing it
// would only empty the history.
CsvHistory historyFromCsv(std::string_view text, const CsvReading& reading = {});

}  // namespace kugel
