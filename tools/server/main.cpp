// kugelmeister-server: the vendor's side of the program, so it works out of
// the box and tests talk to real HTTP: the results script of the draw history
// (from a CSV file), the cart service, the click-script templates and the
// vendor's pages.

#include <httplib.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <mutex>

#include "cart_routes.h"
#include "draw_store.h"
#include "results_routes.h"
#include "script_routes.h"
#include "signal_stop.h"
#include "site_routes.h"

namespace {

constexpr int kDefaultPort = 8089;
constexpr const char* kDefaultDataName = "draws.csv";

// A client that sends or reads slowly holds one worker until a time-out ends
// its connection; the pool is far larger than the few connections real
// clients open, so a handful of slow ones cannot keep the others waiting.
constexpr std::size_t kWorkers = 64;
constexpr auto kReadTimeOut = std::chrono::seconds(5);
constexpr auto kWriteTimeOut = std::chrono::seconds(5);
constexpr time_t kKeepAliveSeconds = 2;
// A whole update of every week since the first draw (some 450 requests over
// six connections) goes over connections that stay open; the library's
// default of five requests per connection made every fifth one reconnect.
constexpr std::size_t kRequestsPerConnection = 100000;
// Every request the server answers is a GET without a body; a body is read
// only up to this size, never buffered whole.
constexpr std::size_t kMaxRequestBody = 4096;

std::filesystem::path executableDir(const char* argv0) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::absolute(argv0).parent_path() : self.parent_path();
}

// Where the shipped draws and scripts lie: beside the program in a build
// tree, under share/kugelmeister beside bin/ when installed.
std::filesystem::path shippedFilesDir(const char* argv0) {
    const std::filesystem::path dir = executableDir(argv0);
    const std::filesystem::path installed = dir.parent_path() / "share" / "kugelmeister";
    std::error_code error;
    if (!std::filesystem::exists(dir / kDefaultDataName, error) &&
        std::filesystem::exists(installed / kDefaultDataName, error))
        return installed;
    return dir;
}

// The library's default also sets SO_REUSEPORT, which lets a second server
// bind the same port and silently take half of the requests; only address
// reuse (a quick restart) is wanted.
void reuseAddressOnly(httplib::Server& server) {
    server.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
}

void limitClients(httplib::Server& server) {
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    server.set_read_timeout(kReadTimeOut);
    server.set_write_timeout(kWriteTimeOut);
    server.set_keep_alive_timeout(kKeepAliveSeconds);
    server.set_keep_alive_max_count(kRequestsPerConnection);
    server.set_payload_max_length(kMaxRequestBody);
    // An answer leaves as two writes, headers and body; without this,
    // Nagle's rule holds the body back for the client's delayed
    // acknowledgement (40 ms) on every kept-alive connection.
    server.set_tcp_nodelay(true);
}

// Lets a supervisor (or a test) see that the server answers without asking
// for draws.
void registerHealthRoute(httplib::Server& server) {
    server.Get("/health", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("ok\n", "text/plain");
    });
}

void logRequests(httplib::Server& server) {
    static std::mutex outputMutex;
    server.set_logger([](const httplib::Request& request, const httplib::Response& response) {
        std::lock_guard lock(outputMutex);
        std::cout << request.method << ' ' << request.target << ' ' << response.status << std::endl;
    });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Serves the draw results of a CSV file to Kugelmeister."};
    app.name("kugelmeister-server");
    app.set_version_flag("--version", "kugelmeister-server " KUGEL_VERSION);
    app.failure_message([](const CLI::App*, const CLI::Error& error) {
        return "kugelmeister-server: " + std::string(error.what()) +
               "\nRun with --help for more information.\n";
    });
    std::string address = "127.0.0.1";
    int port = kDefaultPort;
    std::string dataFile;
    app.add_option("--address", address, "address to listen on")->capture_default_str();
    app.add_option("--port", port, "port to listen on (0: any free port)")
        ->capture_default_str()
        ->check(CLI::Range(0, 65535));
    app.add_option("--data", dataFile, "draws CSV (default: draws.csv beside the program)");
    std::string scriptDir;
    app.add_option("--scripts", scriptDir,
                   "click-script templates served (default: Script beside the program)");
    kugel::server::CartOptions cart;
    app.add_flag("--cart-error", cart.error,
                 "the cart service answers 500 with a \"Mitteilung\" page");
    app.add_option("--cart-answer", cart.answer,
                   "the cart service answers this text instead of a cart address");
    app.add_option("--cart-status", cart.status, "the status sent with --cart-answer")
        ->check(CLI::Range(100, 599));
    CLI11_PARSE(app, argc, argv);

    const std::filesystem::path data = dataFile.empty()
                                           ? shippedFilesDir(argv[0]) / kDefaultDataName
                                           : std::filesystem::path(dataFile);
    kugel::server::DrawStore store(data, std::cerr);
    if (!store.load()) {
        std::cerr << "kugelmeister-server: cannot load draws from " << data.string() << std::endl;
        return 1;
    }

    if (scriptDir.empty()) scriptDir = (shippedFilesDir(argv[0]) / "Script").string();

    httplib::Server server;
    kugel::server::SignalStop signalStop([&server] { server.stop(); });
    reuseAddressOnly(server);
    limitClients(server);
    kugel::server::registerResultsRoutes(server, store);
    kugel::server::registerCartRoutes(server, cart);
    kugel::server::registerScriptRoutes(server, scriptDir);
    kugel::server::registerSiteRoutes(server, store);
    registerHealthRoute(server);
    logRequests(server);

    const int bound = port == 0                            ? server.bind_to_any_port(address)
                      : server.bind_to_port(address, port) ? port
                                                           : -1;
    if (bound < 0) {
        std::cerr << "kugelmeister-server: cannot listen on " << address << ':' << port
                  << " (port in use or address not available)" << std::endl;
        return 1;
    }
    std::cout << "listening on http://" << address << ':' << bound << std::endl;
    std::cerr << "serving " << store.drawCount() << " draws from " << data.string() << std::endl;

    const bool ok = server.listen_after_bind();
    if (!ok && !signalStop.signalled()) {
        std::cerr << "kugelmeister-server: the server stopped with an error" << std::endl;
        return 1;
    }
    return 0;
}
