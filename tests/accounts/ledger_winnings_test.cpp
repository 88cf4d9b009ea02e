#include "accounts/accounts_csv.h"
#include "accounts/ledger_edit.h"
#include "accounts/ledger_winnings.h"
#include "accounts/season.h"
#include "accounts_fixture.h"
#include "platform/workspace.h"
#include "results/prize_row_walk.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

// The single-sign coupon plays 1X2 1X2 1X2 1X2; a second coupon of all three signs
// on two matches adds nine rows.
SyndicateFacts syndicateWithTwoCoupons(int shares) {
    SyndicateFacts facts = smallSyndicate(shares);
    facts.coupons[1] = facts.coupons[0];
    facts.coupons[1].masks[0] = kAllSigns;
    facts.coupons[1].masks[1] = kAllSigns;
    return facts;
}

TEST(LedgerWinnings, PrizeSplitsIntoWholeKronerWithTheRemainderShown) {
    TempDir dir;
    const Workspace workspace(dir.path());
    const SyndicateFacts facts = syndicateWithTwoCoupons(7);
    writeHistory(dir, facts.week, "1X2 1X2 1X2 1X2", 100000, 1500, 101);
    const LedgerWinnings w = fetchLedgerWinnings(workspace, facts);
    ASSERT_TRUE(w.known);
    EXPECT_EQ(w.resultSigns, "HUBHUBHUBHUB");
    // Coupon 1: one row with 12. Coupon 2: one with 12, four with 11 and four with 10.
    EXPECT_EQ(w.right12, 2);
    EXPECT_EQ(w.right11, 4);
    EXPECT_EQ(w.right10, 4);
    EXPECT_EQ(w.prize, 2 * 100000 + 4 * 1500 + 4 * 101);  // 206.404
    EXPECT_EQ(w.perShare, 206404 / 7);
    EXPECT_EQ(w.remainder, 206404 % 7);
    EXPECT_EQ(w.perShare * 7 + w.remainder, w.prize);

    // The same count as walking every row.
    ResultMasks masks{};
    for (int m = 0; m < kMatches; ++m) masks[m] = facts.coupons[0].masks[m];
    const PrizeCount walked = countPrizesByWalking(facts.coupons, masks);
    EXPECT_EQ(walked.rows[11], w.right11);
}

TEST(LedgerWinnings, NotReadyWithoutTheWholeResult) {
    TempDir dir;
    const Workspace workspace(dir.path());
    const SyndicateFacts facts = smallSyndicate();
    EXPECT_FALSE(fetchLedgerWinnings(workspace, facts).known) << "no history";
    writeHistory(dir, facts.week, "1X2 1X2 1X2", 0, 1500, 100);
    EXPECT_FALSE(fetchLedgerWinnings(workspace, facts).known) << "nine signs";
    writeHistory(dir, {49, 2026, {}}, "1X2 1X2 1X2 1X2", 0, 1500, 100);
    EXPECT_FALSE(fetchLedgerWinnings(workspace, facts).known) << "another week";
}

TEST(LedgerEdit, PaymentsPayoutsAndRefusals) {
    Ledger ledger = emptyLedger(smallSyndicate(3));
    ledger.facts.pricePerShare = 584;
    const Ledger before = ledger;
    EXPECT_EQ(markPaid(ledger, 0, {}, {}), badShareMessage(0, 3));
    EXPECT_EQ(markPaid(ledger, 4, {}, {}), badShareMessage(4, 3));
    LedgerWinnings unknown;
    EXPECT_EQ(markPaidOut(ledger, 1, unknown, {}, {}), kPayoutBeforeResult);
    EXPECT_EQ(ledger, before);

    EXPECT_EQ(markPaid(ledger, 2, {}, LedgerDate{1, 12, 2026}), "");
    EXPECT_EQ(ledger.entries[1].paid, 584);
    LedgerWinnings known;
    known.known = true;
    known.prize = 1000;
    known.perShare = 333;
    known.remainder = 1;
    EXPECT_EQ(markPaidOut(ledger, 2, known, {}, LedgerDate{20, 12, 2026}), "");
    EXPECT_EQ(ledger.entries[1].paidOut, 333);

    EXPECT_EQ(setBuyer(ledger, 1, {.name = " Kari Nordmann ", .telephone = "22-334455"}), "");
    const LedgerTotals totals = ledgerTotals(ledger, known);
    EXPECT_EQ(totals.sold, 1);
    EXPECT_EQ(totals.paid, 584);
    EXPECT_EQ(totals.outstanding, 584) << "share 1 has a buyer and has not paid";
    EXPECT_EQ(totals.paidOut, 333);
    EXPECT_EQ(totals.toPayOut, 2 * 333);
}

TEST(LedgerEdit, BuyerFromTheRegister) {
    Tkunderec customer;
    customer.firstName = "Kari";
    customer.lastName = "Nordmann";
    customer.playerNumber = 12345678;
    customer.telephone2 = 22334455;
    const ShareEntry buyer = buyerOf(customer);
    EXPECT_EQ(buyer.name, "Kari Nordmann");
    EXPECT_EQ(buyer.telephone, "223-34455");
    EXPECT_EQ(buyer.playerNumber, "012 345 678");
}

TEST(AccountsCsv, LedgerBytesForANorwegianSpreadsheet) {
    Ledger ledger = emptyLedger(smallSyndicate(2));
    ledger.entries[0].name = "Åse; \"Lillemor\"";
    ledger.entries[0].paid = 2916;
    ledger.entries[0].paidOn = LedgerDate{7, 3, 2026};
    EXPECT_EQ(ledgerCsv(ledger),
              "\xEF\xBB\xBF"
              "Andel;Navn;Telefon;Spillenummer;Betalt;Betalt dato;Utbetalt;Utbetalt dato\r\n"
              "1;\"\xC3\x85se; \"\"Lillemor\"\"\";;;2916;07.03.2026;;\r\n"
              "2;;;;;;;\r\n");
}

TEST(AccountsCsv, SeasonOldestFirstWithTotalsAndCommaDecimals) {
    LedgerWinnings won;
    won.known = true;
    won.right12 = 1;
    won.prize = 125;
    won.perShare = 41;
    Ledger late = emptyLedger(smallSyndicate(3, "1001", {2, 2027, {}}));
    late.facts.stake = 300;
    late.entries[0].name = "Kari";
    Ledger early = emptyLedger(smallSyndicate(3, "1000", {50, 2026, {}}));
    early.facts.stake = 200;
    const Season season = seasonOf(std::vector<Ledger>{late, early}, [&](const SyndicateFacts& f) {
        return f.serialNumber == "1000" ? won : LedgerWinnings{};
    });
    EXPECT_EQ(seasonCsv(season),
              "\xEF\xBB\xBF"
              "Uke;Kupongtype;Rekker;Innsats;Solgte andeler;12 rette;11 rette;10 rette;Premie;Premie pr andel;"
              "Avkastning %\r\n"
              "UKE 50 -2026;L\xC3\x98RDAG;1;200;0;1;0;0;125;41;62,5\r\n"
              "UKE 02 -2027;L\xC3\x98RDAG;1;300;1;-;-;-;-;-;-\r\n"
              "total;;2;500;1;1;0;0;125;;25,0\r\n");
}

}  // namespace
}  // namespace andel::test
