#include "accounts/ledger_certificate.h"
#include "books/ledger_edit.h"
#include "books/ledger_store.h"
#include "books/old_ledger_files.h"
#include "support/put_ledgers.h"
#include "printing/certificate_drawing.h"
#include "printing/certificate_fill.h"
#include "printing/recording_canvas.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"
#include "workbench/recompute.h"
#include "../printing/printing_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace andel::test {
namespace {

// At 1000 pixels per inch a layout unit is exactly 13 pixels.
constexpr int kDpi = 1000, kUnit = 13;
constexpr int kNameLeft = (16 + 48) * kUnit + 50, kTelephoneLeft = kNameLeft + 192 * kUnit,
              kPaidLeft = kTelephoneLeft + 64 * kUnit, kWinningsLeft = kPaidLeft + 64 * kUnit,
              kReceivedLeft = kWinningsLeft + 80 * kUnit;

// Every operation of every print job as text, to compare pages whole.
std::string drawnPages(const CertificateTemplate& page) {
    std::ostringstream out;
    for (const PrintJob& job : printJobs(page.shares)) {
        RecordingCanvas canvas(kDpi);
        drawPrintJob(canvas, page, job);
        for (const CanvasOp& op : canvas.ops()) {
            out << static_cast<int>(op.kind) << ' ' << op.rect.left << ',' << op.rect.top << ',' << op.rect.right << ','
                << op.rect.bottom << ' ' << op.text << ' ' << op.font.family << op.font.pointSize << '\n';
        }
        out << "--\n";
    }
    return out.str();
}

std::optional<CanvasOp> textAt(const RecordingCanvas& canvas, const std::string& text) {
    const auto found = canvas.texts(text);
    if (found.empty()) return std::nullopt;
    return found.front();
}

class LedgerCertificateTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    WorkbenchState state = printableState(12);
    Ledger ledger = emptyLedger(*syndicateFactsOf(state));

    // The pages as printed; a refused printing gives none.
    std::optional<CertificateTemplate> printed() {
        CertificateTemplate filled = fillCertificate(state, {}, {});
        const auto buyers = ledgerBuyers(state, workspace, messages);
        if (!buyers) return std::nullopt;
        filled.buyers = *buyers;
        return filled;
    }
    CertificateTemplate page() {
        const auto filled = printed();
        if (!filled) throw std::runtime_error("the printing was refused");
        return *filled;
    }
};

TEST_F(LedgerCertificateTest, SoldSharesFillTheirRowsAndCertificates) {
    ledger.entries[0] = ShareEntry{"Kari Nordmann", "22-334455", "123 456 789", 1234, LedgerDate{1, 2, 2000}, {}, {}, ""};
    ledger.entries[10].name = "Ola Nordmann";
    test::putLedger(workspace, ledger);
    const CertificateTemplate filled = page();
    const std::vector<PrintJob> jobs = printJobs(12);

    RecordingCanvas mainPart(kDpi);
    drawPrintJob(mainPart, filled, jobs[12]);
    const auto name = textAt(mainPart, "Kari Nordmann");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->rect.left, kNameLeft);
    const int rowTop = name->rect.top;
    ASSERT_TRUE(textAt(mainPart, "22-334455"));
    EXPECT_EQ(textAt(mainPart, "22-334455")->rect.left, kTelephoneLeft);
    EXPECT_EQ(textAt(mainPart, "22-334455")->rect.top, rowTop);
    ASSERT_TRUE(textAt(mainPart, "1.234"));
    EXPECT_EQ(textAt(mainPart, "1.234")->rect.left, kPaidLeft);
    EXPECT_FALSE(textAt(mainPart, "Ola Nordmann")) << "share 11 is on the list page";

    RecordingCanvas listPage(kDpi);
    drawPrintJob(listPage, filled, jobs[13]);
    ASSERT_TRUE(textAt(listPage, "Ola Nordmann"));
    EXPECT_EQ(textAt(listPage, "Ola Nordmann")->rect.left, kNameLeft);

    RecordingCanvas first(kDpi), second(kDpi);
    drawPrintJob(first, filled, jobs[0]);
    drawPrintJob(second, filled, jobs[1]);
    EXPECT_TRUE(textAt(first, "Andelseier: Kari Nordmann"));
    EXPECT_THROW(second.firstTextStartingWith("Andelseier"), std::exception);
    EXPECT_TRUE(messages.shown.empty());
}

// GEVINST and MOTTATT are filled from the ledger once its result is confirmed, never from
// a forecast.
TEST_F(LedgerCertificateTest, WinningsAndPayoutsFillTheListOnceTheResultIsConfirmed) {
    ledger.entries[0] = ShareEntry{"Kari Nordmann", "22-334455", "", ledger.facts.pricePerShare, LedgerDate{1, 12, 2026}, {}, {}, ""};
    ledger.entries[1].name = "Ola Nordmann";
    test::putLedger(workspace, ledger);
    RecordingCanvas forecast(kDpi);
    drawPrintJob(forecast, page(), printJobs(12)[12]);
    EXPECT_FALSE(textAt(forecast, "1.000")) << "no winnings before the result is confirmed";

    ledger.confirmed = ConfirmedResult{{6, 12, 2026}, {"111111111111", 12000, 0, 0}, std::nullopt};
    ledger.entries[0].paidOut = 1000;
    ledger.entries[0].paidOutOn = LedgerDate{7, 12, 2026};
    test::putLedger(workspace, ledger);
    ASSERT_EQ(confirmedPartPerShare(ledger), std::optional<std::int64_t>(1000)) << "the coupons win 12.000 on 12 shares";
    RecordingCanvas mainPart(kDpi);
    drawPrintJob(mainPart, page(), printJobs(12)[12]);
    const auto winnings = mainPart.texts("1.000");
    ASSERT_EQ(winnings.size(), 1u) << "Kari's part; Ola's unpaid share and the unsold ones win nothing";
    EXPECT_EQ(winnings[0].rect.left, kWinningsLeft);
    ASSERT_TRUE(textAt(mainPart, "1.000 07.12.2026"));
    EXPECT_EQ(textAt(mainPart, "1.000 07.12.2026")->rect.left, kReceivedLeft);
}

TEST_F(LedgerCertificateTest, WithoutBuyersThePagesAreAsWithoutALedgerAndAMissingLedgerIsSaid) {
    const std::string withoutLedger = drawnPages(page());
    ASSERT_EQ(messages.shown.size(), 1u) << "blank buyer rows are never printed silently";
    EXPECT_NE(messages.shown[0].text.find("Fant ikke andelsregnskapet for onlinefilen med serienummer 1042"),
              std::string::npos);
    messages.shown.clear();
    test::putLedger(workspace, ledger);  // every row empty
    EXPECT_EQ(drawnPages(page()), withoutLedger);
    ledger.entries[4].note = "only a note";
    test::putLedger(workspace, ledger);
    EXPECT_EQ(drawnPages(page()), withoutLedger);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LedgerCertificateTest, ALedgerOfAnotherSyndicateOrWeekRefusesThePrinting) {
    ledger.entries[0].name = "Kari Nordmann";
    test::putLedger(workspace, ledger);
    // The week arrow moved after the online file was made: the serial number stays, the round does not.
    state.ukecomboboxItems = {" UKE 06 -2000", " UKE 05 -2000"};
    state.ukecombobox = 0;
    EXPECT_FALSE(printed());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("ble laget for UKE 05 -2000, men andelslaget står nå på UKE 06 -2000"),
              std::string::npos)
        << messages.shown[0].text;

    state.ukecombobox = 1;
    state.antallandeler = state.antallandeler2 = 10;  // 11 shares
    recomputePrice(state);
    messages.shown.clear();
    EXPECT_FALSE(printed());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("har 12 andeler, men andelslaget har nå 11"), std::string::npos);
}

TEST_F(LedgerCertificateTest, AVoidedLedgerRefusesAndADamagedOneIsNamed) {
    ledger.voided = LedgerVoiding{{1, 2, 2000}, "feil spillenummer"};
    test::putLedger(workspace, ledger);
    EXPECT_FALSE(printed());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("annullert 01.02.2000 (feil spillenummer)"), std::string::npos);

    for (const char* ending : {"-wal", "-shm"}) std::filesystem::remove(booksPath(workspace).string() + ending);
    dir.write("andelsregnskap/regnskap.db", std::string(4096, 'x'));
    messages.shown.clear();
    const std::string blank = drawnPages(fillCertificate(state, {}, {}));
    EXPECT_EQ(drawnPages(page()), blank);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Andelsbrevene skrives ut uten kjøpere"), std::string::npos) << messages.shown[0].text;
    EXPECT_NE(messages.shown[0].text.find("sikkerhetskopi"), std::string::npos) << messages.shown[0].text;
}

}  // namespace
}  // namespace andel::test
