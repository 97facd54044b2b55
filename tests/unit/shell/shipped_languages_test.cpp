#include <gtest/gtest.h>

#include <filesystem>

#include "platform/codepage.h"
#include "platform/durable_file.h"
#include "shell/language.h"
#include "support/test_app.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

const fs::path kLand = fs::path(KUGEL_PROGRAM_DATA) / "land";

std::vector<std::string> lines(const fs::path& path) {
    return splitLines(decodeTextFile(readWholeFile(path)));
}

TEST(ShippedLanguages, TheMasterFileListsTheWindowsAsDesigned) {
    test::TestApp t;
    // When this fails, a caption, hint or control changed: run
    // scripts/update-languages.py and translate what it reports.
    EXPECT_EQ(readWholeFile(kLand / "powerball.txt"),
              encodeAnsiLines(writeLanguageTemplate(*t.app).master));
}

TEST(ShippedLanguages, EveryLanguageHasAllEntriesAndMessages) {
    const std::size_t entries = lines(kLand / "powerball.txt").size() / 5;
    for (const Language& l : languages()) {
        SCOPED_TRACE(l.file);
        const std::string bytes = readWholeFile(kLand / l.file);
        EXPECT_EQ(detectEncoding(bytes), TextEncoding::Utf8);
        EXPECT_EQ(splitLines(decodeTextFile(bytes)).size(), 2 * entries);
        const fs::path meld = kLand / (std::string(l.file) + ".meld");
        EXPECT_EQ(detectEncoding(readWholeFile(meld)), TextEncoding::Utf8);
        EXPECT_EQ(lines(meld).size(), 62u);
    }
}

TEST(ShippedLanguages, EachLanguageReachesCaptionsHintsAndMessages) {
    test::TestApp t;
    TForm1& f = t.form();
    f.Home = std::string(KUGEL_PROGRAM_DATA) + "/";
    for (const Language& l : languages()) {
        SCOPED_TRACE(l.file);
        selectLanguage(f, l.number);
        const bool german = l.number == 1;
        EXPECT_EQ(f.ticket.BitBtn4->caption() == "Tipps berechnen", german);
        EXPECT_EQ(f.BitBtn2->hint().find("Datenbank") != std::string::npos, german);
        EXPECT_EQ(f.msg(42) == "Stoppen", german);
        EXPECT_FALSE(f.msg(42).empty());
        EXPECT_EQ(f.Tippsberechnen, f.ticket.BitBtn4->caption());
    }
}

}  // namespace
}  // namespace kugel
