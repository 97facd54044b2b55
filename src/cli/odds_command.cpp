#include "cli/odds_command.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "checking/prize_odds.h"

namespace kugel::cli {
namespace {

std::string hitsText(int mainHits, bool powerball) {
    return std::to_string(mainHits) + (powerball ? " + Powerball" : "");
}

// 76767600 -> "76 767 600": long odds are read more easily in groups.
std::string grouped(long long n) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return out;
}

std::string oneIn(const Fraction& f) {
    const double n = static_cast<double>(f.den) / static_cast<double>(f.num);
    if (f.num == 1) return grouped(static_cast<long long>(f.den));
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", n);
    return n >= 1000 ? grouped(std::llround(n)) : std::string(text);
}

}  // namespace

void printOdds(std::ostream& out, bool json) {
    if (json) {
        out << "{\"divisions\":[";
        bool first = true;
        for (const PrizeDivision& d : prizeDivisions()) {
            out << (first ? "" : ",") << "{\"division\":" << d.division
                << ",\"main\":" << d.mainHits
                << ",\"powerball\":" << (d.powerball ? "true" : "false") << ",\"probability\":\""
                << d.probability.text() << "\"}";
            first = false;
        }
        out << "]}\n";
        return;
    }
    char line[160];
    std::snprintf(line, sizeof line, "%-9s %-14s %-18s %s\n", "Division", "Hits", "Probability",
                  "Odds");
    out << line;
    for (const PrizeDivision& d : prizeDivisions()) {
        std::snprintf(line, sizeof line, "%-9d %-14s %-18s 1 in %s\n", d.division,
                      hitsText(d.mainHits, d.powerball).c_str(), d.probability.text().c_str(),
                      oneIn(d.probability).c_str());
        out << line;
    }
    const Fraction any = anyDivisionProbability();
    std::snprintf(line, sizeof line, "%-24s %-18s 1 in %s\n", "Any division", any.text().c_str(),
                  oneIn(any).c_str());
    out << line;
}

}  // namespace kugel::cli
