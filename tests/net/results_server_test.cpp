// The results script of kugelmeister-server, asked through the program's own
// HTTP client.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "net/curl_http_client.h"
#include "results_server.h"

namespace kugel::test {
namespace {

// One draw on 7 March, two on 14 March (the second with an extra value), a
// line the server must skip, and nothing on 21 March.
constexpr const char* kFixtureCsv =
    "date,n1,n2,n3,n4,n5,n6,pb,extra,drawnumber\n"
    "2013-03-07,8,16,19,25,26,29,5,,877\n"
    "2013-03-14,5,9,23,30,35,37,18,3,878\n"
    "2013-03-14, 1, 2, 3, 4, 5, 6, 7,0,879\r\n"
    "2013-03-15,1,2,x,4,5,6,7,0,880\n"
    "2013-03-28,2,5,21,26,27,28,19,0,881\n";

class ResultsServerTest : public ::testing::Test {
  protected:
    ResultsServer server{kFixtureCsv};
};

struct ResultsCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> query;
    int status;
    const char* body;  // nullptr: any text
};

TEST_F(ResultsServerTest, AnswersEachDateAsSpecified) {
    const std::vector<ResultsCase> cases = {
        {"one draw",
         {{"Programm", "KugelAU"}, {"Datum", "20130307"}},
         200,
         "8,16,19,25,26,29,5,0\r\n"},
        {"two draws",
         {{"Programm", "KugelAU"}, {"Datum", "20130314"}},
         200,
         "5,9,23,30,35,37,18,3\r\n1,2,3,4,5,6,7,0\r\n"},
        {"no draw", {{"Programm", "KugelAU"}, {"Datum", "20130321"}}, 200, ""},
        {"skipped line's date", {{"Programm", "KugelAU"}, {"Datum", "20130315"}}, 200, ""},
        {"after a bad line",
         {{"Programm", "KugelAU"}, {"Datum", "20130328"}},
         200,
         "2,5,21,26,27,28,19,0\r\n"},
        {"no Programm", {{"Datum", "20130307"}}, 200, "8,16,19,25,26,29,5,0\r\n"},
        {"missing Datum", {{"Programm", "KugelAU"}}, 400, nullptr},
        {"empty Datum", {{"Programm", "KugelAU"}, {"Datum", ""}}, 400, nullptr},
        {"seven digits", {{"Programm", "KugelAU"}, {"Datum", "2013037"}}, 400, nullptr},
        {"nine digits", {{"Programm", "KugelAU"}, {"Datum", "201303070"}}, 400, nullptr},
        {"dashes", {{"Programm", "KugelAU"}, {"Datum", "2013-03-07"}}, 400, nullptr},
        {"30 February", {{"Programm", "KugelAU"}, {"Datum", "20130230"}}, 400, nullptr},
        {"month 13", {{"Programm", "KugelAU"}, {"Datum", "20131301"}}, 400, nullptr},
        {"letters", {{"Programm", "KugelAU"}, {"Datum", "2013O307"}}, 400, nullptr},
        {"blank and ampersand",
         {{"Programm", "KugelAU"}, {"Datum", "2013 0307&Datum=20130307"}},
         400,
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HttpRequest request = resultsRequest(server.resultsUrl(), "");
        request.query = c.query;
        const HttpResponse response = curlHttpGet(request);
        ASSERT_TRUE(response.answered) << response.error;
        EXPECT_EQ(response.statusCode, c.status);
        if (c.body != nullptr) {
            EXPECT_EQ(response.body, c.body);
        } else {
            EXPECT_FALSE(response.body.empty());
        }
    }
}

TEST_F(ResultsServerTest, StatusLineIsTheServersOwn) {
    const HttpResponse ok = curlHttpGet(resultsRequest(server.resultsUrl(), "20130307"));
    EXPECT_EQ(ok.statusLine, "HTTP/1.1 200 OK");
    const HttpResponse bad = curlHttpGet(resultsRequest(server.resultsUrl(), "20130230"));
    EXPECT_EQ(bad.statusLine, "HTTP/1.1 400 Bad Request");
}

TEST_F(ResultsServerTest, ReportsTheSkippedLine) {
    const std::string errors = server.errors();
    EXPECT_NE(errors.find(":5: skipped"), std::string::npos) << errors;
    EXPECT_NE(errors.find("2013-03-15,1,2,x"), std::string::npos) << errors;
}

TEST_F(ResultsServerTest, ServesADrawAddedWhileRunning) {
    const HttpResponse before = curlHttpGet(resultsRequest(server.resultsUrl(), "20130321"));
    ASSERT_TRUE(before.answered) << before.error;
    EXPECT_EQ(before.body, "");

    std::ofstream(server.csvFile(), std::ios::app) << "2013-03-21,3,22,26,32,34,38,18,0,882\n";

    const HttpResponse after = curlHttpGet(resultsRequest(server.resultsUrl(), "20130321"));
    ASSERT_TRUE(after.answered) << after.error;
    EXPECT_EQ(after.body, "3,22,26,32,34,38,18,0\r\n");
    // The draws read before are still there.
    const HttpResponse old = curlHttpGet(resultsRequest(server.resultsUrl(), "20130307"));
    EXPECT_EQ(old.body, "8,16,19,25,26,29,5,0\r\n");
}

TEST_F(ResultsServerTest, LogsEachRequest) {
    curlHttpGet(resultsRequest(server.resultsUrl(), "20130307"));
    EXPECT_TRUE(waitForText(server.csvFile().parent_path() / "server.out",
                            "GET /zahlen/kugelAU.asp?Programm=KugelAU&Datum=20130307 200",
                            std::chrono::seconds(10)))
        << server.log();
}

TEST_F(ResultsServerTest, EndsCleanlyOnSigterm) {
    EXPECT_EQ(server.process().terminate(), 0);
    const HttpResponse response = curlHttpGet(resultsRequest(server.resultsUrl(), "20130307"));
    EXPECT_FALSE(response.answered);
}

TEST_F(ResultsServerTest, RefusesAPortInUse) {
    TempDir dir;
    auto second =
        startServer({"--port", std::to_string(server.port()), "--data", server.csvFile().string()},
                    dir.path(), "second");
    EXPECT_EQ(second->waitForExit(std::chrono::seconds(20)), 1);
    EXPECT_NE(readFile(dir.path() / "second.err").find("cannot listen"), std::string::npos);
}

// Slow clients hold a worker each until their time-out; they must not keep
// everyone else waiting, and a large body is refused, not buffered.
TEST_F(ResultsServerTest, AnswersWhileManyClientsHangAndRefusesLargeBodies) {
    SlowClients slow(server.port(), 32, std::chrono::milliseconds(300));
    ASSERT_EQ(slow.connected(), 32);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // all of them accepted
    HttpRequest health;
    health.url = server.baseUrl() + "/health";
    health.readTimeoutMs = 3000;  // shorter than the server's own read time-out
    const HttpResponse response = curlHttpGet(health);
    EXPECT_TRUE(response.answered) << response.error;
    EXPECT_EQ(response.statusCode, 200);
    EXPECT_EQ(response.body, "ok\n");

    // A body beyond the server's small limit is read past, not kept.
    const std::string answer =
        exchange(server.port(),
                 "POST /zahlen/kugelAU.asp HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
                 "Content-Length: 65536\r\n\r\n" +
                     std::string(65536, 'x'),
                 std::chrono::seconds(10));
    EXPECT_TRUE(answer.starts_with("HTTP/1.1 413")) << answer.substr(0, 100);
}

TEST(ResultsServerStart, FailsWithoutItsData) {
    TempDir dir;
    auto server = startServer({"--port", "0", "--data", (dir.path() / "none.csv").string()},
                              dir.path(), "server");
    EXPECT_EQ(server->waitForExit(std::chrono::seconds(20)), 1);
    EXPECT_NE(readFile(dir.path() / "server.err").find("cannot load draws"), std::string::npos);
}

}  // namespace
}  // namespace kugel::test
