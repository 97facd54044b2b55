#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/ticket_controls.h"
#include "output/tip_file.h"
#include "platform/durable_file.h"
#include "support/file_size_limit.h"
#include "support/test_app.h"

namespace kugel {
namespace {

// The seven texts of a row: six main numbers, then the Powerball.
using RowTexts = std::array<std::string, 7>;

class TipFile : public ::testing::Test {
  protected:
    TForm1& f() const { return t.form(); }
    const TicketRow& row(int r) const { return f().ticket.rows[static_cast<std::size_t>(r - 1)]; }
    RowTexts texts(int r) const {
        RowTexts out;
        for (std::size_t k = 0; k < 6; ++k) out[k] = row(r).numbers[k]->text();
        out[6] = row(r).powerball->text();
        return out;
    }
    void fill(int r, const RowTexts& values) const {
        for (std::size_t k = 0; k < 6; ++k) row(r).numbers[k]->setText(values[k]);
        row(r).powerball->setText(values[6]);
    }
    std::filesystem::path file(const std::string& name) const { return t.dir.path() / name; }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    // Chooses the file in the dialog; a failure's message box is answered.
    void load(const std::filesystem::path& path) { choose(path, "SpeedButton16Click"); }
    void save(const std::filesystem::path& path) { choose(path, "SpeedButton15Click"); }
    void choose(const std::filesystem::path& path, const char* handler) {
        t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, {}, path.string()});
        t.answer(DialogResult::Ok);
        t.app->invoke(f(), handler, nullptr);
        t.platform.clearAnswers();
    }
    void SetUp() override {
        // The load ends by showing the draw of the chosen date.
        test::writeHistory(t.historyPath(),
                           {test::draw(test::day(2018, 4, 19), {2, 10, 18, 26, 29, 37}, 15)});
        f().DateTimePicker1->setDate(test::day(2018, 4, 19));
    }
    test::TestApp t;
};

// Each line goes through the splitting rules and the edits' normalisation;
// the ticket check after the load sorts full rows, so the cases use rows
// that are sorted already or not full.
TEST_F(TipFile, LoadSplitsEachLineAndNormalisesEveryField) {
    struct Case {
        const char* line;
        RowTexts row;
    };
    const Case cases[] = {
        {"8,16,19,25,26,29,5", {"8", "16", "19", "25", "26", "29", "5"}},
        {"1,2,3", {"1", "2", "", "", "", "", "3"}},
        {"1,2,3,4,5,6,7,8", {"1", "2", "3", "4", "5", "6", ""}},
        {"5,,,,,,", {"5", "", "", "", "", "", ""}},
        {"07,41,x,0,+9,39,20", {"7", "", "", "", "9", "39", "20"}},
        {"1,2,3,4,5,6", {"1", "2", "3", "4", "5", "", "6"}},  // no comma after the sixth
        {"", {"", "", "", "", "", "", ""}},
        {"12", {"", "", "", "", "", "", "12"}},
    };
    std::string content;
    for (const Case& c : cases) content += std::string(c.line) + "\r\n";
    writeBytes("cases.qlt", content);
    load(file("cases.qlt"));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].line);
        EXPECT_EQ(texts(static_cast<int>(i) + 1), cases[i].row);
    }
}

TEST_F(TipFile, SaveWritesFilledRowsAndLoadBringsThemBackInOrder) {
    fill(1, {"8", "16", "19", "25", "26", "29", "5"});
    fill(2, {"", "3", "4", "", "", "", "7"});  // first field empty: left out
    fill(3, {"5", "", "", "", "", "", ""});
    fill(12, {"1", "2", "3", "4", "5", "40", "20"});
    save(file("t.qlt"));
    std::ifstream in(file("t.qlt"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes, "8,16,19,25,26,29,5\r\n5,,,,,,\r\n1,2,3,4,5,40,20\r\n");

    // A locked row is overwritten too, and rows past the file's end empty.
    t.app->invoke(f(), "Label30Click", row(5).lock);
    fill(5, {"9", "10", "11", "12", "13", "14", "15"});
    load(file("t.qlt"));
    EXPECT_EQ(texts(1), (RowTexts{"8", "16", "19", "25", "26", "29", "5"}));
    EXPECT_EQ(texts(2), (RowTexts{"5", "", "", "", "", "", ""}));
    EXPECT_EQ(texts(3), (RowTexts{"1", "2", "3", "4", "5", "40", "20"}));
    for (int r = 4; r <= 12; ++r) EXPECT_EQ(texts(r), RowTexts{}) << r;
    EXPECT_TRUE(isLocked(row(5)));
}

TEST_F(TipFile, FilesThatAreNoTipFilesLoadAtMostTwelveJudgedRows) {
    std::string many;
    for (int i = 1; i <= 20; ++i) many += std::to_string(i) + ",21,22,23,24,25,6\n";
    const std::string longLine = "1,2,3,4,5,6," + std::string(100000, '7') + "\n9,10";
    // Notepad's "Unicode": UTF-16 little-endian with its mark.
    const std::string utf16 = std::string("\xFF\xFE", 2) + std::string("2\0,\0003\0", 6);

    writeBytes("many.qlt", many);
    load(file("many.qlt"));
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(texts(r)[0], std::to_string(r)) << r;

    // Text, but a row among other lines: loaded as the lines say.
    writeBytes("mixed.qlt", "Reihen:\r\n3,4\r\n");
    load(file("mixed.qlt"));
    EXPECT_EQ(texts(1), RowTexts{});
    EXPECT_EQ(texts(2), (RowTexts{"3", "", "", "", "", "", "4"}));
    for (int r = 3; r <= 12; ++r) EXPECT_EQ(texts(r), RowTexts{}) << r;

    // An empty file, or one of blank lines, is an empty ticket.
    for (const char* empty : {"", "\r\n \r\n\t\r\n"}) {
        fill(1, {"8", "16", "19", "25", "26", "29", "5"});
        writeBytes("empty.qlt", empty);
        load(file("empty.qlt"));
        EXPECT_EQ(texts(1), RowTexts{});
    }

    writeBytes("long.qlt", longLine);
    load(file("long.qlt"));
    EXPECT_EQ(texts(1), (RowTexts{"1", "2", "3", "4", "5", "6", ""}));
    EXPECT_EQ(texts(2), (RowTexts{"9", "", "", "", "", "", "10"}));

    writeBytes("utf16.qlt", utf16);
    load(file("utf16.qlt"));
    EXPECT_EQ(texts(1), (RowTexts{"2", "", "", "", "", "", "3"}));
}

// A file that cannot be read shows the error and leaves everything as it
// was: the ticket, the displayed draw (the closing draw display does not
// run) and the dialog's own extension and filter.
TEST_F(TipFile, ALoadThatCannotReadTheFileChangesNothing) {
    std::filesystem::create_directory(file("folder.qlt"));
    writeBytes("huge.qlt", std::string((1 << 20) + 1, '1'));
    std::string binary;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') binary += static_cast<char>(b);
    writeBytes("binary.qlt", binary + "\r\n3,4");
    writeBytes("nul.qlt", std::string("1,2,3\0", 6));
    writeBytes("prose.qlt", "Lieber Tippfreund,\r\nviel Glück!\r\n");
    const RowTexts kept{"8", "16", "19", "25", "26", "29", "5"};
    struct Case {
        const char* name;
        const char* error;
    };
    const Case cases[] = {
        {"missing.qlt", "Die Datei kann nicht geöffnet werden:"},
        {"folder.qlt", "Die Datei kann nicht geöffnet werden:"},
        {"huge.qlt", "ist keine Tippdatei"},
        {"binary.qlt", "ist keine Tippdatei"},
        {"nul.qlt", "ist keine Tippdatei"},
        {"prose.qlt", "ist keine Tippdatei"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fill(1, kept);
        f().Label29->setCaption("shown");
        t.takeOutput();
        load(file(c.name));
        EXPECT_EQ(texts(1), kept);
        EXPECT_EQ(f().Label29->caption(), "shown");
        EXPECT_NE(t.takeOutput().find(c.error), std::string::npos);
        EXPECT_EQ(f().OpenDialog1->filter, "");
        EXPECT_EQ(f().OpenDialog1->defaultExt, "");
    }
}

// The save writes beside the chosen file and then replaces it: when the
// write fails, the tip file that was there stays whole.
TEST_F(TipFile, ASaveThatFailsKeepsTheFileThatWasThere) {
    writeBytes("good.qlt", "1,2,3,4,5,6,7\r\n");
    fill(1, {"8", "16", "19", "25", "26", "29", "5"});
    {
        const test::FileSizeLimit limit(10);  // the new file cannot be written whole
        save(file("good.qlt"));
    }
    EXPECT_NE(t.takeOutput().find("Die Datei kann nicht geschrieben werden:"), std::string::npos);
    std::ifstream in(file("good.qlt"), std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), "1,2,3,4,5,6,7\r\n");
    EXPECT_EQ(f().SaveDialog1->filter, "Textdatei|*.txt");
    EXPECT_EQ(f().SaveDialog1->defaultExt, "txt");
}

}  // namespace
}  // namespace kugel
