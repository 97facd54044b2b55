// Time of a results update of 450 weeks from a new history, through an HTTP
// proxy on loopback that holds each request for a while before passing it
// on, as a distant server would; one request at a time against several in
// flight at once.

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "model/game.h"
#include "model/main_window.h"
#include "net/curl_http_client.h"
#include "scripted/scripted_platform.h"
#include "shell/application.h"
#include "update/results_download.h"

namespace kugel {
namespace {

constexpr int kWeeks = 450;

// An httplib server on a thread of its own, on a free loopback port.
class LoopbackServer {
  public:
    LoopbackServer() {
        // Headers and body leave in two writes; without this, Nagle's rule
        // holds the body back for the client's delayed acknowledgement
        // (40 ms) on kept-alive connections.
        server.set_tcp_nodelay(true);
        port_ = server.bind_to_any_port("127.0.0.1");
        if (port_ < 0) throw std::runtime_error("cannot listen on loopback");
    }
    ~LoopbackServer() {
        while (thread_.joinable() && !server.is_running()) std::this_thread::yield();
        server.stop();
        if (thread_.joinable()) thread_.join();
    }
    void start() {
        thread_ = std::thread([this] { server.listen_after_bind(); });
    }
    int port() const { return port_; }

    httplib::Server server;

  private:
    int port_ = -1;
    std::thread thread_;
};

// The results server: the real draws of data/, "yyyymmdd" -> answer line.
class ResultsServer : public LoopbackServer {
  public:
    ResultsServer() {
        std::ifstream csv(KUGEL_HISTORY_CSV);
        if (!csv) throw std::runtime_error("history not found: " KUGEL_HISTORY_CSV);
        std::string line;
        std::getline(csv, line);  // header
        while (std::getline(csv, line)) {
            if (line.size() < 11) continue;
            const std::string date = line.substr(0, 4) + line.substr(5, 2) + line.substr(8, 2);
            draws_[date] = line.substr(11);
        }
        server.Get(kResultsPath, [this](const httplib::Request& req, httplib::Response& res) {
            const auto it = draws_.find(req.get_param_value("Datum"));
            res.set_content(it == draws_.end() ? std::string() : it->second + "\r\n", "text/plain");
        });
        start();
    }
    std::size_t draws() const { return draws_.size(); }

  private:
    std::map<std::string, std::string> draws_;
};

// A forward proxy that waits `delay` before passing each request on.
class DelayingProxy : public LoopbackServer {
  public:
    DelayingProxy(int targetPort, std::chrono::milliseconds delay) {
        server.Get(".*", [targetPort, delay](const httplib::Request& req, httplib::Response& res) {
            std::this_thread::sleep_for(delay);
            // The request line names the whole address; only its path and
            // query go on to the one server behind this proxy.
            std::string target = req.target;
            if (const auto scheme = target.find("://"); scheme != std::string::npos) {
                const auto path = target.find('/', scheme + 3);
                target = path == std::string::npos ? "/" : target.substr(path);
            }
            httplib::Client client("127.0.0.1", targetPort);
            client.set_tcp_nodelay(true);
            if (auto answer = client.Get(target)) {
                res.status = answer->status;
                res.set_content(answer->body, "text/plain");
            } else {
                res.status = 502;
            }
        });
        start();
    }
};

// One update of a new history up to the week kWeeks after the first draw.
// Returns the number of stored draws.
std::size_t runUpdate(const std::filesystem::path& dir, int serverPort, int proxyPort,
                      int inFlight) {
    std::filesystem::remove(dir / "Powerball.dat");
    std::ostringstream out;
    ScriptedPlatform platform(out);
    platform.setProgramDirectory(dir.string());
    platform.setToday(ErsteZiehung + kWeeks * ZiehungsAbstand);
    platform.http = [](const HttpRequest& r) { return curlHttpGet(r); };
    if (inFlight > 1) platform.parallelHttp = [inFlight] { return curlRequestQueue(inFlight); };
    Application app(platform);
    TForm1& form = app.form1();
    form.Home = dir.string() + "/";
    form.ZahlenFile = "Powerball.dat";
    form.URLEdit->setText("http://127.0.0.1:" + std::to_string(serverPort));
    form.ProxyHostEdit->setText("127.0.0.1");
    form.ProxyPortEdit->setText(std::to_string(proxyPort));
    app.invoke(form, "KugelmeisterClick", form.BitBtn1);
    return std::filesystem::file_size(dir / "Powerball.dat") / 32;
}

// Arguments: requests in flight, the proxy's delay in milliseconds.
void BM_Update450Weeks(benchmark::State& state) {
    const int inFlight = static_cast<int>(state.range(0));
    const auto delay = std::chrono::milliseconds(state.range(1));
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kugel-update-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    ResultsServer results;
    DelayingProxy proxy(results.port(), delay);
    std::size_t stored = 0;
    for (auto _ : state) stored = runUpdate(dir, results.port(), proxy.port(), inFlight);
    state.counters["draws"] = static_cast<double>(stored);
    state.counters["weeks/s"] = benchmark::Counter(kWeeks, benchmark::Counter::kIsRate);
    std::filesystem::remove_all(dir);
    // Every draw of the data arrives, whatever the number in flight (the
    // first one is the record a new history starts with).
    if (stored != results.draws()) state.SkipWithError("draws lost or added");
}

BENCHMARK(BM_Update450Weeks)
    ->ArgNames({"inFlight", "delayMs"})
    ->Args({1, 100})
    ->Args({6, 100})
    ->Args({1, 0})
    ->Args({6, 0})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace kugel

BENCHMARK_MAIN();
