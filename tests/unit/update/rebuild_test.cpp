// "Datenbank neu anlegen": the history is built anew beside the old one, and
// the old one goes only when the new one is complete. The server is played
// by a function, one answer per week.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "model/history_file.h"
#include "platform/durable_file.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using test::day;
using test::draw;

HttpResponse answer(int status, const std::string& body = {}) {
    HttpResponse r;
    r.answered = true;
    r.statusCode = status;
    r.statusLine = "HTTP/1.1 " + std::to_string(status);
    r.body = body;
    return r;
}

HttpResponse noConnection() {
    HttpResponse r;
    r.failure = HttpFailure::NoConnection;
    return r;
}

constexpr const char* kNotRebuilt =
    "Die Ziehungsdaten wurden nicht neu aufgebaut; die bisherigen Ziehungsdaten bleiben "
    "unverändert erhalten.";

struct Rebuild : ::testing::Test {
    test::TestApp t;
    // The server knows a draw for every week; a week listed here answers so.
    std::map<std::string, HttpResponse> weeks;
    std::function<void(const std::string&)> onRequest;  // before the answer, by week
    std::string oldHistory;

    void SetUp() override {
        t.platform.setToday(day(2013, 3, 28));
        t.platform.http = [this](const HttpRequest& r) {
            const std::string date = r.query.at(1).second;
            if (onRequest) onRequest(date);
            const auto it = weeks.find(date);
            return it == weeks.end() ? answer(200, "3,11,17,24,30,38,9,0") : it->second;
        };
        test::writeHistory(t.historyPath(),
                           {ersteZiehungRecord(), draw(day(2013, 3, 14), {1, 2, 3, 4, 5, 6}, 7),
                            draw(day(2013, 3, 21), {2, 10, 18, 26, 29, 37}, 15),
                            draw(day(2013, 3, 28), {5, 6, 19, 27, 31, 33}, 2)});
        oldHistory = readWholeFile(t.historyPath());
        // The player looks at the draw of 21 March.
        t.form().DateTimePicker1->setDate(day(2013, 3, 21));
        t.app->invoke(t.form(), "SpeedButton5Click", t.form().SpeedButton5);
    }
    std::filesystem::path rebuildFile() const { return t.dir.path() / "Powerball.dat.neu~"; }
    void rebuild() { t.app->invoke(t.form(), "BitBtn2Click", t.form().BitBtn2); }
    void expectIdle() {
        EXPECT_TRUE(t.form().BitBtn1->enabled());
        EXPECT_FALSE(t.form().SpeedButton8->visible());
        EXPECT_FALSE(t.form().Aktualisierunglaeuft);
    }
};

TEST_F(Rebuild, AsksWithNoAsDefaultNamingTheFirstDrawThenReplacesTheHistoryWhenComplete) {
    t.platform.queueAnswer({ScriptedPlatform::Answer::Kind::Default, DialogResult::None, {}});
    rebuild();
    EXPECT_NE(t.takeOutput().find("messagebox \"Ziehungsdaten löschen?\" \"Wollen Sie wirklich "
                                  "alle Ziehungsdaten löschen und dies ab dem 03/07/13 aus dem "
                                  "Internet neu aufbauen??\" -> no"),
              std::string::npos);
    EXPECT_EQ(readWholeFile(t.historyPath()), oldHistory);

    t.answer(DialogResult::Yes);
    rebuild();
    const auto records = test::readHistory(t.historyPath());
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(encodeRecord(records[0]), encodeRecord(ersteZiehungRecord()));
    for (std::size_t i = 1; i < records.size(); ++i)
        EXPECT_EQ(encodeRecord(records[i]),
                  encodeRecord(draw(ErsteZiehung + 7.0 * static_cast<double>(i),
                                    {3, 11, 17, 24, 30, 38}, 9)));
    EXPECT_FALSE(std::filesystem::exists(rebuildFile()));
    EXPECT_EQ(t.form().Datum1, day(2013, 3, 28));
    expectIdle();
}

// However the rebuild ends before today's week, the history is the one the
// player had, the window shows it where it stood, and the player is told.
TEST_F(Rebuild, RebuildThatEndsEarlyKeepsTheOldHistoryWhole) {
    struct Case {
        const char* name;
        std::function<void(Rebuild&)> arrange;
        bool told;  // in a message box of its own, beside the status bar
    };
    const Case cases[] = {
        {"server down", [](Rebuild& r) { r.weeks["20130314"] = noConnection(); }, true},
        {"server error", [](Rebuild& r) { r.weeks["20130321"] = answer(503); }, true},
        {"try later", [](Rebuild& r) { r.weeks["20130321"] = answer(429); }, true},
        {"malformed answer", [](Rebuild& r) { r.weeks["20130321"] = answer(200, "<html>"); }, true},
        {"stop",
         [](Rebuild& r) {
             r.t.platform.onProcessEvents = [&r] {
                 r.t.app->fireEvent(*r.t.form().SpeedButton8, "OnClick");
             };
         },
         false},
        {"file error",  // the new history cannot be written on
         [](Rebuild& r) {
             r.onRequest = [&r](const std::string& week) {
                 if (week != "20130321") return;
                 std::filesystem::remove(r.rebuildFile());
                 std::filesystem::create_directory(r.rebuildFile());
             };
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        weeks.clear();
        onRequest = nullptr;
        t.platform.onProcessEvents = nullptr;
        c.arrange(*this);
        t.answer(DialogResult::Yes);
        for (int i = 0; i < 3; ++i) t.answer(DialogResult::Ok);
        rebuild();
        const std::string out = t.takeOutput();
        t.platform.clearAnswers();
        EXPECT_EQ(readWholeFile(t.historyPath()), oldHistory);
        EXPECT_FALSE(std::filesystem::exists(rebuildFile()));
        EXPECT_EQ(t.form().StatusBar1->panelText(0), kNotRebuilt);
        EXPECT_EQ(out.find(std::string("\"") + kNotRebuilt + "\" -> ok") != std::string::npos,
                  c.told)
            << out;
        EXPECT_EQ(t.form().Datum1, day(2013, 3, 21));
        expectIdle();
    }
}

// A rebuild killed midway leaves its half-built history beside the old one:
// the next start removes it, and the next rebuild never continues it.
TEST_F(Rebuild, HalfBuiltHistoryOfAKilledRebuildIsRemovedAndNotContinued) {
    const auto leaveHalfBuilt = [this] {
        test::writeHistory(rebuildFile(), {ersteZiehungRecord(),
                                           draw(day(2013, 3, 14), {7, 8, 9, 10, 11, 12}, 13)});
    };
    leaveHalfBuilt();
    t.app->start();
    EXPECT_FALSE(std::filesystem::exists(rebuildFile()));
    EXPECT_EQ(readWholeFile(t.historyPath()), oldHistory);

    leaveHalfBuilt();
    t.answer(DialogResult::Yes);
    rebuild();
    const auto records = test::readHistory(t.historyPath());
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].Zahlen[0], 3);
    EXPECT_FALSE(std::filesystem::exists(rebuildFile()));
}

}  // namespace
}  // namespace kugel
