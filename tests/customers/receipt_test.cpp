// The receipt slips of sold shares: refused for shares nobody bought, three to a page.
#include "../accounts/accounts_fixture.h"
#include "customers/receipt.h"
#include "customers/receipt_drawing.h"
#include "printing/recording_canvas.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

Ledger soldLedger(int shares) {
    SyndicateFacts facts = smallSyndicate(shares, "1042", {10, 2026, {}});
    facts.pricePerShare = 146;
    facts.player = "Kari Nordmann";
    Ledger ledger = emptyLedger(facts);
    for (int i = 0; i < shares; i += 1) ledger.entries[static_cast<std::size_t>(i)].name = "Kunde " + std::to_string(i + 1);
    return ledger;
}

TEST(Receipt, RefusedForNoShareAShareTheSyndicateLacksAnUnsoldOrUnpaidShareAndAVoidedLedger) {
    Ledger ledger = soldLedger(5);
    ledger.entries[3] = ShareEntry{};
    ledger.entries[0].paid = 146;
    ledger.entries[1].paid = 46;  // a part paid is a payment to give a receipt for
    struct Case {
        std::vector<int> shares;
        std::string refusal;
    };
    const Case cases[] = {
        {{1, 2}, ""},
        {{}, "Velg minst én andel å skrive kvittering for."},
        {{1, 6}, badShareMessage(6, 5)},
        {{0}, badShareMessage(0, 5)},
        {{2, 4}, "Andel 4 har ingen kjøper: kvittering skrives bare for en solgt andel."},
        {{1, 3}, "Andel 3 er ikke betalt: kvittering skrives først når andelen er betalt."},
    };
    for (const Case& c : cases) EXPECT_EQ(receiptRefusal(ledger, c.shares), c.refusal) << c.shares.size();
    ledger.voided = LedgerVoiding{{1, 3, 2026}, "erstattet"};
    EXPECT_NE(receiptRefusal(ledger, {1}).find("annullert"), std::string::npos);
}

TEST(Receipt, ASlipCarriesTheSyndicateTheBuyerAndThePayment) {
    Ledger ledger = soldLedger(5);
    ledger.entries[1].telephone = "22 33 44 55";
    ledger.entries[1].paid = 146;
    ledger.entries[1].paidOn = LedgerDate{2, 3, 2026};
    ledger.entries[2].paid = 84;
    const std::vector<ReceiptSlip> slips = receiptSlips(ledger, {3, 2, 1}, AgentProfile{}, {12, 3, 2026});
    ASSERT_EQ(slips.size(), 3u);
    const ReceiptSlip& second = slips[1];
    EXPECT_EQ(second.share, 2);
    EXPECT_EQ(second.shares, 5);
    EXPECT_EQ(second.serialNumber, "1042");
    EXPECT_EQ(second.weekText, weekText(ledger.facts.week));
    EXPECT_EQ(second.couponType, "LØRDAG");
    EXPECT_EQ(second.onlineFileName, "KRYSSEN_1_Rekker_KARI_NORDMANN.NTF");
    EXPECT_EQ(second.player, "Kari Nordmann");
    EXPECT_EQ(second.buyer.telephone, "22 33 44 55");
    EXPECT_EQ(paymentText(second), "kr 146 betalt 02.03.2026");
    EXPECT_EQ(paymentText(slips[0]), "kr 84 betalt");
    EXPECT_EQ(paymentText(slips[2]), "Ikke betalt");
}

TEST(ReceiptDrawing, ThreeSlipsToAPageWithCutLinesBetween) {
    const Ledger ledger = soldLedger(10);
    std::vector<int> shares;
    for (int s = 1; s <= 7; ++s) shares.push_back(s);
    const std::vector<ReceiptSlip> slips = receiptSlips(ledger, shares, AgentProfile{}, {12, 3, 2026});
    ASSERT_EQ(receiptPageCount(slips.size()), 3);
    EXPECT_EQ(receiptPageCount(6), 2);
    EXPECT_EQ(receiptPageCount(0), 0);
    for (int page = 0; page < 3; ++page) {
        RecordingCanvas canvas;
        drawReceiptPage(canvas, slips, page);
        const int onPage = page < 2 ? 3 : 1;
        EXPECT_EQ(canvas.texts("KVITTERING FOR ANDEL").size(), std::size_t(onPage));
        EXPECT_EQ(canvas.texts(std::string(kSystemGuarantee)).size(), std::size_t(onPage));
        EXPECT_EQ(canvas.texts("klipp her").size(), std::size_t(onPage - 1));
        for (int i = 0; i < onPage; ++i) {
            const int share = page * 3 + i + 1;
            EXPECT_EQ(canvas.texts("Andel nummer " + std::to_string(share) + " av 10").size(), 1u) << share;
        }
        for (const CanvasOp& op : canvas.ops()) {
            EXPECT_LE(op.rect.bottom, canvas.pageMetrics().pageHeight);
            EXPECT_LE(op.rect.right, canvas.pageMetrics().pageWidth);
        }
    }
}

}  // namespace
}  // namespace andel::test
