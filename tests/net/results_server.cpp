#include "results_server.h"

#include <fstream>
#include <stdexcept>

namespace kugel::test {

namespace {

constexpr auto kStartLimit = std::chrono::seconds(20);
constexpr const char* kListening = "listening on http://127.0.0.1:";

}  // namespace

std::unique_ptr<ChildProcess> startServer(const std::vector<std::string>& arguments,
                                          const std::filesystem::path& dir,
                                          const std::string& name) {
    std::vector<std::string> argv{KUGEL_SERVER_EXE};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return std::make_unique<ChildProcess>(argv, dir / (name + ".out"), dir / (name + ".err"));
}

ResultsServer::ResultsServer(const std::string& csv, const std::vector<std::string>& options)
    : csvFile_(dir_.path() / "draws.csv") {
    std::ofstream(csvFile_, std::ios::binary) << csv;
    std::vector<std::string> arguments{"--port", "0", "--data", csvFile_.string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    process_ = startServer(arguments, dir_.path(), "server");
    if (!waitForText(dir_.path() / "server.out", "\n", kStartLimit)) {
        throw std::runtime_error("kugelmeister-server did not start: " + errors());
    }
    const std::string out = log();
    const auto at = out.find(kListening);
    if (at == std::string::npos) {
        throw std::runtime_error("unexpected start message: " + out);
    }
    port_ = std::stoi(out.substr(at + std::string(kListening).size()));
}

std::string ResultsServer::baseUrl() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::string ResultsServer::resultsUrl() const {
    return baseUrl() + "/zahlen/kugelAU.asp";
}

std::string ResultsServer::log() const {
    return readFile(dir_.path() / "server.out");
}

std::string ResultsServer::errors() const {
    return readFile(dir_.path() / "server.err");
}

HttpRequest resultsRequest(const std::string& url, const std::string& datum) {
    HttpRequest request;
    request.url = url;
    request.query = {{"Programm", "KugelAU"}, {"Datum", datum}};
    request.userAgent = "Kugelmeister";
    request.accept = "text/html, */*";
    return request;
}

}  // namespace kugel::test
