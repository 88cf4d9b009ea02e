// The drawer and the day's settlement: what the drawer should hold, the count against it,
// and days that stay as they were closed.
#include "books/books_check.h"
#include "books/buyer_key.h"
#include "books/cash_day.h"
#include "books_fixture.h"

namespace andel::test {
namespace {

const std::string kKari = customerKeyOf("Kari Nordmann", "", "");

class CashDayTest : public BooksTest {
protected:
    void SetUp() override {
        clerk.today = {1, 12, 2026};
        open(pricedSyndicate("1042"));
        open(pricedSyndicate("1043"));
        sell("1042", 1, "Kari Nordmann");
        sell("1042", 2, "Ola Hansen");
        sell("1043", 1, "Kari Nordmann");
    }
    DayReport report(const LedgerDate& day) { return journal->read([&] { return dayReport(*journal, day, day); }); }
    DayReport openDays() { return journal->read([&] { return openDaysReport(*journal, clerk.today); }); }
    std::int64_t drawerOre() { return journal->read([&] { return drawerNowOre(*journal); }); }
    void expectBalanced() {
        const BooksCheck check = checkBooks(*journal);
        EXPECT_TRUE(check.ok()) << (check.problems.empty() ? "" : check.problems.front());
    }
};

TEST_F(CashDayTest, TheDrawerHoldsTheCashMovedAndListsWhatMovedNone) {
    ASSERT_EQ(depositInBooks(*journal, clerk, 500, "vekselkasse"), "");
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 2, 40, std::nullopt), "");
    ASSERT_EQ(payInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1043", resultWith(3000, clerk.today)), "");  // Kari wins 1.000
    ASSERT_EQ(payoutInBooks(*journal, clerk, "1043", 1, 300, std::nullopt), "");
    ASSERT_EQ(undoPaymentInBooks(*journal, clerk, "1042", 1, "feil andel"), "");
    ASSERT_EQ(payFromBalanceInBooks(*journal, clerk, "1042", 1), "");  // no cash
    ASSERT_EQ(withdrawInBooks(*journal, clerk, 200, "til banken"), "");

    const DayReport day = report(clerk.today);
    EXPECT_EQ(day.openingOre, 0);
    EXPECT_EQ(day.cashInOre, 14000);  // 100 + 40 + 100 - 100 undone
    EXPECT_EQ(day.cashOutOre, 30000);
    EXPECT_EQ(day.depositsOre, 50000);
    EXPECT_EQ(day.withdrawalsOre, 20000);
    EXPECT_EQ(day.expectedOre(), 50000 + 14000 - 30000 - 20000);
    EXPECT_EQ(day.expectedOre(), drawerOre());
    ASSERT_EQ(day.syndicates.size(), 2u);
    EXPECT_EQ(day.syndicates[0].serial, "1042");
    EXPECT_EQ(day.syndicates[0].inOre, 4000);
    EXPECT_EQ(day.syndicates[1].outOre, 30000);
    ASSERT_EQ(day.nonCash.size(), 1u);
    EXPECT_EQ(day.nonCash[0].what, "Betalt fra saldo");
    EXPECT_EQ(day.nonCash[0].amountOre, 10000);
    ASSERT_EQ(day.movements.size(), 2u);
    EXPECT_EQ(day.movements[1].note, "til banken");

    EXPECT_EQ(withdrawInBooks(*journal, clerk, 1000, "for mye"),
              "Kassen skal nå inneholde kr 140: kr 1.000 kan ikke tas ut.");
    EXPECT_EQ(depositInBooks(*journal, clerk, 100, "  "), "Skriv en merknad: hva pengene er, eller hvor de gikk.");
    EXPECT_EQ(depositInBooks(*journal, clerk, 0, "null"), "Beløpet må være minst kr 1.");
    EXPECT_EQ(drawerOre(), 14000);
    expectBalanced();
}

TEST_F(CashDayTest, ASettlementRecordsTheCountAndItsDifferenceAndClosesTheDay) {
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    EXPECT_EQ(closeDayInBooks(*journal, clerk, 90, ""),
              "Kassen skulle inneholde kr 100, men det er talt kr 90: skriv grunnen til differansen på kr -10.");
    EXPECT_EQ(closeDayInBooks(*journal, clerk, 90, "", {{50, 1}, {20, 1}}),
              "Tellingen gir kr 70, men det talte beløpet er kr 90.");
    int number = 0;
    ASSERT_EQ(closeDayInBooks(*journal, clerk, 90, "vekslet feil", {{50, 1}, {20, 2}}, &number), "");
    EXPECT_EQ(number, 1);
    const DayReport closed = report(clerk.today);
    ASSERT_TRUE(closed.settlement);
    EXPECT_EQ(closed.settlement->expectedOre, 10000);
    EXPECT_EQ(closed.settlement->countedOre, 9000);
    EXPECT_EQ(closed.settlement->differenceOre, -1000);
    EXPECT_EQ(closed.settlement->reason, "vekslet feil");
    EXPECT_EQ(closed.settlement->counts.at(20), 2);
    EXPECT_EQ(drawerOre(), 9000);  // the drawer now holds what was counted

    // Later the same day: recorded on the next day, which opens with the count.
    EXPECT_EQ(closeDayInBooks(*journal, clerk, 90, ""),
              "Dagen 01.12.2026 er alt avsluttet med dagsoppgjør nr 1: neste dagsoppgjør gjelder 02.12.2026.");
    ASSERT_EQ(payInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt), "");
    EXPECT_EQ(ledger("1043").entries[0].paidOn, (LedgerDate{2, 12, 2026}));
    EXPECT_NE(payInBooks(*journal, clerk, "1042", 2, std::nullopt, LedgerDate{1, 12, 2026}).find("dagsoppgjør nr 1"),
              std::string::npos);
    // An undo of the closed day's payment goes into the open day and names the day it corrects.
    ASSERT_EQ(undoPaymentInBooks(*journal, clerk, "1042", 1, "betalte med feil kort"), "");
    EXPECT_EQ(report(clerk.today), closed);
    const DayReport next = openDays();
    EXPECT_EQ(next.from, (LedgerDate{2, 12, 2026}));
    EXPECT_EQ(next.openingOre, 9000);
    EXPECT_EQ(next.cashInOre, 0);  // 100 in for 1043, the 100 of 1042 given back
    const auto history = journal->read([&] { return journal->ledger("1042"); })->history;
    EXPECT_NE(history.back().text.find("rettelse av 01.12.2026"), std::string::npos) << history.back().text;

    clerk.today = {3, 12, 2026};
    ASSERT_EQ(closeDayInBooks(*journal, clerk, 90, "", {}, &number), "");
    EXPECT_EQ(number, 2);
    const auto settled = journal->read([&] { return daySettlements(*journal); });
    ASSERT_EQ(settled.size(), 2u);
    EXPECT_EQ(settled[1].from, (LedgerDate{2, 12, 2026}));
    EXPECT_EQ(settled[1].day, (LedgerDate{3, 12, 2026}));
    expectBalanced();
}

TEST_F(CashDayTest, TheBooksRefuseAnEventDatedInAClosedDayWhateverWritesIt) {
    ASSERT_EQ(closeDayInBooks(*journal, clerk, 0, ""), "");
    BookEvent late;
    late.kind = EventKind::DrawerOpened;
    late.businessDate = {1, 12, 2026};
    EXPECT_THROW(journal->write([&] { journal->append(late, {}); }), IoError);
    EXPECT_THROW(journal->database().execute("INSERT INTO settlement (number, day, event) VALUES (5, '2026-12-09', 1)"), IoError);
    EXPECT_THROW(journal->database().execute("DELETE FROM settlement"), IoError);
}

}  // namespace
}  // namespace andel::test
