// The click-script hand-over on the model: where the files go, how the
// template's encoding survives, and what the tool is started with.
#include <gtest/gtest.h>

#include <fstream>

#include "online/script_choice_dialog.h"
#include "platform/durable_file.h"
#include "support/test_app.h"

namespace kugel {
namespace {

namespace fs = std::filesystem;

struct Handover : ::testing::Test {
    test::TestApp t;
    fs::path home = t.dir.path() / "Mein Programm";

    void SetUp() override {
        fs::create_directories(home / "Script");
        fs::create_directories(home / "Klick Werk");
        std::ofstream(home / "Klick Werk" / "ClickRun.exe") << "";
        t.form().Home = home.string() + "/";
        // The main window shows the draw again once the dialog has closed.
        test::writeHistory(home / "Powerball.dat",
                           {test::draw(test::day(2018, 4, 19), {2, 10, 18, 26, 29, 37}, 15)});
        auto& tool = t.platform.toolSettings();
        tool.writeString("Path", (home / "Klick Werk").string());
        tool.writeString("PowerLottoScript", (home / "Script" / "Mein Script.qcs").string());
        t.platform.onShowModal = [](Form&) { return 1; };
        t.form().DateTimePicker1->setDate(test::day(2018, 4, 13));
        t.form().ticket.rows[0].numbers[0]->setText("8");
        t.form().ticket.rows[0].numbers[1]->setText("16");
        t.form().ticket.rows[0].powerball->setText("5");
    }
    void writeTemplate(const std::string& bytes) {
        std::ofstream(home / "Script" / "Mein Script.qcs", std::ios::binary) << bytes;
    }
    std::string script() const { return readWholeFile(home / "Tipps" / "20180420.qcs"); }
};

TEST_F(Handover, PathsWithBlanksArePassedUnquotedAndEmptyNumbersAsZero) {
    writeTemplate("[Z1_1]\r\n");
    t.app->invoke(t.form(), "OnlineTippClick", t.form().OnlineTipp);
    const std::string out = t.takeOutput();
    EXPECT_NE(out.find("shell start " + (home / "Klick Werk" / "ClickRun.exe").string() +
                       " START " + (home / "Tipps" / "20180420.qcs").string() + " 0  0 \n"),
              std::string::npos)
        << out;
    EXPECT_EQ(readWholeFile(home / "Tipps" / "20180420.qlt"), "8,16,,,,,5\r\n");
    EXPECT_EQ(t.platform.toolSettings().readString("PowerLottoZahl1"), "0");
}

// The script is the template with its tokens filled in and nothing else
// changed: its encoding, every character and its line ends stay.
TEST_F(Handover, TheScriptIsTheTemplateWithOnlyItsTokensReplaced) {
    struct Case {
        const char* name;
        std::string templateBytes;
        std::string scriptBytes;
    };
    const Case cases[] = {
        {"ANSI", "\xE4 [Z1_1]\r\n", "\xE4 8\r\n"},
        {"ANSI, LF, no final line end", "\x81[Z1_1]\n\n[S2_1]",
         "\x81"
         "8\n\n5"},
        {"UTF-8", "\xEF\xBB\xBF\xC3\xA4 \xE2\x82\xAC \xD0\x96 [S2_1]\n",
         "\xEF\xBB\xBF\xC3\xA4 \xE2\x82\xAC \xD0\x96 5\n"},
        {"UTF-16LE",
         std::string("\xFF\xFE[\0Z\0"
                     "2\0_\0"
                     "1\0]\0 \0\x3A\x04\n\0",
                     20),
         std::string("\xFF\xFE"
                     "1\0"
                     "6\0 \0\x3A\x04\n\0",
                     12)},
        {"UTF-16BE",
         std::string("\xFE\xFF\0[\0Z\0"
                     "1\0_\0"
                     "1\0]",
                     14),
         std::string("\xFE\xFF\0"
                     "8",
                     4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeTemplate(c.templateBytes);
        t.app->invoke(t.form(), "OnlineTippClick", t.form().OnlineTipp);
        EXPECT_EQ(script(), c.scriptBytes);
    }
}

TEST_F(Handover, TheDialogListsTheTemplatesAndFallsBackToOne) {
    writeTemplate("x");
    std::ofstream(home / "Script" / "notes.txt") << "";
    fs::create_directories(home / "Script" / "dir.qcs");
    TQCSForm& dialog = t.app->qcsForm();
    t.platform.toolSettings().writeString("PowerLottoScript", "");
    t.platform.onShowModal = [&](Form&) {
        EXPECT_EQ(dialog.LabeledEdit1->items(),
                  std::vector<std::string>{(home / "Script" / "Mein Script.qcs").string()});
        EXPECT_EQ(dialog.LabeledEdit1->text(), (home / "Script" / "Mein Script.qcs").string());
        return 2;
    };
    t.app->invoke(t.form(), "OnlineTippClick", t.form().OnlineTipp);
    EXPECT_FALSE(fs::exists(home / "Tipps" / "20180420.qcs"));
}

}  // namespace
}  // namespace kugel
