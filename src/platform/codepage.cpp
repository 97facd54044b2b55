#include "platform/codepage.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kugel {
namespace {

// Windows-1252 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t ansiChar(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) {
        const char32_t c = kHigh[b - 0x80];
        return c ? c : b;  // unassigned bytes map to the C1 controls
    }
    return b;
}

// Decodes one UTF-8 sequence; invalid bytes are taken as Windows-1252.
char32_t nextUtf8(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (b < 0x80) {
        ++i;
        return b;
    }
    if (extra == 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
        ++i;
        return ansiChar(b);
    }
    char32_t c = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto cont = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((cont & 0xC0) != 0x80) {
            ++i;
            return ansiChar(b);
        }
        c = (c << 6) | (cont & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[i + (bigEndian ? 1 : 0)]);
        const auto hi = static_cast<unsigned char>(bytes[i + (bigEndian ? 0 : 1)]);
        char32_t c = static_cast<char32_t>(hi << 8 | lo);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const auto lo2 = static_cast<unsigned char>(bytes[i + 2 + (bigEndian ? 1 : 0)]);
            const auto hi2 = static_cast<unsigned char>(bytes[i + 2 + (bigEndian ? 0 : 1)]);
            const char32_t low = static_cast<char32_t>(hi2 << 8 | lo2);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, c);
    }
    return out;
}

}  // namespace

std::string ansiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (const char ch : ansi) appendUtf8(out, ansiChar(static_cast<unsigned char>(ch)));
    return out;
}

namespace {

// The Windows-1252 byte of a character; nothing when it has none. The five
// unassigned bytes read as C1 controls and are written back as they came.
std::optional<char> ansiByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return static_cast<char>(c);
    for (std::size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == c) return static_cast<char>(0x80 + k);
    if (c >= 0x80 && c < 0xA0 && kHigh[c - 0x80] == 0) return static_cast<char>(c);
    return std::nullopt;
}

}  // namespace

std::string utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) out += ansiByte(nextUtf8(utf8, i)).value_or('?');
    return out;
}

bool fitsAnsi(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();)
        if (!ansiByte(nextUtf8(utf8, i))) return false;
    return true;
}

TextEncoding detectEncoding(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return TextEncoding::Utf16LE;
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') return TextEncoding::Utf16BE;
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return TextEncoding::Utf8;
    return TextEncoding::Ansi;
}

std::string encodeText(std::string_view utf8, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Ansi:
            // A text the code page cannot hold keeps its characters as UTF-8
            // with a mark, which every reader here recognises.
            if (fitsAnsi(utf8)) return utf8ToAnsi(utf8);
            [[fallthrough]];
        case TextEncoding::Utf8: {
            std::string out = "\xEF\xBB\xBF";
            for (std::size_t i = 0; i < utf8.size();) appendUtf8(out, nextUtf8(utf8, i));
            return out;
        }
        case TextEncoding::Utf16LE:
        case TextEncoding::Utf16BE:
            break;
    }
    const bool big = encoding == TextEncoding::Utf16BE;
    std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
    auto unit = [&out, big](char32_t u) {
        const char hi = static_cast<char>(u >> 8);
        const char lo = static_cast<char>(u & 0xFF);
        out += big ? hi : lo;
        out += big ? lo : hi;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = nextUtf8(utf8, i);
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

std::string decodeTextFile(std::string_view bytes) {
    switch (detectEncoding(bytes)) {
        case TextEncoding::Utf16LE:
            return utf16ToUtf8(bytes.substr(2), false);
        case TextEncoding::Utf16BE:
            return utf16ToUtf8(bytes.substr(2), true);
        case TextEncoding::Utf8:
            return std::string(bytes.substr(3));
        case TextEncoding::Ansi:
            break;
    }
    return ansiToUtf8(bytes);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string encodeAnsiLines(const std::vector<std::string>& lines) {
    return encodeTextLines(lines, TextEncoding::Ansi);
}

std::string encodeTextLines(const std::vector<std::string>& lines, TextEncoding encoding) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return encodeText(text, encoding);
}

}  // namespace kugel
