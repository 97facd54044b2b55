#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kugel {

// The text forms of property values shared by the driver and the registry.
std::string boolText(bool on);
std::optional<bool> parseBool(const std::string& text);
// The text without blanks and tabs at either end.
std::string trimmed(std::string_view text);
// Whole decimal integer, optional sign, nothing else.
std::optional<int> parseInt(const std::string& text);
std::optional<std::int64_t> parseInt64(const std::string& text);
// "YYYY-MM-DD" with an optional "THH:MM:SS" for a time fraction.
std::string dayValueText(double day);
std::optional<double> parseDayValue(const std::string& text);

}  // namespace kugel
