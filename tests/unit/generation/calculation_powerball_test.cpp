#include <gtest/gtest.h>

#include <set>

#include "generation/powerball_choice.h"
#include "support/test_app.h"

namespace kugel {
namespace {

// Outstanding values 1..20 for p = 1..20 (20 longest), frequencies all 5
// except the listed ones.
PowerballStatistics stats(std::initializer_list<std::pair<int, long long>> frequency = {},
                          std::initializer_list<std::pair<int, long long>> outstanding = {}) {
    PowerballStatistics s;
    for (int p = 1; p <= 20; ++p) {
        s.outstanding[static_cast<std::size_t>(p)] = p;
        s.frequency[static_cast<std::size_t>(p)] = 5;
    }
    for (const auto& [p, v] : frequency) s.frequency[static_cast<std::size_t>(p)] = v;
    for (const auto& [p, v] : outstanding) s.outstanding[static_cast<std::size_t>(p)] = v;
    return s;
}

TEST(CalculationPowerball, FixedRules) {
    struct Case {
        const char* what;
        PowerballStatistics s;
        PowerballRule rule;
        bool refuse;
        int below;
        int expected;
    } cases[] = {
        {"longest outstanding", stats(), PowerballRule::LongestOutstanding, false, 15, 20},
        {"longest outstanding, ties to the highest", stats({}, {{4, 20}, {20, 3}}),
         PowerballRule::LongestOutstanding, false, 15, 4},
        {"rarest", stats({{3, 1}, {9, 2}}), PowerballRule::Rarest, false, 15, 3},
        {"rarest, ties to the highest", stats({{3, 1}, {9, 1}}), PowerballRule::Rarest, false, 15,
         9},
        // 3 is the rarest but was drawn in the newest draw; 9 is next and not recent.
        {"rarest refused", stats({{3, 1}, {9, 2}, {17, 2}}, {{3, 1}, {9, 30}, {17, 30}}),
         PowerballRule::Rarest, true, 15, 17},
        {"rarest with refusal off", stats({{3, 1}}, {{3, 1}}), PowerballRule::Rarest, false, 15, 3},
        // Every outstanding value below 25: all refused, the longest outstanding is taken.
        {"every Powerball refused, rarest", stats({{3, 1}}), PowerballRule::Rarest, true, 25, 20},
    };
    for (const Case& c : cases) {
        PowerballChoice choice;
        choice.prepare(c.s, c.rule, c.refuse, c.below);
        Random rng{1234};
        EXPECT_EQ(choice.choose(rng), c.expected) << c.what;
        if (c.rule != PowerballRule::Random) {
            EXPECT_EQ(rng.seed, 1234u) << c.what << ": no draw";
        }
    }
}

// With no draw in the window every count is zero; each rule, with or
// without refusing recent Powerballs, then leaves the Powerball to chance
// instead of handing every row the same one.
TEST(CalculationPowerball, WithoutDrawsEveryPowerballIsEquallyLikely) {
    PowerballStatistics none;  // every frequency and outstanding value 0
    for (const PowerballRule rule :
         {PowerballRule::Random, PowerballRule::Rarest, PowerballRule::LongestOutstanding}) {
        for (const bool refuse : {false, true}) {
            PowerballChoice choice;
            choice.prepare(none, rule, refuse, 15);
            EXPECT_TRUE(choice.withoutDraws());
            Random rng{99};
            std::array<int, 21> seen{};
            for (int i = 0; i < 2000; ++i) ++seen[static_cast<std::size_t>(choice.choose(rng))];
            EXPECT_EQ(seen[0], 0);
            for (int p = 1; p <= 20; ++p)
                EXPECT_GT(seen[static_cast<std::size_t>(p)], 50)
                    << p << " rule " << static_cast<int>(rule) << " refuse " << refuse;
        }
    }
    PowerballChoice withDraws;
    withDraws.prepare(stats(), PowerballRule::Rarest, false, 15);
    EXPECT_FALSE(withDraws.withoutDraws());
}

// The random rule takes one draw 0..19 per attempt until a Powerball is not
// refused: the generator must end exactly where that simple loop ends.
TEST(CalculationPowerball, RandomRuleFollowsTheGeneratorSequence) {
    for (const int below : {1, 8, 15, 20}) {
        PowerballChoice choice;
        choice.prepare(stats(), PowerballRule::Random, true, below);
        Random rng{static_cast<std::uint32_t>(below) * 7919u};
        Random model = rng;
        for (int i = 0; i < 500; ++i) {
            int expected = 0;
            do expected = static_cast<int>(model.next(20)) + 1;
            while (expected < below);  // outstanding value p below the limit
            ASSERT_EQ(choice.choose(rng), expected) << below;
            ASSERT_EQ(rng.seed, model.seed);
        }
    }
}

TEST(CalculationPowerball, StatisticsFromTheCharts) {
    test::TestApp t;
    const double d1 = test::day(2018, 1, 4), d2 = test::day(2018, 1, 11),
                 d3 = test::day(2018, 1, 18);
    test::writeHistory(t.historyPath(), {test::draw(d1, {1, 2, 3, 4, 5, 6}, 7),
                                         test::draw(d2, {1, 2, 3, 4, 5, 6}, 9),
                                         test::draw(d3, {1, 2, 3, 4, 5, 6}, 7)});
    t.form().DateTimePicker1->setDate(d3);
    const PowerballStatistics s = readPowerballStatistics(t.form());
    EXPECT_EQ(s.outstanding[7], 1);
    EXPECT_EQ(s.outstanding[9], 2);
    EXPECT_EQ(s.outstanding[1], 3);  // not drawn: the number of draws
    EXPECT_EQ(s.frequency[7], 2);
    EXPECT_EQ(s.frequency[9], 1);
    EXPECT_EQ(s.frequency[20], 0);
}

}  // namespace
}  // namespace kugel
