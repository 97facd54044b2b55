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

std::string jsonString(std::string_view text) {
    return escapedText(text, true);
}

namespace {
template <typename Whole>
std::optional<Whole> parseWhole(const std::string& text) {
    Whole v = 0;
    const char* first = text.data();
    if (!text.empty() && text[0] == '+') ++first;
    auto [end, ec] = std::from_chars(first, text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || first == end) return std::nullopt;
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

std::optional<double> parseDayValue(const std::string& text) {
    int y = 0, m = 0, d = 0, hh = 0, mm = 0, ss = 0;
    char tail = 0;
    if (text.size() == 10) {
        if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3) return std::nullopt;
    } else if (text.size() == 19) {
        if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &m, &d, &hh, &mm, &ss,
                        &tail) != 6)
            return std::nullopt;
        if (hh > 23 || mm > 59 || ss > 59) return std::nullopt;
    } else {
        return std::nullopt;
    }
    const auto day = encodeDate(y, m, d);
    if (!day) return std::nullopt;
    return *day + (hh * 3600 + mm * 60 + ss) / 86400.0;
}

}  // namespace kugel
