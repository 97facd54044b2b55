#include <gtest/gtest.h>

#include <fstream>

#include "model/manual_entry_dialog.h"
#include "support/file_size_limit.h"
#include "support/test_app.h"
#include "update/history_edit.h"

namespace kugel {
namespace {

using test::day;
using test::draw;

const TZiehung kMar7 = draw(day(2013, 3, 7), {8, 16, 19, 25, 26, 29}, 5);
const TZiehung kMar14 = draw(day(2013, 3, 14), {5, 9, 23, 30, 35, 37}, 18);
const TZiehung kMar28 = draw(day(2013, 3, 28), {2, 5, 21, 26, 27, 28}, 19);

std::vector<double> datesOf(const std::vector<TZiehung>& records) {
    std::vector<double> dates;
    for (const auto& z : records) dates.push_back(z.Datum);
    return dates;
}

// Enters a draw through the dialog, starting from the date shown in the main
// window, and answers the dialog with `result`.
void enterDraw(test::TestApp& t, double shownDate, const TZiehung& entered, int result) {
    t.form().DateTimePicker1->setDate(shownDate);
    t.platform.onShowModal = [&](Form& f) {
        auto& dialog = static_cast<TForm3&>(f);
        dialog.DateTimePicker1->setDate(entered.Datum);
        for (std::size_t i = 0; i < 8; ++i) dialog.upDowns[i]->setPosition(entered.Zahlen[i]);
        return result;
    };
    t.app->invoke(t.form(), "BitBtn8Click", t.form().BitBtn8);
}

TEST(ManualEntry, PlacesTheDrawByDate) {
    struct Case {
        const char* name;
        double shown;
        TZiehung entered;
        std::vector<double> expectedDates;
    };
    const double mar21 = day(2013, 3, 21);
    const Case cases[] = {
        {"replace in place",
         kMar14.Datum,
         draw(kMar14.Datum, {1, 2, 3, 4, 5, 6}, 7),
         {kMar7.Datum, kMar14.Datum, kMar28.Datum}},
        {"before all",
         kMar28.Datum,
         draw(day(2013, 2, 28), {1, 2, 3, 4, 5, 6}, 7),
         {day(2013, 2, 28), kMar7.Datum, kMar14.Datum, kMar28.Datum}},
        {"after all, older draw shown",
         kMar7.Datum,
         draw(day(2013, 4, 4), {1, 2, 3, 4, 5, 6}, 7),
         {kMar7.Datum, kMar14.Datum, kMar28.Datum, day(2013, 4, 4)}},
        {"after all, newest shown",
         kMar28.Datum,
         draw(day(2013, 4, 4), {1, 2, 3, 4, 5, 6}, 7),
         {kMar7.Datum, kMar14.Datum, kMar28.Datum, day(2013, 4, 4)}},
        {"between two",
         kMar7.Datum,
         draw(mar21, {1, 2, 3, 4, 5, 6}, 7),
         {kMar7.Datum, kMar14.Datum, mar21, kMar28.Datum}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestApp t;
        test::writeHistory(t.historyPath(), {kMar7, kMar14, kMar28});
        enterDraw(t, c.shown, c.entered, 1);
        const auto records = test::readHistory(t.historyPath());
        EXPECT_EQ(datesOf(records), c.expectedDates);
        for (const auto& z : records) {
            if (z.Datum == c.entered.Datum) {
                EXPECT_EQ(z.Zahlen, c.entered.Zahlen);
            }
        }
    }
}

TEST(ManualEntry, SortsTheNumbersAndReplacesEveryDrawOfTheDate) {
    test::TestApp t;
    test::writeHistory(t.historyPath(), {kMar7, kMar14, kMar14, kMar28});
    enterDraw(t, kMar7.Datum, draw(kMar14.Datum, {40, 3, 22, 1, 17, 9}, 20, 3), 1);
    const auto records = test::readHistory(t.historyPath());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].Zahlen, (std::array<std::uint8_t, 8>{1, 3, 9, 17, 22, 40, 20, 3}));
}

TEST(ManualEntry, ADrawWithANumberTwiceIsRefused) {
    test::TestApp t;
    test::writeHistory(t.historyPath(), {kMar7, kMar14});
    t.answer(DialogResult::Ok);
    enterDraw(t, kMar14.Datum, draw(day(2013, 3, 21), {1, 1, 3, 4, 5, 40}, 7), 1);
    EXPECT_NE(t.takeOutput().find("nur einmal vorkommen"), std::string::npos);
    EXPECT_EQ(datesOf(test::readHistory(t.historyPath())),
              (std::vector<double>{kMar7.Datum, kMar14.Datum}));
    EXPECT_EQ(t.form().Datum1, kMar14.Datum);
}

TEST(ManualEntry, CancelLeavesTheFileAndShowsThePreviousDate) {
    test::TestApp t;
    test::writeHistory(t.historyPath(), {kMar7, kMar14, kMar28});
    enterDraw(t, kMar14.Datum, draw(day(2013, 4, 4), {1, 2, 3, 4, 5, 6}, 7), 3);
    EXPECT_EQ(datesOf(test::readHistory(t.historyPath())),
              (std::vector<double>{kMar7.Datum, kMar14.Datum, kMar28.Datum}));
    EXPECT_EQ(t.form().Datum1, kMar14.Datum);
    EXPECT_EQ(t.form().DateTimePicker1->date(), kMar14.Datum);
}

TEST(ManualEntry, EmptyHistoryOffersTheFirstDrawDateAndStoresTheEntry) {
    test::TestApp t;
    test::writeHistory(t.historyPath(), {});
    double offered = 0;
    int offeredFirst = -1;
    t.platform.onShowModal = [&](Form& f) {
        auto& dialog = static_cast<TForm3&>(f);
        offered = dialog.DateTimePicker1->date();
        offeredFirst = dialog.upDowns[0]->position();
        for (std::size_t i = 0; i < 6; ++i)
            dialog.upDowns[i]->setPosition(static_cast<int>(i) + 10);
        return 1;
    };
    t.app->invoke(t.form(), "BitBtn8Click", t.form().BitBtn8);
    EXPECT_EQ(offered, ErsteZiehung);
    EXPECT_EQ(offeredFirst, 1);  // zeros show as the up-downs' minimum
    const auto records = test::readHistory(t.historyPath());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Datum, ErsteZiehung);
    EXPECT_EQ(records[0].Zahlen[0], 10);
}

TEST(DeleteDraw, RemovesEveryDrawOfTheDisplayedDateAndShowsTheNext) {
    struct Case {
        const char* name;
        double displayed;
        std::vector<double> remaining;
        double shownAfter;
    };
    const Case cases[] = {
        {"two draws of one date", kMar14.Datum, {kMar7.Datum, kMar28.Datum}, kMar28.Datum},
        {"the last draw", kMar28.Datum, {kMar7.Datum, kMar14.Datum, kMar14.Datum}, kMar14.Datum},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestApp t;
        test::writeHistory(t.historyPath(), {kMar7, kMar14, kMar14, kMar28});
        t.form().DateTimePicker1->setDate(c.displayed);
        t.app->invoke(t.form(), "SpeedButton5Click", t.form().SpeedButton5);
        t.app->invoke(t.form(), "BitBtn4Click", t.form().BitBtn6);
        EXPECT_EQ(datesOf(test::readHistory(t.historyPath())), c.remaining);
        EXPECT_EQ(t.form().Datum1, c.shownAfter);
        EXPECT_FALSE(std::filesystem::exists(t.dir.path() / "Zahlen.da~"));
        EXPECT_FALSE(t.platform.busy());
    }
}

TEST(DeleteDraw, MissingHistoryShowsTheErrorAndRestoresTheCursor) {
    test::TestApp t;
    t.answer(DialogResult::Ok);
    t.app->invoke(t.form(), "BitBtn4Click", t.form().BitBtn6);
    EXPECT_NE(t.takeOutput().find("Powerball.dat"), std::string::npos);
    EXPECT_FALSE(t.platform.busy());
}

// A rewrite killed half-way leaves its temporary file; the next start and
// the next rewrite of either kind take both away.
TEST(InterruptedRewrite, TemporaryFilesGoAtStartAndBeforeTheNextRewrite) {
    const auto leaveTemps = [](const test::TestApp& t) {
        for (const char* name : {"Powerball.dat~", "Zahlen.da~"})
            std::ofstream(t.dir.path() / name, std::ios::binary) << std::string(4096, 'x');
    };
    const auto tempsLeft = [](const test::TestApp& t) {
        return std::filesystem::exists(t.dir.path() / "Powerball.dat~") ||
               std::filesystem::exists(t.dir.path() / "Zahlen.da~");
    };
    {
        test::TestApp t;
        test::writeHistory(t.historyPath(), {kMar7, kMar14, kMar28});
        leaveTemps(t);
        t.platform.setToday(day(2013, 3, 30));
        t.app->start();
        EXPECT_FALSE(tempsLeft(t));
        EXPECT_EQ(test::readHistory(t.historyPath()).size(), 3u);
    }
    {
        test::TestApp t;
        test::writeHistory(t.historyPath(), {kMar7, kMar14, kMar28});
        leaveTemps(t);
        enterDraw(t, kMar28.Datum, draw(day(2013, 3, 21), {1, 2, 3, 4, 5, 6}, 7), 1);
        EXPECT_FALSE(tempsLeft(t));
        EXPECT_EQ(test::readHistory(t.historyPath()).size(), 4u);
    }
}

TEST(TextExport, WritesOneLinePerRecordInTheShortDateFormat) {
    test::TestApp t;
    test::writeHistory(t.historyPath(), {kMar7, kMar14});
    const std::string target = t.dir.str() + "out.txt";
    t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, target});
    t.app->invoke(t.form(), "BitBtn3Click", t.form().BitBtn3);
    EXPECT_NE(
        t.takeOutput().find("savedialog \"Textdatei|*.txt\" \"" + t.dir.str() + "Zahlen.txt\""),
        std::string::npos);
    std::ifstream in(target, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "03/07/13,8,16,19,25,26,29,5,0;\r\n03/14/13,5,9,23,30,35,37,18,0;\r\n");
}

// The export writes beside the chosen file and then replaces it: when the
// write fails, the file that was there stays whole and the player is told.
TEST(TextExport, AnExportThatFailsKeepsTheFileThatWasThere) {
    test::TestApp t;
    test::writeHistory(t.historyPath(), {kMar7, kMar14});
    const std::string target = t.dir.str() + "out.txt";
    {
        std::ofstream mine(target, std::ios::binary);
        mine << "my notes\r\n";
    }
    t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, target});
    t.answer(DialogResult::Ok);  // the error box
    {
        const test::FileSizeLimit limit(20);  // the export cannot be written whole
        t.app->invoke(t.form(), "BitBtn3Click", t.form().BitBtn3);
    }
    EXPECT_NE(t.takeOutput().find("Die Datei kann nicht geschrieben werden:"), std::string::npos);
    std::ifstream in(target, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), "my notes\r\n");
}

}  // namespace
}  // namespace kugel
