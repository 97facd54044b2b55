#include "analysis/prize_odds.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kugel {
namespace {

TEST(PrizeOdds, DivisionsHaveTheGamesExactChances) {
    const auto& d = prizeDivisions();
    // Known values of 6 of 40 plus a Powerball of 20.
    const struct {
        int division;
        int main;
        bool powerball;
        const char* probability;
    } expected[] = {
        {1, 6, true, "1/76767600"},  {2, 6, false, "1/4040400"},  {3, 5, true, "17/6397300"},
        {4, 5, false, "17/336700"},  {5, 4, true, "561/5117840"}, {6, 3, true, "1496/959595"},
        {7, 4, false, "561/269360"}, {8, 2, true, "5797/639730"},
    };
    for (std::size_t i = 0; i < d.size(); ++i) {
        EXPECT_EQ(d[i].division, expected[i].division);
        EXPECT_EQ(d[i].mainHits, expected[i].main);
        EXPECT_EQ(d[i].powerball, expected[i].powerball);
        EXPECT_EQ(d[i].probability.text(), expected[i].probability) << "division " << i + 1;
    }
}

TEST(PrizeOdds, AllHitClassesTogetherAreCertain) {
    std::uint64_t num = 0;
    const std::uint64_t den = 76767600;
    for (int h = 0; h <= 6; ++h)
        for (const bool pb : {false, true}) {
            const Fraction f = hitClassProbability(h, pb);
            ASSERT_EQ(den % f.den, 0u);
            num += f.num * (den / f.den);
        }
    EXPECT_EQ(num, den);
}

TEST(PrizeOdds, ExpectedReturnWeighsEachQuotaByItsChance) {
    std::array<double, 8> onlyJackpot{};
    onlyJackpot[0] = 76767600;
    EXPECT_DOUBLE_EQ(expectedReturnPerRow(onlyJackpot), 1.0);
    EXPECT_GT(expectedReturnPerRow(defaultDivisionQuotas()), 0.0);
}

// Counts for `rows` rows spread exactly as chance predicts (rounded).
HitClassCounts atChance(long long rows) {
    HitClassCounts counts{};
    for (int h = 0; h <= 6; ++h)
        for (const bool pb : {false, true})
            counts[static_cast<std::size_t>(hitClassIndex(h, pb))] =
                std::llround(hitClassProbability(h, pb).value() * static_cast<double>(rows));
    return counts;
}

TEST(ChanceComparison, ATableAtChanceIsWithinWhatChanceGives) {
    const ChanceComparison c = compareWithChance(atChance(3204));
    ASSERT_TRUE(c.tested);
    EXPECT_GT(c.pValue, 0.5);
    EXPECT_EQ(chanceVerdict(c), "within what chance gives");
    for (const auto& k : c.classes) {
        EXPECT_LE(k.low, k.observed);
        EXPECT_GE(k.high, k.observed);
    }
}

TEST(ChanceComparison, ATableFarFromChanceIsJudgedWithItsDirection) {
    HitClassCounts lucky = atChance(3204);
    lucky[static_cast<std::size_t>(hitClassIndex(3, true))] += 60;  // division 6, many times
    lucky[static_cast<std::size_t>(hitClassIndex(0, false))] -= 60;
    const ChanceComparison good = compareWithChance(lucky);
    EXPECT_LT(good.pValue, 0.001);
    EXPECT_EQ(chanceVerdict(good).rfind("better than chance (p = ", 0), 0u) << chanceVerdict(good);

    HitClassCounts unlucky = atChance(3204);
    unlucky[static_cast<std::size_t>(hitClassIndex(0, false))] += 300;
    unlucky[static_cast<std::size_t>(hitClassIndex(2, false))] -= 300;
    EXPECT_EQ(chanceVerdict(compareWithChance(unlucky)).rfind("worse than chance", 0), 0u);
}

TEST(ChanceComparison, TooFewRowsAreNotJudged) {
    HitClassCounts one{};
    one[0] = 1;
    EXPECT_EQ(chanceVerdict(compareWithChance(one)), "too few rows to tell");
}

TEST(ChanceComparison, FewRowsAreJudgedByASeededMonteCarloTest) {
    // One ticket of twelve rows: too few for the chi-square test.
    HitClassCounts usual{};
    usual[static_cast<std::size_t>(hitClassIndex(0, false))] = 4;
    usual[static_cast<std::size_t>(hitClassIndex(1, false))] = 6;
    usual[static_cast<std::size_t>(hitClassIndex(2, false))] = 2;
    HitClassCounts jackpot = usual;
    jackpot[static_cast<std::size_t>(hitClassIndex(2, false))] = 1;
    jackpot[static_cast<std::size_t>(hitClassIndex(6, true))] = 1;
    ASSERT_FALSE(compareWithChance(usual).tested);

    const ChanceComparison within = judgeAgainstChance(usual);
    EXPECT_EQ(within.test, ChanceTest::MonteCarlo);
    EXPECT_EQ(within.samples, kMonteCarloSamples);
    EXPECT_EQ(verdictOf(within), ChanceVerdict::WithinChance) << within.pValue;

    const ChanceComparison lucky = judgeAgainstChance(jackpot);
    EXPECT_EQ(verdictOf(lucky), ChanceVerdict::BetterThanChance);
    // A jackpot in twelve rows: hardly a simulated table is as unlikely.
    EXPECT_LT(lucky.pValue, 1e-4);

    // The same seed gives the same p-value, another seed a close one.
    EXPECT_EQ(monteCarloPValue(usual, 20000, 7), monteCarloPValue(usual, 20000, 7));
    EXPECT_NEAR(monteCarloPValue(usual, 20000, 7), monteCarloPValue(usual, 20000, 8), 0.02);
}

TEST(ChanceComparison, TheMonteCarloTestAgreesWithTheExactTestOnOneRow) {
    // One row in class 1 (the likeliest, 0.41...): every other table is
    // less likely, so the exact p-value is 1. One row in class 0: all
    // tables but class 1 are at most as likely, p = 1 - P(class 1).
    HitClassCounts one{};
    one[static_cast<std::size_t>(hitClassIndex(1, false))] = 1;
    EXPECT_DOUBLE_EQ(monteCarloPValue(one, 50000, 1), 1.0);
    HitClassCounts zero{};
    zero[static_cast<std::size_t>(hitClassIndex(0, false))] = 1;
    const double exact = 1 - hitClassProbability(1, false).value();
    EXPECT_NEAR(monteCarloPValue(zero, 50000, 1), exact, 0.01);
}

TEST(ChanceComparison, ManyRowsKeepTheChiSquareTest) {
    const ChanceComparison c = judgeAgainstChance(atChance(3204));
    EXPECT_EQ(c.test, ChanceTest::ChiSquare);
    EXPECT_EQ(verdictOf(c), ChanceVerdict::WithinChance);
    EXPECT_EQ(verdictOf(judgeAgainstChance(HitClassCounts{})), ChanceVerdict::TooFewRows);
}

TEST(ChanceComparison, ChiSquareTailMatchesKnownQuantiles) {
    EXPECT_NEAR(chiSquareTail(3.841, 1), 0.05, 1e-3);
    EXPECT_NEAR(chiSquareTail(18.307, 10), 0.05, 1e-3);
    EXPECT_NEAR(chiSquareTail(2.0, 4), 0.7358, 1e-3);
}

}  // namespace
}  // namespace kugel
