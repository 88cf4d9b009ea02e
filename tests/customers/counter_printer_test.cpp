#include "customers/counter_printer.h"

#include "books/books_fixture.h"
#include "customers/counter_slips.h"
#include "customers/receipt.h"
#include "printing/escpos.h"
#include "support/fake_printer.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

class CounterPrinterTest : public BooksTest {
protected:
    void SetUp() override {
        open(pricedSyndicate("1042", 3, 146));
        sell("1042", 2, "Åse Ødegård", "91234567");
    }
    Slip receiptOf(int share) {
        const Ledger now = ledger("1042");
        return receiptSlipOf(receiptSlips(now, {share}, AgentProfile{}, clerk.today).front());
    }
    static std::string address(const FakePrinter& printer) { return "127.0.0.1:" + std::to_string(printer.port()); }
};

// A payment is recorded first; a printer that does not answer is named and the payment
// stands; the slip printed again reaches the printer with the drawer pulse.
TEST_F(CounterPrinterTest, APrinterThatFailsLosesNothingAndTheSlipPrintsAgain) {
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 2, std::nullopt, std::nullopt), "");
    FakePrinter silent(FakePrinter::Mode::Silent);
    const std::string failed = printSlipRaw(address(silent), receiptOf(2), true, "Betalingen er registrert", 1000);
    EXPECT_NE(failed.find("Kvitteringen ble ikke skrevet ut.\rKvitteringsskriveren 127.0.0.1:"), std::string::npos) << failed;
    EXPECT_NE(failed.find("\rBetalingen er registrert.\rSkriv ut kvitteringen på nytt"), std::string::npos) << failed;
    EXPECT_EQ(ledger("1042").entries[1].paid, 146);

    FakePrinter printer;
    EXPECT_EQ(printSlipRaw(address(printer), receiptOf(2), true, "Betalingen er registrert"), "");
    const std::string job = printer.nextJob();
    EXPECT_NE(job.find(toCodePage865("Åse Ødegård")), std::string::npos);
    EXPECT_NE(job.find(std::string(kEscposPulse, sizeof kEscposPulse - 1)), std::string::npos);
    EXPECT_NE(job.find("AN1042002"), std::string::npos);  // the share's code for the printer's QR symbol
    EXPECT_EQ(ledger("1042").entries[1].paid, 146);
}

TEST_F(CounterPrinterTest, TheDrawerOpensByHandOnlyWhereARawPrinterIsSet) {
    FakePrinter printer;
    EXPECT_EQ(openCashDrawer(address(printer)), "");
    EXPECT_EQ(printer.nextJob(), std::string(kEscposInit) + std::string(kEscposPulse, sizeof kEscposPulse - 1));
    EXPECT_NE(openCashDrawer("").find("Ingen kvitteringsskriver"), std::string::npos);
    RecordingMessages messages;
    SettingsStore settings(dir.path() / "config.kvs", messages);
    EXPECT_NE(openCashDrawer(settings).find("Ingen kvitteringsskriver"), std::string::npos);
    ASSERT_TRUE(storeReceiptPrinter(settings, {"", address(printer)}));
    EXPECT_EQ(openCashDrawer(settings), "");
    EXPECT_EQ(printer.nextJob(), std::string(kEscposInit) + std::string(kEscposPulse, sizeof kEscposPulse - 1));
    EXPECT_NE(openCashDrawer("kasse:99999").find("er ikke en adresse"), std::string::npos);
}

TEST_F(CounterPrinterTest, TheChoiceIsRemembered) {
    RecordingMessages messages;
    SettingsStore settings(dir.path() / "config.kvs", messages);
    EXPECT_EQ(readReceiptPrinter(settings), ReceiptPrinterChoice{});
    const ReceiptPrinterChoice choice{"TM-skriver", "192.168.1.50:9100"};
    ASSERT_TRUE(storeReceiptPrinter(settings, choice));
    EXPECT_EQ(readReceiptPrinter(SettingsStore(dir.path() / "config.kvs", messages)), choice);
    EXPECT_EQ(rawAddressProblem(""), "");
    EXPECT_EQ(rawAddressProblem("COM4"), "");
    EXPECT_NE(rawAddressProblem("kasse skriver"), "");
}

TEST_F(CounterPrinterTest, ThePayoutSlipNamesWhoWhatWhenAndTheCode) {
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 2, std::nullopt, std::nullopt), "");
    EXPECT_NE(payoutSlipRefusal(ledger("1042"), 2).find("har ingen utbetaling"), std::string::npos);
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1042", resultWith(3000)), "");
    ASSERT_EQ(payoutInBooks(*journal, clerk, "1042", 2, std::nullopt, std::nullopt), "");
    ASSERT_EQ(payoutSlipRefusal(ledger("1042"), 2), "");
    const Slip slip = payoutSlipOf(payoutSlipOf(ledger("1042"), 2, AgentProfile{}, clerk.today));
    std::string all;
    for (const SlipRow& row : slipRows(slip)) all += row.text + "|" + row.qr + "\n";
    for (const std::string expected : {"UTBETALING AV GEVINST", "Åse Ødegård", "Andel nummer:", "2 av 3", "kr 1.000",
                                       "11.12.2026", "|AN1042002", "AN 1042 002 "}) {
        EXPECT_NE(all.find(expected), std::string::npos) << expected << " not in\n" << all;
    }
}

}  // namespace
}  // namespace andel::test
