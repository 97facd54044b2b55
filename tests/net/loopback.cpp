#include "loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
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

}  // namespace kugel::test
