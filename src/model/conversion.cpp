#include "model/conversion.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "controls/value_text.h"

namespace kugel {

ConversionError::ConversionError(const std::string& text)
    : TextError(AddedText::NotAnInteger, {text}) {}

ConversionError::ConversionError(AddedText id, const std::string& text) : TextError(id, {text}) {}

ConversionError ConversionError::notADecimal(const std::string& text) {
    return ConversionError(AddedText::NotADecimal, text);
}

int toInteger(const std::string& text) {
    const auto value = parseInt(text);
    if (!value) throw ConversionError(text);
    return *value;
}

double toDecimal(const std::string& text, const std::string& decimalSeparator) {
    const std::string t = trimmed(text);
    // Rebuilt with a point, checked character by character: from_chars
    // alone would also take "inf", "nan" and hexadecimal forms.
    std::string plain;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') plain += '-';
        ++i;
    }
    bool digits = false;
    bool point = false;
    while (i < t.size()) {
        if (std::isdigit(static_cast<unsigned char>(t[i]))) {
            plain += t[i++];
            digits = true;
        } else if (!point && !decimalSeparator.empty() &&
                   t.compare(i, decimalSeparator.size(), decimalSeparator) == 0) {
            plain += '.';
            point = true;
            i += decimalSeparator.size();
        } else {
            break;
        }
    }
    if (digits && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) plain += t[i++];
        bool exponentDigits = false;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
            plain += t[i++];
            exponentDigits = true;
        }
        if (!exponentDigits) digits = false;
    }
    if (!digits || i != t.size()) throw ConversionError::notADecimal(text);
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        throw ConversionError::notADecimal(text);
    return value;
}

}  // namespace kugel
