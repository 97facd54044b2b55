#include "platform/dates.h"

#include <gtest/gtest.h>

#include <limits>

#include "scripted/scripted_platform.h"

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

}  // namespace
}  // namespace kugel
