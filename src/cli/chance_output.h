#pragma once

#include <string>

#include "analysis/prize_odds.h"

namespace kugel::cli {

// The comparison with chance as one JSON object:
// {"rows":N,"classes":[{"main":h,"powerball":b,"observed":n,"expected":x,
//  "low":l,"high":u},...],"winningRows":n,"expectedWinningRows":x,
//  "test":"chi-square"|"monte-carlo"|null,"p":x,"verdict":"within"|"better"|
//  "worse"|"too-few-rows"}, with "chiSquare" and "degreesOfFreedom" for the
// chi-square test and "samples" for the Monte-Carlo test.
std::string chanceJson(const ChanceComparison& c);

}  // namespace kugel::cli
