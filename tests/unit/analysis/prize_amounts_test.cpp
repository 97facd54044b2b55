#include <gtest/gtest.h>

#include <string>

#include "analysis/amount_text.h"
#include "model/conversion.h"

namespace kugel {
namespace {

TEST(PrizeAmounts, FixedWithTwoDecimalsUntilThePrecisionRunsOut) {
    struct Case {
        double value;
        int precision;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {0, 7, ".", "0.00"},
        {20, 7, ".", "20.00"},
        {20, 7, ",", "20,00"},
        {1000000, 7, ".", "1000000.00"},   // seven digits before the point still fit
        {10000000, 7, ".", "1E7"},         // eight do not
        {15000000, 7, ",", "1,5E7"},       // mantissa without trailing zeros
        {12345678, 7, ".", "1.234568E7"},  // cut to seven digits
        {9999999.6, 7, ".", "1E7"},        // rounding carries into an eighth digit
        {10000020, 9, ".", "10000020.00"},
        {1234567.891, 7, ".", "1234568.00"},  // digits past the precision are zeros
        {12.345, 7, ".", "12.35"},            // half up on the decimal digits
        {0.004, 7, ".", "0.00"},
        {0.005, 7, ".", "0.01"},
        {-37.5, 7, ".", "-37.50"},
        {-0.001, 7, ".", "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fixedAmountText(c.value, c.precision, 2, c.separator), c.text);
    }
}

TEST(PrizeAmounts, DecimalsReadWithTheLocalesSeparatorOnly) {
    EXPECT_DOUBLE_EQ(toDecimal("12.5", "."), 12.5);
    EXPECT_DOUBLE_EQ(toDecimal("12,5", ","), 12.5);
    EXPECT_DOUBLE_EQ(toDecimal(" -3 ", "."), -3);
    EXPECT_DOUBLE_EQ(toDecimal("+1,5E3", ","), 1500);
    EXPECT_DOUBLE_EQ(toDecimal("1E7", "."), 1e7);  // an amount the dialog shows reads back
    EXPECT_DOUBLE_EQ(toDecimal(".5", "."), 0.5);
    for (const char* bad : {"", "x", "12,5", "1.2.3", "1E", "inf", "nan", "0x10", "1e999", "--1"}) {
        SCOPED_TRACE(bad);
        try {
            toDecimal(bad, ".");
            ADD_FAILURE() << "accepted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' ist kein gültiger Gleitkommawert");
        }
    }
}

}  // namespace
}  // namespace kugel
