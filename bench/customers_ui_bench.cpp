// A buyer's account and the list of who owes over 500 ledgers whose buyers come from a
// register of 20,000 customers (every ledger read, every share matched): the window
// opened as the agent opens it at the counter. Target: within 100 ms.
#include "books/ledger_store.h"
#include "books/journal.h"
#include "books/old_ledger_files.h"
#include "customers/customer_account_window.h"
#include "customers/owing_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr int kLedgers = 500;
constexpr int kCustomers = 20'000;

andel::ShareEntry customer(int n) {
    andel::ShareEntry e;
    e.name = "Kunde " + std::to_string(n);
    e.telephone = std::to_string(40'000'000 + n);
    if (n % 3 != 0) e.playerNumber = std::to_string(100'000'000 + n);  // a third without a number
    return e;
}

std::filesystem::path makeDirectory() {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "andel-customers-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    const andel::Workspace workspace(directory);
    for (int i = 0; i < kLedgers; ++i) {
        andel::SyndicateFacts facts;
        facts.serialNumber = std::to_string(1000 + i);
        facts.week = {1 + i % 50, 2017 + i / 50, {}};
        facts.rows = facts.stake = 2916;
        facts.shares = 40;
        facts.pricePerShare = facts.stake / facts.shares;
        andel::Ledger ledger = andel::emptyLedger(facts);
        for (int s = 0; s < facts.shares; ++s) {
            andel::ShareEntry& e = ledger.entries[static_cast<std::size_t>(s)];
            e = customer((i * 37 + s * 101) % kCustomers);
            if (s % 3 == 0) e.paid = facts.pricePerShare;
        }
        if (i % 2 == 0) ledger.confirmed = andel::ConfirmedResult{{1, 1, 2020}, {"1X21X21X21X2", 4000, 800, 120}, std::nullopt};
        // The buyer of the account shown holds a share in every tenth ledger.
        if (i % 10 == 0) ledger.entries[0] = customer(kCustomers - 1);
        andel::saveLedger(workspace, ledger);
    }
    andel::Journal broughtIn(workspace);  // the files become the books here, not in the first measurement
    return directory;
}

const std::filesystem::path& directory() {
    static const std::filesystem::path made = makeDirectory();
    return made;
}

struct Silent : andel::Messages {
    bool show(const andel::Message&) override { return true; }
};

void BM_OpenCustomerAccount(benchmark::State& state) {
    for (auto _ : state) {
        Silent messages;
        andel::Tkundekonto window(andel::Workspace(directory()), messages);
        window.showBuyer(customer(kCustomers - 1));
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.account().shares.size());
    }
}
BENCHMARK(BM_OpenCustomerAccount)->Unit(benchmark::kMillisecond);

void BM_OpenWhoOwes(benchmark::State& state) {
    for (auto _ : state) {
        Silent messages;
        andel::Tutestaaende window(andel::Workspace(directory()), messages);
        window.reload();
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.customers().size());
    }
}
BENCHMARK(BM_OpenWhoOwes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    directory();  // made before the clock runs
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(directory());
    return 0;
}
