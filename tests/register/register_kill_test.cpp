// A writer killed at any moment of an append or a delete leaves WTOM.KVS whole: either
// the register before the step or the one after it.
#ifndef _WIN32
#include "register/register_file.h"
#include "register_fixture.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace andel {
namespace {

using test::customer;

// Toggles the register between `before` and `before` + the extra customer until killed.
[[noreturn]] void writeForever(const Workspace& workspace, const Tkunderec& extra, std::size_t beforeCount) {
    test::RecordingMessages messages;
    for (;;) {
        if (readCustomers(workspace).size() == beforeCount) {
            appendCustomer(workspace, extra, messages);
        } else {
            deleteCustomer(workspace, extra, messages);
        }
    }
}

TEST(RegisterKill, KilledWriterLeavesTheOldOrTheNewRegister) {
    test::TempDir dir;
    const Workspace workspace(dir.path());
    const std::string tail = "\x04" "half";
    std::vector<Tkunderec> many;
    for (int i = 0; i < 500; ++i) many.push_back(customer("Kunde", "Nummer" + std::to_string(i), i));
    std::string before;
    for (const Tkunderec& c : many) before += encodeKunderec(c);
    const Tkunderec extra = customer("Ekstra", "Kunde", 999999999, 1, 2, 2003);
    const std::string after = before + encodeKunderec(extra) + tail;
    before += tail;
    dir.write("WTOM.KVS", before);

    std::mt19937 random(20090307);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    int sawBefore = 0, sawAfter = 0;
    for (int kill = 0; kill < 40; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) writeForever(workspace, extra, many.size());
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const std::string now = dir.read("WTOM.KVS");
        ASSERT_TRUE(now == before || now == after) << "kill " << kill << ": " << now.size() << " bytes";
        (now == before ? sawBefore : sawAfter)++;
    }
    // Both states were seen, so the kills did fall between and within the steps.
    EXPECT_GT(sawBefore, 0);
    EXPECT_GT(sawAfter, 0);
}

}  // namespace
}  // namespace andel
#endif
