#include <gtest/gtest.h>

#include "model/game.h"
#include "model/message_table.h"
#include "model/random.h"
#include "platform/dates.h"
#include "scripted/scripted_platform.h"
#include "support/test_app.h"

namespace kugel {
namespace {

TEST(Dates, DayValuesAndFormats) {
    struct Case {
        int y, m, d;
        double value;
        const char* yyyymmdd;
        const char* drawText;
        const char* shortDate;
    };
    const Case cases[] = {
        {2013, 3, 7, 41340, "20130307", "Thu 07.03.13", "03/07/13"},
        {1899, 12, 30, 0, "18991230", "Sat 30.12.99", "12/30/99"},
        {2000, 2, 29, 36585, "20000229", "Tue 29.02.00", "02/29/00"},
        {2018, 4, 12, 43202, "20180412", "Thu 12.04.18", "04/12/18"},
    };
    const LocaleInfo c = ScriptedPlatform::cLocale();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.yyyymmdd);
        ASSERT_EQ(encodeDate(k.y, k.m, k.d), k.value);
        const DateParts p = decodeDate(k.value);
        EXPECT_EQ(p.year * 10000 + p.month * 100 + p.day, k.y * 10000 + k.m * 100 + k.d);
        EXPECT_EQ(formatYyyymmdd(k.value), k.yyyymmdd);
        EXPECT_EQ(formatDrawDate(k.value, c), k.drawText);
        EXPECT_EQ(formatShortDate(k.value, c), k.shortDate);
    }
    EXPECT_FALSE(encodeDate(2013, 2, 29));
    EXPECT_FALSE(encodeDate(2013, 13, 1));
    EXPECT_EQ(formatShortDate(41340, {{}, "d.M.yyyy"}), "7.3.2013");
    EXPECT_EQ(formatShortDateTime(41340.5, c), "03/07/13 12:00:00");
    EXPECT_EQ(formatShortDateTime(41340, c), "03/07/13");
}

TEST(Dates, DamagedDayValuesDoNotCrashFormatting) {
    const LocaleInfo c = ScriptedPlatform::cLocale();
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300,
                             std::numeric_limits<double>::infinity()})
        EXPECT_EQ(formatDrawDate(bad, c), "Sat 30.12.99");
}

TEST(RandomGenerator, FollowsTheLinearCongruentialStep) {
    Random r{0};
    // seed 1, then 1*134775813+1 = 134775814, then ...
    EXPECT_EQ(r.next(100), 0u);  // (1 * 100) >> 32
    EXPECT_EQ(r.seed, 1u);
    EXPECT_EQ(r.next(0x80000000u), 134775814u >> 1);
    EXPECT_EQ(r.seed, 134775814u);
    Random wrap{0xFFFFFFFFu};
    wrap.next(10);
    EXPECT_EQ(wrap.seed, static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
    // The range rule scales the full 32-bit seed: the largest seed gives n-1.
    Random top{1298181734u};
    EXPECT_EQ(top.next(7), 6u);
    EXPECT_EQ(top.seed, 0xFFFFFFFFu);
}

TEST(MessageTable, GermanDefaultsWithTheirBlanks) {
    const auto m = defaultMessages();
    ASSERT_EQ(m.size(), 62u);
    EXPECT_EQ(m[0], "Soll die Analyse der Datenbank jetzt ab dem ");
    EXPECT_EQ(m[1], " durchgeführt werden??");
    EXPECT_EQ(m[5], "Ein Treffer am  ");
    EXPECT_EQ(m[11], "Zahlen für Tipp ");
    EXPECT_EQ(m[28], "Quandors Lotto-Tipp für ");
    EXPECT_EQ(m[43], "Quersumme");
    EXPECT_EQ(m[45], "Keine Gewähr für die Richtigkeit der Zahlen!");
    EXPECT_EQ(m[61], "Stop");
    for (const int unused : {13, 14, 15, 27, 44})
        EXPECT_EQ(m[static_cast<std::size_t>(unused)], "");
}

TEST(MessageTable, IndexBeyondTheEndIsEmpty) {
    test::TestApp t;
    EXPECT_EQ(t.form().msg(43), "Quersumme");
    EXPECT_EQ(t.form().msg(62), "");
    EXPECT_EQ(t.form().msg(1000), "");
}

TEST(GameModel, RowSumsAndTheFirstDraw) {
    EXPECT_EQ(test::draw(0, {1, 2, 3, 4, 5, 6}, 1).mainSum(), 21);
    EXPECT_EQ(test::draw(0, {35, 36, 37, 38, 39, 40}, 1).mainSum(), 225);
    const TZiehung first = ersteZiehungRecord();
    EXPECT_EQ(first.Datum, 41340);
    EXPECT_EQ(first.mainSum(), 123);
    EXPECT_TRUE(first.isValidDraw());
    EXPECT_FALSE(test::draw(0, {1, 1, 3, 4, 5, 6}, 1).isValidDraw());
    EXPECT_FALSE(test::draw(0, {0, 2, 3, 4, 5, 6}, 1).isValidDraw());
    EXPECT_FALSE(test::draw(0, {41, 2, 3, 4, 5, 6}, 1).isValidDraw());
    EXPECT_FALSE(test::draw(0, {1, 2, 3, 4, 5, 6}, 21).isValidDraw());
    EXPECT_FALSE(test::draw(0, {1, 2, 3, 4, 5, 6}, 0).isValidDraw());
}

}  // namespace
}  // namespace kugel
