#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kugel {

// Colours use the classic integer encoding: 0x00BBGGRR. System colours are
// negative values that the view resolves against the desktop's palette.
using Color = std::int32_t;

constexpr Color clBlack = 0;
constexpr Color clRed = 255;
constexpr Color clGreen = 32768;
constexpr Color clLime = 65280;  // "pure green"
constexpr Color clYellow = 65535;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clNavy = 0x800000;
constexpr Color clGray = 0x808080;
constexpr Color clWindow = static_cast<Color>(0xFF000005u);
constexpr Color clWindowText = static_cast<Color>(0xFF000008u);
constexpr Color clBtnFace = static_cast<Color>(0xFF00000Fu);
constexpr Color clInfoBk = static_cast<Color>(0xFF000018u);

// "clWindow" for the named system colours, the decimal value otherwise.
std::string colorToText(Color c);
std::optional<Color> colorFromText(const std::string& text);

}  // namespace kugel
