#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/added_texts.h"
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

// The places %1..%9 a text holds, sorted: a translation may reorder them
// but must keep every one.
std::string places(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') out += text[i + 1];
    std::sort(out.begin(), out.end());
    return out;
}

TEST(ShippedLanguages, EveryLanguageHasAllEntriesAndMessages) {
    const std::size_t entries = lines(kLand / "powerball.txt").size() / 5;
    const AddedTexts& builtIn = builtInAddedTexts();
    for (const Language& l : languages()) {
        SCOPED_TRACE(l.file);
        const std::string bytes = readWholeFile(kLand / l.file);
        EXPECT_EQ(detectEncoding(bytes), TextEncoding::Utf8);
        EXPECT_EQ(splitLines(decodeTextFile(bytes)).size(), 2 * entries);
        const fs::path meld = kLand / (std::string(l.file) + ".meld");
        EXPECT_EQ(detectEncoding(readWholeFile(meld)), TextEncoding::Utf8);
        // The designed messages, then every added text in order; German's
        // are the built-in ones.
        const std::vector<std::string> messages = lines(meld);
        ASSERT_EQ(messages.size(), std::size_t(kDesignedMessageCount + kAddedTextCount));
        for (int k = 0; k < kAddedTextCount; ++k) {
            const auto id = static_cast<AddedText>(kDesignedMessageCount + k);
            const std::string& line = messages[std::size_t(kDesignedMessageCount + k)];
            SCOPED_TRACE(builtIn[id]);
            EXPECT_FALSE(line.empty());
            EXPECT_EQ(places(line), places(builtIn[id]));
            if (l.number == 1) {
                EXPECT_EQ(line, builtIn[id]);
            }
        }
    }
}

TEST(ShippedLanguages, EachLanguageReachesCaptionsHintsAndMessages) {
    test::TestApp t;
    TForm1& f = t.form();
    f.Home = std::string(KUGEL_PROGRAM_DATA) + "/";
    // The notice the start-up update leaves before any language is applied.
    f.StatusBar1->setPanelText(1, f.msg(Msg::NoGuarantee));
    for (const Language& l : languages()) {
        SCOPED_TRACE(l.file);
        selectLanguage(f, l.number);
        const bool german = l.number == 1;
        EXPECT_EQ(f.StatusBar1->panels()[1].text, f.msg(Msg::NoGuarantee));
        EXPECT_EQ(f.ticket.BitBtn4->caption() == "Tipps berechnen", german);
        EXPECT_EQ(f.BitBtn2->hint().find("Datenbank") != std::string::npos, german);
        EXPECT_EQ(f.msg(42) == "Stoppen", german);
        EXPECT_FALSE(f.msg(42).empty());
        EXPECT_EQ(f.Tippsberechnen, f.ticket.BitBtn4->caption());
        EXPECT_EQ(f.msg(AddedText::UpdateStopped) == "Gestoppt", german);
        // The platform's own dialogs follow.
        EXPECT_EQ(t.platform.language(), l.locale);
    }
}

}  // namespace
}  // namespace kugel
