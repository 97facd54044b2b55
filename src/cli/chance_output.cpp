#include "cli/chance_output.h"

#include <cstdio>

#include "platform/dates.h"

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

std::string chanceJson(const ChanceComparison& c, const LearnedDraws* learned) {
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
        case ChanceTest::Simulation:
            out += "\"simulation\",\"statistic\":\"winning-rows\",\"samples\":" +
                   std::to_string(c.samples) + ",\"draws\":" + std::to_string(c.draws) +
                   ",\"winningLow\":" + std::to_string(c.winningLow) +
                   ",\"winningHigh\":" + std::to_string(c.winningHigh);
            break;
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
    out += ",\"p\":" + number(c.pValue) + ",\"verdict\":\"" +
           (learned ? "in-sample" : verdictName(verdictOf(c))) + "\"";
    if (learned) {
        const DateParts d = decodeDate(learned->until);
        char until[16];
        std::snprintf(until, sizeof until, "%04d-%02d-%02d", d.year, d.month, d.day);
        out += std::string(",\"learned\":{\"until\":\"") + until +
               "\",\"draws\":" + std::to_string(learned->draws) +
               "},\"after\":" + (learned->after ? chanceJson(*learned->after) : "null");
    }
    return out + "}";
}

}  // namespace kugel::cli
