// Paying a share from the buyer's balance: both ledgers change together, the rest of the
// win can still be paid in cash, the undo gives the win back, and a transfer cut short by
// a full disk is finished by the next change of any ledger.
#include "../accounts/accounts_fixture.h"
#include "accounts/ledger_edit.h"
#include "accounts/ledger_store.h"
#include "accounts/balance_payment.h"
#include "customers/customer_account.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

constexpr LedgerDate kToday{10, 12, 2026};

ShareEntry kari(std::optional<std::int64_t> paid = {}) {
    ShareEntry e;
    e.name = "Kari Nordmann";
    e.playerNumber = "123 456 789";
    e.paid = paid;
    return e;
}

class BalancePayment : public ::testing::Test {
protected:
    // Kari won 300 on share 1 of 1000 (week 48) and 40 on share 2 of 1001 (week 47), and
    // holds share 2 of 1002 (week 49, price 146) unpaid.
    void SetUp() override {
        Ledger won = ledgerOf("1000", 48, 100);
        won.entries[0] = kari(100);
        won.confirmed = ConfirmedResult{{1, 12, 2026}, {"1X21X21X21X2", 900, 0, 0}, std::nullopt};
        Ledger small = ledgerOf("1001", 47, 10);
        small.entries[1] = kari(10);
        small.confirmed = ConfirmedResult{{24, 11, 2026}, {"1X21X21X21X2", 120, 0, 0}, std::nullopt};
        Ledger next = ledgerOf("1002", 49, 146);
        next.entries[1] = kari();
        next.entries[2].name = "Ola Hansen";
        for (const Ledger* l : {&won, &small, &next}) saveLedger(workspace, *l);
    }
    static Ledger ledgerOf(const std::string& serial, int week, std::int64_t price) {
        SyndicateFacts facts = smallSyndicate(3, serial, {week, 2026, {}});
        facts.pricePerShare = price;
        return emptyLedger(facts);
    }
    Ledger ledger(const std::string& serial) const { return *findLedger(workspace, serial); }
    const ShareEntry& share(const Ledger& l, int n) const { return l.entries[static_cast<std::size_t>(n - 1)]; }
    std::string filesNow() const {
        std::string all;
        for (const char* serial : {"1000", "1001", "1002"}) all += encodeLedger(ledger(serial));
        return all;
    }
    std::int64_t karisBalance() const {
        return accountOf(buyerKey(kari()), listLedgers(workspace).ledgers).balance();
    }

    TempDir dir;
    const Workspace workspace{dir.path()};
};

TEST_F(BalancePayment, OldestWinPaysFirstAndBothLedgersRecordIt) {
    const std::int64_t before = karisBalance();
    ASSERT_EQ(before, 300 + 40 - 146);
    ASSERT_EQ(payFromBalance(workspace, "1002", 2, kToday), "");

    const Ledger paid = ledger("1002");
    EXPECT_EQ(share(paid, 2).paid, std::optional<std::int64_t>(146));
    EXPECT_EQ(share(paid, 2).paidFromBalance, (std::vector<BalanceLink>{{"1001", 2, 40}, {"1000", 1, 106}}));
    EXPECT_EQ(paid.history.back().text, "Andel 2 betalt fra saldo, kr 146.");
    EXPECT_EQ(share(ledger("1001"), 2).paidOut, std::optional<std::int64_t>(40));
    const Ledger won = ledger("1000");
    const ShareEntry& win = share(won, 1);
    EXPECT_EQ(win.paidOut, std::optional<std::int64_t>(106));
    EXPECT_EQ(win.toBalance, (std::vector<BalanceLink>{{"1002", 2, 106}}));
    EXPECT_EQ(ledger("1000").history.back().text, "Andel 1: kr 106 av gevinsten betalte andel 2 i serienummer 1002 (betalt fra saldo).");
    EXPECT_EQ(karisBalance(), before) << "moving money between her shares leaves her balance as it was";
    EXPECT_FALSE(fileExists(ledgerDirectory(workspace) / std::string(kTransferJournalName)));

    // The rest of the win is paid in cash once; its undo leaves what paid the share.
    const auto payout = [&](const LedgerStep& step) { return changeLedger(workspace, "1000", step).refused; };
    EXPECT_EQ(payout([](Ledger& l) { return markPaidOut(l, 1, std::int64_t{195}, std::nullopt); }),
              "Beløpet kr 195 er mer enn det som er igjen av gevinsten, kr 194.");
    EXPECT_EQ(payout([](Ledger& l) { return markPaidOut(l, 1, std::nullopt, std::nullopt); }), "");
    EXPECT_EQ(share(ledger("1000"), 1).paidOut, std::optional<std::int64_t>(300));
    EXPECT_EQ(payout([&](Ledger& l) { return undoPayout(l, 1, kToday); }), "");
    EXPECT_EQ(share(ledger("1000"), 1).paidOut, std::optional<std::int64_t>(106));
    EXPECT_EQ(payout([&](Ledger& l) { return undoPayout(l, 1, kToday); }),
              "Gevinsten til andel 1 betalte andel 2 i serienummer 1002 (kr 106): angre den betalingen fra saldo først.");
}

TEST_F(BalancePayment, UndoGivesTheWinBackOnBothSides) {
    ASSERT_EQ(payFromBalance(workspace, "1002", 2, kToday), "");
    EXPECT_EQ(changeLedger(workspace, "1002", [&](Ledger& l) { return undoPayment(l, 2, kToday); }).refused,
              "Andel 2 ble betalt fra kundens saldo 10.12.2026, kr 146: angre betalingen fra saldo, så føres gevinsten tilbake.");
    ASSERT_EQ(undoBalancePayment(workspace, "1002", 2, kToday), "");
    EXPECT_FALSE(share(ledger("1002"), 2).paid);
    EXPECT_TRUE(share(ledger("1002"), 2).paidFromBalance.empty());
    EXPECT_FALSE(share(ledger("1001"), 2).paidOut);
    EXPECT_FALSE(share(ledger("1000"), 1).paidOut);
    EXPECT_TRUE(share(ledger("1000"), 1).toBalance.empty());
    EXPECT_EQ(ledger("1000").history.back().text, "Angret: kr 106 av gevinsten til andel 1 ført tilbake fra andel 2 i serienummer 1002.");
    EXPECT_EQ(undoBalancePayment(workspace, "1002", 2, kToday), "Andel 2 er ikke betalt fra saldo; ingenting å angre.");
}

TEST_F(BalancePayment, RefusalsNameWhatStandsAndChangeNothing) {
    changeLedger(workspace, "1001", [](Ledger& l) { return markPaidOut(l, 2, std::nullopt, std::nullopt); });
    changeLedger(workspace, "1000", [](Ledger& l) { return markPaidOut(l, 1, std::int64_t{200}, std::nullopt); });
    const std::string files = filesNow();
    EXPECT_EQ(payFromBalance(workspace, "1002", 2, kToday),
              "Saldoen til Kari Nordmann er kr 100, men andel 2 koster kr 146: saldoen er for liten.");
    EXPECT_EQ(payFromBalance(workspace, "1002", 1, kToday), "Andel 1 har ingen kjøper: velg kjøperen før andelen betales.");
    EXPECT_EQ(payFromBalance(workspace, "1000", 1, kToday), "Andel 1 ble betalt (uten dato), kr 100.");
    EXPECT_EQ(payFromBalance(workspace, "1002", 3, kToday),
              "Saldoen til Ola Hansen er kr 0, men andel 3 koster kr 146: saldoen er for liten.");
    EXPECT_EQ(payFromBalance(workspace, "1009", 1, kToday), noLedgerMessage("1009"));
    EXPECT_EQ(filesNow(), files);
    changeLedger(workspace, "1002", [](Ledger& l) { return closeSale(l, kToday); });
    EXPECT_EQ(payFromBalance(workspace, "1002", 1, kToday), "Andel 1 holdes av kommisjonæren og har ingen kunde å trekke fra.");
    changeLedger(workspace, "1002", [](Ledger& l) { return reopenSale(l, kToday); });
}

TEST_F(BalancePayment, ATransferCutShortIsFinishedByTheNextChange) {
    // The disk fills after the journal and the first ledger were written.
    const std::size_t journal = encodeTransfer({BalanceTransfer::Kind::Pay, kToday, "1002", 2, {{"1001", 2, 40}, {"1000", 1, 106}}}).size();
    simulateDiskFullAfter(journal + encodeLedger(ledger("1002")).size() + 200);
    EXPECT_THROW(payFromBalance(workspace, "1002", 2, kToday), IoError);
    simulateDiskFullAfter(std::nullopt);
    ASSERT_TRUE(fileExists(ledgerDirectory(workspace) / std::string(kTransferJournalName)));
    EXPECT_TRUE(share(ledger("1002"), 2).paid) << "the paid share's ledger is written first";
    EXPECT_FALSE(share(ledger("1000"), 1).paidOut);

    // Any change of any ledger finishes it first, once.
    EXPECT_EQ(changeLedger(workspace, "1002", [](Ledger& l) { return setBuyer(l, 3, BuyerChange{.note = std::string("ringer")}); }).refused, "");
    EXPECT_FALSE(fileExists(ledgerDirectory(workspace) / std::string(kTransferJournalName)));
    EXPECT_EQ(share(ledger("1000"), 1).paidOut, std::optional<std::int64_t>(106));
    EXPECT_EQ(share(ledger("1001"), 2).paidOut, std::optional<std::int64_t>(40));
    EXPECT_EQ(share(ledger("1002"), 2).paid, std::optional<std::int64_t>(146));
    EXPECT_EQ(ledger("1002").history.size(), 1u);
}

TEST(BalanceJournal, RoundTripsAndRefusesEveryCut) {
    const BalanceTransfer t{BalanceTransfer::Kind::Undo, kToday, "1002", 2, {{"1001", 2, 40}, {"1000", 1, 106}}};
    const std::string bytes = encodeTransfer(t);
    EXPECT_EQ(decodeTransfer(bytes), std::optional<BalanceTransfer>(t));
    for (std::size_t cut = 0; cut + 2 < bytes.size(); ++cut) EXPECT_FALSE(decodeTransfer(bytes.substr(0, cut))) << cut;
    for (const char* bad : {"BETAL\r\n10.12.2026\r\n1002 2\r\nSLUTT\r\n", "BETAL\r\n10.12.2026\r\n1002\r\n1000 1 5\r\nSLUTT\r\n",
                            "BETAL\r\n31.02.2026\r\n1002 2\r\n1000 1 5\r\nSLUTT\r\n", "BETAL\r\n10.12.2026\r\n1002 2\r\n1000 1 0\r\nSLUTT\r\n",
                            "FLYTT\r\n10.12.2026\r\n1002 2\r\n1000 1 5\r\nSLUTT\r\n", "BETAL\r\n10.12.2026\r\n1002 2\r\n1000 1\r\nSLUTT\r\n"}) {
        EXPECT_FALSE(decodeTransfer(bad)) << bad;
    }
}

}  // namespace
}  // namespace andel::test
