#include "analysis/prize_odds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>

#include "model/game.h"

namespace kugel {
namespace {

constexpr int kOtherNumbers = MaxZahl - ZahlenProReihe;

std::uint64_t choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    std::uint64_t c = 1;
    for (int i = 1; i <= k; ++i) c = c * static_cast<std::uint64_t>(n - k + i) / i;
    return c;
}

// Every hit class has this denominator before reduction: C(40, 6) * 20.
std::uint64_t commonDenominator() {
    return choose(MaxZahl, ZahlenProReihe) * MaxPowerball;
}

std::uint64_t classNumerator(int mainHits, bool powerball) {
    return choose(ZahlenProReihe, mainHits) * choose(kOtherNumbers, ZahlenProReihe - mainHits) *
           (powerball ? 1 : MaxPowerball - 1);
}

// log P(X = k) for X binomial(n, p), 0 < p < 1.
double logBinomial(long long n, long long k, double p) {
    return std::lgamma(static_cast<double>(n) + 1) - std::lgamma(static_cast<double>(k) + 1) -
           std::lgamma(static_cast<double>(n - k) + 1) + static_cast<double>(k) * std::log(p) +
           static_cast<double>(n - k) * std::log1p(-p);
}

// The central 95 % of binomial(n, p): the 2.5 % and the 97.5 % quantile.
std::pair<long long, long long> binomialRange(long long n, double p) {
    long long low = -1;
    long long high = n;
    double cumulative = 0;
    for (long long k = 0; k <= n; ++k) {
        cumulative += std::exp(logBinomial(n, k, p));
        if (low < 0 && cumulative >= 0.025) low = k;
        if (cumulative >= 0.975) {
            high = k;
            break;
        }
    }
    return {low < 0 ? 0 : low, high};
}

// Regularised lower incomplete gamma P(a, x) by its series (x < a + 1) and
// the upper one Q(a, x) by its continued fraction (x >= a + 1).
double gammaSeries(double a, double x) {
    double term = 1 / a;
    double sum = term;
    for (int n = 1; n < 1000; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * 1e-15) break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

double gammaContinuedFraction(double a, double x) {
    constexpr double kTiny = 1e-300;
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < 1e-15) break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

}  // namespace

std::string Fraction::text() const {
    return std::to_string(num) + "/" + std::to_string(den);
}

std::string oddsText(const Fraction& f) {
    const double n = static_cast<double>(f.den) / static_cast<double>(f.num);
    char text[32];
    if (n < 1000) {
        std::snprintf(text, sizeof text, "%.1f", n);
        return text;
    }
    const std::string digits = std::to_string(std::llround(n));
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return out;
}

Fraction reduced(std::uint64_t num, std::uint64_t den) {
    const std::uint64_t g = std::gcd(num, den);
    return g == 0 ? Fraction{0, 1} : Fraction{num / g, den / g};
}

Fraction hitClassProbability(int mainHits, bool powerball) {
    return reduced(classNumerator(mainHits, powerball), commonDenominator());
}

const std::array<PrizeDivision, 8>& prizeDivisions() {
    static const std::array<PrizeDivision, 8> divisions = [] {
        const std::pair<int, bool> classes[8] = {{6, true}, {6, false}, {5, true},  {5, false},
                                                 {4, true}, {3, true},  {4, false}, {2, true}};
        std::array<PrizeDivision, 8> d{};
        for (int i = 0; i < 8; ++i)
            d[static_cast<std::size_t>(i)] = {
                i + 1, classes[i].first, classes[i].second,
                hitClassProbability(classes[i].first, classes[i].second)};
        return d;
    }();
    return divisions;
}

Fraction anyDivisionProbability() {
    std::uint64_t num = 0;
    for (const PrizeDivision& d : prizeDivisions()) num += classNumerator(d.mainHits, d.powerball);
    return reduced(num, commonDenominator());
}

double expectedReturnPerRow(const std::array<double, 8>& quotas) {
    double sum = 0;
    for (const PrizeDivision& d : prizeDivisions())
        sum += d.probability.value() * quotas[static_cast<std::size_t>(d.division - 1)];
    return sum;
}

std::array<double, 8> defaultDivisionQuotas() {
    // The prize dialog's eight default quotas, smallest prize first, given to
    // the divisions from the smallest prize (division 8) up.
    return {1000000, 500000, 35000, 2000, 200, 40, 20, 10};
}

double chiSquareTail(double x, int df) {
    if (df <= 0) return 1;
    if (x <= 0) return 1;
    const double a = df / 2.0;
    const double half = x / 2;
    return half < a + 1 ? 1 - gammaSeries(a, half) : gammaContinuedFraction(a, half);
}

ChanceComparison compareWithChance(const HitClassCounts& observed) {
    ChanceComparison c;
    for (const long long n : observed) c.rows += n;
    for (int h = 0; h <= ZahlenProReihe; ++h) {
        for (const bool pb : {false, true}) {
            const double p = hitClassProbability(h, pb).value();
            const auto [low, high] = binomialRange(c.rows, p);
            const long long seen = observed[static_cast<std::size_t>(hitClassIndex(h, pb))];
            c.classes.push_back({h, pb, seen, p * static_cast<double>(c.rows), low, high});
        }
    }
    for (const PrizeDivision& d : prizeDivisions()) {
        c.winningRows += observed[static_cast<std::size_t>(hitClassIndex(d.mainHits, d.powerball))];
        c.expectedWinningRows += d.probability.value() * static_cast<double>(c.rows);
    }

    // Pool the classes, rarest first, until each pooled group expects at
    // least five rows; a leftover that expects fewer joins the last group.
    std::vector<std::pair<double, long long>> classes;
    for (const ChanceComparison::Class& k : c.classes) classes.push_back({k.expected, k.observed});
    std::sort(classes.begin(), classes.end());
    std::vector<std::pair<double, long long>> groups;
    std::pair<double, long long> open{0, 0};
    for (const auto& [expected, seen] : classes) {
        open.first += expected;
        open.second += seen;
        if (open.first >= 5) {
            groups.push_back(open);
            open = {0, 0};
        }
    }
    if (open.first > 0 && !groups.empty()) {
        groups.back().first += open.first;
        groups.back().second += open.second;
    }
    if (groups.size() < 2) return c;
    for (const auto& [expected, seen] : groups) {
        const double diff = static_cast<double>(seen) - expected;
        c.chiSquare += diff * diff / expected;
    }
    c.tested = true;
    c.degreesOfFreedom = static_cast<int>(groups.size()) - 1;
    c.pValue = chiSquareTail(c.chiSquare, c.degreesOfFreedom);
    return c;
}

double monteCarloPValue(const HitClassCounts& observed, int samples, std::uint64_t seed) {
    long long rows = 0;
    for (const long long n : observed) rows += n;
    if (rows <= 0 || samples <= 0) return 1;

    // The classes, likeliest first, so that the search for a drawn class
    // mostly ends after a step or two.
    struct Cell {
        double cumulative;
        double logP;
        int index;
    };
    std::array<Cell, kHitClasses> cells{};
    for (int h = 0; h <= ZahlenProReihe; ++h)
        for (const bool pb : {false, true}) {
            const int i = hitClassIndex(h, pb);
            cells[static_cast<std::size_t>(i)] = {hitClassProbability(h, pb).value(),
                                                  std::log(hitClassProbability(h, pb).value()), i};
        }
    std::sort(cells.begin(), cells.end(),
              [](const Cell& a, const Cell& b) { return a.cumulative > b.cumulative; });
    double sum = 0;
    for (Cell& c : cells) {
        sum += c.cumulative;
        c.cumulative = sum;
    }
    cells.back().cumulative = 2;  // rounding never leaves a draw without a class

    // log of a table's probability, without the rows' factorial, which all
    // tables of as many rows share.
    std::vector<double> logFactorial(static_cast<std::size_t>(rows) + 1, 0.0);
    for (std::size_t k = 1; k < logFactorial.size(); ++k)
        logFactorial[k] = logFactorial[k - 1] + std::log(static_cast<double>(k));
    auto logLikelihood = [&](const std::array<long long, kHitClasses>& counts) {
        double l = 0;
        for (const Cell& c : cells) {
            const long long k = counts[static_cast<std::size_t>(c.index)];
            if (k > 0)
                l += static_cast<double>(k) * c.logP - logFactorial[static_cast<std::size_t>(k)];
        }
        return l;
    };
    const double seen = logLikelihood(observed);
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(seen));

    // mt19937_64 is the same sequence everywhere; the step to [0, 1) is
    // done here, as the standard's distributions may differ between
    // libraries.
    std::mt19937_64 generator(seed);
    std::array<long long, kHitClasses> counts{};
    int asExtreme = 0;
    for (int s = 0; s < samples; ++s) {
        counts.fill(0);
        for (long long r = 0; r < rows; ++r) {
            const double u = static_cast<double>(generator() >> 11) * 0x1.0p-53;
            std::size_t k = 0;
            while (u >= cells[k].cumulative) ++k;
            ++counts[static_cast<std::size_t>(cells[k].index)];
        }
        if (logLikelihood(counts) <= seen + tolerance) ++asExtreme;
    }
    return (asExtreme + 1.0) / (samples + 1.0);
}

ChanceComparison judgeAgainstChance(const HitClassCounts& observed) {
    ChanceComparison c = compareWithChance(observed);
    if (c.tested) {
        c.test = ChanceTest::ChiSquare;
    } else if (c.rows > 0) {
        c.test = ChanceTest::MonteCarlo;
        c.samples = kMonteCarloSamples;
        c.pValue = monteCarloPValue(observed, kMonteCarloSamples, kMonteCarloSeed);
        c.tested = true;
    }
    return c;
}

ChanceVerdict verdictOf(const ChanceComparison& c) {
    if (!c.tested) return ChanceVerdict::TooFewRows;
    if (c.pValue >= 0.05) return ChanceVerdict::WithinChance;
    return static_cast<double>(c.winningRows) >= c.expectedWinningRows
               ? ChanceVerdict::BetterThanChance
               : ChanceVerdict::WorseThanChance;
}

std::string chanceVerdict(const ChanceComparison& c) {
    const ChanceVerdict v = verdictOf(c);
    if (v == ChanceVerdict::TooFewRows) return "too few rows to tell";
    if (v == ChanceVerdict::WithinChance) return "within what chance gives";
    char p[32];
    std::snprintf(p, sizeof p, "%.3g", c.pValue);
    return std::string(v == ChanceVerdict::BetterThanChance ? "better" : "worse") +
           " than chance (p = " + p + ")";
}

}  // namespace kugel
