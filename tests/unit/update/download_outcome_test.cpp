// How the update ends on answers that are no draws and on a history it must
// not extend; the server is played by a function, one answer per week.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>

#include "model/history_file.h"
#include "platform/dates.h"
#include "platform/durable_file.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using test::day;
using test::draw;

HttpResponse answer(int status, const std::string& reason, const std::string& body = {}) {
    HttpResponse r;
    r.answered = true;
    r.statusCode = status;
    r.statusLine = "HTTP/1.1 " + std::to_string(status) + " " + reason;
    r.body = body;
    return r;
}

struct DownloadOutcome : ::testing::Test {
    test::TestApp t;
    std::map<std::string, HttpResponse> weeks;  // yyyymmdd -> answer; others: empty 200
    std::vector<std::string> asked;
    void SetUp() override {
        t.platform.setToday(day(2013, 3, 28));
        t.platform.http = [this](const HttpRequest& r) {
            const std::string date = r.query.at(1).second;
            asked.push_back(date);
            const auto it = weeks.find(date);
            return it == weeks.end() ? answer(200, "OK") : it->second;
        };
    }
    void update() { t.app->invoke(t.form(), "KugelmeisterClick", t.form().BitBtn1); }
    void expectIdle() {
        EXPECT_TRUE(t.form().BitBtn1->enabled());
        EXPECT_FALSE(t.form().SpeedButton8->visible());
        EXPECT_FALSE(t.form().Aktualisierunglaeuft);
    }
};

// A server error and the client errors that say "try later" alike.
TEST_F(DownloadOutcome, ServerErrorEndsTheUpdateAndTheWeekIsAskedForAgain) {
    const std::pair<int, const char*> statuses[] = {{503, "Service Unavailable"},
                                                    {408, "Request Timeout"},
                                                    {425, "Too Early"},
                                                    {429, "Too Many Requests"}};
    for (const auto& [status, reason] : statuses) {
        SCOPED_TRACE(status);
        test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
        weeks["20130314"] = answer(status, reason);
        weeks["20130321"] = answer(200, "OK", "1,2,3,4,5,6,7,0");
        asked.clear();
        update();
        EXPECT_EQ(asked, std::vector<std::string>{"20130314"});
        EXPECT_EQ(t.form().StatusBar1->panelText(0),
                  "HTTP/1.1 " + std::to_string(status) + " " + reason);
        EXPECT_EQ(test::readHistory(t.historyPath()).size(), 1u);
        expectIdle();

        weeks["20130314"] = answer(200, "OK", "5,9,23,30,35,37,18,0");
        asked.clear();
        update();
        EXPECT_EQ(asked, (std::vector<std::string>{"20130314", "20130321", "20130328"}));
        const auto records = test::readHistory(t.historyPath());
        ASSERT_EQ(records.size(), 3u);
        EXPECT_EQ(records[1].Datum, day(2013, 3, 14));
        EXPECT_EQ(records[2].Datum, day(2013, 3, 21));
    }
}

TEST_F(DownloadOutcome, ClientErrorWeekIsSkippedAndTheNextStored) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    weeks["20130314"] = answer(404, "Not Found");
    weeks["20130321"] = answer(200, "OK", "1,2,3,4,5,6,7,0");
    update();
    EXPECT_EQ(asked.size(), 3u);
    const auto records = test::readHistory(t.historyPath());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].Datum, day(2013, 3, 21));
}

TEST_F(DownloadOutcome, DamagedNewestRecordEndsBeforeTheFirstRequest) {
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), 0.0, -41340.0,
                             std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(bad);
        test::writeHistory(t.historyPath(),
                           {ersteZiehungRecord(), draw(bad, {1, 2, 3, 4, 5, 6}, 7)});
        const std::string before = readWholeFile(t.historyPath());
        t.answer(DialogResult::Ok);
        asked.clear();
        update();
        EXPECT_TRUE(asked.empty());
        EXPECT_NE(t.takeOutput().find("messagebox \"Kugelmeister\" \"Der letzte Datensatz der "
                                      "Ziehungsdaten \\\"" +
                                      t.historyPath().string() + "\\\" ist beschädigt"),
                  std::string::npos);
        EXPECT_EQ(readWholeFile(t.historyPath()), before);
        expectIdle();
    }
}

TEST_F(DownloadOutcome, EmptyHistoryIsBegunWithTheFirstDraw) {
    for (const std::string& content : {std::string(), std::string(7, '\0')}) {
        SCOPED_TRACE(content.size());
        std::ofstream(t.historyPath(), std::ios::binary | std::ios::trunc) << content;
        weeks["20130321"] = answer(200, "OK", "1,2,3,4,5,6,7,0");
        asked.clear();
        update();
        EXPECT_EQ(asked.front(), "20130314");
        const auto records = test::readHistory(t.historyPath());
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(encodeRecord(records[0]), encodeRecord(ersteZiehungRecord()));
        EXPECT_EQ(records[1].Datum, day(2013, 3, 21));
    }
}

TEST_F(DownloadOutcome, LongMalformedAnswerIsShownByItsBeginning) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    // 2 000 characters shown, cut between characters of several bytes each.
    const std::string page = std::string(1999, 'x') + "äöü" + std::string(9000, 'y');
    weeks["20130314"] = answer(200, "OK", page);
    t.answer(DialogResult::Ok);
    update();
    const std::string out = t.takeOutput();
    const std::string shown =
        std::string(1999, 'x') + "ä\\n\\n[... 9002 weitere Zeichen nicht angezeigt]\"";
    EXPECT_NE(out.find("messagebox \"Kugelmeister\" \"" + shown), std::string::npos)
        << out.substr(0, 200);
    EXPECT_EQ(out.find("yyy"), std::string::npos);
    EXPECT_EQ(test::readHistory(t.historyPath()).size(), 1u);
}

// No week holds more than a few draws: an answer of more lines is no week's
// answer, however valid each line, and nothing of it is stored.
TEST_F(DownloadOutcome, AnswerOfMoreLinesThanAWeekHoldsStoresNothing) {
    std::string lines;
    for (int i = 0; i < 16; ++i) lines += "1,2,3,4,5,6,7,0\r\n\r\n";  // blank lines are no draws
    for (const bool tooMany : {false, true}) {
        SCOPED_TRACE(tooMany);
        test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
        weeks["20130314"] = answer(200, "OK", lines + (tooMany ? "1,2,3,4,5,6,7,0" : ""));
        t.answer(DialogResult::Ok);
        update();
        const std::string out = t.takeOutput();
        t.platform.clearAnswers();
        EXPECT_EQ(out.find("messagebox") != std::string::npos, tooMany) << out;
        EXPECT_EQ(test::readHistory(t.historyPath()).size(), tooMany ? 1u : 17u);
        expectIdle();
    }
}

// Text from the server reaches a terminal through the driver and the
// commands; the control characters in it are written out, and a NUL does not
// end the text.
TEST_F(DownloadOutcome, ControlCharactersFromTheServerAreShownWrittenOut) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    using namespace std::string_literals;
    weeks["20130314"] = answer(200, "OK\x1b]0;owned\x07",
                               "\x1b]0;owned\x07\x1b[2J\0after\r\nnext\rline\xC2\x9B"
                               "2J"s);
    t.answer(DialogResult::Ok);
    update();
    EXPECT_NE(t.takeOutput().find("messagebox \"Kugelmeister\" \"\\\\x1B]0;owned\\\\x07\\\\x1B[2J"
                                  "\\\\x00after\\nnext\\nline\\\\u009B2J\" -> ok"),
              std::string::npos);
    EXPECT_EQ(t.form().StatusBar1->panelText(0), "HTTP/1.1 200 OK\\x1B]0;owned\\x07");

    weeks["20130314"] = answer(503, "Busy\x1b[2J");
    update();
    EXPECT_EQ(t.form().StatusBar1->panelText(0), "HTTP/1.1 503 Busy\\x1B[2J");
    EXPECT_EQ(t.form().StatusBar1->panelHint(0), "HTTP/1.1 503 Busy\\x1B[2J");
}

}  // namespace
}  // namespace kugel
