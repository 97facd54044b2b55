#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

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

}  // namespace kugel::test
