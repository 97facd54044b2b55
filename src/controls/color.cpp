#include "controls/color.h"

#include <array>
#include <charconv>
#include <utility>

namespace kugel {
namespace {

constexpr std::array<std::pair<Color, const char*>, 4> kNamed{{
    {clWindow, "clWindow"},
    {clWindowText, "clWindowText"},
    {clBtnFace, "clBtnFace"},
    {clInfoBk, "clInfoBk"},
}};

}  // namespace

std::string colorToText(Color c) {
    for (const auto& [value, name] : kNamed)
        if (value == c) return name;
    return std::to_string(c);
}

std::optional<Color> colorFromText(const std::string& text) {
    for (const auto& [value, name] : kNamed)
        if (text == name) return value;
    Color c = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), c);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return c;
}

}  // namespace kugel
