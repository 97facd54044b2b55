#include "signal_stop.h"

#include <pthread.h>
#include <signal.h>

namespace kugel::server {

namespace {

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

SignalStop::SignalStop(std::function<void()> stop) : stop_(std::move(stop)) {
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    waiter_ = std::thread([this, set] {
        int signal = 0;
        sigwait(&set, &signal);
        if (!finishing_) {
            signalled_ = true;
            stop_();
        }
    });
}

SignalStop::~SignalStop() {
    // Wakes the waiter when the server ended for another reason.
    finishing_ = true;
    if (!signalled_) {
        pthread_kill(waiter_.native_handle(), SIGTERM);
    }
    waiter_.join();
}

}  // namespace kugel::server
