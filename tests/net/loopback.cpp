#include "loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace kugel::test {

namespace {

int listenOnLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        throw std::runtime_error("socket failed");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof(address);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        throw std::runtime_error("cannot listen on loopback");
    }
    port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

int unusedPort() {
    int port = 0;
    close(listenOnLoopback(port));
    return port;
}

RawServer::RawServer(std::string reply, bool closeAfterReply)
    : reply_(std::move(reply)), closeAfterReply_(closeAfterReply) {
    listenFd_ = listenOnLoopback(port_);
    thread_ = std::thread([this] { serve(); });
}

RawServer::~RawServer() {
    stopping_ = true;
    thread_.join();
    close(listenFd_);
}

void RawServer::serve() {
    std::vector<int> open;
    while (!stopping_) {
        pollfd waiting{listenFd_, POLLIN, 0};
        if (poll(&waiting, 1, 20) <= 0) {
            continue;
        }
        const int fd = accept(listenFd_, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        ++connections_;
        // The request is small; one read takes it in.
        char request[4096];
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, 1000) > 0) {
            [[maybe_unused]] const auto ignored = read(fd, request, sizeof(request));
        }
        if (!reply_.empty()) {
            [[maybe_unused]] const auto ignored = write(fd, reply_.data(), reply_.size());
        }
        if (closeAfterReply_) {
            close(fd);
        } else {
            open.push_back(fd);
        }
    }
    for (int fd : open) {
        close(fd);
    }
}

DripServer::DripServer(std::chrono::milliseconds interval, std::chrono::milliseconds duration) {
    listenFd_ = listenOnLoopback(port_);
    thread_ = std::thread([this, interval, duration] {
        pollfd waiting{listenFd_, POLLIN, 0};
        while (!stopping_ && poll(&waiting, 1, 20) <= 0) {
        }
        if (stopping_) return;
        const int fd = accept(listenFd_, nullptr, nullptr);
        if (fd < 0) return;
        char request[4096];
        [[maybe_unused]] const auto ignored = read(fd, request, sizeof(request));
        const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n";
        [[maybe_unused]] const auto sent = write(fd, head.data(), head.size());
        const auto end = std::chrono::steady_clock::now() + duration;
        while (!stopping_ && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(interval);
            if (write(fd, "1", 1) != 1) break;  // the client gave up
            ++bytesSent_;
        }
        close(fd);
    });
}

DripServer::~DripServer() {
    stopping_ = true;
    thread_.join();
    close(listenFd_);
}

namespace {

int connectToLoopback(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) throw std::runtime_error("socket failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        close(fd);
        throw std::runtime_error("cannot connect on loopback");
    }
    return fd;
}

}  // namespace

SlowClients::SlowClients(int port, int count, std::chrono::milliseconds interval) {
    for (int i = 0; i < count; ++i) fds_.push_back(connectToLoopback(port));
    thread_ = std::thread([this, interval] {
        const std::string request = "GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: ";
        std::size_t at = 0;
        while (!stopping_) {
            const char byte = at < request.size() ? request[at] : 'x';
            for (const int fd : fds_)
                [[maybe_unused]] const auto sent = send(fd, &byte, 1, MSG_NOSIGNAL);
            ++at;
            const auto until = std::chrono::steady_clock::now() + interval;
            while (!stopping_ && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
}

SlowClients::~SlowClients() {
    stopping_ = true;
    thread_.join();
    for (const int fd : fds_) close(fd);
}

std::string exchange(int port, const std::string& request, std::chrono::milliseconds wait) {
    const int fd = connectToLoopback(port);
    [[maybe_unused]] const auto sent = send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    std::string answer;
    const auto until = std::chrono::steady_clock::now() + wait;
    char buffer[4096];
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, static_cast<int>(left.count())) <= 0) break;
        const auto n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return answer;
}

}  // namespace kugel::test
