#pragma once

#include <string>

#include "analysis/chance_report.h"
#include "analysis/prize_odds.h"

namespace kugel::cli {

// The comparison with chance as one JSON object:
// {"rows":N,"classes":[{"main":h,"powerball":b,"observed":n,"expected":x,
//  "low":l,"high":u},...],"winningRows":n,"expectedWinningRows":x,
//  "test":"simulation"|"chi-square"|"monte-carlo"|null,"p":x,"verdict":
//  "within"|"better"|"worse"|"too-few-rows"|"in-sample"}. The simulation adds
// "samples" (periods simulated), "draws", "statistic":"winning-rows" and
// "winningLow"/"winningHigh" (the central 95 % of the rows that won); the
// chi-square test "chiSquare" and "degreesOfFreedom", the Monte-Carlo test
// "samples". When the ticket learned from some of the draws: the verdict is
// "in-sample" and "learned":{"until":"YYYY-MM-DD","draws":n} with
// "after": the same object over the draws after, or null.
std::string chanceJson(const ChanceComparison& c, const LearnedDraws* learned = nullptr);

}  // namespace kugel::cli
