// The libcurl client against small servers that show one behaviour each.

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "helper_server.h"
#include "loopback.h"
#include "net/curl_http_client.h"
#include "results_server.h"

namespace kugel::test {
namespace {

HttpRequest plainRequest(const std::string& url) {
    HttpRequest request;
    request.url = url;
    request.userAgent = "Kugelmeister";
    request.accept = "text/html, */*";
    return request;
}

class CurlHttpClientTest : public ::testing::Test {
  protected:
    void SetUp() override {
        helper.server.Get("/echo", [](const httplib::Request& req, httplib::Response& res) {
            std::string text = req.target + "\n";
            for (const auto& [key, value] : req.params) {
                text += key + "=[" + value + "]\n";
            }
            text += "User-Agent=[" + req.get_header_value("User-Agent") + "]\n";
            text += "Accept=[" + req.get_header_value("Accept") + "]\n";
            text += "Cookie=[" + req.get_header_value("Cookie") + "]\n";
            res.set_content(text, "text/plain");
        });
        helper.server.Get("/set-cookie", [](const httplib::Request& req, httplib::Response& res) {
            res.set_header("Set-Cookie", req.get_param_value("name") + "=jar; Path=/");
            res.set_content("", "text/plain");
        });
        helper.server.Get(
            R"(/hop/(\d+))", [this](const httplib::Request& req, httplib::Response& res) {
                const int left = std::stoi(req.matches[1]);
                res.set_redirect(left == 0 ? target : "/hop/" + std::to_string(left - 1), 302);
            });
        helper.server.Get("/ansi", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("Gr\xFC\xDF\x65 \x80 \x93x\x94\r\n",
                            "text/plain; charset=windows-1252");
        });
        helper.server.Get("/dated", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Last-Modified", "Thu, 07 Mar 2013 12:00:00 GMT");
            res.set_content("x", "text/plain");
        });
        helper.server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("no such page", "text/plain");
        });
        helper.start();
        target = helper.url("/echo");
    }

    HelperServer helper;
    std::string target;  // where the last hop of /hop/N leads
};

TEST_F(CurlHttpClientTest, EncodesQueryParametersInOrder) {
    HttpRequest request = plainRequest(helper.url("/echo"));
    request.query = {{"Programm", "Kugel AU&x=1"}, {"Datum", "100%/ü"}, {"a b", ""}};
    const HttpResponse response = curlHttpGet(request);
    ASSERT_TRUE(response.answered) << response.error;
    EXPECT_EQ(response.body.substr(0, response.body.find('\n')),
              "/echo?Programm=Kugel%20AU%26x%3D1&Datum=100%25%2F%C3%BC&a%20b=");
    EXPECT_NE(response.body.find("Programm=[Kugel AU&x=1]\n"), std::string::npos);
    EXPECT_NE(response.body.find("a b=[]\n"), std::string::npos);
    EXPECT_EQ(response.body.find("x=["), std::string::npos);
}

TEST_F(CurlHttpClientTest, SendsUserAgentAndAccept) {
    const HttpResponse response = curlHttpGet(plainRequest(helper.url("/echo")));
    ASSERT_TRUE(response.answered) << response.error;
    EXPECT_NE(response.body.find("User-Agent=[Kugelmeister]\n"), std::string::npos);
    EXPECT_NE(response.body.find("Accept=[text/html, */*]\n"), std::string::npos);
}

TEST_F(CurlHttpClientTest, KeepsCookiesAcrossRequests) {
    HttpRequest set = plainRequest(helper.url("/set-cookie"));
    set.query = {{"name", "kept"}};
    ASSERT_TRUE(curlHttpGet(set).answered);

    const HttpResponse withJar = curlHttpGet(plainRequest(helper.url("/echo")));
    EXPECT_NE(withJar.body.find("kept=jar"), std::string::npos) << withJar.body;

    HttpRequest without = plainRequest(helper.url("/echo"));
    without.cookies = false;
    const HttpResponse noJar = curlHttpGet(without);
    EXPECT_NE(noJar.body.find("Cookie=[]\n"), std::string::npos) << noJar.body;
}

TEST_F(CurlHttpClientTest, DecodesTheBodyFromWindows1252) {
    const HttpResponse response = curlHttpGet(plainRequest(helper.url("/ansi")));
    ASSERT_TRUE(response.answered) << response.error;
    EXPECT_EQ(response.body, "Grüße € “x”\r\n");
}

TEST_F(CurlHttpClientTest, ReportsErrorStatusesAsAnswers) {
    const HttpResponse response = curlHttpGet(plainRequest(helper.url("/missing")));
    ASSERT_TRUE(response.answered) << response.error;
    EXPECT_EQ(response.statusCode, 404);
    EXPECT_EQ(response.statusLine, "HTTP/1.1 404 Not Found");
    EXPECT_EQ(response.body, "no such page");
}

TEST_F(CurlHttpClientTest, ConvertsLastModifiedToADayValue) {
    const HttpResponse dated = curlHttpGet(plainRequest(helper.url("/dated")));
    ASSERT_TRUE(dated.lastModified.has_value());
    EXPECT_DOUBLE_EQ(*dated.lastModified, 41340.5);  // 7 March 2013, noon
    EXPECT_FALSE(curlHttpGet(plainRequest(helper.url("/echo"))).lastModified.has_value());
}

TEST_F(CurlHttpClientTest, FollowsRedirectsUpToTheLimit) {
    struct Case {
        int hops;
        int maxRedirects;
        bool answered;
    };
    for (const Case c :
         {Case{3, 15, true}, Case{15, 15, true}, Case{16, 15, false}, Case{2, 1, false}}) {
        SCOPED_TRACE(testing::Message() << c.hops << " hops, limit " << c.maxRedirects);
        HttpRequest request = plainRequest(helper.url("/hop/" + std::to_string(c.hops - 1)));
        request.maxRedirects = c.maxRedirects;
        const HttpResponse response = curlHttpGet(request);
        EXPECT_EQ(response.answered, c.answered) << response.error;
        if (c.answered) {
            EXPECT_EQ(response.statusCode, 200);
            EXPECT_EQ(response.body.substr(0, 6), "/echo\n");
        }
        if (!c.answered) {
            EXPECT_FALSE(response.error.empty());
        }
    }
}

TEST_F(CurlHttpClientTest, WithoutRedirectsTheRedirectItselfIsTheAnswer) {
    HttpRequest request = plainRequest(helper.url("/hop/0"));
    request.maxRedirects = 0;
    const HttpResponse response = curlHttpGet(request);
    ASSERT_TRUE(response.answered) << response.error;
    EXPECT_EQ(response.statusCode, 302);
}

TEST_F(CurlHttpClientTest, RedirectReachesTheResultsScript) {
    ResultsServer results("date,n1,n2,n3,n4,n5,n6,pb\n2013-03-07,8,16,19,25,26,29,5\n");
    target = results.resultsUrl() + "?Programm=KugelAU&Datum=20130307";
    const HttpResponse response = curlHttpGet(plainRequest(helper.url("/hop/1")));
    ASSERT_TRUE(response.answered) << response.error;
    EXPECT_EQ(response.statusLine, "HTTP/1.1 200 OK");
    EXPECT_EQ(response.body, "8,16,19,25,26,29,5,0\r\n");
}

TEST(CurlHttpClientFailure, RefusedConnectionIsNoAnswer) {
    HttpRequest request = resultsRequest(
        "http://127.0.0.1:" + std::to_string(unusedPort()) + "/zahlen/kugelAU.asp", "20130307");
    const HttpResponse response = curlHttpGet(request);
    EXPECT_FALSE(response.answered);
    EXPECT_FALSE(response.error.empty());
    EXPECT_EQ(response.statusLine, "");
}

TEST(CurlHttpClientFailure, SilentServerEndsAfterTheReadTimeOut) {
    RawServer silent("");
    HttpRequest request = plainRequest("http://127.0.0.1:" + std::to_string(silent.port()) + "/");
    request.readTimeoutMs = 500;
    const HttpResponse response = curlHttpGet(request);
    EXPECT_FALSE(response.answered);
    EXPECT_FALSE(response.error.empty());
    EXPECT_EQ(silent.connections(), 1);
}

TEST(CurlHttpClientFailure, DrippingServerEndsAtTheOverallDeadline) {
    // A byte every 100 ms never lets the 400 ms read time-out expire; only
    // the overall deadline ends the request, long before the server would.
    DripServer drip(std::chrono::milliseconds(100), std::chrono::seconds(20));
    HttpRequest request = plainRequest("http://127.0.0.1:" + std::to_string(drip.port()) + "/");
    request.readTimeoutMs = 400;
    request.totalTimeoutMs = 1500;
    const HttpResponse response = curlHttpGet(request);
    EXPECT_FALSE(response.answered);
    EXPECT_NE(response.error.find("overall time limit"), std::string::npos) << response.error;
    EXPECT_GT(drip.bytesSent(), 4);  // the read time-out alone never fired
}

TEST(CurlHttpClientFailure, StallingAfterTheStatusLineIsNoAnswer) {
    RawServer stalling("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n1,2,3,4,5,6,7,0\r\n1,2");
    HttpRequest request = plainRequest("http://127.0.0.1:" + std::to_string(stalling.port()) + "/");
    request.readTimeoutMs = 500;
    const HttpResponse response = curlHttpGet(request);
    EXPECT_FALSE(response.answered);
    EXPECT_EQ(response.statusLine, "HTTP/1.1 200 OK");
    EXPECT_EQ(response.body, "");
}

TEST(CurlHttpClientFailure, TruncatedBodyIsNoAnswer) {
    RawServer truncating("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n1,2,3,4,5,6,7,0\r\n1,2",
                         true);
    const HttpResponse response =
        curlHttpGet(plainRequest("http://127.0.0.1:" + std::to_string(truncating.port()) + "/"));
    EXPECT_FALSE(response.answered);
    EXPECT_FALSE(response.error.empty());
}

TEST(CurlHttpClientPump, IsCalledWhileWaitingAndCanAbandonTheRequest) {
    RawServer silent("");
    HttpRequest request = plainRequest("http://127.0.0.1:" + std::to_string(silent.port()) + "/");
    request.readTimeoutMs = 60000;
    int calls = 0;
    const HttpResponse response = curlHttpGet(request, [&calls] { return ++calls == 3; });
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(response.answered);
    EXPECT_NE(response.error.find("aborted"), std::string::npos) << response.error;
}

}  // namespace
}  // namespace kugel::test
