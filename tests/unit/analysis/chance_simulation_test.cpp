#include "analysis/chance_simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace kugel {
namespace {

// Twelve rows the tip calculation gave with its initial settings over the
// real history (lucky number 4711): 2, 11 and 37 stand in several rows.
const std::vector<CheckedRow> kCalculatedTicket{
    {{2, 9, 11, 28, 37, 39}, 19},  {{1, 13, 15, 19, 21, 37}, 14}, {{2, 17, 20, 21, 35, 37}, 9},
    {{2, 3, 13, 26, 29, 38}, 4},   {{3, 11, 17, 21, 38, 39}, 14}, {{2, 15, 20, 36, 39, 40}, 18},
    {{2, 11, 12, 21, 27, 34}, 18}, {{3, 21, 27, 28, 36, 40}, 20}, {{1, 2, 27, 30, 37, 38}, 14},
    {{11, 13, 17, 26, 36, 37}, 9}, {{1, 2, 6, 11, 26, 40}, 4},    {{3, 11, 20, 34, 37, 40}, 1},
};

// Twelve rows that share five numbers and the Powerball: whatever one row
// wins, the others nearly win as well.
std::vector<CheckedRow> sharedTicket() {
    std::vector<CheckedRow> rows;
    for (int r = 0; r < 12; ++r) rows.push_back({{1, 2, 3, 4, 5, 6 + r}, 7});
    return rows;
}

struct Draw {
    std::array<int, 6> numbers;
    int powerball;
};
using History = std::vector<Draw>;

// A fair history from the test's own generator, apart from the program's.
History fairHistory(std::mt19937_64& g, int draws) {
    History h;
    std::vector<int> all(40);
    for (int n = 0; n < 40; ++n) all[static_cast<std::size_t>(n)] = n + 1;
    for (int d = 0; d < draws; ++d) {
        std::shuffle(all.begin(), all.end(), g);
        Draw z{};
        std::copy_n(all.begin(), 6, z.numbers.begin());
        z.powerball = static_cast<int>(g() % 20) + 1;
        h.push_back(z);
    }
    return h;
}

// The rows checked against every draw, as the ticket check counts them.
ChanceTally check(const std::vector<CheckedRow>& rows, const History& history) {
    ChanceTally tally;
    for (const Draw& z : history) {
        for (const CheckedRow& row : rows) {
            int hits = 0;
            for (const int n : row.numbers)
                hits += static_cast<int>(std::count(z.numbers.begin(), z.numbers.end(), n));
            tally.count(hits, row.powerball == z.powerball);
        }
        tally.addDraw(rows);
    }
    return tally;
}

// The range binomial(n, p) keeps to with probability 99.8 %.
std::pair<int, int> binomialRange(int n, double p) {
    std::vector<double> pmf(static_cast<std::size_t>(n) + 1);
    for (int k = 0; k <= n; ++k)
        pmf[static_cast<std::size_t>(k)] =
            std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
                     k * std::log(p) + (n - k) * std::log1p(-p));
    int low = 0;
    for (double below = 0; below + pmf[static_cast<std::size_t>(low)] < 0.001; ++low)
        below += pmf[static_cast<std::size_t>(low)];
    int high = n;
    for (double above = 0; above + pmf[static_cast<std::size_t>(high)] < 0.001; --high)
        above += pmf[static_cast<std::size_t>(high)];
    return {low, high};
}

// 400 fair histories of 267 draws against a calculated ticket: "better" or
// "worse" at the 5 % level must come out in about 5 % of them. The test that
// takes every row for an independent trial finds them far more often.
TEST(ChanceSimulation, IsCalibratedWhereTheOldTestIsNot) {
    constexpr int kHistories = 400;
    constexpr int kDraws = 267;
    const std::vector<CheckedTicket> tickets{{kCalculatedTicket, kDraws}};
    const ChanceSimulation chance(tickets, kChanceSimulations, kChanceSeed);
    std::mt19937_64 g(1234567);
    int judged = 0;
    int judgedByOldTest = 0;
    for (int h = 0; h < kHistories; ++h) {
        const ChanceTally tally = check(kCalculatedTicket, fairHistory(g, kDraws));
        if (verdictOf(judgeBySimulation(chance, tally.observed)) != ChanceVerdict::WithinChance)
            ++judged;
        if (verdictOf(compareWithChance(tally.observed)) != ChanceVerdict::WithinChance)
            ++judgedByOldTest;
    }
    const auto [low, high] = binomialRange(kHistories, 0.05);
    EXPECT_GE(judged, low);
    EXPECT_LE(judged, high);
    EXPECT_GT(judgedByOldTest, high) << "the old test judged " << judgedByOldTest;
}

// Verdicts on single histories: chance alone stays within, a table far from
// chance is found with its direction.
TEST(ChanceSimulation, JudgesTablesByTheirDistanceFromChance) {
    std::mt19937_64 g(99);
    // Every draw holds three numbers of the first row and its Powerball.
    const auto lucky = [](History h) {
        for (Draw& z : h) {
            z.numbers = {2, 9, 11, 14, 16, 18};
            z.powerball = 19;
        }
        return h;
    };
    // No draw holds a number of the ticket.
    const auto unlucky = [](History h) {
        for (Draw& z : h) {
            z.numbers = {4, 5, 7, 8, 10, 14};
            z.powerball = 2;
        }
        return h;
    };
    const struct {
        const char* name;
        std::vector<CheckedRow> rows;
        History history;
        ChanceVerdict verdict;
        ChanceVerdict oldVerdict;
    } cases[] = {
        {"shared numbers, fair draws", sharedTicket(), fairHistory(g, 267),
         ChanceVerdict::WithinChance, ChanceVerdict::WorseThanChance},
        {"calculated, lucky draws", kCalculatedTicket, lucky(fairHistory(g, 60)),
         ChanceVerdict::BetterThanChance, ChanceVerdict::BetterThanChance},
        {"calculated, unlucky draws", kCalculatedTicket, unlucky(fairHistory(g, 267)),
         ChanceVerdict::WorseThanChance, ChanceVerdict::WorseThanChance},
    };
    for (const auto& c : cases) {
        const ChanceTally tally = check(c.rows, c.history);
        const ChanceComparison judged = judgeTally(tally);
        EXPECT_EQ(judged.test, ChanceTest::Simulation) << c.name;
        EXPECT_EQ(judged.rows, static_cast<long long>(c.rows.size() * c.history.size())) << c.name;
        EXPECT_EQ(verdictOf(judged), c.verdict) << c.name << ", p = " << judged.pValue;
        EXPECT_EQ(verdictOf(compareWithChance(tally.observed)), c.oldVerdict) << c.name;
    }
}

// The ranges come from the same simulation: rows that share five numbers
// win together, so their range of winning rows is far wider than that of
// as many rows without a common number; the mean is the same.
TEST(ChanceSimulation, RangesFollowWhatTheRowsShare) {
    std::vector<CheckedRow> apart;
    for (int r = 0; r < 6; ++r)
        apart.push_back(
            {{6 * r + 1, 6 * r + 2, 6 * r + 3, 6 * r + 4, 6 * r + 5, 6 * r + 6}, r + 1});
    std::vector<CheckedRow> shared = sharedTicket();
    shared.resize(6);
    const auto judge = [](const std::vector<CheckedRow>& rows) {
        ChanceTally tally;
        tally.tickets = {{rows, 500}};
        tally.observed[static_cast<std::size_t>(hitClassIndex(0, false))] = 3000;
        return judgeTally(tally);
    };
    const ChanceComparison a = judge(apart);
    const ChanceComparison s = judge(shared);
    EXPECT_DOUBLE_EQ(a.expectedWinningRows, s.expectedWinningRows);
    EXPECT_LE(a.winningLow, a.expectedWinningRows);
    EXPECT_GE(a.winningHigh, a.expectedWinningRows);
    EXPECT_GT(2 * (s.winningHigh - s.winningLow), 3 * (a.winningHigh - a.winningLow));
    // The same rows, the same seed: the same comparison.
    EXPECT_EQ(judge(apart).pValue, a.pValue);
}

// A number standing twice counts twice and a number outside 1..40 never,
// as in the ticket check; the observed rows must be the simulated ones.
TEST(ChanceSimulation, CountsRowsAsTheTicketCheckDoes) {
    const CheckedRow doubled{{1, 1, 1, 1, 1, 1}, 0};  // hits 0 or 6, never the Powerball
    const CheckedRow outside{{0, 41, 99, -3, 50, 60}, 25};
    const ChanceSimulation sim({{{doubled, outside}, 2000}}, 50, kChanceSeed);
    EXPECT_EQ(sim.rows(), 4000);
    long long sixes = 0;
    long long zeros = 0;
    for (int s = 0; s < sim.periods(); ++s) {
        sixes += sim.classes(s)[hitClassIndex(6, false)];
        zeros += sim.classes(s)[hitClassIndex(0, false)];
        for (int k = 0; k < kHitClasses; ++k) {
            if (k != hitClassIndex(6, false) && k != hitClassIndex(0, false)) {
                EXPECT_EQ(sim.classes(s)[k], 0) << k;
            }
        }
    }
    // Number 1 is drawn in 6 of 40 draws.
    EXPECT_NEAR(static_cast<double>(sixes) / (50 * 2000), 0.15, 0.01);
    EXPECT_EQ(sixes + zeros, 50 * 4000);

    HitClassCounts tooFew{};
    tooFew[0] = 3999;
    EXPECT_THROW(judgeBySimulation(sim, tooFew), std::logic_error);
}

}  // namespace
}  // namespace kugel
