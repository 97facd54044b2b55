#include "platform/text_excerpt.h"

#include <cstdio>

namespace kugel {
namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

TextExcerpt leadingExcerpt(std::string_view utf8, std::size_t maxChars) {
    std::size_t chars = 0;
    std::size_t cut = utf8.size();
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuationByte(utf8[i])) continue;
        if (chars == maxChars) {
            cut = i;
            break;
        }
        ++chars;
    }
    TextExcerpt excerpt{std::string(utf8.substr(0, cut)), 0};
    for (std::size_t i = cut; i < utf8.size(); ++i)
        if (!isContinuationByte(utf8[i])) ++excerpt.omitted;
    return excerpt;
}

std::string withVisibleControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20 || u == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace kugel
