#include "accounts/accounts_csv.h"
#include "accounts/accounts_report.h"
#include "books/ledger_edit.h"
#include "books/ledger_winnings.h"
#include "accounts/season.h"
#include "accounts_fixture.h"
#include "model/text.h"
#include "platform/workspace.h"
#include "results/prize_row_walk.h"

#include <gtest/gtest.h>

#include <filesystem>

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

LedgerWinnings forecast(const Workspace& workspace, const SyndicateFacts& facts) {
    return ledgerResult(workspace, emptyLedger(facts)).winnings;
}

// The prize of the rows counted one by one against the result.
std::int64_t walkedPrize(const SyndicateFacts& facts, const std::string& signs, std::int64_t p12, std::int64_t p11,
                         std::int64_t p10) {
    ResultMasks masks{};
    for (int m = 0; m < kMatches; ++m) masks[m] = signs[m] == '1' ? kHome : signs[m] == 'X' ? kDraw : kAway;
    const PrizeCount walked = countPrizesByWalking(facts.coupons, masks);
    return walked.rows[12] * p12 + walked.rows[11] * p11 + walked.rows[10] * p10;
}

TEST(LedgerWinnings, PrizeSplitsIntoWholeKronerWithTheRemainderShown) {
    TempDir dir;
    const Workspace workspace(dir.path());
    const SyndicateFacts facts = syndicateWithTwoCoupons(7);
    writeHistory(dir, facts.week, "1X2 1X2 1X2 1X2", 100000, 1500, 101);
    const LedgerWinnings w = forecast(workspace, facts);
    ASSERT_TRUE(w.known);
    EXPECT_FALSE(w.confirmed) << "the history's figures are a forecast until confirmed";
    EXPECT_EQ(w.resultSigns, "1X21X21X21X2");
    // Coupon 1: one row with 12. Coupon 2: one with 12, four with 11 and four with 10.
    EXPECT_EQ(w.right12, 2);
    EXPECT_EQ(w.right11, 4);
    EXPECT_EQ(w.right10, 4);
    EXPECT_EQ(w.prize, 2 * 100000 + 4 * 1500 + 4 * 101);  // 206.404
    EXPECT_EQ(w.prize, walkedPrize(facts, "1X21X21X21X2", 100000, 1500, 101));
    EXPECT_EQ(w.perShare, 206404 / 7);
    EXPECT_EQ(w.remainder, 206404 % 7);
}

TEST(LedgerWinnings, NotReadyWithoutTheWholeResult) {
    TempDir dir;
    const Workspace workspace(dir.path());
    const SyndicateFacts facts = smallSyndicate();
    EXPECT_FALSE(forecast(workspace, facts).known) << "no history";
    writeHistory(dir, facts.week, "1X2 1X2 1X2", 0, 1500, 100);
    EXPECT_FALSE(forecast(workspace, facts).known) << "nine signs";
    writeHistory(dir, {49, 2026, {}}, "1X2 1X2 1X2 1X2", 0, 1500, 100);
    EXPECT_FALSE(forecast(workspace, facts).known) << "another week";
}

// BEGGE plays the rows on both results: the prize is the two together, each against the row walk.
TEST(LedgerWinnings, BeggeCountsTheFullTimeAndTheHalfTimeResult) {
    TempDir dir;
    const Workspace workspace(dir.path());
    SyndicateFacts facts = syndicateWithTwoCoupons(3);
    facts.timeBasis = TimeBasis::Both;
    writeHistory(dir, facts.week, "1X2 1X2 1X2 1X2", 100000, 1500, 101);
    EXPECT_FALSE(forecast(workspace, facts).known) << "the half time's result is not known yet";
    writeHistory(dir, facts.week, "XX2 1X2 1X2 1X1", 70000, 2000, 150, "lp.txt");

    const LedgerWinnings w = forecast(workspace, facts);
    ASSERT_TRUE(w.known && w.both);
    const std::int64_t fullTime = walkedPrize(facts, "1X21X21X21X2", 100000, 1500, 101);
    const std::int64_t halfTime = walkedPrize(facts, "XX21X21X21X1", 70000, 2000, 150);
    ASSERT_GT(halfTime, 0);
    EXPECT_EQ(w.fullTime.prize, fullTime);
    EXPECT_EQ(w.halfTime.prize, halfTime);
    EXPECT_EQ(w.prize, fullTime + halfTime);
    EXPECT_EQ(w.perShare, (fullTime + halfTime) / 3);
    EXPECT_EQ(w.halfTime.resultSigns, "XX21X21X21X1");

    Ledger ledger = emptyLedger(facts);
    const auto facts_ = ledgerFacts(ledger, ledgerResult(workspace, ledger));
    const auto line = [&](const std::string& key) {
        for (const auto& [k, v] : facts_) {
            if (k == key) return v;
        }
        return std::string("(none)");
    };
    EXPECT_EQ(line("prize"), formatAmount(fullTime + halfTime));
    EXPECT_EQ(line("prize-fulltime"), formatAmount(fullTime));
    EXPECT_EQ(line("prize-halftime"), formatAmount(halfTime));
    EXPECT_EQ(line("state"), "open");
}

// Once confirmed, the ledger stands on the confirmed result: a corrected history is shown
// beside it, and a lower confirmed prize after payouts shows the overpayment.
TEST(LedgerWinnings, AConfirmedResultStandsWhenTheHistoryChanges) {
    TempDir dir;
    const Workspace workspace(dir.path());
    const SyndicateFacts facts = smallSyndicate(3);
    writeHistory(dir, facts.week, "1X2 1X2 1X2 1X2", 643611, 0, 0);
    Ledger ledger = emptyLedger(facts);
    RoundResults results(workspace);
    const auto confirmable = confirmableResult(facts, historyRounds(results, facts), {6, 12, 2026});
    ASSERT_TRUE(confirmable);
    ledger.confirmed = *confirmable;
    EXPECT_EQ(confirmedPartPerShare(ledger), 214537);
    for (ShareEntry& e : ledger.entries) {
        e.name = "Kjøper";
        e.paid = facts.pricePerShare;
        e.paidOut = 214537;
    }

    writeHistory(dir, facts.week, "1X2 1X2 1X2 1XX", 0, 0, 0);
    const LedgerResult shown = ledgerResult(workspace, ledger);
    EXPECT_TRUE(shown.winnings.confirmed);
    EXPECT_EQ(shown.winnings.prize, 643611) << "the history's change is never taken silently";
    EXPECT_TRUE(shown.historyDiffers);
    EXPECT_EQ(historyRoundsText(shown.history), "1X21X21X21XX 0 0 0");
    EXPECT_EQ(ledgerTotals(ledger, shown.winnings).overpaid, 0);

    std::filesystem::remove(dir.file("tippehistorikk/lf.txt"));
    writeHistory(dir, {40, 2026, {}}, "1X2 1X2 1X2 1X2", 0, 0, 0);
    EXPECT_FALSE(ledgerResult(workspace, ledger).historyDiffers) << "a history without the round says nothing against it";
    writeHistory(dir, facts.week, "1X2 1X2 1X2 1XX", 0, 0, 0);

    ConfirmedResult corrected = *confirmable;
    corrected.on = {8, 12, 2026};
    corrected.fullTime = {"1X21X21X21XX", 0, 0, 0};
    ledger.confirmed = corrected;
    const LedgerResult again = ledgerResult(workspace, ledger);
    EXPECT_FALSE(again.historyDiffers);
    EXPECT_EQ(again.winnings.prize, 0);
    const LedgerTotals totals = ledgerTotals(ledger, again.winnings);
    EXPECT_EQ(totals.paidOut, 643611);
    EXPECT_EQ(totals.overpaid, 643611);
    EXPECT_EQ(totals.toPayOut, 0);
}

TEST(AccountsCsv, LedgerBytesForANorwegianSpreadsheet) {
    Ledger ledger = emptyLedger(smallSyndicate(2));
    ledger.entries[0].name = "Åse; \"Lillemor\"";
    ledger.entries[0].paid = 2916;
    ledger.entries[0].paidOn = LedgerDate{7, 3, 2026};
    ledger.entries[0].note = "=kontant";
    ledger.entries[0].paidOut = 21;
    ledger.confirmed = ConfirmedResult{{9, 3, 2026}, {"1X21X21X21X2", 42, 0, 0}, std::nullopt};
    LedgerResult result;
    result.winnings = confirmedWinnings(ledger);
    const std::string csv = ledgerCsv(ledger, result);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n\r\n") + 4),
              "\xEF\xBB\xBF"
              "Andel;Navn;Telefon;Spillenummer;Betalt;Betalt dato;Utbetalt;Utbetalt dato;Merknad;Gevinst\r\n"
              "1;\"\xC3\x85se; \"\"Lillemor\"\"\";;;2916;07.03.2026;21;;'=kontant;21\r\n"
              "2;;;;;;;;;\r\n"
              "Sum;;;;2916;;21;;;21\r\n"
              "\r\n");
    EXPECT_NE(csv.find("\r\nSerienummer;1042\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nStatus;Godkjent\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nPremie pr andel;21\r\n"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("serial"), std::string::npos) << csv;
}

// Nothing a buyer typed runs as a formula when the CSV is opened; negative figures stay numbers.
TEST(AccountsCsv, CellsThatASpreadsheetWouldRunAreKeptAsText) {
    EXPECT_EQ(csvLines({{"=SUM(A1:A9)", "+47 22 33 44 55", "-75", "@kari", "-1+2", "1.234", "12,5", "a=b", "-"}}),
              "\xEF\xBB\xBF'=SUM(A1:A9);'+47 22 33 44 55;-75;'@kari;'-1+2;1.234;12,5;a=b;-\r\n");
}

// The total counts what was paid back and the result over the rounds with a result only,
// says how many are open, and leaves voided ledgers out.
TEST(AccountsCsv, SeasonCountsSettledRoundsAndLeavesVoidedOnesOut) {
    LedgerWinnings won;
    won.known = true;
    won.confirmed = true;  // a forecast settles nothing: only a confirmed round counts in the totals
    won.right12 = 1;
    won.prize = 125;
    won.perShare = 41;
    Ledger late = emptyLedger(smallSyndicate(3, "1001", {2, 2027, {}}));
    late.facts.stake = 300;
    late.entries[0].name = "Kari";
    Ledger early = emptyLedger(smallSyndicate(3, "1000", {50, 2026, {}}));
    early.facts.stake = 200;
    Ledger voided = emptyLedger(smallSyndicate(3, "0999", {50, 2026, {}}));
    voided.facts.stake = 200;
    voided.voided = LedgerVoiding{{1, 12, 2026}, "feil spillenummer"};
    const Season season = seasonOf(std::vector<Ledger>{late, early, voided}, [&](const Ledger& l) {
        return l.facts.serialNumber == "1001" ? LedgerWinnings{} : won;
    });
    EXPECT_EQ(seasonCsv(season),
              "\xEF\xBB\xBF"
              "Serienummer;Uke;Kupongtype;Rekker;Innsats;Solgte andeler;12 rette;11 rette;10 rette;Premie;"
              "Premie pr andel;Tilbakebetalt %;Resultat kr\r\n"
              "1000;UKE 50 -2026;L\xC3\x98RDAG;1;200;0;1;0;0;125;41;62,5;-75\r\n"
              "1001;UKE 02 -2027;L\xC3\x98RDAG;1;300;1;-;-;-;-;-;-;-\r\n"
              "total;;;2;500;1;1;0;0;125;;62,5;-75;open 1\r\n");
}

}  // namespace
}  // namespace andel::test
