#include "platform/dates.h"

#include <cmath>
#include <cstdio>

namespace kugel {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long daysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

DateParts civilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long kUnixEpochDay = 25569;  // 1970-01-01 as a day value

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

}  // namespace

DateParts decodeDate(double day) {
    // A damaged record may hold any bit pattern; keep to the calendar's range.
    if (!std::isfinite(day) || day < -693593 || day > 2958466) day = 0;
    return civilFromDays(static_cast<long>(std::floor(day)) - kUnixEpochDay);
}

std::optional<double> encodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    if (day > last) return std::nullopt;
    return static_cast<double>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        kUnixEpochDay);
}

int secondsOfDay(double day) {
    if (!std::isfinite(day)) return 0;
    const double fraction = day - std::floor(day);
    int s = static_cast<int>(std::lround(fraction * 86400.0));
    return s >= 86400 ? 0 : s;
}

int dayOfWeek(double day) {
    if (!std::isfinite(day) || day < -693593 || day > 2958466) day = 0;
    // Day value 0 (1899-12-30) was a Saturday.
    const long d = static_cast<long>(std::floor(day));
    return static_cast<int>(((d + 6) % 7 + 7) % 7);
}

std::string formatDrawDate(double day, const LocaleInfo& locale) {
    const DateParts d = decodeDate(day);
    return locale.shortDayNames[static_cast<std::size_t>(dayOfWeek(day))] + " " + twoDigits(d.day) +
           "." + twoDigits(d.month) + "." + twoDigits(d.year);
}

std::string formatYyyymmdd(double day) {
    const DateParts d = decodeDate(day);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
    return buf;
}

std::string formatShortDate(double day, const LocaleInfo& locale) {
    const DateParts d = decodeDate(day);
    const std::string& f = locale.shortDateFormat;
    std::string out;
    for (std::size_t i = 0; i < f.size();) {
        std::size_t run = 1;
        while (i + run < f.size() && f[i + run] == f[i]) ++run;
        const char c = f[i];
        if (c == 'd' || c == 'M') {
            const int v = c == 'd' ? d.day : d.month;
            out += run >= 2 ? twoDigits(v) : std::to_string(v);
        } else if (c == 'y') {
            out += run >= 3 ? std::to_string(d.year) : twoDigits(d.year);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::string formatShortDateTime(double day, const LocaleInfo& locale) {
    std::string text = formatShortDate(day, locale);
    const int s = secondsOfDay(day);
    if (s != 0) {
        char buf[40];
        std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
        text += buf;
    }
    return text;
}

}  // namespace kugel
