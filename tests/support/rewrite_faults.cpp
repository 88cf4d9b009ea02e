#include "support/rewrite_faults.h"

#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace andel::test {

#ifndef _WIN32
namespace {

using Clock = std::chrono::steady_clock;

bool isWhole(const Rewrite& rewrite, const std::string& bytes, const std::string& v0, const std::string& v1) {
    return rewrite.whole ? rewrite.whole(bytes) : bytes == v0 || bytes == v1;
}

}  // namespace

void expectKilledWriterLeavesWholeFile(const Rewrite& rewrite, int kills, unsigned seed) {
    // Both versions once, timed, so the kills fall within the writes on any machine.
    const auto start = Clock::now();
    ASSERT_TRUE(rewrite.write(1).written);
    const std::string v1 = rewrite.read();
    ASSERT_TRUE(rewrite.write(0).written);
    const std::string v0 = rewrite.read();
    const auto pair = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);

    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, 3 * pair.count() + 100);
    std::set<std::string> seen;
    for (int kill = 0; kill < kills; ++kill) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            const char go = 1;
            if (::write(ready[1], &go, 1) != 1) ::_exit(1);
            for (int version = 1;; version ^= 1) rewrite.write(version);
        }
        ::close(ready[1]);
        char go = 0;
        const bool started = ::read(ready[0], &go, 1) == 1;
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(started);
        const std::string now = rewrite.read();
        ASSERT_TRUE(isWhole(rewrite, now, v0, v1)) << "kill " << kill << ": " << now.size() << " bytes";
        seen.insert(now);
    }
    // Kills fell on both sides of a rename, so they did land within the steps.
    EXPECT_GT(seen.size(), 1u);
}
#endif

void expectFullDiskLeavesOldFile(const Rewrite& rewrite) {
    ASSERT_TRUE(rewrite.write(1).written);
    const std::size_t newSize = rewrite.read().size();
    ASSERT_TRUE(rewrite.write(0).written);
    const std::string old = rewrite.read();
    std::vector<std::size_t> budgets = rewrite.diskFullAfter;
    if (budgets.empty()) budgets = {0, 1, newSize / 2, newSize - 1};
    for (const std::size_t budget : budgets) {
        simulateDiskFullAfter(budget);
        const WriteOutcome outcome = rewrite.write(1);
        simulateDiskFullAfter(std::nullopt);
        EXPECT_FALSE(outcome.written) << "disk full after " << budget << " bytes";
        if (rewrite.reportsError) {
            EXPECT_FALSE(outcome.error.empty()) << "disk full after " << budget << " bytes";
        }
        EXPECT_EQ(rewrite.read(), old) << "disk full after " << budget << " bytes";
    }
    // The disk has room again: the writer still works.
    EXPECT_TRUE(rewrite.write(1).written);
}

}  // namespace andel::test
