// The agent's day over busy books: the report of a day of 2.000 events and the settlement
// that closes it (targets: 50 ms each), and the list of ten years of daily settlements
// (target: 100 ms). The books are made once: ten years of days with a few events and a
// settlement each, then an open day of 2.000 events.
#include "books/books_rules.h"
#include "books/buyer_key.h"
#include "books/cash_day.h"
#include "books/journal.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace andel;

constexpr int kYears = 10, kSharesToday = 100;
const LedgerDate kFirstDay{1, 1, 2016};

SyndicateFacts syndicate(int i) {
    SyndicateFacts facts;
    facts.serialNumber = std::to_string(1000 + i);
    facts.week = {1 + i % 52, 2016 + i / 52, {}};
    facts.rows = facts.stake = 100 * kSharesToday;
    facts.shares = kSharesToday;
    facts.pricePerShare = 100;
    return facts;
}

// The day the books are at, once made: the open day after ten years of settled ones.
LedgerDate openDay;

std::filesystem::path makeBooks() {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "andel-cash-day-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    const Workspace workspace(directory);
    Journal journal(workspace);
    journal.database().execute("PRAGMA synchronous=OFF");  // the making only
    Clerk clerk{"bench", kFirstDay};
    for (int day = 0; day < kYears * 365; ++day) {
        depositInBooks(journal, clerk, 100, "veksel");
        withdrawInBooks(journal, clerk, 50, "til banken");
        closeDayInBooks(journal, clerk, journal.read([&] { return openDaysReport(journal, clerk.today).expectedOre(); }) / 100, "");
        clerk.today = nextDay(clerk.today);
    }
    // The busy day: 20 syndicates of 100 shares sold and paid, 2.000 events with the openings.
    for (int s = 0; s < 20; ++s) {
        const SyndicateFacts facts = syndicate(s);
        openLedgerInBooks(journal, clerk, facts);
        for (int share = 1; share <= kSharesToday / 2; ++share) {
            setBuyerInBooks(journal, clerk, facts.serialNumber, share, BuyerChange{"Kunde " + std::to_string(share), {}, {}, {}});
            payInBooks(journal, clerk, facts.serialNumber, share, std::nullopt, std::nullopt);
        }
    }
    openDay = clerk.today;
    return directory;
}

const Workspace& books() {
    static const Workspace made(makeBooks());
    return made;
}

void BM_DayReport(benchmark::State& state) {
    const Workspace& workspace = books();
    for (auto _ : state) {
        Journal journal(workspace);
        benchmark::DoNotOptimize(journal.read([&] { return openDaysReport(journal, openDay); }));
    }
}
BENCHMARK(BM_DayReport)->Unit(benchmark::kMillisecond);

// The settlement of the busy day, on a copy each time so that every run closes the same day.
void BM_CloseTheDay(benchmark::State& state) {
    const Workspace& workspace = books();
    const std::filesystem::path copy = std::filesystem::temp_directory_path() / "andel-cash-day-close";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(copy);
        std::filesystem::copy(workspace.root(), copy, std::filesystem::copy_options::recursive);
        state.ResumeTiming();
        Journal journal{Workspace(copy)};
        const std::string refused = closeDayInBooks(journal, Clerk{"bench", openDay}, 0, "benk");
        if (!refused.empty()) state.SkipWithError(refused.c_str());
    }
    std::filesystem::remove_all(copy);
}
BENCHMARK(BM_CloseTheDay)->Unit(benchmark::kMillisecond);

void BM_TenYearsOfSettlements(benchmark::State& state) {
    const Workspace& workspace = books();
    for (auto _ : state) {
        Journal journal(workspace);
        benchmark::DoNotOptimize(journal.read([&] { return daySettlements(journal); }));
    }
}
BENCHMARK(BM_TenYearsOfSettlements)->Unit(benchmark::kMillisecond);

}  // namespace
