// A regular's statement of a year (52 weekly syndicates, three shares each, some paid,
// some won) from the ledgers to a finished PDF, and a week's receipts for 40 buyers.
// Target: the statement written within 1 s.
#include "books/ledger_edit.h"
#include "customers/customer_documents_panel.h"
#include "customers/statement.h"
#include "customers/receipt.h"
#include "widgets/norwegian_look_panel.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::vector<andel::Ledger> yearOfLedgers() {
    const andel::CouponSet coupons = andel::couponsOf(andel::initialWorkbenchState());
    std::vector<andel::Ledger> ledgers;
    for (int week = 1; week <= 52; ++week) {
        andel::SyndicateFacts facts;
        facts.serialNumber = std::to_string(1000 + week);
        facts.week = {week, 2026, {}};
        facts.rows = facts.stake = 2916;
        facts.shares = 40;
        facts.pricePerShare = 73;
        facts.coupons = coupons;
        facts.onlineFile = "C:\\NTFILE\\KRYSSEN_" + facts.serialNumber + ".NTF";
        andel::Ledger ledger = andel::emptyLedger(facts);
        for (int s = 0; s < facts.shares; ++s) {
            andel::ShareEntry& e = ledger.entries[static_cast<std::size_t>(s)];
            e.name = s < 3 ? "Kari Nordmann" : "Kunde " + std::to_string(s);
            e.playerNumber = s < 3 ? "123456789" : std::to_string(500000 + s);
            if (s % 3 != 2) e.paid = facts.pricePerShare, e.paidOn = andel::LedgerDate{2, 1, 2026};
        }
        if (week % 5 == 0) ledger.confirmed = andel::ConfirmedResult{{1, 1, 2026}, {"1X21X21X21X2", 0, 4000, 400}, {}};
        ledgers.push_back(std::move(ledger));
    }
    return ledgers;
}

void BM_StatementOfAYearToPdf(benchmark::State& state) {
    const std::vector<andel::Ledger> ledgers = yearOfLedgers();
    andel::ShareEntry kari;
    kari.name = "Kari Nordmann";
    kari.playerNumber = "123456789";
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("kontoutskrift.pdf"));
    for (auto _ : state) {
        andel::Statement statement = andel::makeStatement(andel::accountOf(andel::customerKeyOf(kari), ledgers), {});
        statement.customer = kari;
        andel::writeDocumentPdf(file, andel::statementDocument(statement));
        benchmark::DoNotOptimize(statement.lines.size());
    }
}
BENCHMARK(BM_StatementOfAYearToPdf)->Unit(benchmark::kMillisecond);

void BM_ReceiptsOfAWeekToPdf(benchmark::State& state) {
    const andel::Ledger ledger = yearOfLedgers().front();
    std::vector<int> shares;
    for (int s = 1; s <= ledger.facts.shares; ++s) shares.push_back(s);
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("kvitteringer.pdf"));
    for (auto _ : state) {
        const std::vector<andel::ReceiptSlip> slips = andel::receiptSlips(ledger, shares, {}, {1, 1, 2026});
        andel::writeDocumentPdf(file, andel::receiptDocument(slips));
        benchmark::DoNotOptimize(slips.size());
    }
}
BENCHMARK(BM_ReceiptsOfAWeekToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    andel::installLayoutFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
