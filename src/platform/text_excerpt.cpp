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
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto u = static_cast<unsigned char>(c);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
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
        } else if (u == 0xC2 && next >= 0x80 && next <= 0x9F) {
            // A C1 control in UTF-8 (U+009B starts a terminal's escape
            // sequence as ESC [ does).
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04X", next);
            out += code;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace kugel
