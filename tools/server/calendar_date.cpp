#include "calendar_date.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kugel::server {

namespace {

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

int digitsValue(std::string_view text) {
    int value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<std::chrono::year_month_day> parseCompactDate(std::string_view text) {
    if (text.size() != 8 || !allDigits(text)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{
        std::chrono::year{digitsValue(text.substr(0, 4))},
        std::chrono::month{static_cast<unsigned>(digitsValue(text.substr(4, 2)))},
        std::chrono::day{static_cast<unsigned>(digitsValue(text.substr(6, 2)))}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

std::optional<std::chrono::year_month_day> parseFileDate(std::string_view text) {
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        std::string compact;
        compact.append(text.substr(0, 4)).append(text.substr(5, 2)).append(text.substr(8, 2));
        return parseCompactDate(compact);
    }
    return parseCompactDate(text);
}

}  // namespace kugel::server
