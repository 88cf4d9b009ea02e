// Two writers at once on their own connections to the same books, as two programs would
// be: every change that reported success is kept once, one that found the books busy for
// too long says so ("i bruk") and changed nothing, and a balance is never spent twice.
#include "books/books_check.h"
#include "books/buyer_key.h"
#include "books_fixture.h"

#include <atomic>
#include <thread>

namespace andel::test {
namespace {

TEST_F(BooksTest, TwoWritersAtOnceLoseNothingAndNeverSpendABalanceTwice) {
    // Kari won 1.000 in 1042; each share of 1043 costs 100, so ten can be paid from her balance.
    open(pricedSyndicate("1042", 3, 100));
    sell("1042", 1, "Kari Nordmann");
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1042", resultWith(3000)), "");
    open(pricedSyndicate("1043", 120, 100));
    for (int share = 1; share <= 120; ++share) sell("1043", share, "Kari Nordmann");

    std::atomic<int> paidFromBalance{0}, notes{0}, notesRefused{0}, otherFailures{0};
    const auto writer = [&](int first) {
        Journal own(workspace);  // a connection of its own, as another program has
        for (int step = 0; step < 500; ++step) {
            const int share = first + 2 * (step % 60);
            try {
                if (step % 2 == 0) {
                    if (payFromBalanceInBooks(own, clerk, "1043", share).empty()) ++paidFromBalance;
                } else if (setBuyerInBooks(own, clerk, "1043", share, BuyerChange{{}, {}, {}, "notat " + std::to_string(step)}).empty()) {
                    ++notes;
                }
            } catch (const IoError& busy) {
                // A slow machine may keep one writer waiting past the busy timeout: refused, never half done.
                if (std::string(busy.what()).find("i bruk") == std::string::npos) ++otherFailures;
                else if (step % 2 == 1) ++notesRefused;
            }
        }
    };
    std::thread odd(writer, 1), even(writer, 2);
    odd.join();
    even.join();

    EXPECT_EQ(otherFailures, 0);
    EXPECT_EQ(paidFromBalance, 10) << "the balance paid ten shares and no more";
    EXPECT_EQ(notes + notesRefused, 500);
    const std::int64_t noteEvents = journal->read([&] {
        SqliteStatement s(journal->database(), "SELECT count(*) FROM event WHERE kind = 'buyer_set' AND detail LIKE '%note=notat %'");
        s.step();
        return s.integer(0);
    });
    EXPECT_EQ(noteEvents, notes) << "every note reported made is recorded once, and no refused one";
    EXPECT_EQ(money(customerKeyOf("Kari Nordmann", "", "")).balance, 0);
    const Ledger paid = ledger("1043");
    int fromBalance = 0;
    for (const ShareEntry& e : paid.entries) fromBalance += e.paidFromBalance.empty() ? 0 : 1;
    EXPECT_EQ(fromBalance, 10);
    EXPECT_EQ(ledger("1042").entries[0].paidOut, 1000) << "every krone of the win went to exactly one share";
    const BooksCheck check = checkBooks(*journal);
    EXPECT_TRUE(check.ok()) << (check.problems.empty() ? "" : check.problems.front());
}

}  // namespace
}  // namespace andel::test
