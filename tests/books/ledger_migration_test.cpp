// The ledger files of the old kind brought into the books once: every figure the files
// gave (buyers, payments with their dates, payouts, payments from the balance, the
// confirmed result, the closed sale, the voiding) stands the same in the books, a
// payment a crash left in SALDO.TXT is finished, and the old files are kept.
#include "books/balance_transfer.h"
#include "books/books_check.h"
#include "books/ledger_file.h"
#include "books/ledger_migration.h"
#include "books/ledger_store.h"
#include "books/old_ledger_files.h"
#include "books_fixture.h"
#include "platform/file_io.h"
#include "support/recording_messages.h"

#include <fstream>
#include <sstream>

namespace andel::test {
namespace {

std::string sourceFile(const std::string& relative) {
    std::ifstream in(std::filesystem::path(ANDEL_SOURCE_DIR) / relative, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ShareEntry buyer(const std::string& name, std::optional<std::int64_t> paid = {}, std::optional<LedgerDate> on = {}) {
    ShareEntry e;
    e.name = name;
    e.paid = paid;
    e.paidOn = on;
    return e;
}

// Two syndicates of the old kind: one won and paid out in part, its other winnings paying a
// share of the second; the second with its sale closed, and a transfer left half done.
std::vector<Ledger> oldLedgers() {
    Ledger won = emptyLedger(pricedSyndicate("1000", 4, 100, {48, 2026, {}}));
    won.entries[0] = buyer("Kari Nordmann", 100, LedgerDate{25, 11, 2026});
    won.entries[0].paidOut = 500;  // 300 in cash, 200 paid share 1 of 1001
    won.entries[0].paidOutOn = LedgerDate{2, 12, 2026};
    won.entries[0].toBalance = {BalanceLink{"1001", 1, 100}, BalanceLink{"1001", 2, 100}};
    won.entries[1] = buyer("Ola Hansen", 60, LedgerDate{26, 11, 2026});
    won.entries[1].note = "betaler resten fredag";
    won.confirmed = ConfirmedResult{{30, 11, 2026}, ConfirmedRound{kWinningRow, 3000, 0, 0}, std::nullopt};
    Ledger next = emptyLedger(pricedSyndicate("1001", 4, 100, {49, 2026, {}}));
    next.entries[0] = buyer("Kari Nordmann", 100, LedgerDate{2, 12, 2026});
    next.entries[0].paidFromBalance = {BalanceLink{"1000", 1, 100}};
    next.entries[1] = buyer("Kari Nordmann", 100, LedgerDate{2, 12, 2026});
    next.entries[1].paidFromBalance = {BalanceLink{"1000", 1, 100}};
    next.entries[2] = buyer("Per Olsen");
    next.entries[3].name = std::string(kAgentBuyerName);
    next.entries[3].agentHeld = true;
    next.saleClosed = LedgerDate{5, 12, 2026};
    next.history.push_back(HistoryLine{{5, 12, 2026}, "Salget stengt; kommisjonæren holder andel 4."});
    return {won, next};
}

void expectSameFigures(const Ledger& old, const Ledger& now) {
    SCOPED_TRACE(old.facts.serialNumber);
    EXPECT_EQ(now.facts, old.facts);
    EXPECT_EQ(now.confirmed, old.confirmed);
    EXPECT_EQ(now.voided, old.voided);
    EXPECT_EQ(now.saleClosed, old.saleClosed);
    ASSERT_EQ(now.entries.size(), old.entries.size());
    for (std::size_t i = 0; i < old.entries.size(); ++i) {
        const ShareEntry &a = old.entries[i], &b = now.entries[i];
        SCOPED_TRACE("andel " + std::to_string(i + 1));
        EXPECT_EQ(b.name, a.name);
        EXPECT_EQ(b.telephone, a.telephone);
        EXPECT_EQ(b.playerNumber, a.playerNumber);
        EXPECT_EQ(b.note, a.note);
        EXPECT_EQ(b.agentHeld, a.agentHeld);
        EXPECT_EQ(b.paid, a.paid);
        EXPECT_EQ(b.paidOn, a.paidOn);
        EXPECT_EQ(b.paidOut, a.paidOut);
        EXPECT_EQ(b.paidFromBalance, a.paidFromBalance);
        EXPECT_EQ(b.toBalance.size(), a.toBalance.size());
    }
    // The old history lines are kept, after the line that says where they came from.
    for (const HistoryLine& line : old.history) {
        EXPECT_TRUE(std::find(now.history.begin(), now.history.end(), line) != now.history.end()) << line.text;
    }
}

TEST(LedgerMigration, EveryFigureOfTheOldFilesStandsInTheBooks) {
    TempDir dir;
    const Workspace workspace(dir.path());
    const std::vector<Ledger> old = oldLedgers();
    for (const Ledger& l : old) saveLedger(workspace, l);
    // The two corpus files of versions 2 and 3, as agents' directories hold them.
    for (const char* file : {"REGNSKAP_1042_UKE_49_2026.TXT"}) {
        dir.write("andelsregnskap/" + std::string(file), sourceFile("fuzz/corpus/ledger/" + std::string(file)));
    }
    const OldLedgerFiles before = readOldLedgerFiles(workspace);
    ASSERT_TRUE(before.damaged.empty());
    ASSERT_EQ(before.ledgers.size(), 3u);

    RecordingMessages messages;
    Journal journal(workspace, &messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("3 andelslag"), std::string::npos) << messages.shown[0].text;
    for (const Ledger& l : before.ledgers) {
        expectSameFigures(l, *journal.read([&] { return journal.ledger(l.facts.serialNumber); }));
    }
    EXPECT_TRUE(checkBooks(journal).ok());
    // Kept whole in their own folder, and brought over once only.
    EXPECT_TRUE(ledgerFilesNewestFirst(workspace).empty());
    EXPECT_EQ(dir.read("andelsregnskap/" + std::string(kOldLedgerDirectory) + "/" + ledgerFileName(old[0].facts)),
              encodeLedger(old[0]));
    saveLedger(workspace, emptyLedger(pricedSyndicate("1002")));
    RecordingMessages again;
    Journal reopened(workspace, &again);
    EXPECT_TRUE(again.shown.empty());
    EXPECT_FALSE(reopened.read([&] { return reopened.ledger("1002"); }));
}

TEST(LedgerMigration, AHalfDoneBalancePaymentIsFinished) {
    TempDir dir;
    const Workspace workspace(dir.path());
    std::vector<Ledger> old = oldLedgers();
    // The crash came after the journal was written and before the second ledger was.
    Ledger paid = old[1];
    paid.entries[1].paid.reset();
    paid.entries[1].paidOn.reset();
    paid.entries[1].paidFromBalance.clear();
    saveLedger(workspace, old[0]);
    saveLedger(workspace, paid);
    const BalanceTransfer transfer{BalanceTransfer::Kind::Pay, {2, 12, 2026}, "1001", 2, {BalanceLink{"1000", 1, 100}}};
    dir.write("andelsregnskap/" + std::string(kTransferJournalName), encodeTransfer(transfer));

    RecordingMessages messages;
    Journal journal(workspace, &messages);
    const Ledger now = *journal.read([&] { return journal.ledger("1001"); });
    EXPECT_EQ(now.entries[1].paid, 100);
    EXPECT_EQ(now.entries[1].paidFromBalance, old[1].entries[1].paidFromBalance);
    EXPECT_NE(messages.shown.at(0).text.find("avbrutt betaling fra saldo"), std::string::npos);
    EXPECT_FALSE(fileExists(dir.file("andelsregnskap/" + std::string(kTransferJournalName))));
    EXPECT_TRUE(checkBooks(journal).ok());
}

TEST(LedgerMigration, ADamagedFileIsNamedAndTheOthersComeOver) {
    TempDir dir;
    const Workspace workspace(dir.path());
    saveLedger(workspace, oldLedgers()[0]);
    dir.write("andelsregnskap/REGNSKAP_1050_UKE_50_2026.TXT", "#REGNSKAPSVERSJON\r\n3\r\n");
    RecordingMessages messages;
    Journal journal(workspace, &messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("REGNSKAP_1050_UKE_50_2026.TXT er skadet"), std::string::npos) << messages.shown[0].text;
    EXPECT_TRUE(journal.read([&] { return journal.ledger("1000"); }));
}

}  // namespace
}  // namespace andel::test
