#include "controls/value_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/dates.h"

namespace kugel {

std::string boolText(bool on) {
    return on ? "1" : "0";
}

std::optional<bool> parseBool(const std::string& text) {
    if (text == "1") return true;
    if (text == "0") return false;
    return std::nullopt;
}

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view withoutLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// Both quotings in one place: the driver's escapes only what would break its
// line; JSON also needs every other control character escaped.
std::string escapedText(std::string_view text, bool json) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                if (json && c == '\t') {
                    out += "\\t";
                } else if (json && static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + '"';
}

}  // namespace

std::string trimmed(std::string_view text) {
    return std::string(withoutTrailingBlanks(withoutLeadingBlanks(text)));
}

std::string trimmedLeft(std::string_view text) {
    return std::string(withoutLeadingBlanks(text));
}

std::string trimmedRight(std::string_view text) {
    return std::string(withoutTrailingBlanks(text));
}

std::string quoted(std::string_view text) {
    return escapedText(text, false);
}

std::string escapedToLineEnd(std::string_view text) {
    const std::string inQuotes = escapedText(text, false);
    return inQuotes.substr(1, inQuotes.size() - 2);
}

std::string jsonString(std::string_view text) {
    return escapedText(text, true);
}

namespace {
template <typename Whole>
std::optional<Whole> parseWhole(const std::string& text) {
    Whole v = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // One sign at most: from_chars takes a minus itself, so a plus is
    // stepped over only when a digit follows it.
    if (!text.empty() && text[0] == '+') ++first;
    if (first == last || (*first == '-' && first != text.data())) return std::nullopt;
    auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || end != last) return std::nullopt;
    return v;
}
}  // namespace

std::optional<int> parseInt(const std::string& text) {
    return parseWhole<int>(text);
}

std::optional<std::int64_t> parseInt64(const std::string& text) {
    return parseWhole<std::int64_t>(text);
}

std::string dayValueText(double day) {
    const DateParts d = decodeDate(day);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    std::string text = buf;
    const int seconds = secondsOfDay(day);
    if (seconds != 0) {
        std::snprintf(buf, sizeof buf, "T%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
        text += buf;
    }
    return text;
}

namespace {
// The digits of text[pos, pos + count) as a number; nothing unless every one
// is a digit (sscanf would also take blanks and signs).
std::optional<int> digitsAt(std::string_view text, std::size_t pos, std::size_t count) {
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}
}  // namespace

std::optional<double> parseDayValue(const std::string& text) {
    // YYYY-MM-DD, optionally followed by THH:MM:SS.
    if (text.size() != 10 && text.size() != 19) return std::nullopt;
    if (text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto y = digitsAt(text, 0, 4), m = digitsAt(text, 5, 2), d = digitsAt(text, 8, 2);
    if (!y || !m || !d) return std::nullopt;
    int seconds = 0;
    if (text.size() == 19) {
        if (text[10] != 'T' || text[13] != ':' || text[16] != ':') return std::nullopt;
        const auto hh = digitsAt(text, 11, 2), mm = digitsAt(text, 14, 2),
                   ss = digitsAt(text, 17, 2);
        if (!hh || !mm || !ss || *hh > 23 || *mm > 59 || *ss > 59) return std::nullopt;
        seconds = *hh * 3600 + *mm * 60 + *ss;
    }
    const auto day = encodeDate(*y, *m, *d);
    if (!day) return std::nullopt;
    return *day + seconds / 86400.0;
}

}  // namespace kugel
