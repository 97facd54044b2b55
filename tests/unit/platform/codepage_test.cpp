#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace kugel {
namespace {

TEST(CodePage, Windows1252RoundTrip) {
    struct Case {
        std::string ansi;
        std::string utf8;
    };
    const Case cases[] = {
        {"Gl\xFC"
         "ckszahl",
         "Glückszahl"},
        {"\x80 \x96 \x84", "€ – „"},
        {"Stra\xDF"
         "e",
         "Straße"},
        {"plain", "plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(ansiToUtf8(c.ansi), c.utf8);
        EXPECT_EQ(utf8ToAnsi(c.utf8), c.ansi);
    }
    EXPECT_EQ(utf8ToAnsi("Ж"), "?");  // no Windows-1252 form
}

TEST(CodePage, TextFilesByByteOrderMarkAndLineEnds) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"ANSI, CR LF", "3\r\n\r\n2\r\n", {"3", "", "2"}},
        {"ANSI, LF and CR", "a\nb\rc", {"a", "b", "c"}},
        {"UTF-8 BOM", "\xEF\xBB\xBF\xC3\xBC\n", {"ü"}},
        {"UTF-16 LE",
         std::string("\xFF\xFE"
                     "a\0\r\0\n\0\xFC\0",
                     10),
         {"a", "ü"}},
        {"UTF-16 BE", std::string("\xFE\xFF\0a\0\n\0b", 8), {"a", "b"}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitLines(decodeTextFile(c.bytes)), c.lines);
    }
    EXPECT_EQ(encodeAnsiLines({"3", "", "Gew\xC3\xA4hr"}), "3\r\n\r\nGew\xE4hr\r\n");
}

// Each encoding writes its own mark, then CR LF lines; the readers
// recognise it by that mark and read the same lines back. A text the ANSI
// code page cannot hold (here the emoji) is written as UTF-8 with a mark
// instead of losing characters.
TEST(CodePage, TextFilesWrittenInEachEncodingReadBack) {
    const std::vector<std::string> lines = {"f\xC3\xBCr \xE2\x82\xAC", "", "\xF0\x9F\x8E\xB1"};
    const std::string utf8 = "\xEF\xBB\xBF" + lines[0] + "\r\n\r\n" + lines[2] + "\r\n";
    struct Case {
        TextEncoding encoding;
        std::string bytes;
        TextEncoding written;
    };
    const Case cases[] = {
        {TextEncoding::Ansi, utf8, TextEncoding::Utf8},
        {TextEncoding::Utf8, utf8, TextEncoding::Utf8},
        {TextEncoding::Utf16LE,
         std::string("\xFF\xFE"
                     "f\0\xFC\0r\0 \0\xAC\x20\r\0\n\0\r\0\n\0"
                     "\x3C\xD8\xB1\xDF\r\0\n\0",
                     28),
         TextEncoding::Utf16LE},
        {TextEncoding::Utf16BE,
         std::string("\xFE\xFF"
                     "\0f\0\xFC\0r\0 \x20\xAC\0\r\0\n\0\r\0\n"
                     "\xD8\x3C\xDF\xB1\0\r\0\n",
                     28),
         TextEncoding::Utf16BE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.encoding));
        const std::string bytes = encodeTextLines(lines, c.encoding);
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_EQ(detectEncoding(bytes), c.written);
        EXPECT_EQ(splitLines(decodeTextFile(bytes)), lines);
    }
    // Whatever the code page holds stays ANSI, byte for byte, the five bytes
    // it leaves unassigned included.
    const std::string ansi = "f\xFCr \x80 \x81\x8D\x8F\x90\x9D\r\n";
    EXPECT_EQ(encodeText(decodeTextFile(ansi), TextEncoding::Ansi), ansi);
}

}  // namespace
}  // namespace kugel
