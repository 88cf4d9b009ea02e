#include "platform/raw_printer_port.h"

#include "platform/io_error.h"

#include <chrono>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace andel {
namespace {

using Clock = std::chrono::steady_clock;

bool allDigits(const std::string& text) {
    return !text.empty() && text.size() <= 6 && text.find_first_not_of("0123456789") == std::string::npos;
}

int millisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

[[noreturn]] void fail(const RawPrinterAddress& address, const std::string& why) {
    throw IoError("Kvitteringsskriveren " + rawPrinterName(address) + " " + why);
}

#ifdef _WIN32
using Socket = SOCKET;
constexpr Socket kNoSocket = INVALID_SOCKET;
void closeSocket(Socket s) { closesocket(s); }
bool wouldBlock() { return WSAGetLastError() == WSAEWOULDBLOCK; }
constexpr int kNoSignal = 0;
struct Winsock {
    Winsock() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { WSACleanup(); }
};
void setNonBlocking(Socket s) {
    u_long on = 1;
    ioctlsocket(s, FIONBIO, &on);
}
// Waits until the socket can be written; false on the deadline.
bool waitWritable(Socket s, int milliseconds) {
    fd_set write, failed;
    FD_ZERO(&write);
    FD_ZERO(&failed);
    FD_SET(s, &write);
    FD_SET(s, &failed);
    timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
    return select(0, nullptr, &write, &failed, &wait) > 0 && FD_ISSET(s, &write);
}
#else
using Socket = int;
constexpr Socket kNoSocket = -1;
void closeSocket(Socket s) { close(s); }
bool wouldBlock() { return errno == EINPROGRESS || errno == EAGAIN || errno == EWOULDBLOCK; }
constexpr int kNoSignal = MSG_NOSIGNAL;  // a printer that hangs up is an error, not the end of the program
struct Winsock {};
void setNonBlocking(Socket s) { fcntl(s, F_SETFL, fcntl(s, F_GETFL, 0) | O_NONBLOCK); }
bool waitWritable(Socket s, int milliseconds) {
    pollfd p{s, POLLOUT, 0};
    return poll(&p, 1, milliseconds) > 0 && (p.revents & POLLOUT) != 0;
}
#endif

int socketError(Socket s) {
    int error = 0;
    socklen_t length = sizeof error;
    getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
    return error;
}

void sendOverNetwork(const RawPrinterAddress& address, const std::string& bytes, int timeoutMilliseconds) {
    const Winsock winsock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(address.host.c_str(), std::to_string(address.port).c_str(), &hints, &found) != 0 || !found) {
        fail(address, "finnes ikke på nettverket: sjekk navnet eller IP-adressen i innstillingene.");
    }
    Socket s = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    if (s == kNoSocket) {
        freeaddrinfo(found);
        fail(address, "kan ikke nås: maskinen har ikke nettverk.");
    }
    setNonBlocking(s);
    const bool connecting = connect(s, found->ai_addr, static_cast<int>(found->ai_addrlen)) == 0 || wouldBlock();
    freeaddrinfo(found);
    try {
        if (!connecting || !waitWritable(s, millisecondsLeft(deadline))) {
            fail(address, connecting ? "svarer ikke: sjekk at den er slått på og koblet til nettverket."
                                     : "tar ikke imot: sjekk adressen og porten i innstillingene.");
        }
        if (socketError(s) != 0) fail(address, "tar ikke imot: sjekk at den er slått på, og adressen og porten i innstillingene.");
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            const auto n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), kNoSignal);
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
            } else if (!wouldBlock() || !waitWritable(s, millisecondsLeft(deadline))) {
                fail(address, "svarer ikke: utskriften ble ikke ferdig sendt.");
            }
        }
    } catch (...) {
        closeSocket(s);
        throw;
    }
    closeSocket(s);
}

#ifdef _WIN32
void sendOverSerial(const RawPrinterAddress& address, const std::string& bytes, int timeoutMilliseconds) {
    const std::string path = "\\\\.\\" + address.device;
    const std::wstring wide(path.begin(), path.end());
    HANDLE port = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE) fail(address, "finnes ikke, eller er i bruk av et annet program.");
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(port, &dcb);
    dcb.BaudRate = static_cast<DWORD>(address.baud);
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    SetCommState(port, &dcb);
    COMMTIMEOUTS timeouts{};
    timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(timeoutMilliseconds);
    SetCommTimeouts(port, &timeouts);
    DWORD written = 0;
    const bool ok = WriteFile(port, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(port);
    if (!ok) fail(address, "svarer ikke: utskriften ble ikke ferdig sendt.");
}
#else
speed_t speedOf(int baud) {
    switch (baud) {
        case 19200: return B19200;
        case 38400: return B38400;
        case 57600: return B57600;
        case 115200: return B115200;
        default: return B9600;
    }
}

void sendOverSerial(const RawPrinterAddress& address, const std::string& bytes, int timeoutMilliseconds) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    const int fd = open(address.device.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) fail(address, "finnes ikke, eller programmet har ikke tilgang til den.");
    termios settings{};
    if (tcgetattr(fd, &settings) == 0) {
        cfmakeraw(&settings);
        cfsetispeed(&settings, speedOf(address.baud));
        cfsetospeed(&settings, speedOf(address.baud));
        tcsetattr(fd, TCSANOW, &settings);
    }
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        pollfd p{fd, POLLOUT, 0};
        if ((n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) || poll(&p, 1, millisecondsLeft(deadline)) <= 0) {
            close(fd);
            fail(address, "svarer ikke: utskriften ble ikke ferdig sendt.");
        }
    }
    close(fd);
}
#endif

}  // namespace

bool parseRawPrinterAddress(const std::string& text, RawPrinterAddress& address) {
    if (text.empty() || text.size() > 255 || text.find_first_of(" \t\r\n") != std::string::npos) return false;
    const std::size_t colon = text.rfind(':');
    const std::string head = colon == std::string::npos ? text : text.substr(0, colon);
    const std::string tail = colon == std::string::npos ? std::string() : text.substr(colon + 1);
    if (colon != std::string::npos && !allDigits(tail)) return false;
    const int number = tail.empty() ? 0 : std::stoi(tail);
    const bool com = head.size() >= 4 && (head.compare(0, 3, "COM") == 0 || head.compare(0, 3, "com") == 0) &&
                     allDigits(head.substr(3));
    if (com || head.compare(0, 5, "/dev/") == 0) {
        if (colon != std::string::npos && number < 1200) return false;
        address = RawPrinterAddress{RawPrinterAddress::Kind::Serial, {}, kRawPrinterPort, head, number ? number : 9600};
        return true;
    }
    if (head.empty() || (colon != std::string::npos && (number < 1 || number > 65535))) return false;
    address = RawPrinterAddress{RawPrinterAddress::Kind::Network, head, number ? number : kRawPrinterPort, {}, 9600};
    return true;
}

std::string rawPrinterName(const RawPrinterAddress& address) {
    if (address.kind == RawPrinterAddress::Kind::Serial) return address.device;
    return address.host + ":" + std::to_string(address.port);
}

void sendToRawPrinter(const RawPrinterAddress& address, const std::string& bytes, int timeoutMilliseconds) {
    if (address.kind == RawPrinterAddress::Kind::Serial) sendOverSerial(address, bytes, timeoutMilliseconds);
    else sendOverNetwork(address, bytes, timeoutMilliseconds);
}

}  // namespace andel
