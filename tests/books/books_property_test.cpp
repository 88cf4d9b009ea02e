// Random days of every money command (fixed seeds): after each step the books balance
// (every event's postings sum to zero, every account equals the fold of the events), a
// refused command records nothing, the drawer equals the cash the recorded events moved and
// what the day's report expects, no share is paid beyond its price, settlements are
// numbered without a gap, and a settled day's report never changes.
#include "books/books_check.h"
#include "books/buyer_key.h"
#include "books/cash_day.h"
#include "books_fixture.h"

#include <random>

namespace andel::test {
namespace {

const std::vector<std::string> kSerials = {"1042", "1043", "1044"};
const std::vector<std::string> kNames = {"Kari Nordmann", "Ola Hansen", "Per Olsen"};

class BooksPropertyTest : public BooksTest, public ::testing::WithParamInterface<unsigned> {
protected:
    std::int64_t eventCount() {
        return journal->read([&] {
            SqliteStatement s(journal->database(), "SELECT count(*) FROM event");
            s.step();
            return s.integer(0);
        });
    }
    // The cash the events after `since` moved, read from the event rows alone.
    std::int64_t cashMovedSince(std::int64_t since) {
        return journal->read([&] {
            SqliteStatement s(journal->database(),
                              "SELECT e.kind, e.amount_ore, coalesce(r.kind, '') FROM event e "
                              "LEFT JOIN event r ON r.id = e.reverses WHERE e.id > ?");
            s.bind(1, since);
            std::int64_t cash = 0;
            while (s.step()) {
                const std::string kind = s.text(0), reversed = s.text(2);
                const std::int64_t ore = s.integer(1);
                if (kind == "payment_cash") cash += ore;
                if (kind == "payout_cash" || kind == "refund_paid") cash -= ore;
                if (kind == "cash_deposit") cash += ore;
                if (kind == "cash_withdrawal") cash -= ore;
                if (kind == "reversal" && reversed == "payment_cash") cash -= ore;
                if (kind == "reversal" && reversed == "payout_cash") cash += ore;
            }
            return cash;
        });
    }
    std::int64_t lastEventId() {
        return journal->read([&] {
            SqliteStatement s(journal->database(), "SELECT coalesce(max(id), 0) FROM event");
            s.step();
            return s.integer(0);
        });
    }
};

TEST_P(BooksPropertyTest, EveryStepBalancesAndARefusalRecordsNothing) {
    std::mt19937 random(GetParam());
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    clerk.today = {1, 11, 2026};
    for (const std::string& serial : kSerials) open(pricedSyndicate(serial, 4, 100));
    std::int64_t expectedDrawerOre = 0;
    std::map<int, DayReport> settled;  // each settled day's report as it was at its close
    for (int step = 0; step < 600; ++step) {
        const std::string serial = kSerials[static_cast<std::size_t>(pick(3))];
        const int share = 1 + pick(4);
        const std::string name = kNames[static_cast<std::size_t>(pick(3))];
        const std::optional<std::int64_t> amount = pick(2) ? std::optional<std::int64_t>(1 + pick(120)) : std::nullopt;
        const std::string reason = pick(3) == 0 ? "rettelse" : "";
        const std::int64_t eventsBefore = eventCount(), lastId = lastEventId();
        std::string refused;
        int command = pick(17);
        int settlement = 0;
        switch (command) {
            case 0: case 1: refused = setBuyerInBooks(*journal, clerk, serial, share, BuyerChange{name, {}, {}, {}}, reason); break;
            case 2: case 3: refused = payInBooks(*journal, clerk, serial, share, amount, std::nullopt, reason); break;
            case 4: refused = payFromBalanceInBooks(*journal, clerk, serial, share); break;
            case 5: case 6: refused = payoutInBooks(*journal, clerk, serial, share, amount, std::nullopt); break;
            case 7: refused = undoPaymentInBooks(*journal, clerk, serial, share, reason); break;
            case 8: refused = undoPayoutInBooks(*journal, clerk, serial, share, reason); break;
            case 9: refused = confirmInBooks(*journal, clerk, serial, resultWith(100 * pick(30), clerk.today), reason); break;
            case 10: refused = pick(2) ? closeSaleInBooks(*journal, clerk, serial) : reopenSaleInBooks(*journal, clerk, serial); break;
            case 11: refused = pick(8) == 0 ? voidInBooks(*journal, clerk, serial, "annullert i testen") : ""; break;
            case 12: refused = payRefundInBooks(*journal, clerk, customerKeyOf(name, "", ""), amount); break;
            case 13: refused = depositInBooks(*journal, clerk, 1 + pick(500), "veksel"); break;
            case 14: refused = withdrawInBooks(*journal, clerk, 1 + pick(500), "til banken"); break;
            case 15: {  // counted right, or a little off with or without a reason
                const std::int64_t expected = journal->read([&] { return openDaysReport(*journal, clerk.today).expectedOre(); });
                const std::int64_t counted = std::max<std::int64_t>(0, expected / kOrePerKrone + (pick(3) == 0 ? pick(21) - 10 : 0));
                refused = closeDayInBooks(*journal, clerk, counted, pick(2) ? "telt feil" : "", {}, &settlement);
                if (refused.empty()) {
                    expectedDrawerOre = counted * kOrePerKrone - cashMovedSince(lastId);  // the count is what the drawer holds
                    const DaySettlement last = *journal->read([&] { return lastSettlement(*journal); });
                    settled[settlement] = journal->read([&] { return dayReport(*journal, last.from, last.day); });
                }
                break;
            }
            case 16: clerk.today = nextDay(clerk.today); break;
        }
        SCOPED_TRACE("seed " + std::to_string(GetParam()) + " step " + std::to_string(step) + " command " +
                     std::to_string(command) + ": " + refused);
        if (!refused.empty()) ASSERT_EQ(eventCount(), eventsBefore);
        expectedDrawerOre += cashMovedSince(lastId);
        const BooksCheck check = checkBooks(*journal);
        ASSERT_TRUE(check.ok()) << check.problems.front();
        ASSERT_EQ(drawer() * kOrePerKrone, expectedDrawerOre);
        const DayReport open = journal->read([&] { return openDaysReport(*journal, clerk.today); });
        ASSERT_EQ(open.expectedOre(), expectedDrawerOre);
        if (settlement) ASSERT_EQ(settlement, static_cast<int>(settled.size()));  // 1, 2, 3 ... without a gap
        if (step % 50 == 49) {
            for (const auto& [number, closed] : settled) {
                const DayReport& report = closed;  // a lambda may not capture a structured binding (clang 14)
                ASSERT_EQ(journal->read([&] { return dayReport(*journal, report.from, report.to); }), report) << "settlement " << number;
            }
        }
        for (const std::string& s : kSerials) {
            for (const ShareEntry& e : ledger(s).entries) ASSERT_LE(e.paid.value_or(0), 100);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, BooksPropertyTest, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace andel::test
