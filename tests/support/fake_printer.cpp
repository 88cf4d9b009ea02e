#include "support/fake_printer.h"

#include <chrono>
#include <cstdint>
#include <stdexcept>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketLength = int;
namespace {
void closeSocket(std::intptr_t s) { closesocket(static_cast<SOCKET>(s)); }
struct Winsock {
    Winsock() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
} winsock;
}  // namespace
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketLength = socklen_t;
namespace {
void closeSocket(std::intptr_t s) { close(static_cast<int>(s)); }
}  // namespace
#endif

namespace andel::test {

FakePrinter::FakePrinter(Mode mode) : mode_(mode) {
    const auto s = socket(AF_INET, SOCK_STREAM, 0);
    listener_ = static_cast<std::intptr_t>(s);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    SocketLength length = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0 || listen(s, mode == Mode::Silent ? 0 : 4) != 0) {
        throw std::runtime_error("the fake printer cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    if (mode == Mode::Silent) {
        // One connection fills the queue nobody takes from: the next one is not answered.
        const auto filler = socket(AF_INET, SOCK_STREAM, 0);
        filler_ = static_cast<std::intptr_t>(filler);
        connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        return;
    }
    thread_ = std::thread([this] { serve(); });
}

FakePrinter::~FakePrinter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
#ifndef _WIN32
    shutdown(static_cast<int>(listener_), SHUT_RDWR);  // wakes the accept that waits
#endif
    closeSocket(listener_);
    if (filler_ != -1) closeSocket(filler_);
    if (thread_.joinable()) thread_.join();
}

void FakePrinter::serve() {
    while (true) {
        const auto client = accept(static_cast<decltype(socket(0, 0, 0))>(listener_), nullptr, nullptr);
        std::intptr_t c = static_cast<std::intptr_t>(client);
        {
            std::lock_guard lock(mutex_);
            if (stopping_) {
                if (c != -1) closeSocket(c);
                return;
            }
        }
        if (c == -1) return;
        std::string job;
        char buffer[4096];
        while (true) {
            const auto n = recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            job.append(buffer, static_cast<std::size_t>(n));
        }
        closeSocket(c);
        std::lock_guard lock(mutex_);
        jobs_.push_back(job);
        changed_.notify_all();
    }
}

std::string FakePrinter::nextJob() {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, std::chrono::seconds(5), [this] { return !jobs_.empty(); })) return {};
    std::string job = jobs_.front();
    jobs_.erase(jobs_.begin());
    return job;
}

}  // namespace andel::test
