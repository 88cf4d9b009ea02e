#pragma once
// The receipt printer at the counter, chosen once in the settings ("Kvitteringsskriver"):
// a printer of the system (its driver prints the slips through the print path), or one
// without a driver that takes the slips as raw bytes (printing/escpos) over the network or
// a serial port, and opens the cash drawer on a cash movement. Printing comes after the
// money is recorded and never undoes it: a printer that fails is named, and the slip can
// be printed again.
#include "printing/slip.h"
#include "settings/settings_store.h"

#include <string>
#include <string_view>

namespace andel {

struct ReceiptPrinterChoice {
    std::string systemPrinter;  // a printer of the system by name; "" for none
    std::string rawAddress;     // "192.168.1.50", "kasse:9100", "COM3:19200"; "" for none. Goes first.
    bool raw() const { return !rawAddress.empty(); }
    bool chosen() const { return raw() || !systemPrinter.empty(); }
    friend bool operator==(const ReceiptPrinterChoice&, const ReceiptPrinterChoice&) = default;
};

ReceiptPrinterChoice readReceiptPrinter(const SettingsStore& settings);
bool storeReceiptPrinter(SettingsStore& settings, const ReceiptPrinterChoice& choice);

// "" for an empty or usable raw address, else what is wrong with it.
std::string rawAddressProblem(const std::string& address);

// Sends the slip to the raw printer, with the drawer pulse when cash moved. "" when sent;
// else the message: why, that `recorded` stands ("Betalingen er registrert"), and that the
// slip can be printed again.
std::string printSlipRaw(const std::string& address, const Slip& slip, bool cashMovement, std::string_view recorded,
                         int timeoutMilliseconds = 3000);

// The drawer opened by hand through the raw printer; "" when done, else why not. Nothing is
// recorded here: the books are the caller's.
std::string openCashDrawer(const std::string& address, int timeoutMilliseconds = 3000);
// The same through the receipt printer chosen in the settings ("Åpne kasseskuffen").
std::string openCashDrawer(const SettingsStore& settings, int timeoutMilliseconds = 3000);

}  // namespace andel
