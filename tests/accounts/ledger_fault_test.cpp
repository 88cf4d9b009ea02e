// A ledger save killed at any moment, or stopped by a full disk, leaves the ledger whole:
// the one before or the one after, and a failed save says so.
#include "books/ledger_file.h"
#include "books/ledger_store.h"
#include "books/old_ledger_files.h"
#include "accounts_fixture.h"
#include "platform/io_error.h"
#include "support/rewrite_faults.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

class LedgerFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        versions[0] = emptyLedger(smallSyndicate(120));
        versions[1] = versions[0];
        for (ShareEntry& e : versions[1].entries) {
            e = ShareEntry{"Kari Nordmann", "22-334455", "123 456 789", 584, {}, {}, {}, "x"};
        }
        saveLedger(workspace, versions[0]);
    }

    Rewrite ledgerRewrite() {
        return {.write = [this](int version) {
                    try {
                        saveLedger(workspace, versions[version]);
                        return WriteOutcome{true, ""};
                    } catch (const IoError& error) {
                        return WriteOutcome{false, error.what()};
                    }
                },
                .read = [this] { return dir.read("andelsregnskap/" + ledgerFileName(versions[0].facts)); }};
    }

    TempDir dir;
    const Workspace workspace{dir.path()};
    Ledger versions[2];
};

#ifndef _WIN32
TEST_F(LedgerFaultTest, KilledSaverLeavesTheOldOrTheNewLedger) {
    expectKilledWriterLeavesWholeFile(ledgerRewrite(), 40, 20261210);
}
#endif

TEST_F(LedgerFaultTest, FullDiskLeavesTheOldLedgerAndSaysSo) {
    expectFullDiskLeavesOldFile(ledgerRewrite());
}

}  // namespace
}  // namespace andel::test
