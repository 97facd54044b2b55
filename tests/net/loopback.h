#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"

namespace kugel::test {

// A port on 127.0.0.1 that nothing listened on a moment ago.
int unusedPort();

// A raw TCP server on 127.0.0.1 for behaviour no well-behaved HTTP server
// shows: it accepts connections, reads the request and writes `reply` (maybe
// nothing), then keeps the connection open without another byte until it is
// destroyed, or closes it at once when `closeAfterReply` is set.
class RawServer {
  public:
    explicit RawServer(std::string reply, bool closeAfterReply = false);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;

    int port() const { return port_; }
    int connections() const { return connections_; }

  private:
    void serve();

    std::string reply_;
    bool closeAfterReply_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_ = false;
    std::atomic<int> connections_ = 0;
    std::thread thread_;
};

// `count` connections to a server on 127.0.0.1 that send a request one byte
// at a time, a byte every `interval` on each, and never finish it: clients
// too slow for any server to wait on.
class SlowClients {
  public:
    SlowClients(int port, int count, std::chrono::milliseconds interval);
    ~SlowClients();
    SlowClients(const SlowClients&) = delete;
    SlowClients& operator=(const SlowClients&) = delete;

    int connected() const { return static_cast<int>(fds_.size()); }

  private:
    std::vector<int> fds_;
    std::atomic<bool> stopping_ = false;
    std::thread thread_;
};

// Sends `request` on a new connection and returns what the server answers
// until it closes the connection or `wait` passes.
std::string exchange(int port, const std::string& request, std::chrono::milliseconds wait);

// Answers the first connection with a status line and headers for a long
// body, then one body byte every `interval` for at most `duration`, and
// closes: a server that is never silent long enough for a read time-out.
class DripServer {
  public:
    DripServer(std::chrono::milliseconds interval, std::chrono::milliseconds duration);
    ~DripServer();
    DripServer(const DripServer&) = delete;
    DripServer& operator=(const DripServer&) = delete;

    int port() const { return port_; }
    int bytesSent() const { return bytesSent_; }

  private:
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_ = false;
    std::atomic<int> bytesSent_ = 0;
    std::thread thread_;
};

}  // namespace kugel::test
