// The money rules on the journal: each fault of the old ledger files, shown where the
// books now stand.
#include "books/books_check.h"
#include "books/buyer_key.h"
#include "books_fixture.h"

namespace andel::test {
namespace {

const std::string kKari = customerKeyOf("Kari Nordmann", "", "");
const std::string kOla = customerKeyOf("Ola Hansen", "", "");

class BooksRulesTest : public BooksTest {
protected:
    void SetUp() override {
        open(pricedSyndicate("1042"));
        sell("1042", 1, "Kari Nordmann");
        sell("1042", 2, "Ola Hansen");
    }
    void expectBalanced() {
        const BooksCheck check = checkBooks(*journal);
        EXPECT_TRUE(check.ok()) << (check.problems.empty() ? "" : check.problems.front());
    }
};

TEST_F(BooksRulesTest, PartPaymentsAddUpToThePriceAndNeverBeyond) {
    EXPECT_EQ(payInBooks(*journal, clerk, "1042", 1, 1, std::nullopt), "");
    EXPECT_EQ(ledger("1042").entries[0].paid, 1);
    EXPECT_EQ(money(kKari).unpaid, 99);
    EXPECT_NE(payInBooks(*journal, clerk, "1042", 1, 100, std::nullopt), "");  // 1 + 100 > 100
    EXPECT_EQ(payInBooks(*journal, clerk, "1042", 1, 99, std::nullopt), "");
    EXPECT_EQ(money(kKari).unpaid, 0);
    EXPECT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "Andel 1 ble betalt 11.12.2026, kr 100.");
    EXPECT_EQ(drawer(), 100);
    expectBalanced();
}

TEST_F(BooksRulesTest, OnlyAFullyPaidShareWinsAndAPayoutTakesOnlyWhatIsLeft) {
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, 100, std::nullopt), "");
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 2, 1, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1042", resultWith(3000)), "");
    EXPECT_EQ(money(kKari).balance, 1000);
    EXPECT_EQ(money(kOla).balance, 0);  // 1 kr paid of 100: no winnings, nothing to pay out
    EXPECT_NE(payoutInBooks(*journal, clerk, "1042", 2, std::nullopt, std::nullopt), "");
    EXPECT_EQ(payoutInBooks(*journal, clerk, "1042", 1, 400, std::nullopt), "");
    EXPECT_EQ(money(kKari).balance, 600);
    EXPECT_NE(payoutInBooks(*journal, clerk, "1042", 1, 601, std::nullopt), "");
    EXPECT_EQ(payoutInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    EXPECT_EQ(money(kKari).balance, 0);
    EXPECT_EQ(drawer(), 101 - 1000);
    expectBalanced();
}

TEST_F(BooksRulesTest, PaymentAfterTheResultIsACorrectionWithAReason) {
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1042", resultWith(3000)), "");
    EXPECT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt),
              "Resultatet ble godkjent 11.12.2026: en betaling føres nå bare som en rettelse med grunn.");
    EXPECT_EQ(setBuyerInBooks(*journal, clerk, "1042", 3, BuyerChange{"Per Olsen", {}, {}, {}}),
              "Resultatet ble godkjent 11.12.2026: en ny kjøper føres nå bare som en rettelse med grunn.");
    EXPECT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt, "betalte lørdag, glemt å føre"), "");
    EXPECT_EQ(money(kKari).balance, 1000);  // the correction completes the share, so it wins
    expectBalanced();
}

TEST_F(BooksRulesTest, DatesMustBeRealDaysBetweenTheMakingAndToday) {
    struct Case {
        LedgerDate on;
        const char* refusal;
    } cases[] = {
        {{1, 1, 1900}, "Datoen 01.01.1900 er før andelslaget ble laget, 11.12.2026."},
        {{31, 12, 2099}, "Datoen 31.12.2099 er etter dagens dato, 11.12.2026."},
        {{12, 12, 2026}, "Datoen 12.12.2026 er etter dagens dato, 11.12.2026."},
    };
    for (const Case& c : cases) EXPECT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, c.on), c.refusal);
    EXPECT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, LedgerDate{11, 12, 2026}), "");
}

TEST_F(BooksRulesTest, ABuyerWithMoneyIsChangedOnlyAfterTheMoneyIsReversed) {
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    EXPECT_EQ(setBuyerInBooks(*journal, clerk, "1042", 1, BuyerChange{"Ola Hansen", {}, {}, {}}),
              "Andel 1 ble betalt 11.12.2026, kr 100: angre betalingen før kjøperen endres.");
    EXPECT_EQ(ledger("1042").entries[0].name, "Kari Nordmann");
    ASSERT_EQ(undoPaymentInBooks(*journal, clerk, "1042", 1, "feil kjøper"), "");
    EXPECT_EQ(setBuyerInBooks(*journal, clerk, "1042", 1, BuyerChange{"Ola Hansen", {}, {}, {}}), "");
    const Ledger after = ledger("1042");
    EXPECT_EQ(after.entries[0].customerKey, kOla);
    EXPECT_FALSE(after.entries[0].paid);
    EXPECT_EQ(money(kKari).unpaid, 0);
    EXPECT_EQ(money(kOla).unpaid, 200);
    // Nothing was lost from the history: the payment, its undo with the reason, both buyers.
    std::string history;
    for (const HistoryLine& line : after.history) history += line.text + "\n";
    EXPECT_NE(history.find("Betaling kontant for andel 1: kr 100"), std::string::npos) << history;
    EXPECT_NE(history.find("feil kjøper"), std::string::npos) << history;
    EXPECT_NE(history.find("Kjøper av andel 1: Kari Nordmann"), std::string::npos) << history;
    expectBalanced();
}

TEST_F(BooksRulesTest, VoidingOwesThePaidMoneyBackAndReturnsTheBalance) {
    open(pricedSyndicate("1043"));
    sell("1043", 1, "Kari Nordmann");
    ASSERT_EQ(payInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1043", resultWith(3000)), "");  // Kari wins 1.000
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 2, 46, std::nullopt), "");   // Ola pays 46 in cash
    ASSERT_EQ(payFromBalanceInBooks(*journal, clerk, "1042", 1), "");          // Kari pays 100 from her win
    EXPECT_EQ(money(kKari).balance, 900);
    ASSERT_EQ(voidInBooks(*journal, clerk, "1042", "onlinefilen ble erstattet"), "");
    EXPECT_EQ(money(kKari).balance, 1000);     // the balance payment went back
    EXPECT_EQ(money(kOla).refundsOwed, 46);    // the cash is owed back, not lost
    EXPECT_EQ(money(kOla).unpaid, 0);
    EXPECT_EQ(ledger("1043").entries[0].toBalance.size(), 0u);  // the win is whole again
    EXPECT_NE(payInBooks(*journal, clerk, "1042", 3, std::nullopt, std::nullopt), "");
    EXPECT_EQ(payRefundInBooks(*journal, clerk, kOla, std::nullopt), "");
    EXPECT_EQ(money(kOla).refundsOwed, 0);
    EXPECT_EQ(drawer(), 100);  // Kari's cash for 1043; Ola's 46 in and out again
    expectBalanced();
}

TEST_F(BooksRulesTest, ABalancePaymentIsUndoneWholeAndTheWinCanThenBePaidOut) {
    open(pricedSyndicate("1043"));
    sell("1043", 1, "Kari Nordmann");
    ASSERT_EQ(payInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1043", resultWith(300)), "");  // 100 a share
    ASSERT_EQ(payFromBalanceInBooks(*journal, clerk, "1042", 1), "");
    EXPECT_NE(payoutInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt), "");  // spent
    ASSERT_EQ(undoPaymentInBooks(*journal, clerk, "1042", 1, ""), "");
    expectBalanced();  // the winning syndicate's figures follow an undo made in another
    EXPECT_EQ(money(kKari).balance, 100);
    EXPECT_EQ(payoutInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt), "");
    EXPECT_EQ(money(kKari).balance, 0);
    expectBalanced();
}

TEST_F(BooksRulesTest, ALowerResultAfterPayoutsLeavesADebtSetAgainstOtherWinnings) {
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1042", resultWith(3000)), "");
    ASSERT_EQ(payoutInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    const ConfirmedResult lower = resultWith(300);
    EXPECT_NE(resultCorrectionWarning(ledger("1042"), lower).find("kunden skylder da kr 900"), std::string::npos);
    EXPECT_EQ(confirmInBooks(*journal, clerk, "1042", lower),
              "Resultatet ble godkjent 11.12.2026: en rettelse av resultatet trenger en grunn.");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1042", lower, "feil premie i tippehistorikken"), "");
    EXPECT_EQ(money(kKari).balance, -900);  // a debt, never shown as 0
    // Another win of Kari's goes to the debt first.
    open(pricedSyndicate("1043"));
    sell("1043", 1, "Kari Nordmann");
    ASSERT_EQ(payInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1043", resultWith(1500)), "");  // 500 a share
    EXPECT_EQ(money(kKari).balance, -400);
    EXPECT_NE(payoutInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt).find("skylder kr 400"), std::string::npos);
    expectBalanced();
}

TEST_F(BooksRulesTest, OneCustomerKeyNeverJoinsTwoCustomers) {
    // A player number decides; the same name and telephone under another number is someone else.
    EXPECT_EQ(customerKeyOf("Kari Nordmann", "22 33 44 55", "123 456"), customerKeyOf("KARI  NORDMANN", "", "0123456"));
    EXPECT_NE(customerKeyOf("Kari Nordmann", "22 33 44 55", "123 456"), customerKeyOf("Kari Nordmann", "22 33 44 55", "999"));
    EXPECT_NE(customerKeyOf("Kari Nordmann", "22 33 44 55", ""), customerKeyOf("Kari Nordmann", "22 33 44 55", "123 456"));
    EXPECT_EQ(customerKeyOf("Kari Nordmann", "22334455", ""), customerKeyOf("kari nordmann", "22 33 44 55", ""));
}

TEST_F(BooksRulesTest, UndoIsAReversalAndNothingIsEverUpdatedOrDeleted) {
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(undoPaymentInBooks(*journal, clerk, "1042", 1, "feil andel"), "");
    EXPECT_EQ(undoPaymentInBooks(*journal, clerk, "1042", 1, ""), "Andel 1 er ikke merket betalt; ingenting å angre.");
    SqliteDatabase& db = journal->database();
    for (const char* sql : {"UPDATE event SET amount_ore = 1", "DELETE FROM event", "UPDATE posting SET amount_ore = 0",
                            "DELETE FROM posting", "DELETE FROM syndicate", "UPDATE syndicate SET shares = 1"}) {
        EXPECT_THROW(db.execute(sql), IoError) << sql;
    }
    const std::int64_t id = ledger("1042").id;
    EXPECT_EQ(journal->read([&] { return journal->eventsOfSyndicate(id).size(); }), 5u)
        << "opened, two buyers, the payment and its undo, all kept";
    expectBalanced();
}

TEST_F(BooksRulesTest, TheLargestAmountsAreWrittenAndReadBack) {
    SyndicateFacts big = pricedSyndicate("1044", 120, 999'999'999);
    big.stake = 999'999'999;
    open(big);
    sell("1044", 120, "Kari Nordmann");
    ASSERT_EQ(payInBooks(*journal, clerk, "1044", 120, std::nullopt, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1044", resultWith(999'999'999)), "");
    const Ledger read = ledger("1044");
    EXPECT_EQ(read.entries[119].paid, 999'999'999);
    EXPECT_EQ(read.facts.pricePerShare, 999'999'999);
    EXPECT_EQ(read.confirmed->fullTime.prize12, 999'999'999);
    EXPECT_EQ(payInBooks(*journal, clerk, "1044", 1, 1'000'000'000, std::nullopt), "Andel 1 har ingen kjøper: velg kjøperen før andelen merkes betalt.");
    expectBalanced();
}

TEST_F(BooksRulesTest, TheSaleClosesToTheAgentAndReopens) {
    ASSERT_EQ(closeSaleInBooks(*journal, clerk, "1042"), "");
    EXPECT_TRUE(ledger("1042").entries[2].agentHeld);
    EXPECT_EQ(setBuyerInBooks(*journal, clerk, "1042", 3, BuyerChange{"Per Olsen", {}, {}, {}}),
              "Salget ble stengt 11.12.2026: åpne salget igjen før andelen får en ny kjøper.");
    ASSERT_EQ(reopenSaleInBooks(*journal, clerk, "1042"), "");
    EXPECT_FALSE(ledger("1042").entries[2].hasBuyer());
    EXPECT_EQ(setBuyerInBooks(*journal, clerk, "1042", 3, BuyerChange{"Per Olsen", {}, {}, {}}), "");
    expectBalanced();
}

}  // namespace
}  // namespace andel::test

namespace andel::test {
namespace {

// A statement for a period shows the account as it stood at the period's end: a payment
// undone later still stands then.
TEST_F(BooksTest, TheAccountAsItStoodOnAPastDay) {
    const Clerk early{"BG 123 456 789", {1, 12, 2026}};
    ASSERT_EQ(openLedgerInBooks(*journal, early, pricedSyndicate("1042")).opening, LedgerOpening::Created);
    ASSERT_EQ(setBuyerInBooks(*journal, early, "1042", 1, BuyerChange{"Kari Nordmann", {}, {}, {}}), "");
    ASSERT_EQ(payInBooks(*journal, early, "1042", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(undoPaymentInBooks(*journal, clerk, "1042", 1, "betalt med falsk seddel"), "");
    const std::string kari = customerKeyOf("Kari Nordmann", "", "");
    const auto asOf = [&](std::optional<LedgerDate> day) {
        return journal->read([&] { return journal->ledgersOfCustomer(kari, day); }).at(0).entries[0].paid;
    };
    EXPECT_EQ(asOf(LedgerDate{5, 12, 2026}), 100);
    EXPECT_FALSE(asOf(LedgerDate{11, 12, 2026}));
    EXPECT_FALSE(asOf(std::nullopt));
    EXPECT_TRUE(journal->read([&] { return journal->ledgersOfCustomer(kari, LedgerDate{30, 11, 2026}); }).at(0).entries[0].name.empty())
        << "before the sale the share had no buyer";
}

}  // namespace
}  // namespace andel::test
