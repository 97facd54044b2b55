#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/session.h"

namespace kugel::cli {

struct CalcOptions {
    std::optional<int> rows;         // rows to calculate, 1..12 (default: the stored setting)
    std::optional<long long> lucky;  // the lucky number, 1..99999999 (default: the clock)
    std::string settingsFile;        // the settings to calculate with (default: --settings)
    std::string output;              // a tip file to save the ticket to
    bool json = false;
};

// `calc`: the window's tip calculation ("Tipps berechnen") with the stored or
// given settings; the lucky number goes in as the lucky-number button takes
// it, so the same number gives the same ticket as in the window.
int calculateTicket(const GlobalOptions& options, const CalcOptions& calc, std::ostream& out);

struct CheckOptions {
    std::string file;                 // the tip file
    std::optional<std::string> date;  // the draw on or after this date (default: the newest)
    bool all = false;                 // every stored draw
    bool json = false;
    // With --all: the newest draw date the ticket was calculated from. By
    // default a file named as the program proposes ("yyyymmdd.qlt", the day
    // of the draw it is for) learned from the draws before that day; any
    // other name tells nothing.
    std::optional<std::string> calculatedUntil;
};

// `check`: the hits of every row of a tip file and the prize divisions won,
// against one draw or every stored draw, checked as the window checks a
// loaded ticket. Against every draw the rows are compared with chance; over
// the draws the ticket was calculated from the comparison gives no verdict.
int checkTicket(const GlobalOptions& options, const CheckOptions& check, std::ostream& out);

}  // namespace kugel::cli
