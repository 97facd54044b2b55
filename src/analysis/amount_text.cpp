#include "analysis/amount_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kugel {
namespace {

// Adds one to a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string fixedAmountText(double value, int precision, int decimals,
                            const std::string& decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (precision < 1) precision = 1;
    if (decimals < 0) decimals = 0;

    // The value cut to `precision` significant digits: 0.D times 10^(exponent+1).
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(value));
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    const bool negative = value < 0;
    const bool zero = value == 0;

    if (!zero && exponent + 1 > precision) {
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        std::string text = negative ? "-" : "";
        text += digits[0];
        if (digits.size() > 1) text += decimalSeparator + digits.substr(1);
        return text + "E" + std::to_string(exponent);
    }

    // The value times 10^decimals, rounded half up, as a digit string.
    std::string scaled = "0";
    if (!zero) {
        const int keep = exponent + 1 + decimals;
        if (keep >= precision) {
            scaled = digits + std::string(static_cast<std::size_t>(keep - precision), '0');
        } else if (keep >= 0) {
            scaled = keep == 0 ? "0" : digits.substr(0, static_cast<std::size_t>(keep));
            if (digits[static_cast<std::size_t>(keep)] >= '5') incrementDigits(scaled);
        }
    }
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (scaled.size() < width) scaled.insert(0, width - scaled.size(), '0');
    const std::size_t intLength = scaled.size() - static_cast<std::size_t>(decimals);
    std::size_t firstDigit = 0;
    while (firstDigit + 1 < intLength && scaled[firstDigit] == '0') ++firstDigit;
    std::string text = scaled.substr(firstDigit, intLength - firstDigit);
    if (decimals > 0) text += decimalSeparator + scaled.substr(intLength);
    const bool allZero = scaled.find_first_not_of('0') == std::string::npos;
    return (negative && !allZero ? "-" : "") + text;
}

}  // namespace kugel
