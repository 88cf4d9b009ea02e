// The books of ten busy years: 5.000 syndicates of 50 shares, 20.000 customers and close to a
// million events (buyers, payments, the result, payouts, undone and paid again), made once
// in one transaction. Targets: a ledger and a customer's account within 50 ms, who owes
// and the season within 200 ms, one change (checks, write, commit with its sync) within
// 20 ms, and 500 ledger files of the old kind brought in within 5 s.
// ANDEL_BOOKS_BENCH_SYNDICATES sets a smaller number for a quick look.
#include "accounts/season.h"
#include "books/books_rules.h"
#include "books/buyer_key.h"
#include "books/journal.h"
#include "books/ledger_in_hand.h"
#include "books/old_ledger_files.h"
#include "customers/customer_account.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace andel;

int syndicates() {
    const char* set = std::getenv("ANDEL_BOOKS_BENCH_SYNDICATES");
    return set ? std::max(1, std::atoi(set)) : 5000;
}
constexpr int kShares = 50, kCustomers = 20000;

std::string customerName(int c) { return "Kunde " + std::to_string(c); }

SyndicateFacts factsOf(int i, const CouponSet& coupons) {
    SyndicateFacts facts;
    facts.serialNumber = std::to_string(1000 + i % 9000);
    facts.week = {1 + i % 52, 2016 + i / 52, {}};
    facts.rows = facts.stake = 5000;
    facts.shares = kShares;
    facts.pricePerShare = 100;
    facts.coupons = coupons;
    return facts;
}

std::filesystem::path makeBooks() {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "andel-books-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    const Workspace workspace(directory);
    const CouponSet coupons = couponsOf(initialWorkbenchState());
    std::string row;  // the first coupon's first row wins: every share has a part
    for (SignMask mask : coupons[0].masks) row += (mask & kHome) ? '1' : (mask & kDraw) ? 'X' : '2';
    Journal journal(workspace);
    journal.database().execute("PRAGMA synchronous=OFF");  // the making only; the changes measured sync
    journal.write([&] {
        for (int i = 0; i < syndicates(); ++i) {
            const LedgerDate on{1, 1, 2016};
            const std::int64_t id = journal.insertSyndicate(factsOf(i, coupons), on, "bench");
            LedgerInHand hand(journal, id);
            const auto record = [&](EventKind kind, int share, const std::string& customer, std::int64_t kroner) {
                BookEvent e;
                e.kind = kind;
                e.businessDate = on;
                e.share = share;
                e.customer = customer;
                e.amountOre = kroner * kOrePerKrone;
                if (kind == EventKind::BuyerSet) {
                    e.detail = {{"name", customer.substr(customer.find(':') + 1, customer.find('|') - customer.find(':') - 1)},
                                {"telephone", ""}, {"player", ""}, {"note", ""}, {"agent", "0"}};
                }
                return hand.record(e, "bench");
            };
            for (int s = 1; s <= kShares; ++s) {
                const std::string key = customerKeyOf(customerName((i * kShares + s) % kCustomers), "", "");
                record(EventKind::BuyerSet, s, key, 0);
                const std::int64_t paid = record(EventKind::PaymentCash, s, key, 100);
                if (s % 5 == 0) {  // a payment undone and made again
                    BookEvent undo;
                    undo.kind = EventKind::Reversal;
                    undo.businessDate = on;
                    undo.share = s;
                    undo.customer = key;
                    undo.reverses = paid;
                    hand.record(undo, "bench");
                    record(EventKind::PaymentCash, s, key, 100);
                }
            }
            BookEvent result;
            result.kind = EventKind::ResultConfirmed;
            result.businessDate = on;
            result.detail = {{"signs", row}, {"p12", "5000"}, {"p11", "0"}, {"p10", "0"}};
            hand.record(result, "bench");
            for (int s = 1; s <= kShares; s += 2) {
                record(EventKind::PayoutCash, s, customerKeyOf(customerName((i * kShares + s) % kCustomers), "", ""), 100);
            }
        }
    });
    return directory;
}

const Workspace& books() {
    static const Workspace made(makeBooks());
    return made;
}

void BM_LedgerShow(benchmark::State& state) {
    const std::string serial = std::to_string(1000 + syndicates() / 2 % 9000);
    for (auto _ : state) {
        Journal journal(books());
        benchmark::DoNotOptimize(journal.read([&] { return journal.ledger(serial); }));
    }
}
BENCHMARK(BM_LedgerShow)->Unit(benchmark::kMillisecond);

void BM_CustomerAccount(benchmark::State& state) {
    const std::string key = customerKeyOf(customerName(4242), "", "");
    for (auto _ : state) {
        Journal journal(books());
        const std::vector<Ledger> theirs = journal.read([&] { return journal.ledgersOfCustomer(key); });
        benchmark::DoNotOptimize(accountOf(key, theirs));
    }
}
BENCHMARK(BM_CustomerAccount)->Unit(benchmark::kMillisecond);

void BM_WhoOwes(benchmark::State& state) {
    for (auto _ : state) {
        Journal journal(books());
        benchmark::DoNotOptimize(owingCustomers(journal.read([&] { return journal.ledgers(); })));
    }
}
BENCHMARK(BM_WhoOwes)->Unit(benchmark::kMillisecond);

void BM_Season(benchmark::State& state) {
    for (auto _ : state) {
        Journal journal(books());
        const std::vector<Ledger> all = journal.read([&] { return journal.ledgers(); });
        benchmark::DoNotOptimize(seasonOf(all, [](const Ledger& l) { return confirmedWinnings(l); }));
    }
}
BENCHMARK(BM_Season)->Unit(benchmark::kMillisecond);

void BM_OneChange(benchmark::State& state) {
    const std::string serial = std::to_string(1000 + syndicates() / 3 % 9000);
    const Clerk clerk = clerkOf(books());
    int note = 0;
    for (auto _ : state) {
        Journal journal(books());
        const std::string refused = setBuyerInBooks(journal, clerk, serial, 7, BuyerChange{{}, {}, {}, "notat " + std::to_string(++note)});
        if (!refused.empty()) state.SkipWithError(refused.c_str());
    }
}
BENCHMARK(BM_OneChange)->Unit(benchmark::kMillisecond);

void BM_Migration500(benchmark::State& state) {
    const CouponSet coupons = couponsOf(initialWorkbenchState());
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "andel-migration-bench";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(directory);
        const Workspace workspace(directory);
        for (int i = 0; i < 500; ++i) {
            Ledger ledger = emptyLedger(factsOf(i, coupons));
            for (int s = 0; s < kShares; s += 2) {
                ledger.entries[static_cast<std::size_t>(s)].name = customerName(s);
                ledger.entries[static_cast<std::size_t>(s)].paid = 100;
            }
            saveLedger(workspace, ledger);
        }
        state.ResumeTiming();
        Journal journal(workspace);
        benchmark::DoNotOptimize(journal);
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_Migration500)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
