// The counter: a share's code scanned into the main window, from the scanner's Enter to the
// ledger window showing that share with its next step ready, over the books of ten busy
// years (5.000 syndicates of 30 shares, each sold and paid); and a slip sent to a receipt
// printer without a driver on 127.0.0.1. Targets: the share shown within 100 ms, the slip
// sent within 200 ms. ANDEL_BOOKS_BENCH_SYNDICATES sets a smaller number for a quick look.
#include "accounts/ledger_window.h"
#include "books/book_event.h"
#include "books/buyer_key.h"
#include "books/journal.h"
#include "books/ledger_in_hand.h"
#include "customers/counter_printer.h"
#include "customers/counter_slips.h"
#include "main_window/share_scan_listener.h"
#include "model/share_code.h"
#include "support/fake_printer.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <QApplication>
#include <QTableWidget>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

using namespace andel;

int syndicates() {
    const char* set = std::getenv("ANDEL_BOOKS_BENCH_SYNDICATES");
    return set ? std::max(1, std::atoi(set)) : 5000;
}
constexpr int kShares = 30;

// Syndicate i: serial 1000 + i modulo 9000 (the numbers come round again), a week of its own.
SyndicateFacts counterFacts(int i, const CouponSet& coupons) {
    SyndicateFacts facts;
    facts.serialNumber = std::to_string(1000 + i % 9000);
    facts.week = {1 + i % 52, 2016 + i / 52, {}};
    facts.rows = facts.stake = 3000;
    facts.shares = kShares;
    facts.pricePerShare = 100;
    facts.coupons = coupons;
    return facts;
}

std::filesystem::path makeCounterBooks() {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "andel-counter-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    const CouponSet coupons = couponsOf(initialWorkbenchState());
    Journal journal{Workspace(directory)};
    journal.database().execute("PRAGMA synchronous=OFF");  // the making only
    journal.write([&] {
        for (int i = 0; i < syndicates(); ++i) {
            const LedgerDate on{1, 1, 2016};
            LedgerInHand hand(journal, journal.insertSyndicate(counterFacts(i, coupons), on, "bench"));
            for (int s = 1; s <= kShares; ++s) {
                const std::string name = "Kunde " + std::to_string((i * kShares + s) % 20000);
                BookEvent buyer;
                buyer.kind = EventKind::BuyerSet;
                buyer.businessDate = on;
                buyer.share = s;
                buyer.customer = customerKeyOf(name, "", "");
                buyer.detail = {{"name", name}, {"telephone", ""}, {"player", ""}, {"note", ""}, {"agent", "0"}};
                hand.record(buyer, "bench");
                if (s % 3 == 0) continue;  // a third not paid yet: the step at the counter
                BookEvent paid = buyer;
                paid.kind = EventKind::PaymentCash;
                paid.detail.clear();
                paid.amountOre = 100 * kOrePerKrone;
                hand.record(paid, "bench");
            }
        }
    });
    return directory;
}

const std::filesystem::path& counterBooks() {
    static const std::filesystem::path made = makeCounterBooks();
    return made;
}

struct Silent : Messages {
    bool show(const Message&) override { return true; }
};

// A scanned code into the main window; `warm` keeps the ledger window open between scans,
// as at the counter, while a cold one is made anew and lists every ledger of the books first.
void scanToShareShown(benchmark::State& state, bool warm) {
    Silent messages;
    const Workspace workspace(counterBooks());
    const int i = syndicates() / 2;
    const std::string code = shareCodeText(counterFacts(i, {}).serialNumber, 3, counterFacts(i, {}).week);
    const QString typed = QString::fromStdString(code);
    std::unique_ptr<QWidget> main;
    Tandelsregnskap* shown = nullptr;
    const auto open = [&] {
        main = std::make_unique<QWidget>();
        listenForShareScans(main.get(), workspace, messages, [&]() -> Tandelsregnskap& {
            shown = &raiseLedgerWindow(main.get(), workspace, messages);
            return *shown;
        });
        main->show();
        QApplication::processEvents();
    };
    const auto type = [&] {
        main->activateWindow();
        for (const QChar c : typed) QTest::keyClick(main.get(), c.toLatin1());
    };
    if (warm) {  // the ledger window opened once, before the clock runs
        open();
        type();
        QTest::keyClick(main.get(), Qt::Key_Return);
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (!warm) open();
        type();
        state.ResumeTiming();
        QTest::keyClick(main.get(), Qt::Key_Return);
        if (!shown || !shown->ledger() || shown->findChild<QTableWidget*>()->currentRow() != 2) {
            state.SkipWithError("the scanned share was not shown");
            break;
        }
    }
}

void BM_ScanToShareShown(benchmark::State& state) { scanToShareShown(state, true); }
BENCHMARK(BM_ScanToShareShown)->Unit(benchmark::kMillisecond);

void BM_FirstScanToShareShown(benchmark::State& state) { scanToShareShown(state, false); }
BENCHMARK(BM_FirstScanToShareShown)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SlipToRawPrinter(benchmark::State& state) {
    test::FakePrinter printer;
    const std::string address = "127.0.0.1:" + std::to_string(printer.port());
    Ledger ledger = emptyLedger(counterFacts(7, couponsOf(initialWorkbenchState())));
    ledger.entries[2].name = "Åse Ødegård";
    ledger.entries[2].paid = 100;
    const Slip slip = receiptSlipOf(receiptSlips(ledger, {3}, AgentProfile{}, {11, 12, 2026}).front());
    for (auto _ : state) {
        const std::string failed = printSlipRaw(address, slip, true, "Betalingen er registrert");
        if (!failed.empty()) {
            state.SkipWithError(failed.c_str());
            break;
        }
        state.PauseTiming();
        benchmark::DoNotOptimize(printer.nextJob());  // the printer has it all
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SlipToRawPrinter)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    counterBooks();  // made before the clock runs
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(counterBooks());
    return 0;
}
