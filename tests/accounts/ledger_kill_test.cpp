// A saver killed at any moment leaves the ledger whole: the one before or the one after.
#ifndef _WIN32
#include "accounts/ledger_file.h"
#include "accounts/ledger_store.h"
#include "accounts_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace andel::test {
namespace {

TEST(LedgerKill, KilledSaverLeavesTheOldOrTheNewLedger) {
    TempDir dir;
    const Workspace workspace(dir.path());
    Ledger before = emptyLedger(smallSyndicate(120));
    Ledger after = before;
    for (ShareEntry& e : after.entries) e = ShareEntry{"Kari Nordmann", "22-334455", "123 456 789", 584, {}, {}, {}, "x"};
    saveLedger(workspace, before);
    const std::string name = "andelsregnskap/" + ledgerFileName(before.facts);
    const std::string beforeBytes = encodeLedger(before), afterBytes = encodeLedger(after);

    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    int sawBefore = 0, sawAfter = 0;
    for (int kill = 0; kill < 40; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (bool toggle = false;; toggle = !toggle) saveLedger(workspace, toggle ? before : after);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const std::string now = dir.read(name);
        ASSERT_TRUE(now == beforeBytes || now == afterBytes) << "kill " << kill << ": " << now.size() << " bytes";
        (now == beforeBytes ? sawBefore : sawAfter)++;
    }
    EXPECT_GT(sawBefore + sawAfter, 0);
}

}  // namespace
}  // namespace andel::test
#endif
