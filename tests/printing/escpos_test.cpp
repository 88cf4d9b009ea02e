#include "printing/escpos.h"

#include "platform/io_error.h"
#include "platform/raw_printer_port.h"
#include "support/fake_printer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>
#endif

namespace andel {
namespace {

// What a receipt printer makes of the bytes, read here on its own: the text lines (code
// page 865 read back into UTF-8), the QR symbols' contents, the cuts and the drawer pulses,
// and whether anything came that is no command this writer should send.
struct Printed {
    std::vector<std::string> lines;
    std::vector<std::string> qr;
    int cuts = 0, pulses = 0, codePage = -1;
    bool unknown = false;
    bool textAfterCut = false;
};

Printed readBack(const std::string& bytes) {
    const std::map<unsigned char, std::string> nordic{{0x91, "æ"}, {0x9B, "ø"}, {0x86, "å"}, {0x92, "Æ"},
                                                      {0x9D, "Ø"}, {0x8F, "Å"}, {0x82, "é"}};
    Printed p;
    std::string line;
    const auto at = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100u; };
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned c = at(i);
        if (c == 0x1B) {  // ESC
            const unsigned command = at(i + 1);
            if (command == '@') i += 2;
            else if (command == 't') p.codePage = static_cast<int>(at(i + 2)), i += 3;
            else if (command == 'a' || command == 'E') i += 3;
            else if (command == 'p') {
                if (at(i + 2) == 0 && at(i + 3) > 0 && at(i + 4) >= at(i + 3)) ++p.pulses;
                else p.unknown = true;
                i += 5;
            } else p.unknown = true, i += 2;
        } else if (c == 0x1D) {  // GS
            const unsigned command = at(i + 1);
            if (command == '!') i += 3;
            else if (command == 'L') i += 4;
            else if (command == 'V') ++p.cuts, i += (at(i + 2) == 0x41 || at(i + 2) == 0x42) ? 4 : 3;
            else if (command == '(' && at(i + 2) == 'k') {
                const std::size_t length = at(i + 3) + 256 * at(i + 4);
                const std::string body = bytes.substr(i + 5, length);
                if (body.size() != length || body[0] != '1') p.unknown = true;
                else if (body[1] == 'P' && body[2] == '0') p.qr.push_back(body.substr(3));
                i += 5 + length;
            } else p.unknown = true, i += 2;
        } else if (c == '\n') {
            if (p.cuts) p.textAfterCut = true;
            p.lines.push_back(line);
            line.clear();
            ++i;
        } else {
            if (c >= 0x80) {
                const auto found = nordic.find(static_cast<unsigned char>(c));
                line += found == nordic.end() ? "\xef\xbf\xbd" : found->second;
            } else if (c < 0x20) {
                p.unknown = true;
            } else {
                line += static_cast<char>(c);
            }
            ++i;
        }
    }
    if (!line.empty()) p.lines.push_back(line);
    return p;
}

bool holdsLine(const Printed& p, const std::string& text) {
    for (const std::string& line : p.lines) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

Slip receipt() {
    Slip slip;
    slip.heading("KVITTERING");
    slip.text("Bærum Tipp og Lotto, Østre vei 5, Ålesund");
    slip.field("Kjøper:", "Åse Ødegård");
    slip.total("Betalt:", "kr 146");
    slip.qr("AN104201742", "AN 1042 017 42");
    return slip;
}

TEST(Escpos, TheSlipReadsBackInTheNordicCodePage) {
    for (const bool cash : {false, true}) {
        const Printed p = readBack(escposSlip(receipt(), cash));
        EXPECT_FALSE(p.unknown);
        EXPECT_EQ(p.codePage, 5);  // PC865
        EXPECT_TRUE(holdsLine(p, "KVITTERING"));
        EXPECT_TRUE(holdsLine(p, "Bærum Tipp og Lotto, Østre vei 5, Ålesund"));
        EXPECT_TRUE(holdsLine(p, "Kjøper:"));
        EXPECT_TRUE(holdsLine(p, "Åse Ødegård"));
        EXPECT_TRUE(holdsLine(p, "Betalt:"));
        EXPECT_EQ(p.qr, std::vector<std::string>{"AN104201742"});
        EXPECT_TRUE(holdsLine(p, "AN 1042 017 42"));
        EXPECT_EQ(p.cuts, 1);
        EXPECT_FALSE(p.textAfterCut);  // the cut comes last
        EXPECT_EQ(p.pulses, cash ? 1 : 0);
    }
    const Printed drawer = readBack(escposDrawerPulse());
    EXPECT_EQ(drawer.pulses, 1);
    EXPECT_TRUE(drawer.lines.empty());
}

TEST(Escpos, ACharacterTheCodePageLacksOrBrokenUtf8BecomesAQuestionMark) {
    EXPECT_EQ(toCodePage865("æøåÆØÅ"), "\x91\x9b\x86\x92\x9d\x8f");
    EXPECT_EQ(toCodePage865("€ 5"), "? 5");
    EXPECT_EQ(toCodePage865("a\xc3"), "a?");             // cut in the middle of a letter
    EXPECT_EQ(toCodePage865("\xe2\x82"), "??");          // a sequence without its end
    EXPECT_EQ(toCodePage865("x\x01y"), "x?y");           // no control character reaches the printer
    std::mt19937 random(3);
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 40, '\0');
        for (char& c : text) c = static_cast<char>(random() % 256);
        for (const char c : toCodePage865(text)) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == 0x15);
    }
}

TEST(RawPrinter, TheJobArrivesWholeOverTheNetworkPort) {
    test::FakePrinter printer;
    RawPrinterAddress address;
    ASSERT_TRUE(parseRawPrinterAddress("127.0.0.1:" + std::to_string(printer.port()), address));
    const std::string job = escposSlip(receipt(), true);
    sendToRawPrinter(address, job);
    const std::string received = printer.nextJob();
    EXPECT_EQ(received, job);
    const Printed p = readBack(received);
    EXPECT_TRUE(holdsLine(p, "Åse Ødegård"));
    EXPECT_EQ(p.pulses, 1);
}

TEST(RawPrinter, APrinterThatDoesNotAnswerIsNamedWithinTheTimeLimit) {
    test::FakePrinter silent(test::FakePrinter::Mode::Silent);
    RawPrinterAddress address;
    ASSERT_TRUE(parseRawPrinterAddress("127.0.0.1:" + std::to_string(silent.port()), address));
    const auto start = std::chrono::steady_clock::now();
    try {
        sendToRawPrinter(address, escposSlip(receipt(), false), 1500);
        FAIL() << "a printer that does not answer took the job";
    } catch (const IoError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Kvitteringsskriveren 127.0.0.1:" + std::to_string(silent.port()) + " ", 0), 0u)
            << error.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
}

// A serial receipt printer stands here as a pseudo-terminal: what the program writes to its
// device comes out whole, byte for byte, on the other side.
TEST(RawPrinter, TheJobArrivesWholeOverASerialPort) {
#ifdef _WIN32
    GTEST_SKIP() << "no pseudo-terminal to stand for a COM port";
#else
    const int printer = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(printer, 0);
    ASSERT_EQ(grantpt(printer), 0);
    ASSERT_EQ(unlockpt(printer), 0);
    RawPrinterAddress address;
    ASSERT_TRUE(parseRawPrinterAddress(std::string(ptsname(printer)) + ":19200", address));
    const std::string job = escposSlip(receipt(), true);
    sendToRawPrinter(address, job);
    std::string received;
    char buffer[4096];
    pollfd ready{printer, POLLIN, 0};
    while (received.size() < job.size() && poll(&ready, 1, 2000) > 0) {
        const ssize_t n = read(printer, buffer, sizeof buffer);
        if (n <= 0) break;
        received.append(buffer, static_cast<std::size_t>(n));
    }
    close(printer);
    EXPECT_EQ(received, job);
    RawPrinterAddress missing;
    ASSERT_TRUE(parseRawPrinterAddress("/dev/ingen-slik-port", missing));
    EXPECT_THROW(sendToRawPrinter(missing, job), IoError);
#endif
}

TEST(RawPrinter, AddressesAsTheSettingsHoldThem) {
    using Kind = RawPrinterAddress::Kind;
    const struct {
        std::string text;
        bool valid;
        Kind kind;
        std::string place;
        int number;  // port or baud
    } cases[] = {
        {"192.168.1.50", true, Kind::Network, "192.168.1.50", 9100},
        {"kasse:9101", true, Kind::Network, "kasse", 9101},
        {"COM3", true, Kind::Serial, "COM3", 9600},
        {"COM3:19200", true, Kind::Serial, "COM3", 19200},
        {"/dev/ttyUSB0:38400", true, Kind::Serial, "/dev/ttyUSB0", 38400},
        {"", false, Kind::Network, "", 0},
        {"kasse:", false, Kind::Network, "", 0},
        {"kasse:70000", false, Kind::Network, "", 0},
        {"kasse:0", false, Kind::Network, "", 0},
        {"kasse:9x", false, Kind::Network, "", 0},
        {":9100", false, Kind::Network, "", 0},
        {"COM3:300", false, Kind::Serial, "", 0},
        {"kasse skriver", false, Kind::Network, "", 0},
        {std::string(300, 'a'), false, Kind::Network, "", 0},
    };
    for (const auto& c : cases) {
        RawPrinterAddress address;
        ASSERT_EQ(parseRawPrinterAddress(c.text, address), c.valid) << c.text;
        if (!c.valid) continue;
        EXPECT_EQ(address.kind, c.kind) << c.text;
        EXPECT_EQ(c.kind == Kind::Network ? address.host : address.device, c.place) << c.text;
        EXPECT_EQ(c.kind == Kind::Network ? address.port : address.baud, c.number) << c.text;
    }
}

}  // namespace
}  // namespace andel
