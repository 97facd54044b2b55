#pragma once

#include <httplib.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace kugel::test {

// An httplib server on a thread of the test, on a free loopback port.
class HelperServer {
  public:
    HelperServer() {
        port_ = server.bind_to_any_port("127.0.0.1");
        if (port_ < 0) {
            throw std::runtime_error("helper server cannot listen");
        }
    }
    ~HelperServer() {
        // stop() only ends a loop that has started.
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (thread_.joinable() && !server.is_running() &&
               std::chrono::steady_clock::now() < limit) {
            std::this_thread::yield();
        }
        server.stop();
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    void start() {
        // The port is bound already, so connections wait in its backlog.
        thread_ = std::thread([this] { server.listen_after_bind(); });
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    httplib::Server server;

  private:
    int port_ = -1;
    std::thread thread_;
};

}  // namespace kugel::test
