#include "customers/counter_printer.h"

#include "platform/io_error.h"
#include "platform/raw_printer_port.h"
#include "printing/escpos.h"

namespace andel {

ReceiptPrinterChoice readReceiptPrinter(const SettingsStore& settings) {
    return {settings.getString(kKvitteringsskriver).value, settings.getString(kKvitteringsskriverRaa).value};
}

bool storeReceiptPrinter(SettingsStore& settings, const ReceiptPrinterChoice& choice) {
    return settings.setString(kKvitteringsskriver, choice.systemPrinter) &&
           settings.setString(kKvitteringsskriverRaa, choice.rawAddress);
}

std::string rawAddressProblem(const std::string& address) {
    RawPrinterAddress parsed;
    if (address.empty() || parseRawPrinterAddress(address, parsed)) return {};
    return "\"" + address + "\" er ikke en adresse til en kvitteringsskriver. Skriv IP-adressen eller navnet "
           "(192.168.1.50, eller kasse:9100 med port), eller serieporten (COM3, eller COM3:19200 med hastighet).";
}

std::string printSlipRaw(const std::string& address, const Slip& slip, bool cashMovement, std::string_view recorded,
                         int timeoutMilliseconds) {
    RawPrinterAddress parsed;
    std::string why;
    if (!parseRawPrinterAddress(address, parsed)) {
        why = rawAddressProblem(address.empty() ? std::string("(tom)") : address);
    } else {
        try {
            sendToRawPrinter(parsed, escposSlip(slip, cashMovement), timeoutMilliseconds);
            return {};
        } catch (const IoError& error) {
            why = error.what();
        }
    }
    std::string message = "Kvitteringen ble ikke skrevet ut.\r" + why;
    if (!recorded.empty()) message += "\r" + std::string(recorded) + ".";
    return message + "\rSkriv ut kvitteringen på nytt når skriveren er klar.";
}

std::string openCashDrawer(const std::string& address, int timeoutMilliseconds) {
    RawPrinterAddress parsed;
    if (address.empty()) return "Ingen kvitteringsskriver med kasseskuff er valgt i innstillingene (Kvitteringsskriver).";
    if (!parseRawPrinterAddress(address, parsed)) return rawAddressProblem(address);
    try {
        sendToRawPrinter(parsed, std::string(kEscposInit) + escposDrawerPulse(), timeoutMilliseconds);
        return {};
    } catch (const IoError& error) {
        return "Kasseskuffen ble ikke åpnet.\r" + std::string(error.what());
    }
}

std::string openCashDrawer(const SettingsStore& settings, int timeoutMilliseconds) {
    return openCashDrawer(readReceiptPrinter(settings).rawAddress, timeoutMilliseconds);
}

}  // namespace andel
