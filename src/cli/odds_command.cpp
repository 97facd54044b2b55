#include "cli/odds_command.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "analysis/prize_odds.h"

namespace kugel::cli {
namespace {

std::string hitsText(int mainHits, bool powerball) {
    return std::to_string(mainHits) + (powerball ? " + Powerball" : "");
}

// A chance as JSON: the exact fraction, its parts and the N of "1 in N".
std::string chanceJson(const Fraction& f) {
    char oneIn[32];
    std::snprintf(oneIn, sizeof oneIn, "%.10g",
                  static_cast<double>(f.den) / static_cast<double>(f.num));
    return "\"probability\":\"" + f.text() + "\",\"numerator\":" + std::to_string(f.num) +
           ",\"denominator\":" + std::to_string(f.den) + ",\"oneIn\":" + oneIn;
}

}  // namespace

void printOdds(std::ostream& out, bool json) {
    if (json) {
        out << "{\"divisions\":[";
        bool first = true;
        for (const PrizeDivision& d : prizeDivisions()) {
            out << (first ? "" : ",") << "{\"division\":" << d.division
                << ",\"main\":" << d.mainHits
                << ",\"powerball\":" << (d.powerball ? "true" : "false") << ','
                << chanceJson(d.probability) << '}';
            first = false;
        }
        out << "],\"anyDivision\":{" << chanceJson(anyDivisionProbability()) << "}}\n";
        return;
    }
    char line[160];
    std::snprintf(line, sizeof line, "%-9s %-14s %-18s %s\n", "Division", "Hits", "Probability",
                  "Odds");
    out << line;
    for (const PrizeDivision& d : prizeDivisions()) {
        std::snprintf(line, sizeof line, "%-9d %-14s %-18s 1 in %s\n", d.division,
                      hitsText(d.mainHits, d.powerball).c_str(), d.probability.text().c_str(),
                      oddsText(d.probability).c_str());
        out << line;
    }
    const Fraction any = anyDivisionProbability();
    std::snprintf(line, sizeof line, "%-24s %-18s 1 in %s\n", "Any division", any.text().c_str(),
                  oddsText(any).c_str());
    out << line;
}

}  // namespace kugel::cli
