#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace kugel::server {

// Turns SIGINT and SIGTERM into a call of `stop` on a thread of its own, so
// the server shuts down through its ordinary path instead of inside a signal
// handler. Construct it before any other thread starts: the signals are
// blocked for every thread created afterwards.
class SignalStop {
  public:
    explicit SignalStop(std::function<void()> stop);
    ~SignalStop();
    SignalStop(const SignalStop&) = delete;
    SignalStop& operator=(const SignalStop&) = delete;

    bool signalled() const { return signalled_; }

  private:
    std::function<void()> stop_;
    std::thread waiter_;
    std::atomic<bool> signalled_ = false;
    std::atomic<bool> finishing_ = false;
};

}  // namespace kugel::server
