#include <gtest/gtest.h>

#include "generation/row_filters.h"
#include "support/test_app.h"

namespace kugel {
namespace {

Candidate candidate(std::array<int, 6> numbers, int powerball = 1) {
    Candidate c;
    c.numbers = numberSetOf(numbers);
    for (const int n : numbers) c.sum += n;
    c.powerball = powerball;
    return c;
}

// Every filter off, the sum window wide open.
CalculationSnapshot openSettings() {
    CalculationSnapshot s;
    s.sumLow = 21;
    s.sumHigh = 279;
    return s;
}

struct FilterCase {
    const char* what;
    void (*set)(CalculationSnapshot&);
    std::array<int, 6> numbers;
    int powerball;
    RowFilter expected;
};

class Filters : public ::testing::Test {
  protected:
    void SetUp() override {
        history_.emplace(std::vector<TZiehung>{
            test::draw(test::day(2017, 1, 5), {1, 2, 3, 4, 5, 6}, 7),
            test::draw(test::day(2018, 1, 4), {20, 21, 22, 23, 24, 25}, 9),
        });
        history_->select(0, test::day(2018, 1, 4), ever_);
        history_->select(test::day(2017, 6, 1), test::day(2018, 1, 4), recent_);
        earlier_[0] = rowPositions({1, 2, 3, 4, 5, 6});
        earlier_[1] = rowPositions({7, 8, 9, 10, 11, 12});
    }
    RowFilter judge(const CalculationSnapshot& s, const Candidate& c, int earlierRows) {
        FilterInputs in;
        in.settings = &s;
        in.earlierRows = earlier_.data();
        in.earlierCount = earlierRows;
        in.references = {rowPositions({1, 2, 3, 4, 5, 6}), rowPositions({30, 31, 32, 33, 34, 35}),
                         rowPositions({36, 37, 38, 39, 40, 13})};
        in.ever = &ever_;
        in.recent = &recent_;
        const RowFilter first = firstRejectingFilter(in, c);
        EXPECT_EQ(passesAllFilters(in, c), first == RowFilter::None);
        return first;
    }
    std::optional<HistoryIndex> history_;
    HistoryWindow ever_;
    HistoryWindow recent_;
    std::array<RowPositions, MaxTipps> earlier_{};
};

TEST_F(Filters, EachFilterAcceptsAndRejects) {
    const FilterCase cases[] = {
        {"nothing set", [](CalculationSnapshot&) {}, {1, 2, 3, 4, 5, 6}, 1, RowFilter::None},
        {"no run of three: 8 9 10",
         [](CalculationSnapshot& s) { s.noTriple = true; },
         {3, 8, 9, 10, 21, 33},
         1,
         RowFilter::NoRunOfThree},
        {"no run of three: only pairs",
         [](CalculationSnapshot& s) { s.noTriple = true; },
         {3, 8, 9, 20, 21, 33},
         1,
         RowFilter::None},
        {"forced pair: the two largest",
         [](CalculationSnapshot& s) { s.forcePair = true; },
         {2, 11, 19, 27, 35, 36},
         1,
         RowFilter::None},
        {"forced pair: none",
         [](CalculationSnapshot& s) { s.forcePair = true; },
         {2, 11, 19, 27, 33, 36},
         1,
         RowFilter::ForcedPair},
        {"sum below",
         [](CalculationSnapshot& s) { s.sumLow = 50; },
         {1, 2, 3, 4, 5, 6},
         1,
         RowFilter::RowSum},
        {"sum on the lower bound",
         [](CalculationSnapshot& s) { s.sumLow = 21; },
         {1, 2, 3, 4, 5, 6},
         1,
         RowFilter::None},
        {"sum above",
         [](CalculationSnapshot& s) { s.sumHigh = 200; },
         {35, 36, 37, 38, 39, 40},
         1,
         RowFilter::RowSum},
        {"sum bounds crossed",
         [](CalculationSnapshot& s) { s.sumLow = 150, s.sumHigh = 100; },
         {10, 20, 21, 22, 23, 30},
         1,
         RowFilter::RowSum},
        {"reference draw, limit 1",
         [](CalculationSnapshot& s) { s.referenceOn[0] = true, s.referenceMax[0] = 1; },
         {1, 2, 10, 20, 30, 40},
         1,
         RowFilter::FirstReferenceDraw},
        {"reference draw, limit 2",
         [](CalculationSnapshot& s) { s.referenceOn[0] = true, s.referenceMax[0] = 2; },
         {1, 2, 10, 20, 30, 40},
         1,
         RowFilter::None},
        {"reference draw, limit 0 is the pool's business",
         [](CalculationSnapshot& s) { s.referenceOn[0] = true, s.referenceMax[0] = 0; },
         {1, 2, 10, 20, 30, 40},
         1,
         RowFilter::None},
        {"second draw",
         [](CalculationSnapshot& s) { s.referenceOn[1] = true, s.referenceMax[1] = 1; },
         {1, 30, 31, 20, 21, 40},
         1,
         RowFilter::SecondReferenceDraw},
        {"third draw",
         [](CalculationSnapshot& s) { s.referenceOn[2] = true, s.referenceMax[2] = 1; },
         {13, 36, 31, 20, 23, 29},
         1,
         RowFilter::ThirdReferenceDraw},
        {"even numbers",
         [](CalculationSnapshot& s) { s.minEvenOn = true, s.minEven = 1; },
         {1, 3, 5, 7, 9, 11},
         1,
         RowFilter::MinimumEven},
        {"odd numbers",
         [](CalculationSnapshot& s) { s.minOddOn = true, s.minOdd = 3; },
         {1, 3, 6, 8, 10, 12},
         1,
         RowFilter::MinimumOdd},
        {"odd numbers enough",
         [](CalculationSnapshot& s) { s.minOddOn = true, s.minOdd = 2; },
         {1, 3, 6, 8, 10, 12},
         1,
         RowFilter::None},
        {"primes",
         [](CalculationSnapshot& s) { s.primesOn = true, s.minPrimes = 1; },
         {1, 4, 6, 8, 9, 10},
         1,
         RowFilter::MinimumPrimes},
        {"primes enough",
         [](CalculationSnapshot& s) { s.primesOn = true, s.minPrimes = 2; },
         {2, 37, 6, 8, 9, 10},
         1,
         RowFilter::None},
        // history: 1 2 3 4 5 6 PB 7 (2017) and 20..25 PB 9 (2018, the only recent one)
        {"ever matched 4 with the Powerball",
         [](CalculationSnapshot& s) { s.everOn = true, s.everHits = 4, s.powerballCounts = true; },
         {1, 2, 3, 20, 30, 40},
         7,
         RowFilter::EverDrawn},
        {"ever matched 3 without the Powerball",
         [](CalculationSnapshot& s) { s.everOn = true, s.everHits = 4; },
         {1, 2, 3, 20, 30, 40},
         7,
         RowFilter::None},
        {"other Powerball",
         [](CalculationSnapshot& s) { s.everOn = true, s.everHits = 4, s.powerballCounts = true; },
         {1, 2, 3, 20, 30, 40},
         8,
         RowFilter::None},
        {"recent match",
         [](CalculationSnapshot& s) { s.recentOn = true, s.recentHits = 3; },
         {20, 21, 22, 1, 2, 40},
         1,
         RowFilter::RecentlyDrawn},
        {"old draw is not recent",
         [](CalculationSnapshot& s) { s.recentOn = true, s.recentHits = 3; },
         {1, 2, 3, 30, 31, 40},
         1,
         RowFilter::None},
    };
    for (const FilterCase& c : cases) {
        CalculationSnapshot s = openSettings();
        c.set(s);
        EXPECT_EQ(judge(s, candidate(c.numbers, c.powerball), 0), c.expected) << c.what;
    }
}

TEST_F(Filters, OverlapWithEarlierRows) {
    // Earlier rows: 1..6 and 7..12; limits at most 2, at least 1.
    struct Case {
        const char* what;
        bool each, max, min;
        std::array<int, 6> numbers;
        int rows;
        RowFilter expected;
    } cases[] = {
        {"each row: three shared",
         true,
         false,
         false,
         {1, 2, 3, 7, 20, 30},
         2,
         RowFilter::OverlapWithEachEarlierRow},
        {"each row: none shared with row 2",
         true,
         false,
         false,
         {1, 2, 20, 21, 30, 31},
         2,
         RowFilter::OverlapWithEachEarlierRow},
        {"each row: one and two", true, false, false, {1, 7, 8, 20, 30, 31}, 2, RowFilter::None},
        {"each row: only row 1 counts for row 2",
         true,
         false,
         false,
         {1, 20, 21, 22, 30, 31},
         1,
         RowFilter::None},
        {"maximum: the fewest still below",
         false,
         true,
         false,
         {1, 2, 3, 7, 20, 30},
         2,
         RowFilter::None},
        {"maximum: every row shares three",
         false,
         true,
         false,
         {1, 2, 3, 7, 8, 9},
         2,
         RowFilter::MaximumOverlap},
        {"minimum: no row shares one",
         false,
         false,
         true,
         {20, 21, 23, 25, 27, 30},
         2,
         RowFilter::MinimumOverlap},
        {"minimum: one row shares",
         false,
         false,
         true,
         {20, 21, 23, 25, 27, 12},
         2,
         RowFilter::None},
        {"first row has no earlier rows",
         true,
         true,
         true,
         {20, 21, 23, 25, 27, 30},
         0,
         RowFilter::None},
    };
    for (const Case& c : cases) {
        CalculationSnapshot s = openSettings();
        s.eachEarlierRow = c.each;
        s.maxOverall = c.max;
        s.minOverall = c.min;
        s.maxShared = 2;
        s.minShared = 1;
        EXPECT_EQ(judge(s, candidate(c.numbers), c.rows), c.expected) << c.what;
    }
}

TEST(RowPositions, ANumberStandingTwiceCountsTwice) {
    const NumberSet c = numberSetOf({5, 6, 7, 8, 9, 10});
    EXPECT_EQ(sharedNumbers(c, rowPositions({5, 5, 0, 0, 0, 0})), 2);
    EXPECT_EQ(sharedNumbers(c, rowPositions({41, -1, 0, 6, 99, 11})), 1);
}

TEST(HistoryWindows, DamagedDrawCountsEachPosition) {
    const HistoryIndex index({test::draw(test::day(2018, 1, 4), {5, 5, 5, 10, 11, 12}, 3)});
    HistoryWindow w;
    index.select(0, test::day(2018, 1, 4), w);
    const NumberSet c = numberSetOf({5, 20, 21, 22, 23, 24});
    EXPECT_TRUE(w.reaches(c, 3));
    EXPECT_FALSE(w.reaches(c, 4));
    EXPECT_TRUE(w.reaches(c | powerballBit(3), 4));
}

TEST(HistoryWindows, StartExcludedEndIncluded) {
    const double d1 = test::day(2018, 1, 4), d2 = test::day(2018, 1, 11),
                 d3 = test::day(2018, 1, 18);
    const HistoryIndex index({test::draw(d1, {1, 2, 3, 4, 5, 6}, 1),
                              test::draw(d2, {1, 2, 3, 4, 5, 7}, 1),
                              test::draw(d3, {1, 2, 3, 4, 5, 8}, 1)});
    HistoryWindow w;
    index.select(d1, d2, w);
    EXPECT_EQ(w.size(), 1u);
    EXPECT_TRUE(w.reaches(numberSetOf({7, 30, 31, 32, 33, 34}), 1));
    EXPECT_FALSE(w.reaches(numberSetOf({6, 8, 31, 32, 33, 34}), 1));
}

// The fast verdict must agree with the ordered one for any settings.
TEST_F(Filters, FastVerdictAgreesWithTheOrderedFilters) {
    Random rng{99};
    for (int i = 0; i < 20000; ++i) {
        CalculationSnapshot s;
        s.eachEarlierRow = rng.next(2), s.maxOverall = rng.next(2), s.minOverall = rng.next(2);
        s.maxShared = static_cast<int>(rng.next(6)), s.minShared = static_cast<int>(rng.next(3));
        s.forcePair = rng.next(2), s.noTriple = rng.next(2);
        s.sumLow = 21 + static_cast<int>(rng.next(150)),
        s.sumHigh = 100 + static_cast<int>(rng.next(140));
        for (std::size_t r = 0; r < 3; ++r)
            s.referenceOn[r] = rng.next(2), s.referenceMax[r] = static_cast<int>(rng.next(4));
        s.minEvenOn = rng.next(2), s.minEven = static_cast<int>(rng.next(4));
        s.minOddOn = rng.next(2), s.minOdd = static_cast<int>(rng.next(4));
        s.primesOn = rng.next(2), s.minPrimes = static_cast<int>(rng.next(3));
        s.everOn = rng.next(2), s.everHits = 2 + static_cast<int>(rng.next(4));
        s.recentOn = rng.next(2), s.recentHits = 2 + static_cast<int>(rng.next(4));
        s.powerballCounts = rng.next(2);
        std::array<int, 6> n{};
        NumberSet taken = 0;
        for (int& x : n) {
            do x = 1 + static_cast<int>(rng.next(40));
            while (taken & numberBit(x));
            taken |= numberBit(x);
        }
        judge(s, candidate(n, 1 + static_cast<int>(rng.next(20))), static_cast<int>(rng.next(3)));
    }
}

TEST(CandidateNumbers, AscendingFromTheSet) {
    EXPECT_EQ(ascendingNumbers(numberSetOf({40, 3, 17, 1, 22, 9})),
              (std::array<int, 6>{1, 3, 9, 17, 22, 40}));
    EXPECT_EQ(ascendingNumbers(0), (std::array<int, 6>{}));
}

TEST(CandidateNumbers, DrawSixTakesEachEntryOnceAndSkipsEmptyEntries) {
    const std::uint8_t pool[] = {0, 4, 4, 9, 0, 12, 15, 33, 40};
    Random rng{7};
    Candidate c;
    for (int i = 0; i < 200; ++i) {
        drawSix(rng, pool, sizeof pool, c);
        EXPECT_EQ(countOf(c.numbers), 6);
        EXPECT_EQ(c.numbers & ~numberSetOf({4, 9, 12, 15, 33, 40}), 0u);
        EXPECT_EQ(c.sum, 4 + 9 + 12 + 15 + 33 + 40);
    }
}

}  // namespace
}  // namespace kugel
