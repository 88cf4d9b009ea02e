#pragma once
// The way to a receipt printer without a driver: its raw network port (TCP, 9100 unless
// the address names another) or a serial port. The bytes go out whole or an IoError says
// why, within the time given: a printer that does not answer never holds the counter up.
#include <string>

namespace andel {

inline constexpr int kRawPrinterPort = 9100;
inline constexpr int kRawPrinterTimeoutMilliseconds = 3000;

struct RawPrinterAddress {
    enum class Kind { Network, Serial };
    Kind kind = Kind::Network;
    std::string host;    // the network printer's name or IP address
    int port = kRawPrinterPort;
    std::string device;  // "COM3" or "/dev/ttyUSB0"
    int baud = 9600;
};

// "192.168.1.50", "kasse-skriver:9100", "COM3", "COM3:19200", "/dev/ttyUSB0:38400";
// nothing for a text that is none of these.
bool parseRawPrinterAddress(const std::string& text, RawPrinterAddress& address);

// Sends the bytes; IoError naming the printer and why ("svarer ikke", refused, no such
// port) when they could not all be handed over within `timeoutMilliseconds`.
void sendToRawPrinter(const RawPrinterAddress& address, const std::string& bytes,
                      int timeoutMilliseconds = kRawPrinterTimeoutMilliseconds);

std::string rawPrinterName(const RawPrinterAddress& address);

}  // namespace andel
