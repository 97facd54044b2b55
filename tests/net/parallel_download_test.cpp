// An update with several requests in flight stores and reports exactly what
// the one-at-a-time update does: same history bytes, same printed lines,
// also when a malformed answer or the user's stop ends it early.
#include <gtest/gtest.h>

#include <thread>

#include "helper_server.h"
#include "model/history_file.h"
#include "net/curl_http_client.h"
#include "platform/dates.h"
#include "platform/durable_file.h"
#include "support/test_app.h"

namespace kugel::test {
namespace {

constexpr int kWeeks = 404;

// Week k after the first draw: a draw most weeks, sometimes none, sometimes
// two lines, an error status now and then, and a malformed line in the week
// `malformedWeek` (0: none). Answers take a little time that varies from
// week to week, so parallel answers arrive out of order.
std::string answerFor(int k, int malformedWeek, int& status) {
    status = 200;
    if (k == malformedWeek) return "<html>Wartung</html>";
    if (k % 37 == 5) {
        status = 404;
        return "not found";
    }
    if (k % 11 == 3) return "";
    auto n = [k](int i) { return (k * 7 + i * 6) % 40 + 1; };  // six different numbers
    std::string line;
    for (int i = 0; i < 6; ++i) line += std::to_string(n(i)) + ",";
    line += std::to_string(k % 20 + 1) + "," + std::to_string(k);
    if (k % 53 == 7) line += "\r\n" + line;
    return line;
}

class ParallelDownloadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        server.server.Get(
            "/zahlen/kugelAU.asp", [this](const httplib::Request& req, httplib::Response& res) {
                const std::string datum = req.get_param_value("Datum");
                const auto date = datum.size() == 8 ? encodeDate(std::stoi(datum.substr(0, 4)),
                                                                 std::stoi(datum.substr(4, 2)),
                                                                 std::stoi(datum.substr(6, 2)))
                                                    : std::nullopt;
                const int k = date ? static_cast<int>((*date - ErsteZiehung) / 7) : -1;
                std::this_thread::sleep_for(std::chrono::microseconds((k * 389) % 3000));
                int status = 200;
                res.set_content(answerFor(k, malformedWeek, status), "text/plain");
                res.status = status;
            });
        server.start();
    }

    struct Outcome {
        std::string history;
        std::string printed;
        std::string panel0;
        double shownDraw = 0;
    };

    // One update of a new history up to the week kWeeks, with `inFlight`
    // requests at once; the user's stop comes after `stopAfter` stored draws.
    Outcome update(int inFlight, int stopAfter = 0) {
        TestApp t;
        t.platform.setToday(ErsteZiehung + kWeeks * 7);
        t.platform.http = [](const HttpRequest& r) { return curlHttpGet(r); };
        if (inFlight > 1)
            t.platform.parallelHttp = [inFlight] { return curlRequestQueue(inFlight); };
        int stored = 0;
        t.platform.onProcessEvents = [&] {
            if (++stored == stopAfter) t.app->fireEvent(*t.form().SpeedButton8, "OnClick");
        };
        t.form().URLEdit->setText(server.url(""));
        t.answer(DialogResult::Ok);  // for the malformed answer
        t.app->invoke(t.form(), "KugelmeisterClick", t.form().BitBtn1);
        EXPECT_FALSE(t.form().Aktualisierunglaeuft);
        return {readWholeFile(t.historyPath()), t.takeOutput(), t.form().StatusBar1->panelText(0),
                t.form().Datum1};
    }

    void expectSame(const Outcome& sequential, const Outcome& parallel) {
        EXPECT_EQ(parallel.history, sequential.history);
        EXPECT_EQ(parallel.printed, sequential.printed);
        EXPECT_EQ(parallel.panel0, sequential.panel0);
        EXPECT_EQ(parallel.shownDraw, sequential.shownDraw);
    }

    HelperServer server;
    int malformedWeek = 0;
};

TEST_F(ParallelDownloadTest, WholeUpdateStoresWhatTheSequentialOneStores) {
    const Outcome sequential = update(1);
    EXPECT_EQ(sequential.history.size() % 32, 0u);
    EXPECT_GT(sequential.history.size() / 32, 300u);  // most weeks have a draw
    expectSame(sequential, update(6));
}

TEST_F(ParallelDownloadTest, MalformedWeekEndsBothAtTheSameWeek) {
    malformedWeek = 200;
    const Outcome sequential = update(1);
    EXPECT_NE(sequential.printed.find("messagebox \"Kugelmeister\" \"<html>Wartung</html>\""),
              std::string::npos);
    EXPECT_EQ(sequential.printed.find(formatYyyymmdd(ErsteZiehung + 201 * 7)), std::string::npos);
    expectSame(sequential, update(6));
}

TEST_F(ParallelDownloadTest, StopEndsBothAfterTheSameDraw) {
    const Outcome sequential = update(1, 100);
    EXPECT_GE(sequential.history.size() / 32, 101u);  // the first draw and the hundred
    EXPECT_LE(sequential.history.size() / 32, 102u);  // (and the second line of their week)
    EXPECT_EQ(sequential.panel0, "Gestoppt");
    expectSame(sequential, update(6, 100));
}

}  // namespace
}  // namespace kugel::test
