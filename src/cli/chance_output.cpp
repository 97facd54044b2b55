#include "cli/chance_output.h"

#include <cstdio>

namespace kugel::cli {
namespace {

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return text;
}

const char* verdictName(ChanceVerdict v) {
    switch (v) {
        case ChanceVerdict::WithinChance:
            return "within";
        case ChanceVerdict::BetterThanChance:
            return "better";
        case ChanceVerdict::WorseThanChance:
            return "worse";
        case ChanceVerdict::TooFewRows:
            break;
    }
    return "too-few-rows";
}

}  // namespace

std::string chanceJson(const ChanceComparison& c) {
    std::string out = "{\"rows\":" + std::to_string(c.rows) + ",\"classes\":[";
    for (std::size_t i = 0; i < c.classes.size(); ++i) {
        const ChanceComparison::Class& k = c.classes[i];
        out += std::string(i ? "," : "") + "{\"main\":" + std::to_string(k.mainHits) +
               ",\"powerball\":" + (k.powerball ? "true" : "false") +
               ",\"observed\":" + std::to_string(k.observed) +
               ",\"expected\":" + number(k.expected) + ",\"low\":" + std::to_string(k.low) +
               ",\"high\":" + std::to_string(k.high) + "}";
    }
    out += "],\"winningRows\":" + std::to_string(c.winningRows) +
           ",\"expectedWinningRows\":" + number(c.expectedWinningRows) + ",\"test\":";
    switch (c.test) {
        case ChanceTest::ChiSquare:
            out += "\"chi-square\",\"chiSquare\":" + number(c.chiSquare) +
                   ",\"degreesOfFreedom\":" + std::to_string(c.degreesOfFreedom);
            break;
        case ChanceTest::MonteCarlo:
            out += "\"monte-carlo\",\"samples\":" + std::to_string(c.samples);
            break;
        case ChanceTest::None:
            out += "null";
            break;
    }
    return out + ",\"p\":" + number(c.pValue) + ",\"verdict\":\"" + verdictName(verdictOf(c)) +
           "\"}";
}

}  // namespace kugel::cli
