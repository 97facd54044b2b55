#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace kugel {

// Day values count days since 30 December 1899; the fraction is the time.
struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
};

DateParts decodeDate(double day);
// The day value of a calendar date, nothing when the date does not exist.
std::optional<double> encodeDate(int year, int month, int day);
// Seconds since midnight of the day value's time fraction, rounded.
int secondsOfDay(double day);
// 0 = Sunday ... 6 = Saturday.
int dayOfWeek(double day);

// "DDD dd.mm.yy" with the locale's abbreviated weekday name.
std::string formatDrawDate(double day, const LocaleInfo& locale);
// "yyyymmdd".
std::string formatYyyymmdd(double day);
// The locale's short date pattern (d, dd, M, MM, yy, yyyy; other characters literal).
std::string formatShortDate(double day, const LocaleInfo& locale);
// Short date, a blank and HH:mm:ss; the time is left out at midnight.
std::string formatShortDateTime(double day, const LocaleInfo& locale);

}  // namespace kugel
