// The results download end to end: the model's update against the real
// reference server (or a misbehaving raw server) over loopback HTTP.
#include <gtest/gtest.h>

#include "loopback.h"
#include "model/history_file.h"
#include "net/curl_http_client.h"
#include "platform/durable_file.h"
#include "results_server.h"
#include "support/test_app.h"
#include "update/results_download.h"

namespace kugel {
namespace {

using test::day;
using test::draw;

constexpr const char* kCsvHeader = "date,n1,n2,n3,n4,n5,n6,pb,drawnumber\n";

struct DownloadTest : ::testing::Test {
    test::TestApp t;
    void SetUp() override {
        t.platform.http = [](const HttpRequest& r) { return curlHttpGet(r); };
        t.platform.setToday(day(2013, 3, 29));
    }
    void pointAt(const std::string& baseUrl) { t.form().URLEdit->setText(baseUrl); }
    void update() { t.app->invoke(t.form(), "KugelmeisterClick", t.form().BitBtn1); }
    std::string historyBytes() const { return readWholeFile(t.historyPath()); }
    int requests(const std::string& out) const {
        int n = 0;
        for (auto at = out.find("http GET"); at != std::string::npos;
             at = out.find("http GET", at + 1))
            ++n;
        return n;
    }
    void expectIdle() {
        EXPECT_TRUE(t.form().BitBtn1->enabled());
        EXPECT_TRUE(t.form().SpeedButton10->enabled());
        EXPECT_FALSE(t.form().SpeedButton8->visible());
        EXPECT_FALSE(t.form().Aktualisierunglaeuft);
    }
};

TEST_F(DownloadTest, NewHistoryStartsWithTheFirstDrawAndAsksFromTheWeekAfter) {
    test::ResultsServer server(std::string(kCsvHeader) +
                               "2013-03-07,8,16,19,25,26,29,5,877\n"
                               "2013-03-14,5,9,23,30,35,37,18,878\n"
                               "2013-03-28,2,5,21,26,27,28,19,880\n");
    pointAt(server.baseUrl());
    update();
    const std::string out = t.takeOutput();
    EXPECT_NE(
        out.find("http GET " + server.resultsUrl() + "?Programm=KugelAU&Datum=20130314 -> 200"),
        std::string::npos);
    EXPECT_EQ(requests(out), 3);  // 14, 21 (no draw), 28 March; 4 April is after today
    EXPECT_EQ(historyBytes(), encodeRecord(ersteZiehungRecord()) +
                                  encodeRecord(draw(day(2013, 3, 14), {5, 9, 23, 30, 35, 37}, 18)) +
                                  encodeRecord(draw(day(2013, 3, 28), {2, 5, 21, 26, 27, 28}, 19)));
    EXPECT_EQ(t.form().Datum1, day(2013, 3, 28));  // the newest draw is displayed
    EXPECT_EQ(t.form().DateTimePicker1->date(), day(2013, 3, 28));
    EXPECT_EQ(t.form().StatusBar1->panelText(0), "HTTP/1.1 200 OK");
    EXPECT_EQ(t.form().StatusBar1->panelText(1), "Keine Gewähr für die Richtigkeit der Zahlen!");
    expectIdle();
}

TEST_F(DownloadTest, UpToDateHistorySendsNoRequest) {
    test::writeHistory(t.historyPath(),
                       {ersteZiehungRecord(), draw(day(2013, 3, 28), {1, 2, 3, 4, 5, 6}, 7)});
    pointAt("http://127.0.0.1:" + std::to_string(test::unusedPort()));
    update();
    EXPECT_EQ(requests(t.takeOutput()), 0);
    EXPECT_EQ(t.form().Datum1, day(2013, 3, 28));
}

TEST_F(DownloadTest, TwoLinesForOneDateWithBlanksAndUnsortedNumbers) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    t.platform.setToday(day(2013, 3, 14));
    const std::string body = " 40, 3 ,22,1,17,9,20,7\r\n1,2,3,4,5,6,1,0";
    test::RawServer raw("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                            "\r\nConnection: close\r\n\r\n" + body,
                        true);
    pointAt("http://127.0.0.1:" + std::to_string(raw.port()));
    update();
    const auto records = test::readHistory(t.historyPath());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].Datum, day(2013, 3, 14));
    EXPECT_EQ(records[1].Zahlen, (std::array<std::uint8_t, 8>{1, 3, 9, 17, 22, 40, 20, 7}));
    EXPECT_EQ(records[2].Datum, day(2013, 3, 14));
}

TEST_F(DownloadTest, MalformedOrImpossibleLinesEndTheUpdateAndKeepEarlierDraws) {
    const char* bodies[] = {"<html><body>Wartung</body></html>", "1,2,3,4,5,6,25,0",
                            "1,1,3,4,5,6,2,0", "1,2,3,4,5,6,7"};
    for (const char* body : bodies) {
        SCOPED_TRACE(body);
        test::TestApp app;
        app.platform.http = [](const HttpRequest& r) { return curlHttpGet(r); };
        app.platform.setToday(day(2013, 3, 21));
        test::writeHistory(app.historyPath(), {ersteZiehungRecord()});
        const std::string b = body;
        test::RawServer raw("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(b.size()) +
                                "\r\nConnection: close\r\n\r\n" + b,
                            true);
        app.form().URLEdit->setText("http://127.0.0.1:" + std::to_string(raw.port()));
        app.answer(DialogResult::Ok);
        app.app->invoke(app.form(), "KugelmeisterClick", app.form().BitBtn1);
        const std::string out = app.takeOutput();
        EXPECT_NE(out.find("messagebox \"Kugelmeister\" \"" + b + "\""), std::string::npos);
        EXPECT_EQ(requests(out), 1);
        EXPECT_EQ(test::readHistory(app.historyPath()).size(), 1u);
        EXPECT_TRUE(app.form().BitBtn1->enabled());
        EXPECT_FALSE(app.form().SpeedButton8->visible());
    }
}

TEST_F(DownloadTest, ErrorStatusWeeksAreSkipped) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    test::RawServer raw(
        "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found", true);
    pointAt("http://127.0.0.1:" + std::to_string(raw.port()));
    update();
    EXPECT_EQ(requests(t.takeOutput()), 3);
    EXPECT_EQ(t.form().StatusBar1->panelText(0), "HTTP/1.1 404 Not Found");
    EXPECT_EQ(test::readHistory(t.historyPath()).size(), 1u);
    expectIdle();
}

TEST_F(DownloadTest, StopAfterTheFirstStoredDrawEndsBeforeTheNextRequest) {
    test::ResultsServer server(std::string(kCsvHeader) +
                               "2013-03-14,5,9,23,30,35,37,18,878\n"
                               "2013-03-21,3,22,26,32,34,38,18,879\n");
    pointAt(server.baseUrl());
    std::string shownWhileLoading;
    t.platform.onProcessEvents = [&] {
        shownWhileLoading = t.form().Label29->caption();
        t.app->fireEvent(*t.form().SpeedButton8, "OnClick");
    };
    update();
    EXPECT_EQ(shownWhileLoading, "Thu 14.03.13     5  9  23  30  35  37");
    EXPECT_EQ(requests(t.takeOutput()), 1);
    EXPECT_EQ(test::readHistory(t.historyPath()).size(), 2u);
    EXPECT_EQ(t.form().Datum1, day(2013, 3, 14));
    expectIdle();
}

TEST_F(DownloadTest, RebuildAsksThenStartsAgainFromTheFirstDraw) {
    test::ResultsServer server(std::string(kCsvHeader) + "2013-03-14,5,9,23,30,35,37,18,878\n");
    test::writeHistory(t.historyPath(), {draw(day(2013, 3, 28), {1, 2, 3, 4, 5, 6}, 7)});
    pointAt(server.baseUrl());
    t.form().DateTimePicker1->setDate(day(2013, 3, 28));
    t.answer(DialogResult::No);
    t.app->invoke(t.form(), "BitBtn2Click", t.form().BitBtn2);
    EXPECT_NE(
        t.takeOutput().find("messagebox \"Ziehungsdaten löschen?\" \"Wollen Sie wirklich alle "
                            "Ziehungsdaten löschen und dies ab dem 03/07/13 aus dem Internet "
                            "neu aufbauen??\" -> no"),
        std::string::npos);
    EXPECT_EQ(test::readHistory(t.historyPath()).size(), 1u);
    t.answer(DialogResult::Yes);
    t.app->invoke(t.form(), "BitBtn2Click", t.form().BitBtn2);
    const auto records = test::readHistory(t.historyPath());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Datum, ErsteZiehung);
    EXPECT_EQ(records[1].Datum, day(2013, 3, 14));
}

TEST_F(DownloadTest, NoAnswerEndsTheUpdateAtOnceWithTheReason) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    const std::string address = "http://127.0.0.1:" + std::to_string(test::unusedPort());
    pointAt(address);
    t.answer(DialogResult::Ok);
    update();
    const std::string text =
        "Keine Antwort von " + address + kResultsPath + ": Verbindung nicht möglich";
    const std::string out = t.takeOutput();
    EXPECT_EQ(requests(out), 1);
    // The whole text, in the message box for the user who asked, and as the
    // status panel's tool-tip where the panel is too narrow for it.
    EXPECT_NE(out.find("messagebox \"Kugelmeister\" \"" + text + "\" -> ok"), std::string::npos)
        << out;
    EXPECT_EQ(t.form().StatusBar1->panelText(0), text);
    EXPECT_EQ(t.form().StatusBar1->panelHint(0), text);
    EXPECT_EQ(t.form().Datum1, ErsteZiehung);
    expectIdle();
}

TEST_F(DownloadTest, NoAnswerAtStartUpAsksNothing) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    pointAt("http://127.0.0.1:" + std::to_string(test::unusedPort()));
    t.app->userAction([this] { downloadNewDraws(t.form(), UpdateStart::AtStartup); });
    const std::string out = t.takeOutput();
    EXPECT_EQ(requests(out), 1);
    EXPECT_EQ(out.find("messagebox"), std::string::npos) << out;
    EXPECT_NE(t.form().StatusBar1->panelText(0).find("Verbindung nicht möglich"),
              std::string::npos);
    expectIdle();
}

TEST_F(DownloadTest, SilentServerIsBoundedByTheReadTimeOut) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    test::RawServer silent("");
    pointAt("http://127.0.0.1:" + std::to_string(silent.port()));
    t.answer(DialogResult::Ok);
    update();
    EXPECT_EQ(requests(t.takeOutput()), 1);
    EXPECT_NE(t.form().StatusBar1->panelText(0).find("Zeitüberschreitung"), std::string::npos);
    expectIdle();
}

TEST_F(DownloadTest, StopWhileARequestWaitsGivesItUp) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    test::RawServer silent("");
    pointAt("http://127.0.0.1:" + std::to_string(silent.port()));
    // The desktop handles the user's clicks while a request waits; here the
    // stop button is clicked during that wait.
    t.platform.http = [this](const HttpRequest& r) {
        return curlHttpGet(r, [this, &r] {
            t.app->fireEvent(*t.form().SpeedButton8, "OnClick");
            return r.abandon && r.abandon();
        });
    };
    update();
    EXPECT_EQ(requests(t.takeOutput()), 1);
    EXPECT_EQ(t.form().StatusBar1->panelText(0), "Gestoppt");  // a stop is no error
    EXPECT_EQ(t.form().Datum1, ErsteZiehung);
    expectIdle();
}

TEST_F(DownloadTest, BadProxyPortEndsBeforeTheFirstRequest) {
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    pointAt("http://127.0.0.1:" + std::to_string(test::unusedPort()));
    t.form().ProxyHostEdit->setText("127.0.0.1");
    t.form().ProxyPortEdit->setText("80a");
    t.answer(DialogResult::Ok);
    update();
    const std::string out = t.takeOutput();
    EXPECT_EQ(requests(out), 0);
    EXPECT_NE(out.find("'80a' ist kein gültiger Integerwert"), std::string::npos);
    expectIdle();
}

TEST_F(DownloadTest, ProxyPortOutsideThePortRangeEndsBeforeTheFirstRequest) {
    for (const char* port : {"0", "65536", "-80"}) {
        SCOPED_TRACE(port);
        test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
        pointAt("http://127.0.0.1:" + std::to_string(test::unusedPort()));
        t.form().ProxyHostEdit->setText("127.0.0.1");
        t.form().ProxyPortEdit->setText(port);
        t.answer(DialogResult::Ok);
        update();
        const std::string out = t.takeOutput();
        EXPECT_EQ(requests(out), 0);
        EXPECT_NE(out.find(std::string("'") + port + "' ist kein gültiger Integerwert"),
                  std::string::npos);
        expectIdle();
    }
}

TEST_F(DownloadTest, DrawsKeepTheWeekAskedForWhenThePickerMovesMeanwhile) {
    test::ResultsServer server(std::string(kCsvHeader) + "2013-03-14,5,9,23,30,35,37,18,878\n");
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    pointAt(server.baseUrl());
    t.platform.setToday(day(2013, 3, 20));
    t.platform.http = [this](const HttpRequest& r) {
        t.form().DateTimePicker1->setDate(ErsteZiehung);  // the user looks at another draw
        return curlHttpGet(r);
    };
    update();
    EXPECT_EQ(requests(t.takeOutput()), 1);
    const auto records = test::readHistory(t.historyPath());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].Datum, day(2013, 3, 14));
}

TEST_F(DownloadTest, OnlyOneUpdateRunsAtATime) {
    test::ResultsServer server(std::string(kCsvHeader) + "2013-03-14,5,9,23,30,35,37,18,878\n");
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    pointAt(server.baseUrl());
    t.platform.onProcessEvents = [this] {
        t.app->fireEvent(*t.form().Aktualisieren1, "OnClick");
        t.app->invoke(t.form(), "BitBtn2Click", t.form().BitBtn2);  // asks nothing while running
    };
    update();
    EXPECT_EQ(requests(t.takeOutput()), 3);
    EXPECT_EQ(test::readHistory(t.historyPath()).size(), 2u);
}

TEST(ResultLine, ParsesEightWholeNumbers) {
    struct Case {
        const char* line;
        bool ok;
    };
    const Case cases[] = {{"8,16,19,25,26,29,5,0", true},    {" 29 , 8,26,16,25,19, 5 ,0", true},
                          {"8,16,19,25,26,29,5,256", true},  {"8,16,19,25,26,29,5", false},
                          {"8,16,19,25,26,29,5,0,1", false}, {"8,16,19,25,26,x,5,0", false},
                          {"8,16,19,25,26,29,5.0,0", false}, {"8,16,19,25,26,41,5,0", false},
                          {"8,16,19,25,26,29,0,0", false},   {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto z = parseResultLine(c.line, 41340);
        ASSERT_EQ(z.has_value(), c.ok);
        if (z) {
            EXPECT_EQ(z->Zahlen, ersteZiehungRecord().Zahlen);
        }
    }
}

}  // namespace
}  // namespace kugel
