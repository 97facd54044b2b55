#include "controls/value_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kugel {
namespace {

// The driver and the settings store read property values through these
// parsers: a text they accept by accident becomes a wrong value silently.
TEST(ValueText, WholeNumbersAreDecimalWithOneOptionalSign) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"+42", 42},
        {"-42", -42},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-5", std::nullopt},
        {"-+5", std::nullopt},
        {"++5", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"5x", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"1.0", std::nullopt},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        EXPECT_EQ(parseInt64(k.text), k.value);
        const std::optional<int> asInt = parseInt(k.text);
        EXPECT_EQ(asInt.has_value(), k.value.has_value());
        if (asInt && k.value) {
            EXPECT_EQ(*asInt, *k.value);
        }
    }
    // Out of range for the type is no value, never a wrapped one.
    EXPECT_EQ(parseInt("2147483648"), std::nullopt);
    EXPECT_EQ(parseInt("-2147483649"), std::nullopt);
    EXPECT_EQ(parseInt64("9223372036854775808"), std::nullopt);
    EXPECT_EQ(parseInt64("9223372036854775807"), INT64_MAX);
}

TEST(ValueText, BooleansAreOneOrZero) {
    EXPECT_EQ(parseBool("1"), true);
    EXPECT_EQ(parseBool("0"), false);
    for (const char* bad : {"", "true", "false", " 1", "01", "2", "-0"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(parseBool(bad), std::nullopt);
    }
    EXPECT_EQ(parseBool(boolText(true)), true);
    EXPECT_EQ(parseBool(boolText(false)), false);
}

TEST(ValueText, DayValuesAreIsoDatesWithAnOptionalTime) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"2013-03-07", 41340},
        {"1899-12-30", 0},
        {"2013-03-07T12:00:00", 41340.5},
        {"2013-03-07T00:00:01", 41340 + 1 / 86400.0},
        {"2013-02-29", std::nullopt},
        {"2013-13-01", std::nullopt},
        {"2013-03-07T24:00:00", std::nullopt},
        {"2013-03-07T12:60:00", std::nullopt},
        {"2013-3-07x", std::nullopt},
        {" 2013-3-07", std::nullopt},
        {"+013-03-07", std::nullopt},
        {"2013-+3-07", std::nullopt},
        {"2013-03- 7", std::nullopt},
        {"2013/03/07", std::nullopt},
        {"2013-03-07 12:00:00", std::nullopt},
        {"2013-03-07T-1:00:00", std::nullopt},
        {"07.03.2013", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        const std::optional<double> day = parseDayValue(k.text);
        EXPECT_EQ(day.has_value(), k.value.has_value());
        if (day && k.value) {
            EXPECT_DOUBLE_EQ(*day, *k.value);
        }
    }
    // What the driver prints it reads back.
    for (const double day : {0.0, 41340.0, 41340.5, 43202.75}) {
        EXPECT_EQ(parseDayValue(dayValueText(day)), day);
    }
}

TEST(ValueText, TrimmingTakesBlanksAndTabsOnly) {
    EXPECT_EQ(trimmed(" \t a b \t "), "a b");
    EXPECT_EQ(trimmedLeft(" \ta "), "a ");
    EXPECT_EQ(trimmedRight(" a\t "), " a");
    EXPECT_EQ(trimmed("\r\na\n"), "\r\na\n");
    EXPECT_EQ(trimmed("   "), "");
}

TEST(ValueText, QuotingEscapesWhatWouldBreakALine) {
    EXPECT_EQ(quoted("a\"b\\c\r\nd\te"), "\"a\\\"b\\\\c\\r\\nd\te\"");
    EXPECT_EQ(jsonString("a\"b\\c\r\nd\te\x01"), "\"a\\\"b\\\\c\\r\\nd\\te\\u0001\"");
    EXPECT_EQ(jsonString(std::string("a\0b", 3)), "\"a\\u0000b\"");
    EXPECT_EQ(jsonString("Zürich"), "\"Zürich\"");
    EXPECT_EQ(escapedToLineEnd("a\"b\r\n"), "a\\\"b\\r\\n");
}

}  // namespace
}  // namespace kugel
