#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kugel {

// The odds of the game as it is really played: six of forty main numbers and
// one Powerball of twenty. A row's hits against a fair draw follow the same
// distribution however the row was chosen, so all of this is exact.

// A non-negative fraction in lowest terms.
struct Fraction {
    std::uint64_t num = 0;
    std::uint64_t den = 1;
    std::string text() const;  // "1/76767600"
    double value() const { return static_cast<double>(num) / static_cast<double>(den); }
};
Fraction reduced(std::uint64_t num, std::uint64_t den);
// The N of "1 in N": odds of a thousand and more as a whole number in groups
// of three digits ("76 767 600"), smaller ones with one decimal ("77.7").
std::string oddsText(const Fraction& f);

// The chance that a row has `mainHits` of the six main numbers and hits (or
// misses) the Powerball.
Fraction hitClassProbability(int mainHits, bool powerball);

struct PrizeDivision {
    int division;  // 1 (the jackpot) to 8
    int mainHits;
    bool powerball;
    Fraction probability;
};
// The eight prize divisions, division 1 first.
const std::array<PrizeDivision, 8>& prizeDivisions();
// The chance that a row wins in any division.
Fraction anyDivisionProbability();
// What one row returns on average when division d pays quotas[d - 1].
double expectedReturnPerRow(const std::array<double, 8>& quotas);
// Quotas to start from, division 1 first: the prize dialog's defaults.
std::array<double, 8> defaultDivisionQuotas();

// The fourteen hit classes of a row: main hits 0..6, each without and with
// the Powerball. Index 2 * mainHits + (powerball ? 1 : 0).
constexpr int kHitClasses = 14;
using HitClassCounts = std::array<long long, kHitClasses>;
constexpr int hitClassIndex(int mainHits, bool powerball) {
    return 2 * mainHits + (powerball ? 1 : 0);
}

// Which test judged a comparison.
enum class ChanceTest {
    None,        // no rows
    ChiSquare,   // pooled chi-square, where every pooled group expects five rows or more
    MonteCarlo,  // the multinomial test by simulation, for fewer rows
    Simulation,  // the rows held as checked against simulated draws (chance_simulation.h)
};

// How observed counts of rows by hit class compare with chance.
struct ChanceComparison {
    struct Class {
        int mainHits;
        bool powerball;
        long long observed;
        double expected;
        long long low;  // the central 95 % of what chance gives for this class
        long long high;
    };
    long long rows = 0;
    std::vector<Class> classes;  // in hit-class order
    // The chi-square test over the classes, rare classes pooled until every
    // pooled group expects at least five rows.
    bool tested = false;  // false when the rows are too few for any test
    double chiSquare = 0;
    int degreesOfFreedom = 0;
    double pValue = 1;
    // Rows that won in any division, observed and expected.
    long long winningRows = 0;
    double expectedWinningRows = 0;
    ChanceTest test = ChanceTest::None;
    int samples = 0;  // tables or periods simulated
    // The simulation only: the draws checked and the central 95 % of the
    // rows that won in the simulated periods.
    long long draws = 0;
    long long winningLow = 0;
    long long winningHigh = 0;
};
// The comparison with the pooled chi-square test only; `tested` stays false
// where the rows are too few for it. It takes every row for an independent
// trial, which rows checked against the same draw are not: the program
// judges by the simulation of chance_simulation.h, and this stays as the
// reference that simulation is measured against.
ChanceComparison compareWithChance(const HitClassCounts& observed);

// The Monte-Carlo multinomial test: `samples` tables of as many rows as
// observed are drawn at chance from a generator seeded with `seed`; the
// p-value is the share of them (counting the observed one) no more likely
// than the observed table. The same seed gives the same p-value.
double monteCarloPValue(const HitClassCounts& observed, int samples, std::uint64_t seed);
constexpr int kMonteCarloSamples = 100000;
constexpr std::uint64_t kMonteCarloSeed = 20130307;

// The comparison the program shows: the chi-square test where the rows
// allow it, otherwise the Monte-Carlo test (repeatable: a fixed seed).
ChanceComparison judgeAgainstChance(const HitClassCounts& observed);

enum class ChanceVerdict { TooFewRows, WithinChance, BetterThanChance, WorseThanChance };
// At the 5 % level; better or worse by the rows that won in any division.
ChanceVerdict verdictOf(const ChanceComparison& c);

// "within what chance gives", "better than chance (p = 0.0123)" or
// "worse than chance (p = 0.0123)", at the 5 % level.
std::string chanceVerdict(const ChanceComparison& c);

// The probability that a chi-square variable with `df` degrees of freedom
// exceeds x.
double chiSquareTail(double x, int df);

}  // namespace kugel
