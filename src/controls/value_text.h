#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kugel {

// The text forms of property values shared by the driver and the registry.
std::string boolText(bool on);
std::optional<bool> parseBool(const std::string& text);
// The text without blanks and tabs at either end, at its start, at its end.
std::string trimmed(std::string_view text);
std::string trimmedLeft(std::string_view text);
std::string trimmedRight(std::string_view text);
// Whole decimal integer, optional sign, nothing else.
std::optional<int> parseInt(const std::string& text);
std::optional<std::int64_t> parseInt64(const std::string& text);
// "YYYY-MM-DD" with an optional "THH:MM:SS" for a time fraction.
std::string dayValueText(double day);
std::optional<double> parseDayValue(const std::string& text);

// `"text"` with `\` escaping `"`, `\`, CR and LF: how the driver prints texts.
std::string quoted(std::string_view text);
// As quoted, without the quotes: a text that ends the driver's line
// (`shell open <target>`), whose line break must not start a line of its own.
std::string escapedToLineEnd(std::string_view text);
// The text as a JSON string: as quoted, and tabs and the other control
// characters escaped as JSON wants them.
std::string jsonString(std::string_view text);

}  // namespace kugel
