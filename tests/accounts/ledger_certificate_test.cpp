#include "accounts/ledger_certificate.h"
#include "accounts/ledger_store.h"
#include "printing/certificate_drawing.h"
#include "printing/certificate_fill.h"
#include "printing/recording_canvas.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"
#include "../printing/printing_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace andel::test {
namespace {

// At 1000 pixels per inch a layout unit is exactly 13 pixels.
constexpr int kDpi = 1000, kUnit = 13;
constexpr int kNameLeft = (16 + 48) * kUnit + 50, kTelephoneLeft = kNameLeft + 192 * kUnit,
              kPaidLeft = kTelephoneLeft + 64 * kUnit;

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

    CertificateTemplate page() {
        CertificateTemplate filled = fillCertificate(state, {}, {});
        filled.buyers = ledgerBuyers(state, workspace, messages);
        return filled;
    }
};

TEST_F(LedgerCertificateTest, SoldSharesFillTheirRowsAndCertificates) {
    ledger.entries[0] = ShareEntry{"Kari Nordmann", "22-334455", "123 456 789", 1234, LedgerDate{1, 2, 2000}, {}, {}, ""};
    ledger.entries[10].name = "Ola Nordmann";
    saveLedger(workspace, ledger);
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

TEST_F(LedgerCertificateTest, WithoutBuyersThePagesAreAsWithoutALedger) {
    const std::string withoutLedger = drawnPages(page());
    saveLedger(workspace, ledger);  // every row empty
    EXPECT_EQ(drawnPages(page()), withoutLedger);
    ledger.entries[4].note = "only a note";
    saveLedger(workspace, ledger);
    EXPECT_EQ(drawnPages(page()), withoutLedger);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LedgerCertificateTest, ALedgerOfAnotherSyndicateIsRefusedAndThePagesStayBlank) {
    const std::string blank = drawnPages(page());
    ledger.facts.shares = 11;
    ledger.entries.resize(11);
    ledger.entries[0].name = "Kari Nordmann";
    saveLedger(workspace, ledger);
    EXPECT_EQ(drawnPages(page()), blank);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("har 11 andeler, men andelslaget har nå 12"), std::string::npos);

    dir.write("andelsregnskap/" + std::string("REGNSKAP_1042_UKE_05_2000.TXT"), "#REGNSKAPSVERSJON\r\n1\r\n");
    messages.shown.clear();
    EXPECT_EQ(drawnPages(page()), blank);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("REGNSKAP_1042_UKE_05_2000.TXT er skadet"), std::string::npos);
}

}  // namespace
}  // namespace andel::test
