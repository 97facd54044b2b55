#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "generation/number_preference.h"
#include "support/test_app.h"

namespace kugel {
namespace {

std::map<int, int> counts(const Pool& pool) {
    std::map<int, int> c;
    for (const int n : pool) ++c[n];
    return c;
}

TEST(CalculationPool, RoundsHalvesToTheEvenNeighbour) {
    struct Case {
        long long num, den, expected;
    } cases[] = {
        {5, 2, 2},     {7, 2, 4},   {-5, 2, -2}, {-7, 2, -4}, {165, 2, 82}, {8250, 100, 82},
        {25, 10, 2},   {35, 10, 4}, {26, 10, 3}, {24, 10, 2}, {0, 7, 0},    {7500, 100, 75},
        {-26, 10, -3}, {15, 10, 2}, {1, 3, 0},   {2, 3, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
}

TEST(CalculationPool, WindowBounds) {
    const StatisticValues s = statisticValues({40, 90, 60});
    struct Case {
        const char* what;
        ValueWindow w;
        long long lower, upper;
    } cases[] = {
        // 90 - 0.3 * 50 = 75; 90 - 0.15 * 50 = 82.5, which goes to the even 82
        {"high pass 1", highBandWindow(s, 30, 100), 75, 90},
        {"high pass 2", highBandWindow(s, 30, 200), 82, 90},
        // 40 + 15 = 55; 40 + 7.5 = 47.5 goes to 48
        {"low pass 1", lowBandWindow(s, 30, 100), 40, 55},
        {"low pass 2", lowBandWindow(s, 30, 200), 40, 48},
        {"frequent groups", frequentGroupWindow(s), 75, 90},
        {"rare groups", rareGroupWindow(s), 0, 55},
        // 5 - 1.5 = 3.5 -> 4; 0 + 1.5 -> 2
        {"frequent 0..5", frequentGroupWindow(statisticValues({0, 5})), 4, 5},
        {"rare 0..5", rareGroupWindow(statisticValues({5, 0})), 0, 2},
        // 2.5 -> 2
        {"rare 1..6", rareGroupWindow(statisticValues({1, 6})), 0, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.w.lower, c.lower) << c.what;
        EXPECT_EQ(c.w.upper, c.upper) << c.what;
    }
}

TEST(CalculationPool, WindowStatusTexts) {
    EXPECT_EQ(windowStatus({75, 90}, "  ", 12), "Min: 75  Max: 90  12");
    EXPECT_EQ(windowStatus({0, 3}, " ", 0), "Min: 0 Max: 3  0");
}

TEST(CalculationPool, GroupEntriesSkipGroupsReachingPastTheEnd) {
    // Pairs: 39 values, the last (39-40) is never examined.
    std::vector<long long> pairs(39, 0);
    pairs[0] = 5;   // 1-2
    pairs[9] = 5;   // 10-11
    pairs[38] = 5;  // 39-40
    Pool pool;
    addGroupEntries(pool, statisticValues(pairs), 2, frequentGroupWindow(statisticValues(pairs)));
    EXPECT_EQ(pool, (Pool{1, 2, 10, 11}));

    // With every value equal the strict lower bound admits nothing.
    Pool none;
    const StatisticValues flat = statisticValues(std::vector<long long>(39, 3));
    addGroupEntries(none, flat, 2, frequentGroupWindow(flat));
    EXPECT_TRUE(none.empty());

    // Rare: a group never drawn is not preferred.
    std::vector<long long> triples(38, 4);
    triples[2] = 0;
    triples[4] = 1;
    triples[36] = 1;  // 37-38-39 is beyond the examined range
    Pool rare;
    const StatisticValues t = statisticValues(triples);
    addGroupEntries(rare, t, 3, rareGroupWindow(t));
    EXPECT_EQ(rare, (Pool{5, 6, 7}));
}

TEST(CalculationPool, BandEntriesAddCopiesInNumberOrder) {
    std::vector<long long> v(40, 0);
    v[2] = 9;
    v[6] = 8;
    Pool pool;
    addBandEntries(pool, statisticValues(v), {8, 9}, 2);
    EXPECT_EQ(pool, (Pool{3, 3, 7, 7}));
}

TEST(CalculationPool, NeighboursOfTheReferenceDraw) {
    Pool pool;
    addNeighbours(pool, {1, 2, 10, 20, 30, 40, 20, 0});
    const auto c = counts(pool);
    const std::map<int, int> expected{{1, 8},  {2, 4},  {3, 4},  {9, 4},  {11, 4},
                                      {19, 8}, {21, 8}, {29, 4}, {31, 4}, {39, 4}};
    EXPECT_EQ(c, expected);
    // Field order: the neighbour of 1 comes first.
    EXPECT_EQ((Pool(pool.begin(), pool.begin() + 8)), (Pool{2, 2, 2, 2, 1, 1, 1, 1}));

    Pool damaged;
    addNeighbours(damaged, {0, 0, 0, 0, 0, 0, 0, 42});
    EXPECT_EQ(counts(damaged), (std::map<int, int>{{1, 28}}));  // 41 and 43 skipped
    Pool edge;
    addNeighbours(edge, {41, 41, 41, 41, 41, 41, 41, 41});
    EXPECT_EQ(counts(edge), (std::map<int, int>{{40, 32}}));
}

TEST(CalculationPool, BaseEntriesAndRemovals) {
    struct Case {
        const char* what;
        void (*apply)(Pool&);
        std::map<int, int> expected;
    };
    auto base = [] {
        std::map<int, int> m;
        for (int n = 1; n <= 40; ++n) m[n] = 1;
        m[1] = 2;
        return m;
    };
    std::map<int, int> noLow;
    for (int n = 13; n <= 40; ++n) noLow[n] = 1;
    std::map<int, int> fewerDates{{1, 1}};
    for (int n = 32; n <= 40; ++n) fewerDates[n] = 1;
    std::map<int, int> noDraw = base();
    for (const int n : {3, 9, 14, 22, 30, 38}) noDraw.erase(n);

    const Case cases[] = {
        {"nothing removed", [](Pool&) {}, base()},
        {"1 to 12 avoided", [](Pool& p) { removeRange(p, 1, 12); }, noLow},
        {"one entry of 1 to 31 less", [](Pool& p) { removeFirstOfEach(p, 1, 31); }, fewerDates},
        {"reference numbers removed",
         [](Pool& p) {
             removeDrawNumbers(p, {3, 9, 14, 22, 30, 38, 1, 2});
         },
         noDraw},
    };
    for (const Case& c : cases) {
        Pool pool;
        addEveryNumber(pool);
        c.apply(pool);
        EXPECT_EQ(counts(pool), c.expected) << c.what;
    }
}

TEST(CalculationPool, RemovalsKeepTheOrderOfWhatRemains) {
    Pool pool{7, 5, 1, 5, 2, 7, 33};
    removeFirstOfEach(pool, 1, 31);
    EXPECT_EQ(pool, (Pool{5, 7, 33}));
    Pool other{13, 4, 12, 40, 1};
    removeRange(other, 1, 12);
    EXPECT_EQ(other, (Pool{13, 40}));
}

TEST(CalculationPool, DifferentNumbers) {
    EXPECT_EQ(differentNumbers({}), 0);
    EXPECT_EQ(differentNumbers({3, 3, 3, 4}), 2);
    EXPECT_EQ(differentNumbers({1, 2, 3, 4, 5, 6, 6}), 6);
}

class PoolFromSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeHistory(t.historyPath(),
                           {test::draw(test::day(2018, 1, 4), {1, 2, 3, 4, 5, 6}, 1, 0),
                            test::draw(test::day(2018, 1, 11), {1, 2, 3, 7, 8, 9}, 2, 0)});
        f().DateTimePicker1->setDate(test::day(2018, 1, 11));
        SettingsControls& s = f().settings;
        for (CheckBox* c : {s.CheckBox10, s.CheckBox4, s.CheckBox5, s.CheckBox23})
            c->setChecked(false);
    }
    TForm1& f() const { return t.form(); }
    test::TestApp t;
    std::array<DrawFields, 3> refs{{{1, 2, 3, 7, 8, 9, 2, 0}, {1, 2, 3, 4, 5, 6, 1, 0}, {}}};
};

TEST_F(PoolFromSettings, NoOptionGivesEveryNumberOnce) {
    Pool pool;
    buildPool(f(), readSnapshot(f()), refs, pool);
    Pool expected;
    addEveryNumber(expected);
    EXPECT_EQ(pool, expected);
}

TEST_F(PoolFromSettings, OnlyPreferredWithoutPreferenceIsEmpty) {
    f().settings.CheckBox15->setChecked(true);
    Pool pool;
    buildPool(f(), readSnapshot(f()), refs, pool);
    EXPECT_TRUE(pool.empty());
}

TEST_F(PoolFromSettings, FrequentNumbersTwoPasses) {
    // Counts: 1, 2, 3 twice, 4..9 once, the rest never. Min 0, Max 2:
    // pass 1 from R(1.4) = 1, pass 2 from R(1.7) = 2.
    f().settings.CheckBox2->setChecked(true);
    f().settings.CheckBox15->setChecked(true);
    Pool pool;
    buildPool(f(), readSnapshot(f()), refs, pool);
    EXPECT_EQ(pool, (Pool{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 1, 2, 3}));
    EXPECT_EQ(f().StatusBar1->panelText(1), "Min: 2  Max: 2  18");
}

TEST_F(PoolFromSettings, ReferenceDrawNumbersNeverInThePool) {
    f().settings.CheckBox4->setChecked(true);
    f().settings.UpDown4->setPosition(0);
    f().settings.CheckBox19->setChecked(true);  // neighbours add 2, 4, 8, 10 ... and 3, 7, 9
    Pool pool;
    buildPool(f(), readSnapshot(f()), refs, pool);
    for (const int n : {1, 2, 3, 7, 8, 9})
        EXPECT_EQ(std::count(pool.begin(), pool.end(), n), 0) << n;
    EXPECT_EQ(std::count(pool.begin(), pool.end(), 4), 4 + 1);
}

// Each pool control reaches its own setting and no other.
TEST_F(PoolFromSettings, SnapshotReadsEachPoolControl) {
    SettingsControls& s = f().settings;
    CheckBox* const boxes[] = {s.CheckBox1,  s.CheckBox6,  s.CheckBox7,  s.CheckBox11, s.CheckBox12,
                               s.CheckBox13, s.CheckBox2,  s.CheckBox14, s.CheckBox10, s.CheckBox19,
                               s.CheckBox15, s.CheckBox29, s.CheckBox30, s.CheckBox20};
    const struct {
        CheckBox* box;
        bool PoolSettings::*flag;
        std::size_t group;  // for the group arrays
        bool rare;
    } cases[] = {
        {s.CheckBox1, nullptr, 0, false},
        {s.CheckBox6, nullptr, 1, false},
        {s.CheckBox7, nullptr, 2, false},
        {s.CheckBox11, nullptr, 0, true},
        {s.CheckBox12, nullptr, 1, true},
        {s.CheckBox13, nullptr, 2, true},
        {s.CheckBox2, &PoolSettings::frequentNumbers, 0, false},
        {s.CheckBox14, &PoolSettings::rareNumbers, 0, false},
        {s.CheckBox10, &PoolSettings::outstandingNumbers, 0, false},
        {s.CheckBox19, &PoolSettings::neighbours, 0, false},
        {s.CheckBox15, &PoolSettings::onlyPreferred, 0, false},
        {s.CheckBox29, &PoolSettings::avoidLowNumbers, 0, false},
        {s.CheckBox30, &PoolSettings::lessWeightBelow32, 0, false},
        {s.CheckBox20, &PoolSettings::showList, 0, false},
    };
    for (const auto& c : cases) {
        for (CheckBox* b : boxes) b->setChecked(b == c.box);
        const PoolSettings read = readSnapshot(f()).pool;
        PoolSettings expected;
        if (c.flag)
            expected.*c.flag = true;
        else
            (c.rare ? expected.rareGroups : expected.frequentGroups)[c.group] = true;
        EXPECT_EQ(read.frequentGroups, expected.frequentGroups) << c.box->name();
        EXPECT_EQ(read.rareGroups, expected.rareGroups) << c.box->name();
        for (bool PoolSettings::*flag :
             {&PoolSettings::frequentNumbers, &PoolSettings::rareNumbers,
              &PoolSettings::outstandingNumbers, &PoolSettings::neighbours,
              &PoolSettings::onlyPreferred, &PoolSettings::avoidLowNumbers,
              &PoolSettings::lessWeightBelow32, &PoolSettings::showList})
            EXPECT_EQ(read.*flag, expected.*flag) << c.box->name();
    }
    s.UpDown12->setPosition(11);
    s.UpDown14->setPosition(12);
    s.UpDown13->setPosition(13);
    const PoolSettings read = readSnapshot(f()).pool;
    EXPECT_EQ(read.frequentPercent, 11);
    EXPECT_EQ(read.rarePercent, 12);
    EXPECT_EQ(read.outstandingPercent, 13);
}

// The pool follows the settings it is given, not the controls.
TEST_F(PoolFromSettings, BuiltFromTheGivenSettings) {
    CalculationSnapshot settings = readSnapshot(f());
    settings.pool.avoidLowNumbers = true;
    Pool pool;
    buildPool(f(), settings, refs, pool);
    EXPECT_EQ(std::count_if(pool.begin(), pool.end(), [](int n) { return n <= 12; }), 0);
    EXPECT_EQ(differentNumbers(pool), MaxZahl - 12);
}

}  // namespace
}  // namespace kugel
