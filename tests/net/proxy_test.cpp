// Requests through an HTTP proxy (tinyproxy) to the results server.

#include <gtest/gtest.h>

#include <fstream>

#include "child_process.h"
#include "loopback.h"
#include "net/curl_http_client.h"
#include "results_server.h"

namespace kugel::test {
namespace {

constexpr auto kStartLimit = std::chrono::seconds(20);

// tinyproxy in the foreground on a free loopback port, logging each request.
class Tinyproxy {
  public:
    Tinyproxy() : port_(unusedPort()) {
        const auto config = dir_.path() / "tinyproxy.conf";
        std::ofstream(config) << "Port " << port_ << "\n"
                              << "Listen 127.0.0.1\n"
                              << "Allow 127.0.0.1\n"
                              << "Timeout 30\n"
                              << "MaxClients 10\n"
                              << "LogLevel Info\n"
                              << "LogFile \"" << logFile().string() << "\"\n";
        process_ = std::make_unique<ChildProcess>(
            std::vector<std::string>{KUGEL_TINYPROXY_EXE, "-d", "-c", config.string()},
            dir_.path() / "tinyproxy.out", dir_.path() / "tinyproxy.err");
        if (!waitForText(logFile(), "listening on", kStartLimit)) {
            throw std::runtime_error("tinyproxy did not start: " +
                                     readFile(dir_.path() / "tinyproxy.err") + readFile(logFile()));
        }
    }

    int port() const { return port_; }
    std::filesystem::path logFile() const { return dir_.path() / "tinyproxy.log"; }

  private:
    TempDir dir_;
    int port_;
    std::unique_ptr<ChildProcess> process_;
};

constexpr const char* kCsv = "date,n1,n2,n3,n4,n5,n6,pb\n2013-03-07,8,16,19,25,26,29,5\n";

TEST(Proxy, CarriesTheRequestToTheResultsServer) {
    ResultsServer server(kCsv);
    Tinyproxy proxy;
    HttpRequest request = resultsRequest(server.resultsUrl(), "20130307");
    request.proxyHost = "127.0.0.1";
    request.proxyPort = proxy.port();
    const HttpResponse response = curlHttpGet(request);
    ASSERT_TRUE(response.answered) << response.error;
    EXPECT_EQ(response.statusCode, 200);
    EXPECT_EQ(response.body, "8,16,19,25,26,29,5,0\r\n");
    // The proxy saw the request, so it did not go straight to the server.
    EXPECT_NE(readFile(proxy.logFile()).find("/zahlen/kugelAU.asp?Programm=KugelAU&Datum=20130307"),
              std::string::npos)
        << readFile(proxy.logFile());
}

TEST(Proxy, NoProxyListeningIsNoAnswer) {
    ResultsServer server(kCsv);
    HttpRequest request = resultsRequest(server.resultsUrl(), "20130307");
    request.proxyHost = "127.0.0.1";
    request.proxyPort = unusedPort();
    const HttpResponse response = curlHttpGet(request);
    EXPECT_FALSE(response.answered);
    EXPECT_FALSE(response.error.empty());
    EXPECT_EQ(server.log().find("GET "), std::string::npos) << server.log();
}

TEST(Proxy, PortOutsideThePortRangeSendsNothing) {
    ResultsServer server(kCsv);
    for (const int port : {0, -1, 65536, 99999}) {
        SCOPED_TRACE(port);
        HttpRequest request = resultsRequest(server.resultsUrl(), "20130307");
        request.proxyHost = "127.0.0.1";
        request.proxyPort = port;
        const HttpResponse response = curlHttpGet(request);
        EXPECT_FALSE(response.answered);
        EXPECT_EQ(response.error, "Invalid proxy port " + std::to_string(port));
    }
    EXPECT_EQ(server.log().find("GET "), std::string::npos) << server.log();
}

}  // namespace
}  // namespace kugel::test
