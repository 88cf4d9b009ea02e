// The refusals of the money rules name what stands and record nothing; what is recorded
// shows in the ledger and its history.
#include "accounts/accounts_report.h"
#include "books/books_check.h"
#include "books/ledger_edit.h"
#include "books_fixture.h"

namespace andel::test {
namespace {

// Three shares at 21 kr: share 1 sold and paid, share 2 sold, share 3 unsold; one
// syndicate of that kind in each state the refusals need.
class LedgerRulesTest : public BooksTest {
protected:
    void SetUp() override {
        for (const char* serial : {"1001", "1002", "1003", "1004", "1005"}) {
            open(pricedSyndicate(serial, 3, 21));
            sell(serial, 1, "Kari Nordmann");
            sell(serial, 2, "Ola Nordmann");
            ASSERT_EQ(payInBooks(*journal, clerk, serial, 1, std::nullopt, std::nullopt), "");
            if (std::string(serial) != "1002") ASSERT_EQ(confirmInBooks(*journal, clerk, serial, resultWith(63)), "");
        }
        ASSERT_EQ(payoutInBooks(*journal, clerk, "1003", 1, std::nullopt, std::nullopt), "");
        ASSERT_EQ(voidInBooks(*journal, clerk, "1004", "feil spillenummer"), "");
        ASSERT_EQ(closeSaleInBooks(*journal, clerk, "1005"), "");
    }
    std::int64_t events() {
        return journal->read([&] {
            SqliteStatement s(journal->database(), "SELECT count(*) FROM event");
            s.step();
            return s.integer(0);
        });
    }
};

TEST_F(LedgerRulesTest, EveryRefusalNamesWhatStandsAndRecordsNothing) {
    using Command = std::function<std::string(Journal&, const Clerk&)>;
    const struct Case {
        const char* what;
        Command command;
        const char* refusal;
    } cases[] = {
        {"pay a share with no buyer", [](Journal& j, const Clerk& c) { return payInBooks(j, c, "1002", 3, {}, {}); }, "Andel 3 har ingen kjøper"},
        {"pay twice", [](Journal& j, const Clerk& c) { return payInBooks(j, c, "1002", 1, 21, {}); }, "Andel 1 ble betalt 11.12.2026, kr 21"},
        {"pay nothing", [](Journal& j, const Clerk& c) { return payInBooks(j, c, "1002", 2, 0, {}); }, "minst kr 1"},
        {"pay above the price", [](Journal& j, const Clerk& c) { return payInBooks(j, c, "1002", 2, 999'999'999, {}); },
         "mer enn det som mangler av prisen, kr 21"},
        {"payout before the result is confirmed", [](Journal& j, const Clerk& c) { return payoutInBooks(j, c, "1002", 1, {}, {}); },
         "Resultatet er ikke godkjent"},
        {"payout to a share with no buyer", [](Journal& j, const Clerk& c) { return payoutInBooks(j, c, "1001", 3, {}, {}); },
         "Andel 3 har ingen kjøper"},
        {"payout to a share never paid", [](Journal& j, const Clerk& c) { return payoutInBooks(j, c, "1001", 2, {}, {}); },
         "Andel 2 er ikke betalt fullt ut (kr 0 av kr 21)"},
        {"payout above the share's part", [](Journal& j, const Clerk& c) { return payoutInBooks(j, c, "1001", 1, 999'999'999, {}); },
         "mer enn det som er igjen å utbetale, kr 21"},
        {"payout twice", [](Journal& j, const Clerk& c) { return payoutInBooks(j, c, "1003", 1, {}, {}); },
         "Andel 1 ble utbetalt 11.12.2026, kr 21"},
        {"undo a payment before its payout", [](Journal& j, const Clerk& c) { return undoPaymentInBooks(j, c, "1003", 1, ""); },
         "angre utbetalingen før betalingen"},
        {"undo what was never paid", [](Journal& j, const Clerk& c) { return undoPaymentInBooks(j, c, "1002", 2, ""); }, "ingenting å angre"},
        {"undo what was never paid out", [](Journal& j, const Clerk& c) { return undoPayoutInBooks(j, c, "1001", 1, ""); }, "ingenting å angre"},
        {"remove the buyer of a paid share",
         [](Journal& j, const Clerk& c) { return setBuyerInBooks(j, c, "1002", 1, {.name = "", .telephone = "", .playerNumber = ""}); },
         "angre betalingen før kjøperen endres"},
        {"a name longer than its field",
         [](Journal& j, const Clerk& c) { return setBuyerInBooks(j, c, "1002", 2, {.name = std::string(41, 'a')}); },
         "Navnet er for lang: 41 tegn, høyst 40"},
        {"a character the books cannot hold", [](Journal& j, const Clerk& c) { return setBuyerInBooks(j, c, "1002", 2, {.note = "ok \u2603"}); },
         "Merknaden har tegn som regnskapet ikke kan lagre"},
        {"change a voided ledger", [](Journal& j, const Clerk& c) { return setBuyerInBooks(j, c, "1004", 3, {.name = "Per"}); },
         "ble annullert 11.12.2026 (feil spillenummer) og kan ikke endres"},
        {"pay on a voided ledger", [](Journal& j, const Clerk& c) { return payInBooks(j, c, "1004", 2, {}, {}); }, "kan ikke endres"},
        {"confirm on a voided ledger",
         [](Journal& j, const Clerk& c) { return confirmInBooks(j, c, "1004", resultWith(0), "rettelse"); }, "kan ikke endres"},
        {"void twice", [](Journal& j, const Clerk& c) { return voidInBooks(j, c, "1004", "igjen"); }, "er allerede annullert 11.12.2026"},
        {"void without a reason", [](Journal& j, const Clerk& c) { return voidInBooks(j, c, "1001", " \t "); }, "Skriv grunnen"},
        {"a new buyer after the sale closed", [](Journal& j, const Clerk& c) { return setBuyerInBooks(j, c, "1005", 3, {.name = "Per"}); },
         "Salget ble stengt 11.12.2026: åpne salget igjen før andelen får en ny kjøper."},
        {"another buyer after the sale closed",
         [](Journal& j, const Clerk& c) { return setBuyerInBooks(j, c, "1005", 2, {.telephone = "99"}); }, "Salget ble stengt"},
        {"close twice", [](Journal& j, const Clerk& c) { return closeSaleInBooks(j, c, "1005"); }, "Salget ble stengt 11.12.2026."},
        {"reopen an open sale", [](Journal& j, const Clerk& c) { return reopenSaleInBooks(j, c, "1002"); }, "er ikke stengt"},
        {"close a voided ledger", [](Journal& j, const Clerk& c) { return closeSaleInBooks(j, c, "1004"); }, "kan ikke endres"},
        {"a share that does not exist", [](Journal& j, const Clerk& c) { return payInBooks(j, c, "1002", 4, {}, {}); }, "andel 1 til 3"},
        {"a ledger that does not exist", [](Journal& j, const Clerk& c) { return payInBooks(j, c, "9999", 1, {}, {}); },
         "Fant ikke noe andelsregnskap med serienummer 9999."},
        {"a typed amount with øre", [](Journal& j, const Clerk& c) { return payTypedInBooks(j, c, "1002", 2, "1,46"); },
         "Beløpet \"1,46\" har komma: skriv hele kroner, uten øre."},
        {"a typed amount below zero", [](Journal& j, const Clerk& c) { return payTypedInBooks(j, c, "1002", 2, "-50"); },
         "Beløpet \"-50\" har minus: et beløp skrives uten fortegn."},
        {"a typed amount too large", [](Journal& j, const Clerk& c) { return payTypedInBooks(j, c, "1002", 2, "1.000.000.000"); },
         "Beløpet \"1.000.000.000\" er for stort: høyst 999.999.999 kroner."},
        {"a typed amount far too large", [](Journal& j, const Clerk& c) { return payTypedInBooks(j, c, "1002", 2, "99999999999999999999"); },
         "er for stort"},
        {"a typed amount that is not a number", [](Journal& j, const Clerk& c) { return payTypedInBooks(j, c, "1002", 2, "12 kr"); },
         "Beløpet \"12 kr\" er ikke et helt antall kroner."},
        {"a typed amount below what was paid", [](Journal& j, const Clerk& c) { return payTypedInBooks(j, c, "1002", 1, "20"); },
         "Andel 1 ble betalt 11.12.2026, kr 21: angre betalingen først"},
    };
    for (const Case& c : cases) {
        const std::int64_t before = events();
        const std::string refusal = c.command(*journal, clerk);
        EXPECT_NE(refusal.find(c.refusal), std::string::npos) << c.what << ": " << refusal;
        EXPECT_EQ(events(), before) << c.what << " recorded an event";
    }
    EXPECT_TRUE(checkBooks(*journal).ok());
}

TEST_F(LedgerRulesTest, SharesPaidTogetherAreRefusedOneByOne) {
    EXPECT_EQ(paySharesInBooks(*journal, clerk, "1002", {1, 2, 3}),
              "Andel 1 ble betalt 11.12.2026, kr 21.\r"
              "Andel 3 har ingen kjøper: velg kjøperen før andelen merkes betalt.");
    const Ledger ledger = *journal->read([&] { return journal->ledger("1002"); });
    EXPECT_EQ(ledger.entries[1].paid, 21) << "the share the rules allow is paid";
    EXPECT_FALSE(ledger.entries[2].paid);
    EXPECT_EQ(paySharesInBooks(*journal, clerk, "1004", {2, 3}),
              "Andelsregnskapet for serienummer 1004 ble annullert 11.12.2026 (feil spillenummer) og kan ikke endres.")
        << "one reason, said once";
}

TEST_F(LedgerRulesTest, ATypedPaymentIsWhatTheShareHasBeenPaidInAll) {
    EXPECT_EQ(payTypedInBooks(*journal, clerk, "1002", 2, " 12 "), "");
    EXPECT_EQ(payTypedInBooks(*journal, clerk, "1002", 2, "12"), "") << "what stands is no change";
    EXPECT_EQ(payTypedInBooks(*journal, clerk, "1002", 2, "21"), "") << "the rest of the price";
    EXPECT_EQ(payTypedInBooks(*journal, clerk, "1002", 2, ""), "");
    const Ledger ledger = *journal->read([&] { return journal->ledger("1002"); });
    EXPECT_EQ(ledger.entries[1].paid, 21);
    EXPECT_EQ(payTypedInBooks(*journal, clerk, "1002", 2, "22"), "Andel 2 ble betalt 11.12.2026, kr 21.");
}

TEST_F(LedgerRulesTest, ClosingGivesTheUnsoldSharesToTheAgentAndReopeningTakesThemBack) {
    Ledger closed = *journal->read([&] { return journal->ledger("1005"); });
    EXPECT_EQ(closed.entries[2].name, kAgentBuyerName);
    EXPECT_TRUE(closed.entries[2].agentHeld);
    EXPECT_FALSE(closed.entries[2].sold());
    EXPECT_EQ(closed.history.back().text, "Salget stengt; kommisjonæren holder andel 3");
    EXPECT_EQ(setBuyerInBooks(*journal, clerk, "1005", 1, {.note = "hentet kvittering"}), "") << "a note is no new buyer";
    EXPECT_EQ(ledgerTotals(closed, LedgerWinnings{}).sold, 2) << "the agent's shares are not sold";
    ASSERT_EQ(reopenSaleInBooks(*journal, clerk, "1005"), "");
    const Ledger reopened = *journal->read([&] { return journal->ledger("1005"); });
    EXPECT_FALSE(reopened.saleClosed);
    EXPECT_FALSE(reopened.entries[2].hasBuyer());
    EXPECT_EQ(reopened.entries[0].note, "hentet kvittering");
    EXPECT_EQ(reopened.history.back().text, "Salget åpnet igjen; andel 3 tilbake til salg");
}

TEST_F(LedgerRulesTest, OutstandingIsWhatIsMissingOnEachSoldShare) {
    open(pricedSyndicate("1006", 3, 146));
    sell("1006", 1, "Kari");
    sell("1006", 2, "Ola");
    ASSERT_EQ(payInBooks(*journal, clerk, "1006", 1, 1, std::nullopt), "");
    const LedgerTotals totals = ledgerTotals(*journal->read([&] { return journal->ledger("1006"); }), {});
    EXPECT_EQ(totals.sold, 2);
    EXPECT_EQ(totals.outstanding, 145 + 146) << "a 1 kr payment does not clear a 146 kr share";
}

TEST_F(LedgerRulesTest, ControlCharactersAreBlankedSoNoFieldShiftsAColumn) {
    ASSERT_EQ(setBuyerInBooks(*journal, clerk, "1002", 3, {.name = "Per\tOlsen", .telephone = "22\r\n33", .note = " a\x01" "b\x7f "}), "");
    const ShareEntry entry = journal->read([&] { return journal->ledger("1002"); })->entries[2];
    EXPECT_EQ(entry.name, "Per Olsen");
    EXPECT_EQ(entry.telephone, "22  33");
    EXPECT_EQ(entry.note, "a b");
    for (const std::string& field : shareFields(3, entry, AmountStyle::Grouped)) EXPECT_EQ(field.find('\t'), std::string::npos);
    EXPECT_EQ(cleanFieldText("a\xC2\x85" "b"), "a b") << "a C1 control character";
}

TEST(LedgerRules, BuyerFromTheRegister) {
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

}  // namespace
}  // namespace andel::test
