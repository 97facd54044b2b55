#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/settings_analysis.h"
#include "support/test_app.h"

namespace kugel {
namespace {

struct SettingsAnalysis : ::testing::Test {
    test::TestApp t;
    TForm1& form = t.form();

    // `errorShown`: an error box is expected and answered.
    void run(const std::string& seed, bool errorShown = false) {
        t.answer(DialogResult::Yes);
        t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Text, DialogResult::Ok, seed});
        if (errorShown) t.answer(DialogResult::Ok);
        t.app->invoke(form, "BitBtn9Click", form.BitBtn9);
    }
    std::string roundsLine() const { return form.RichEdit1->line(11); }
};

// Whatever date was chosen, the first round runs; the classic loop began
// with today's date as the last one and did nothing when the two agreed.
TEST_F(SettingsAnalysis, ChosenDateOfTodayStillRunsARound) {
    const double today = test::day(2018, 4, 19);
    t.platform.setToday(today);
    test::writeHistory(t.historyPath(), {test::draw(today - 7, {1, 2, 3, 4, 5, 6}, 1),
                                         test::draw(today, {7, 8, 9, 10, 11, 12}, 2)});
    form.DateTimePicker1->setDate(today);
    run("4711");
    EXPECT_EQ(roundsLine(), "Ziehungen: 1mit je 6Tipp => 6 Reihen");
    EXPECT_EQ(form.Datum1, today);
}

// Draws older than the earliest date the end date's picker takes (a history
// rebuilt from earlier years) cannot become the end date: it would only move
// on week after week for ever. The analysis ends after the round instead.
TEST_F(SettingsAnalysis, EndsWhenTheEndDateCannotLandOnADraw) {
    const double old = test::day(2012, 11, 1);
    test::writeHistory(t.historyPath(), {test::draw(old, {1, 2, 3, 4, 5, 6}, 1),
                                         test::draw(old + 7, {7, 8, 9, 10, 11, 12}, 2)});
    form.DateTimePicker1->setDate(ErsteZiehung);
    run("4711");
    EXPECT_EQ(roundsLine(), "Ziehungen: 1mit je 6Tipp => 6 Reihen");
    EXPECT_FALSE(form.analysisRunning);
}

// A clock seed above the signed range is proposed as a number the lucky-number
// box accepts, and accepting it keeps the seed.
TEST_F(SettingsAnalysis, AcceptingAProposedClockSeedRunsTheAnalysis) {
    const double today = test::day(2018, 4, 19);
    t.platform.setToday(today);
    test::writeHistory(t.historyPath(), {test::draw(today - 7, {1, 2, 3, 4, 5, 6}, 1),
                                         test::draw(today, {7, 8, 9, 10, 11, 12}, 2)});
    form.DateTimePicker1->setDate(today);
    form.random.seed = 3000000000u;
    t.answer(DialogResult::Yes);
    t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Cancel, DialogResult::Cancel, {}});
    t.app->invoke(form, "BitBtn9Click", form.BitBtn9);
    EXPECT_EQ(roundsLine(), "Ziehungen: 1mit je 6Tipp => 6 Reihen");
    EXPECT_EQ(t.out.str().find(form.msg(Msg::LuckyNumberInputError)), std::string::npos);
}

// Only a lucky number that is no number is reported as one; a round that
// fails for another reason (here the report cannot be written) says so.
TEST_F(SettingsAnalysis, OnlyTheLuckyNumberIsReportedAsItsInputError) {
    const double today = test::day(2018, 4, 19);
    t.platform.setToday(today);
    test::writeHistory(t.historyPath(), {test::draw(today - 7, {1, 2, 3, 4, 5, 6}, 1),
                                         test::draw(today, {7, 8, 9, 10, 11, 12}, 2)});
    const struct {
        const char* seed;
        bool reportBlocked;
        bool luckyNumberError;
    } cases[] = {{"47x11", false, true}, {"4711", true, false}, {"4711", false, false}};
    for (const auto& c : cases) {
        const std::filesystem::path report = form.Home + "Test.rtf";
        std::filesystem::remove_all(report);
        if (c.reportBlocked) std::filesystem::create_directories(report / "in the way");
        form.DateTimePicker1->setDate(today);
        t.takeOutput();
        run(c.seed, c.luckyNumberError || c.reportBlocked);
        EXPECT_EQ(t.platform.queuedAnswers(), 0u) << c.seed;
        const std::string shown = t.takeOutput();
        const bool luckyNumberError =
            shown.find(form.msg(Msg::LuckyNumberInputError)) != std::string::npos;
        EXPECT_EQ(luckyNumberError, c.luckyNumberError) << c.seed << " " << shown;
        if (c.reportBlocked) {
            EXPECT_NE(shown.find("Test.rtf"), std::string::npos) << shown;
        }
        EXPECT_FALSE(form.analysisRunning);
    }
}

// A second click while an analysis runs starts nothing inside it.
TEST_F(SettingsAnalysis, DoesNotStartInsideARunningAnalysis) {
    const double first = test::day(2018, 3, 22);
    test::writeHistory(t.historyPath(), {test::draw(first, {1, 2, 3, 4, 5, 6}, 1),
                                         test::draw(first + 7, {7, 8, 9, 10, 11, 12}, 2)});
    form.DateTimePicker1->setDate(first);
    int nested = 0;
    t.platform.onProcessEvents = [&] {
        if (nested++ == 0) t.app->invoke(form, "BitBtn9Click", form.BitBtn9);
    };
    run("4711");
    // The newest draw is checked twice: two rounds, and no second question.
    EXPECT_EQ(roundsLine(), "Ziehungen: 2mit je 6Tipp => 12 Reihen");
    EXPECT_EQ(t.platform.queuedAnswers(), 0u);
    EXPECT_GT(nested, 1);
    const std::string shown = t.takeOutput();
    EXPECT_EQ(shown.find("Soll die Analyse"), shown.rfind("Soll die Analyse"));
}

}  // namespace
}  // namespace kugel
