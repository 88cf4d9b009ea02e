#pragma once
// Books in a temporary working directory, with a syndicate of one row ("1X21X21X21X2")
// that wins the whole prize for twelve right when the result is that row.
#include "accounts/accounts_fixture.h"
#include "books/books_rules.h"
#include "books/journal.h"
#include "platform/io_error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace andel::test {

inline constexpr const char* kWinningRow = "1X21X21X21X2";

inline SyndicateFacts pricedSyndicate(const std::string& serial = "1042", int shares = 3, std::int64_t price = 100,
                                      GameWeek week = {50, 2026, {}}) {
    SyndicateFacts facts = smallSyndicate(shares, serial, week);
    facts.stake = price * shares;
    facts.pricePerShare = price;
    return facts;
}

inline ConfirmedResult resultWith(std::int64_t prize12, const LedgerDate& on = {11, 12, 2026}) {
    return ConfirmedResult{on, ConfirmedRound{kWinningRow, prize12, 0, 0}, std::nullopt};
}

class BooksTest : public ::testing::Test {
protected:
    BooksTest() : workspace(dir.path()), journal(std::make_unique<Journal>(workspace)) {}

    void open(const SyndicateFacts& facts) {
        ASSERT_EQ(openLedgerInBooks(*journal, clerk, facts).opening, LedgerOpening::Created);
    }
    void sell(const std::string& serial, int share, const std::string& name, const std::string& phone = "") {
        ASSERT_EQ(setBuyerInBooks(*journal, clerk, serial, share, BuyerChange{name, phone, std::nullopt, std::nullopt}), "");
    }
    Ledger ledger(const std::string& serial) { return *journal->read([&] { return journal->ledger(serial); }); }
    CustomerMoney money(const std::string& key) { return journal->read([&] { return customerMoney(*journal, key); }); }
    std::int64_t drawer() { return journal->read([&] { return journal->accountSum(drawerAccount()); }) / kOrePerKrone; }

    TempDir dir;
    Workspace workspace;
    std::unique_ptr<Journal> journal;
    Clerk clerk{"BG 123 456 789", {11, 12, 2026}};
};

}  // namespace andel::test
