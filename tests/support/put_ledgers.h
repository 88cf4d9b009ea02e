#pragma once
// Fixtures of the books: the ledgers as they are given, brought into books made anew in
// the working directory (the books keep every event, so a test that wants another state
// starts from empty books). Payments from the balance name their winning shares by serial.
#include "books/journal.h"
#include "books/ledger_migration.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace andel::test {

inline void putLedgers(const Workspace& workspace, const std::vector<Ledger>& ledgers) {
    const std::filesystem::path file = booksPath(workspace);
    std::error_code error;
    for (const char* ending : {"", "-wal", "-shm"}) std::filesystem::remove(file.string() + ending, error);
    Journal journal(workspace);
    journal.write([&] {
        std::map<std::string, std::int64_t> ids;
        // Winning shares first, so a payment from the balance finds them.
        for (const Ledger& ledger : ledgers) {
            bool drawsOnOthers = false;
            for (const ShareEntry& e : ledger.entries) drawsOnOthers = drawsOnOthers || !e.paidFromBalance.empty();
            if (!drawsOnOthers) ids[ledger.facts.serialNumber] = bringLedgerIntoBooks(journal, ledger, ids, "test");
        }
        for (const Ledger& ledger : ledgers) {
            if (!ids.contains(ledger.facts.serialNumber)) ids[ledger.facts.serialNumber] = bringLedgerIntoBooks(journal, ledger, ids, "test");
        }
    });
}

inline void putLedger(const Workspace& workspace, const Ledger& ledger) { putLedgers(workspace, {ledger}); }

}  // namespace andel::test
