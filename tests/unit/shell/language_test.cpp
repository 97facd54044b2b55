#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/manual_entry_dialog.h"
#include "platform/codepage.h"
#include "platform/durable_file.h"
#include "shell/language.h"
#include "support/test_app.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::vector<std::string>& lines,
               TextEncoding encoding = TextEncoding::Utf8) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << encodeTextLines(lines, encoding);
}

std::vector<std::string> readFile(const fs::path& path) {
    return splitLines(decodeTextFile(readWholeFile(path)));
}

// A master file and a language file of a few hand-made entries.
struct Entry {
    std::string owner, name, caption, hint;
};
void writeLanguage(const test::TestApp& t, const std::vector<Entry>& entries,
                   const char* file = "Power_fr.txt") {
    std::vector<std::string> master, language;
    for (const Entry& e : entries) {
        master.insert(master.end(), {e.owner, e.name, "", "", "1"});
        language.insert(language.end(), {e.caption, e.hint});
    }
    writeFile(t.dir.path() / "land" / "powerball.txt", master, TextEncoding::Ansi);
    writeFile(t.dir.path() / "land" / file, language);
}

TEST(Language, TranslatedTemplateAppliesToEveryWindow) {
    test::TestApp t;
    TForm1& f = t.form();
    f.ProxyHostEdit->setHint("Proxy");
    f.ProxyHostEdit->setText("proxy.example");
    // The hidden writer: master file and template.
    const fs::path master = t.dir.path() / "land" / "powerball.txt";
    fs::create_directories(master.parent_path());
    t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, {}, master.string()});
    f.run("Dateispeichern1Click", f.Dateispeichern1);
    const std::string trans = readWholeFile(master.string() + ".trans");
    ASSERT_EQ(detectEncoding(trans), TextEncoding::Utf16LE);
    std::vector<std::string> lines = splitLines(decodeTextFile(trans));
    EXPECT_EQ(readFile(master).size(), lines.size() / 2 * 5);
    // A translator's work: every text marked, saved as French.
    for (std::string& line : lines) line = "«" + line + "»";
    writeFile(t.dir.path() / "land" / "Power_fr.txt", lines);

    const std::string formCaption = f.caption();
    f.run("Franz1Click", f.Franz1);

    EXPECT_EQ(f.sprache, 3);
    EXPECT_TRUE(f.Franz1->checked());
    EXPECT_FALSE(f.Englich1->checked());
    EXPECT_EQ(f.ticket.BitBtn4->caption(), "«Tipps berechnen»");
    EXPECT_EQ(f.Tippsberechnen, "«Tipps berechnen»");
    EXPECT_EQ(f.TabSheet6->caption(), "«Berechnung»");
    EXPECT_EQ(f.Schlieen1->caption(), "«&Schließen»");
    EXPECT_EQ(f.Portogiesisch1->caption(), "«português»");
    EXPECT_EQ(t.app->form3().BitBtn2->caption(), "«OK»");
    // Kept: tagged items, edit texts, window captions.
    EXPECT_EQ(f.Deutsch1->caption(), "deutsch");
    EXPECT_EQ(f.SpracheLanguage1->caption(), "Sprache/&Language");
    EXPECT_EQ(f.ProxyHostEdit->text(), "proxy.example");
    EXPECT_EQ(f.ProxyHostEdit->hint(), "«Proxy»");
    EXPECT_EQ(f.caption(), formCaption);
    EXPECT_EQ(t.app->form3().caption(), "Zahlen der Ziehung eingeben");
    EXPECT_FALSE(f.RichEdit1->visible());
}

TEST(Language, AnEditFieldTakesOnlyItsHint) {
    test::TestApp t;
    TForm1& f = t.form();
    f.ProxyHostEdit->setText("proxy.example");
    writeLanguage(t, {{"Form1", "ProxyHostEdit", "caption", "hint"}});
    selectLanguage(f, 3);
    EXPECT_EQ(f.ProxyHostEdit->text(), "proxy.example");
    EXPECT_EQ(f.ProxyHostEdit->caption(), "");
    EXPECT_EQ(f.ProxyHostEdit->hint(), "hint");
}

TEST(Language, NamesMatchAroundBlanksButNotInAnotherCase) {
    test::TestApp t;
    TForm1& f = t.form();
    writeLanguage(t, {{" Form1 ", "Aktualisieren1\t", "Laden", ""},
                      {"Form1", "berechnen1", "Rechnen", ""},
                      {"Form1", "Schlieen1", "Fermer", ""}});
    selectLanguage(f, 3);
    EXPECT_EQ(f.Aktualisieren1->caption(), "Laden");
    EXPECT_EQ(f.Berechnen1->caption(), "&Berechnen");
    EXPECT_EQ(f.Schlieen1->caption(), "Fermer");
}

TEST(Language, AnEntryIsFoundAtMostTenEntriesAfterTheLastMatch) {
    for (const int gap : {9, 10}) {
        test::TestApp t;
        TForm1& f = t.form();
        std::vector<Entry> entries{{"Form1", "Aktualisieren1", "Laden", ""}};
        for (int k = 0; k < gap; ++k) entries.push_back({"Form1", "Nichts", "", ""});
        entries.push_back({"Form1", "Berechnen1", "Rechnen", ""});
        entries.push_back({"Form1", "Schlieen1", "Fermer", ""});
        writeLanguage(t, entries);
        selectLanguage(f, 3);
        EXPECT_EQ(f.Aktualisieren1->caption(), "Laden");
        // Nine entries between are the most; beyond, later ones are lost too.
        EXPECT_EQ(f.Berechnen1->caption(), gap <= 9 ? "Rechnen" : "&Berechnen") << gap;
        EXPECT_EQ(f.Schlieen1->caption(), gap <= 9 ? "Fermer" : "&Schließen") << gap;
    }
}

TEST(Language, AShortLanguageFileEmptiesTheMissingEntries) {
    test::TestApp t;
    TForm1& f = t.form();
    writeLanguage(t, {{"Form1", "Aktualisieren1", "Laden", "Hinweis"},
                      {"Form1", "Berechnen1", "Rechnen", "x"}});
    std::vector<std::string> shortFile{"Laden", "Hinweis"};
    writeFile(t.dir.path() / "land" / "Power_fr.txt", shortFile);
    selectLanguage(f, 3);
    EXPECT_EQ(f.Aktualisieren1->hint(), "Hinweis");
    EXPECT_EQ(f.Berechnen1->caption(), "");
    EXPECT_EQ(f.Berechnen1->hint(), "");
}

TEST(Language, MessageFilesReplaceTheMessages) {
    test::TestApp t;
    TForm1& f = t.form();
    writeLanguage(t, {{"Form1", "Aktualisieren1", "Load", ""}}, "Power_en.txt");
    writeLanguage(t, {{"Form1", "Aktualisieren1", "Laden", ""}}, "Power_fr.txt");
    std::vector<std::string> messages;
    for (int k = 0; k < 40; ++k) messages.push_back("message " + std::to_string(k));
    writeFile(t.dir.path() / "land" / "Power_en.txt.meld", messages);

    selectLanguage(f, 2);
    EXPECT_EQ(f.msg(39), "message 39");
    EXPECT_EQ(f.msg(42), "");  // beyond a short file: empty, not German
    // French has no message file: the English messages stay.
    selectLanguage(f, 3);
    EXPECT_EQ(f.Aktualisieren1->caption(), "Laden");
    EXPECT_EQ(f.msg(39), "message 39");
}

TEST(Language, WithoutAMasterFileOnlyTheChoiceChanges) {
    test::TestApp t;
    TForm1& f = t.form();
    f.Tippsberechnen = "before";
    selectLanguage(f, 6);
    EXPECT_EQ(f.sprache, 6);
    EXPECT_TRUE(f.Russisch1->checked());
    EXPECT_EQ(f.Tippsberechnen, "before");
    EXPECT_EQ(f.Aktualisieren1->caption(), "&Ziehungsdaten laden");
}

}  // namespace
}  // namespace kugel

namespace kugel {
namespace {

TEST(Language, LocaleNamesChooseTheLanguageByTheirLanguagePart) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "Power_de.txt"},
        {"de_AT", "Power_de.txt"},
        {"en_AU.UTF-8", "Power_en.txt"},
        {"fr_CA.UTF-8@euro", "Power_fr.txt"},
        {"es", "Power_es.txt"},
        {"it_IT", "Power_it.txt"},
        {"ru_RU.KOI8-R", "Power_ru.txt"},
        {"pt_BR.UTF-8", "Power_pt.txt"},
        {"zh_TW.UTF-8", "Power_cn.txt"},
        {"hi_IN", "Power_in.txt"},
        {"C", "Power_en.txt"},
        {"POSIX", "Power_en.txt"},
        {"C.UTF-8", "Power_en.txt"},
        {"", "Power_en.txt"},
        {"nl_NL.UTF-8", "Power_en.txt"},
        {"d", "Power_en.txt"},
    };
    for (const auto& [name, file] : cases)
        EXPECT_STREQ(languageOfLocaleName(name).file, file) << name;
}

}  // namespace
}  // namespace kugel
