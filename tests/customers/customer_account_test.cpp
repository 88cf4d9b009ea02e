// A buyer's account across ledgers and the list of who owes: one customer key each;
// winnings only on confirmed results and fully paid shares; voided ledgers left out.
#include "../accounts/accounts_fixture.h"
#include "accounts/season_buyers.h"
#include "customers/customer_account.h"

#include <gtest/gtest.h>

#include <tuple>

namespace andel::test {
namespace {

Ledger weekLedger(const std::string& serial, int week, std::int64_t price) {
    SyndicateFacts facts = smallSyndicate(3, serial, {week, 2026, {}});
    facts.pricePerShare = price;
    return emptyLedger(facts);
}

ShareEntry buyer(const std::string& name, const std::string& telephone, const std::string& player,
                 std::optional<std::int64_t> paid = {}) {
    ShareEntry e;
    e.name = name;
    e.telephone = telephone;
    e.playerNumber = player;
    e.paid = paid;
    return e;
}

TEST(CustomerAccount, OneKeyByPlayerNumberElseByNameAndTelephone) {
    const std::string kari = customerKeyOf(buyer("Kari Nordmann", "22-334455", "012 345 678"));
    EXPECT_EQ(kari, customerKeyOf(buyer("KARI  nordmann", "", "12345678")));
    EXPECT_NE(kari, customerKeyOf(buyer("Kari Nordmann", "22-334455", "999")));
    EXPECT_EQ(customerKeyOf(buyer("Ola Hansen", "55 31 42 07", "")), customerKeyOf(buyer("ola hansen", "553-14207", "")));
    EXPECT_NE(customerKeyOf(buyer("Ola Hansen", "55314207", "")), customerKeyOf(buyer("Ola Hansen", "55314208", "")));
    // Never pair by pair: a numbered buyer and an unnumbered one with the same name are two keys.
    EXPECT_NE(customerKeyOf(buyer("Ola", "55", "")), customerKeyOf(buyer("Ola", "55", "333")));
    Tkunderec customer;
    customer.firstName = "Kari";
    customer.lastName = "Nordmann";
    customer.playerNumber = 12345678;
    EXPECT_EQ(customerKeyOf(customer), kari);
}

TEST(CustomerAccount, TheBalanceIsWinningsOnFullyPaidSharesAndUnpaidPricesStandApart) {
    Ledger won = weekLedger("1000", 48, 100);
    won.entries[0] = buyer("Kari Nordmann", "", "123456789", 100);
    won.confirmed = ConfirmedResult{{1, 12, 2026}, {"1X21X21X21X2", 900, 0, 0}, std::nullopt};  // 300 a share
    Ledger owed = weekLedger("1001", 49, 146);
    owed.entries[1] = buyer("Kari Nordmann", "", "123 456 789", 46);
    owed.entries[2] = buyer("Ola Hansen", "", "555");
    Ledger forecast = weekLedger("1002", 50, 50);
    forecast.entries[0] = buyer("Kari Nordmann", "", "123456789");  // no confirmed result: no winnings
    Ledger voided = weekLedger("0999", 50, 999);
    voided.entries[0] = buyer("Kari Nordmann", "", "123456789");
    voided.voided = LedgerVoiding{{2, 12, 2026}, "feil"};

    const CustomerAccount account = accountOf(customerKeyOf("", "", "123456789"), {forecast, voided, owed, won});
    ASSERT_EQ(account.shares.size(), 3u);
    EXPECT_EQ(account.shares[0].serialNumber, "1000");
    EXPECT_EQ(account.shares[0].winnings, std::optional<std::int64_t>(300));
    EXPECT_EQ(account.shares[1].share, 2);
    EXPECT_FALSE(account.shares[2].winnings);
    EXPECT_EQ(account.unpaid, 100 + 50);
    EXPECT_EQ(account.winningsDue, 300);
    EXPECT_EQ(account.balance(), 300) << "what a payment from the balance may spend";

    const std::vector<OwingCustomer> owing = owingCustomers({forecast, voided, owed, won});
    ASSERT_EQ(owing.size(), 2u);
    EXPECT_EQ(owing[0].name, "Ola Hansen");
    EXPECT_EQ(owing[0].total, 146);
    EXPECT_EQ(owing[1].name, "Kari Nordmann");
    EXPECT_EQ(owing[1].total, 150);
    ASSERT_EQ(owing[1].shares.size(), 2u);
    EXPECT_EQ(owing[1].shares[0].serialNumber, "1001");
    EXPECT_EQ(owing[1].shares[0].missing, 100);
}

// Who owes is listed by surname as the register is: the last word of the name, Æ, Ø and Å
// after Z, case left aside; a single name is its own surname.
TEST(CustomerAccount, WhoOwesIsSortedBySurname) {
    Ledger ledger = weekLedger("1000", 48, 100);
    const char* const names[] = {"Per Ås", "Anne Østby", "kari nordmann", "Ola Berg", "Zara", "Bjørn Aas", "Eva Marie Berg"};
    ledger.facts.shares = static_cast<int>(std::size(names));
    ledger.entries.resize(std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i) ledger.entries[i] = buyer(names[i], std::to_string(i), "");
    std::vector<std::string> order;
    for (const OwingCustomer& c : owingCustomers({ledger})) order.push_back(c.name);
    EXPECT_EQ(order, (std::vector<std::string>{"Bjørn Aas", "Eva Marie Berg", "Ola Berg", "kari nordmann", "Zara",
                                               "Anne Østby", "Per Ås"}));
}

TEST(CustomerAccount, SeasonByBuyerLeavesTheAgentAndVoidedLedgersOut) {
    Ledger won = weekLedger("1000", 48, 100);
    won.entries[0] = buyer("Kari Nordmann", "", "123456789", 100);
    won.entries[0].paidOut = 300;
    won.entries[1] = buyer("Ola Hansen", "555", "", 100);
    won.entries[2] = ShareEntry{.name = std::string(kAgentBuyerName), .agentHeld = true};
    won.confirmed = ConfirmedResult{{1, 12, 2026}, {"1X21X21X21X2", 900, 0, 0}, std::nullopt};
    Ledger next = weekLedger("1001", 49, 50);
    next.entries[0] = buyer("KARI NORDMANN", "", "123 456 789");
    Ledger voided = weekLedger("0999", 50, 999);
    voided.entries[0] = buyer("Eva", "", "");
    voided.confirmed = ConfirmedResult{{2, 12, 2026}, {"1X21X21X21X2", 99000, 0, 0}, std::nullopt};
    voided.voided = LedgerVoiding{{2, 12, 2026}, "feil"};

    const CustomerSeason season = customerSeasonOf({next, voided, won});
    EXPECT_EQ(season.buyers, 2);
    EXPECT_EQ(season.biggestPrize, 900);
    EXPECT_EQ(season.biggestPrizeSerial, "1000");
    ASSERT_EQ(season.customers.size(), 2u);
    const CustomerSeasonRow& kari = season.customers[0];
    EXPECT_EQ(kari.name, "KARI NORDMANN");
    EXPECT_EQ(std::tuple(kari.shares, kari.paid, kari.won, kari.paidOut), std::tuple(2, std::int64_t{100}, std::int64_t{300}, std::int64_t{300}));
    EXPECT_EQ(season.customers[1].telephone, "555");
    EXPECT_EQ(season.customers[1].won, 300);
}

}  // namespace
}  // namespace andel::test
