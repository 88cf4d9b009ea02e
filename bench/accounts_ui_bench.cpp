// The season view and the ledger window over 500 ledgers (ten seasons of a busy agent),
// with a pools history holding the results: reading every ledger, counting every
// syndicate's prize, filling the table and drawing the chart. Target: opened within 100 ms.
#include "books/ledger_store.h"
#include "books/journal.h"
#include "books/old_ledger_files.h"
#include "accounts/ledger_window.h"
#include "accounts/season_window.h"
#include "results/pools_history.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int kLedgers = 500;

std::filesystem::path makeDirectory() {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "andel-accounts-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory / "tippehistorikk");
    const andel::Workspace workspace(directory);
    const andel::CouponSet coupons = andel::couponsOf(andel::initialWorkbenchState());
    std::ofstream history(directory / "tippehistorikk" / "lf.txt", std::ios::binary);
    for (int i = kLedgers - 1; i >= 0; --i) {  // newest first, as the history is kept
        andel::StatisticsRecord record;
        record.year = 2017 + i / 50;
        record.week = static_cast<std::uint8_t>(1 + i % 50);
        record.resultText = "1X21X21X21X2";
        record.prize11 = 1500 + i;
        record.prize10 = 120;
        history << andel::formatHistoryLine(record, "01.01.2020") << "\r\n";
    }
    for (int i = 0; i < kLedgers; ++i) {
        andel::SyndicateFacts facts;
        facts.serialNumber = std::to_string(1000 + i);
        facts.week = {1 + i % 50, 2017 + i / 50, {}};
        facts.rows = facts.stake = 2916;
        facts.shares = 10 + i % 40;
        facts.pricePerShare = facts.stake / facts.shares;
        facts.coupons = coupons;
        andel::Ledger ledger = andel::emptyLedger(facts);
        for (int s = 0; s < facts.shares; s += 2) {
            ledger.entries[static_cast<std::size_t>(s)].name = "Kunde " + std::to_string(s);
            ledger.entries[static_cast<std::size_t>(s)].paid = facts.pricePerShare;
        }
        andel::saveLedger(workspace, ledger);
    }
    andel::Journal broughtIn(workspace);  // the files become the books here, not in the first measurement
    return directory;
}

const std::filesystem::path& directory() {
    static const std::filesystem::path made = makeDirectory();
    return made;
}

void BM_OpenSeasonView(benchmark::State& state) {
    for (auto _ : state) {
        struct Silent : andel::Messages {
            bool show(const andel::Message&) override { return true; }
        } messages;
        andel::Tsesong season(andel::Workspace(directory()), messages);
        season.reload();
        season.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(season.season().rows.size());
    }
}
BENCHMARK(BM_OpenSeasonView)->Unit(benchmark::kMillisecond);

void BM_OpenLedgerWindow(benchmark::State& state) {
    for (auto _ : state) {
        struct Silent : andel::Messages {
            bool show(const andel::Message&) override { return true; }
        } messages;
        andel::Tandelsregnskap window(andel::Workspace(directory()), messages);
        window.reload();
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.ledger().has_value());
    }
}
BENCHMARK(BM_OpenLedgerWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    directory();  // made before the clock runs: saving 500 ledgers is not what is measured
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(directory());
    return 0;
}
