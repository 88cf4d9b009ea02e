// The money rules of a ledger: who may be paid and paid out, how much, once, and how a
// correction is undone with a history line.
#include "accounts/accounts_report.h"
#include "accounts/ledger_edit.h"
#include "accounts/ledger_winnings.h"
#include "accounts_fixture.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

constexpr LedgerDate kDec1{1, 12, 2026}, kDec2{2, 12, 2026}, kDec9{9, 12, 2026};

// Three shares at 21 kr: share 1 sold and paid, share 2 sold, share 3 unsold; the result
// confirmed with 63 kr to share (21 each).
Ledger weekLedger(bool confirmed = true) {
    SyndicateFacts facts = smallSyndicate(3);
    facts.pricePerShare = 21;
    Ledger ledger = emptyLedger(facts);
    ledger.entries[0].name = "Kari Nordmann";
    ledger.entries[0].paid = 21;
    ledger.entries[0].paidOn = kDec1;
    ledger.entries[1].name = "Ola Nordmann";
    if (confirmed) ledger.confirmed = ConfirmedResult{kDec2, {"1X21X21X21X2", 63, 0, 0}, std::nullopt};
    return ledger;
}

TEST(LedgerRules, EveryRefusalNamesWhatStandsAndChangesNothing) {
    Ledger paidOut = weekLedger();
    paidOut.entries[0].paidOut = 21;
    paidOut.entries[0].paidOutOn = kDec2;
    Ledger voided = weekLedger();
    voided.voided = LedgerVoiding{kDec2, "feil spillenummer"};
    Ledger closed = weekLedger();
    closed.saleClosed = kDec2;
    closed.entries[2] = ShareEntry{.name = std::string(kAgentBuyerName), .agentHeld = true};
    struct Case {
        const char* what;
        Ledger ledger;
        std::function<std::string(Ledger&)> step;
        const char* refusal;
    };
    const Case cases[] = {
        {"pay a share with no buyer", weekLedger(), [](Ledger& l) { return markPaid(l, 3, {}, {}); }, "Andel 3 har ingen kjøper"},
        {"pay twice", weekLedger(), [](Ledger& l) { return markPaid(l, 1, 21, {}); }, "Andel 1 ble betalt 01.12.2026, kr 21"},
        {"pay nothing", weekLedger(), [](Ledger& l) { return markPaid(l, 2, 0, {}); }, "minst kr 1"},
        {"pay above the price", weekLedger(), [](Ledger& l) { return markPaid(l, 2, 999'999'999, {}); },
         "mer enn prisen pr andel, kr 21"},
        {"payout before the result is confirmed", weekLedger(false), [](Ledger& l) { return markPaidOut(l, 1, {}, {}); },
         "Resultatet er ikke godkjent"},
        {"payout to a share with no buyer", weekLedger(), [](Ledger& l) { return markPaidOut(l, 3, {}, {}); },
         "Andel 3 har ingen kjøper"},
        {"payout to a share never paid", weekLedger(), [](Ledger& l) { return markPaidOut(l, 2, {}, {}); },
         "Andel 2 er ikke betalt"},
        {"payout above the share's part", weekLedger(), [](Ledger& l) { return markPaidOut(l, 1, 999'999'999, {}); },
         "mer enn andelens del av premien, kr 21"},
        {"payout twice", paidOut, [](Ledger& l) { return markPaidOut(l, 1, {}, {}); }, "Andel 1 ble utbetalt 02.12.2026, kr 21"},
        {"undo a payment before its payout", paidOut, [](Ledger& l) { return undoPayment(l, 1, kDec9); },
         "angre utbetalingen før betalingen"},
        {"undo what was never paid", weekLedger(), [](Ledger& l) { return undoPayment(l, 2, kDec9); }, "ingenting å angre"},
        {"undo what was never paid out", weekLedger(), [](Ledger& l) { return undoPayout(l, 1, kDec9); }, "ingenting å angre"},
        {"remove the buyer of a paid share", weekLedger(),
         [](Ledger& l) { return setBuyer(l, 1, {.name = "", .telephone = "", .playerNumber = ""}); },
         "angre betalingen før kjøperen fjernes"},
        {"a name longer than its field", weekLedger(), [](Ledger& l) { return setBuyer(l, 2, {.name = std::string(41, 'a')}); },
         "Navnet er for lang: 41 tegn, høyst 40"},
        {"a character the file cannot hold", weekLedger(), [](Ledger& l) { return setBuyer(l, 2, {.note = "ok \u2603"}); },
         "Merknaden har tegn som regnskapet ikke kan lagre"},
        {"change a voided ledger", voided, [](Ledger& l) { return setBuyer(l, 3, {.name = "Per"}); },
         "ble annullert 02.12.2026 (feil spillenummer) og kan ikke endres"},
        {"pay on a voided ledger", voided, [](Ledger& l) { return markPaid(l, 2, {}, {}); }, "kan ikke endres"},
        {"confirm on a voided ledger", voided,
         [](Ledger& l) { return confirmResult(l, ConfirmedResult{kDec9, {"111111111111", 0, 0, 0}, {}}); }, "kan ikke endres"},
        {"void twice", voided, [](Ledger& l) { return voidLedger(l, "igjen", kDec9); }, "er allerede annullert 02.12.2026"},
        {"void without a reason", weekLedger(), [](Ledger& l) { return voidLedger(l, " \t ", kDec9); }, "Skriv grunnen"},
        {"a new buyer after the sale closed", closed, [](Ledger& l) { return setBuyer(l, 3, {.name = "Per"}); },
         "Salget ble stengt 02.12.2026: åpne salget igjen før andelen får en ny kjøper."},
        {"another buyer after the sale closed", closed, [](Ledger& l) { return setBuyer(l, 2, {.telephone = "99"}); },
         "Salget ble stengt"},
        {"close twice", closed, [](Ledger& l) { return closeSale(l, kDec9); }, "Salget ble stengt 02.12.2026."},
        {"reopen an open sale", weekLedger(), [](Ledger& l) { return reopenSale(l, kDec9); }, "er ikke stengt"},
        {"close a voided ledger", voided, [](Ledger& l) { return closeSale(l, kDec9); }, "kan ikke endres"},
        {"a share that does not exist", weekLedger(), [](Ledger& l) { return markPaid(l, 4, {}, {}); }, "andel 1 til 3"},
    };
    for (const Case& c : cases) {
        Ledger ledger = c.ledger;
        const std::string refusal = c.step(ledger);
        EXPECT_NE(refusal.find(c.refusal), std::string::npos) << c.what << ": " << refusal;
        EXPECT_EQ(ledger, c.ledger) << c.what << " changed the ledger";
    }
}

TEST(LedgerRules, PaymentPayoutAndTheirUndoingLeaveAHistory) {
    Ledger ledger = weekLedger();
    EXPECT_EQ(markPaidOut(ledger, 1, {}, kDec2), "");
    EXPECT_EQ(ledger.entries[0].paidOut, 21) << "the share's part of the confirmed prize";
    EXPECT_EQ(undoPayout(ledger, 1, kDec9), "");
    EXPECT_EQ(undoPayment(ledger, 1, kDec9), "");
    EXPECT_FALSE(ledger.entries[0].paid);
    EXPECT_FALSE(ledger.entries[0].paidOut);
    ASSERT_EQ(ledger.history.size(), 2u);
    EXPECT_EQ(ledger.history[0], (HistoryLine{kDec9, "Angret utbetaling av andel 1: 02.12.2026, kr 21"}));
    EXPECT_EQ(ledger.history[1], (HistoryLine{kDec9, "Angret betaling av andel 1: 01.12.2026, kr 21"}));
    EXPECT_EQ(markPaid(ledger, 1, 20, kDec9), "") << "paid again after the undo";

    EXPECT_EQ(voidLedger(ledger, "feil\tspillenummer", kDec9), "");
    EXPECT_EQ(ledger.voided, (LedgerVoiding{kDec9, "feil spillenummer"}));
    EXPECT_EQ(ledger.history.back().text, "Andelslaget annullert: feil spillenummer");
    EXPECT_EQ(ledgerState(ledger), LedgerState::Voided);
}

TEST(LedgerRules, ClosingGivesTheUnsoldSharesToTheAgentAndReopeningTakesThemBack) {
    Ledger ledger = weekLedger();
    ledger.entries.resize(4);
    ASSERT_EQ(closeSale(ledger, kDec2), "");
    EXPECT_EQ(ledger.saleClosed, std::optional<LedgerDate>(kDec2));
    for (int share : {3, 4}) {
        EXPECT_EQ(ledger.entries[share - 1].name, kAgentBuyerName);
        EXPECT_TRUE(ledger.entries[share - 1].agentHeld);
        EXPECT_FALSE(ledger.entries[share - 1].sold());
    }
    EXPECT_EQ(ledger.history.back().text, "Salget stengt; kommisjonæren holder andel 3, 4.");
    EXPECT_EQ(setBuyer(ledger, 1, {.note = "hentet kvittering"}), "") << "a note is no new buyer";
    EXPECT_EQ(ledgerTotals(ledger, LedgerWinnings{}).sold, 2) << "the agent's shares are not sold";

    ledger.entries[3].paid = 21;  // the agent paid one of them in
    ASSERT_EQ(reopenSale(ledger, kDec9), "");
    EXPECT_FALSE(ledger.saleClosed);
    EXPECT_EQ(ledger.entries[2], ShareEntry{});
    EXPECT_TRUE(ledger.entries[3].agentHeld);
    EXPECT_EQ(ledger.history.back().text,
              "Salget åpnet igjen (stengt 02.12.2026); andel 3 tilbake til salg; kommisjonæren beholder andel 4 (betalt).");
    EXPECT_EQ(setBuyer(ledger, 3, {.name = "Per"}), "");
}

TEST(LedgerRules, SharesPaidTogetherAreRefusedOneByOne) {
    Ledger ledger = weekLedger(false);
    EXPECT_EQ(markSharesPaid(ledger, {1, 2, 3}, kDec9),
              "Andel 1 ble betalt 01.12.2026, kr 21.\r"
              "Andel 3 har ingen kjøper: velg kjøperen før andelen merkes betalt.");
    EXPECT_EQ(ledger.entries[1].paid, 21) << "the share the rules allow is paid";
    EXPECT_EQ(ledger.entries[1].paidOn, kDec9);
    EXPECT_EQ(ledger.entries[0].paidOn, kDec1) << "what was recorded stands";
    EXPECT_FALSE(ledger.entries[2].paid);

    Ledger voided = weekLedger(false);
    voided.voided = LedgerVoiding{kDec2, "feil spillenummer"};
    EXPECT_EQ(markSharesPaid(voided, {2, 3}, kDec9), refuseVoided(voided)) << "one reason, said once";
}

// Share 1 paid 21 kr on 1.12., share 2 sold and not paid, share 3 unsold; the price 21 kr.
TEST(LedgerRules, ATypedPaymentIsWholeKronerWithinThePrice) {
    const struct {
        std::string typed;
        int share;
        std::optional<std::int64_t> paid;  // afterwards
        std::string refusal;               // a part of it; "" for none
    } cases[] = {
        {"12", 2, 12, ""},
        {" 21 ", 2, 21, ""},
        {"", 2, std::nullopt, ""},
        {"21", 1, 21, ""},
        {"12,50", 2, std::nullopt, "Beløpet \"12,50\" er ikke et helt antall kroner."},
        {"22", 2, std::nullopt, "mer enn prisen pr andel, kr 21"},
        {"20", 1, 21, "Andel 1 ble betalt 01.12.2026, kr 21: angre betalingen først"},
        {"", 1, 21, "Andel 1 ble betalt 01.12.2026, kr 21: angre betalingen først"},
        {"5", 3, std::nullopt, "Andel 3 har ingen kjøper"},
    };
    for (const auto& c : cases) {
        Ledger ledger = weekLedger(false);
        const std::string refusal = payTypedAmount(ledger, c.share, c.typed, kDec9);
        if (c.refusal.empty()) EXPECT_EQ(refusal, "") << '"' << c.typed << '"';
        else EXPECT_NE(refusal.find(c.refusal), std::string::npos) << '"' << c.typed << "\": " << refusal;
        EXPECT_EQ(ledger.entries[static_cast<std::size_t>(c.share - 1)].paid, c.paid) << '"' << c.typed << '"';
    }
}

TEST(LedgerRules, OutstandingIsWhatIsMissingOnEachSoldShare) {
    SyndicateFacts facts = smallSyndicate(3);
    facts.pricePerShare = 146;
    Ledger ledger = emptyLedger(facts);
    ASSERT_EQ(setBuyer(ledger, 1, {.name = "Kari"}), "");
    ASSERT_EQ(setBuyer(ledger, 2, {.name = "Ola"}), "");
    ASSERT_EQ(markPaid(ledger, 1, 1, kDec1), "");
    const LedgerTotals totals = ledgerTotals(ledger, {});
    EXPECT_EQ(totals.sold, 2);
    EXPECT_EQ(totals.paid, 1);
    EXPECT_EQ(totals.outstanding, 145 + 146) << "a 1 kr payment does not clear a 146 kr share";
}

TEST(LedgerRules, ControlCharactersAreBlankedSoNoFieldShiftsAColumn) {
    Ledger ledger = weekLedger();
    ASSERT_EQ(setBuyer(ledger, 2, {.name = "Ola\tNordmann", .telephone = "22\r\n33", .note = " a\x01" "b\x7f "}), "");
    EXPECT_EQ(ledger.entries[1].name, "Ola Nordmann");
    EXPECT_EQ(ledger.entries[1].telephone, "22  33");
    EXPECT_EQ(ledger.entries[1].note, "a b");
    const Fields fields = shareFields(2, ledger.entries[1], AmountStyle::Grouped);
    for (const std::string& field : fields) EXPECT_EQ(field.find('\t'), std::string::npos);
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
