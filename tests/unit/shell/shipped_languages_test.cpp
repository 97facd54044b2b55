#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>

#include "analysis/chance_dialog.h"
#include "analysis/odds_dialog.h"
#include "analysis/prize_dialog.h"
#include "model/added_texts.h"
#include "model/manual_entry_dialog.h"
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
              encodeMasterFile(writeLanguageTemplate(*t.app).master));
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
        // Texts no language file line reaches: the dialogs' titles and the
        // date pickers' hints.
        EXPECT_EQ(t.app->form3().caption() == "Zahlen der Ziehung eingeben", german);
        EXPECT_EQ(t.app->form9().caption() == "Auswertung und Gewinnberechnung", german);
        EXPECT_EQ(t.app->oddsForm().caption() == "Gewinnchancen", german);
        EXPECT_EQ(t.app->chanceForm().caption() == "Vergleich mit dem Zufall", german);
        EXPECT_EQ(f.DateTimePicker2->hint() == "Startdatum der Statistik", german);
        EXPECT_EQ(f.DateTimePicker1->hint().rfind("Dieses Datum", 0) == 0, german);
        EXPECT_FALSE(t.app->form3().caption().empty());
        // The platform's own dialogs follow.
        EXPECT_EQ(t.platform.language(), l.locale);
    }
}

// The character after a single '&' of a caption, folded to lower case so
// that "&C" and "&c" count as one key; empty when the caption has none.
std::string accessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // "&&" shows an ampersand
            continue;
        }
        // One UTF-8 character: its lead byte tells how many follow.
        const auto lead = static_cast<unsigned char>(caption[i + 1]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + 1 + k < caption.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(caption[i + 1 + k]) & 0x3F);
        // Capitals of the scripts the languages use: Latin, Latin-1, Cyrillic.
        if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
            (c >= 0x410 && c <= 0x42F))
            c += 0x20;
        else if (c >= 0x400 && c <= 0x40F)
            c += 0x50;
        return std::to_string(static_cast<std::uint32_t>(c));
    }
    return {};
}

// Where an access key must be unique: the items of one menu, or the
// controls of one page (a control on no page belongs to its window).
std::string keyScope(const Component& c) {
    if (c.kind() == Kind::MenuItem) return "menu " + (c.parent() ? c.parent()->name() : "");
    for (const Component* p = c.parent(); p; p = p->parent())
        if (p->kind() == Kind::TabSheet) return "page " + p->name();
    return "window " + c.owner().name();
}

TEST(ShippedLanguages, AccessKeysAreUniqueInEveryMenuAndPage) {
    test::TestApp t;
    TForm1& f = t.form();
    f.Home = std::string(KUGEL_PROGRAM_DATA) + "/";
    for (const Language& l : languages()) {
        SCOPED_TRACE(l.file);
        selectLanguage(f, l.number);
        // scope -> key -> the captions that use it
        std::map<std::string, std::map<std::string, std::vector<std::string>>> keys;
        for (Form* form : t.app->forms())
            for (const auto& c : form->components()) {
                const std::string key = accessKey(c->caption());
                if (!key.empty()) keys[keyScope(*c)][key].push_back(c->caption());
            }
        for (const auto& [scope, byKey] : keys)
            for (const auto& [key, captions] : byKey) {
                std::string list;
                for (const std::string& caption : captions) list += " \"" + caption + "\"";
                EXPECT_EQ(captions.size(), 1u) << scope << ":" << list;
            }
    }
}

}  // namespace
}  // namespace kugel
