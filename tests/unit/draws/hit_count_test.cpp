#include <gtest/gtest.h>

#include <array>
#include <string>

#include "draws/hit_count.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using Texts = std::array<std::string, 6>;

class HitCount : public ::testing::Test {
  protected:
    void setDraw(std::array<int, 6> numbers, int powerball) {
        for (std::size_t i = 0; i < 6; ++i) t.form().Zahl[i + 1] = numbers[i];
        t.form().Zahl[7] = powerball;
        t.form().Zahl[8] = 0;
    }
    void count(const Texts& n, const std::string& pb) {
        Zettelcheck(t.form(), n[0], n[1], n[2], n[3], n[4], n[5], pb);
    }
    std::string treffer() const {
        std::string s;
        for (std::size_t k = 1; k <= 6; ++k) s += t.form().Treffer[k] ? '1' : '0';
        return s;
    }
    test::TestApp t;
};

TEST_F(HitCount, ComparesEveryRowNumberWithEveryMainNumber) {
    struct Case {
        const char* what;
        Texts row;
        const char* pb;
        std::array<int, 6> draw;
        int drawPb;
        int gewinn;
        const char* treffer;
        bool zusatz;
    };
    const Case cases[] = {
        {"all six and the Powerball",
         {"3", "7", "12", "25", "31", "40"},
         "9",
         {3, 7, 12, 25, 31, 40},
         9,
         6,
         "111111",
         true},
        {"row order does not matter; flags follow the row positions",
         {"40", "3", "31", "7", "25", "12"},
         "9",
         {3, 7, 12, 25, 31, 40},
         9,
         6,
         "111111",
         true},
        {"draw order does not matter",
         {"3", "7", "12", "1", "2", "4"},
         "9",
         {40, 12, 31, 7, 25, 3},
         10,
         3,
         "111000",
         false},
        {"Powerball never compared with main numbers",
         {"1", "2", "3", "4", "5", "6"},
         "9",
         {7, 8, 9, 10, 11, 12},
         1,
         0,
         "000000",
         false},
        {"row number equal to the draw's Powerball is no hit",
         {"9", "2", "3", "4", "5", "6"},
         "1",
         {7, 8, 10, 11, 12, 13},
         9,
         0,
         "000000",
         false},
        {"a number standing twice counts twice",
         {"5", "5", "6", "7", "8", "9"},
         "2",
         {5, 20, 21, 22, 23, 24},
         2,
         2,
         "110000",
         true},
        {"zero never matches",
         {"0", "0", "0", "0", "0", "0"},
         "0",
         {1, 2, 3, 4, 5, 6},
         7,
         0,
         "000000",
         false},
        {"Powerball alone",
         {"1", "2", "3", "4", "5", "6"},
         "20",
         {7, 8, 9, 10, 11, 12},
         20,
         0,
         "000000",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setDraw(c.draw, c.drawPb);
        count(c.row, c.pb);
        EXPECT_EQ(t.form().Gewinn, c.gewinn);
        EXPECT_EQ(treffer(), c.treffer);
        EXPECT_EQ(t.form().Zusatz, c.zusatz);
    }
}

TEST_F(HitCount, BadTextStopsTheCountAndNamesTheValue) {
    struct Case {
        Texts row;
        const char* pb;
        const char* message;
        int gewinn;  // what the count holds when it stops
        const char* treffer;
    };
    const Case cases[] = {
        {{"3", "7", "", "25", "31", "40"}, "9", "'' ist kein gültiger Integerwert", 0, "000000"},
        {{"3", "x", "12", "25", "31", "40"}, "9", "'x' ist kein gültiger Integerwert", 0, "000000"},
        {{"3", "7", "12", "25", "31", "4 0"},
         "9",
         "'4 0' ist kein gültiger Integerwert",
         0,
         "000000"},
        // The Powerball is converted last: the main hits are already in place.
        {{"3", "7", "12", "1", "2", "40"}, "", "'' ist kein gültiger Integerwert", 4, "111001"},
        {{"3", "7", "12", "25", "31", "40"},
         "PB",
         "'PB' ist kein gültiger Integerwert",
         6,
         "111111"},
    };
    setDraw({3, 7, 12, 25, 31, 40}, 9);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        // Results of an earlier count must not shine through.
        count({"3", "7", "12", "25", "31", "40"}, "9");
        ASSERT_TRUE(t.form().Zusatz);
        try {
            count(c.row, c.pb);
            ADD_FAILURE() << "no conversion error";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(t.form().Gewinn, c.gewinn);
        EXPECT_EQ(treffer(), c.treffer);
        EXPECT_FALSE(t.form().Zusatz);
    }
}

TEST(HitClass, HighlightRuleAndTexts) {
    // Highlighted: four or more main hits, or two or more with the Powerball.
    const bool withoutPb[7] = {false, false, false, false, true, true, true};
    const bool withPb[7] = {false, false, true, true, true, true, true};
    for (int h = 0; h <= 6; ++h) {
        SCOPED_TRACE(h);
        EXPECT_EQ(isHighlighted({h, false}), withoutPb[h]);
        EXPECT_EQ(isHighlighted({h, true}), withPb[h]);
        EXPECT_EQ(hitClassText({h, false}), std::to_string(h));
        EXPECT_EQ(hitClassText({h, true}), std::to_string(h) + " + PB");
    }
}

TEST(HitClass, PowerballCountsAsOneMoreHitOnlyWhenTheOptionIsOn) {
    struct Case {
        HitClass cls;
        bool option;
        int counted;
    };
    const Case cases[] = {
        {{5, true}, true, 6}, {{5, true}, false, 5}, {{5, false}, true, 5},
        {{6, true}, true, 7}, {{0, true}, true, 1},  {{0, false}, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(countedHits(c.cls, c.option), c.counted)
            << c.cls.hits << c.cls.powerball << c.option;
}

TEST(Conversion, AcceptsSignedDecimalsOnly) {
    EXPECT_EQ(toInteger("17"), 17);
    EXPECT_EQ(toInteger("-3"), -3);
    EXPECT_EQ(toInteger("07"), 7);
    for (const char* bad : {"", " ", "x", "1.5", "12a", "99999999999"})
        EXPECT_THROW(toInteger(bad), ConversionError) << bad;
}

}  // namespace
}  // namespace kugel
