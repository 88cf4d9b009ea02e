#include "settings/serial_counter.h"

#include "platform/io_error.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace andel::test {
namespace {

class SerialCounterTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    WaitFunction noWait = [](int) {};
};

TEST_F(SerialCounterTest, MissingDirectoryIsCreatedAndCountsFrom1000) {
    EXPECT_EQ(peekSerial(workspace, messages, noWait), 1000);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("onlcopi")));
    EXPECT_EQ(takeSerial(workspace, messages, noWait), 1000);
    EXPECT_EQ(dir.read("onlcopi/config.kvs"), "UNIKTNUMMER_ONLINEFIL=1001\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("config.kvs")));
    EXPECT_TRUE(messages.shown.empty());
}

// A damaged counter is said out loud before the count starts again at 1000, so the
// agent knows serial numbers may come again.
TEST_F(SerialCounterTest, TakingGivesTheStoredNumberAndStoresTheNext) {
    const struct {
        const char* stored;
        int peek;
        int next;
        bool damaged;
    } cases[] = {
        {"1234", 1234, 1235, false}, {" 12 34 ", 1234, 1235, false}, {"9998", 9998, 9999, false},
        {"9999", 9999, 1000, false}, {"", 1000, 1001, false},        {"abc", 1000, 1001, true},
        {"999", 1000, 1001, true},   {"10000", 1000, 1001, true},    {"-1234", 1000, 1001, true},
        {"99999999999", 1000, 1001, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        dir.write("onlcopi/config.kvs", std::string("A=1\r\nUNIKTNUMMER_ONLINEFIL=") + c.stored + "\r\n");
        dir.write("config.kvs", "UNIKTNUMMER_ONLINEFIL=5000\r\n");  // never consulted
        messages.shown.clear();
        EXPECT_EQ(peekSerial(workspace, messages, noWait), c.peek);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(takeSerial(workspace, messages, noWait), c.peek);
        if (c.damaged) {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, damagedSerialMessage(c.stored));
        } else {
            EXPECT_TRUE(messages.shown.empty());
        }
        EXPECT_EQ(dir.read("onlcopi/config.kvs"),
                  "A=1\r\nUNIKTNUMMER_ONLINEFIL=" + std::to_string(c.next) + "\r\n");
        EXPECT_EQ(dir.read("config.kvs"), "UNIKTNUMMER_ONLINEFIL=5000\r\n");
    }
}

TEST_F(SerialCounterTest, OnlcopiThatIsAFileIsAnInputOutputError) {
    dir.write("onlcopi", "not a directory");
    EXPECT_THROW(peekSerial(workspace, messages, noWait), IoError);
    EXPECT_THROW(takeSerial(workspace, messages, noWait), IoError);
}

TEST_F(SerialCounterTest, NumberIsGivenBackOnlyWhileNoLaterNumberWasTaken) {
    dir.write("onlcopi/config.kvs", "UNIKTNUMMER_ONLINEFIL=9999\r\n");
    ASSERT_EQ(takeSerial(workspace, messages, noWait), 9999);
    EXPECT_TRUE(returnSerial(workspace, 9999, messages, noWait));
    EXPECT_EQ(dir.read("onlcopi/config.kvs"), "UNIKTNUMMER_ONLINEFIL=9999\r\n");
    ASSERT_EQ(takeSerial(workspace, messages, noWait), 9999);
    ASSERT_EQ(takeSerial(workspace, messages, noWait), 1000);
    EXPECT_TRUE(returnSerial(workspace, 9999, messages, noWait));  // 1001 stored: not given back
    EXPECT_EQ(dir.read("onlcopi/config.kvs"), "UNIKTNUMMER_ONLINEFIL=1001\r\n");
}

#ifndef _WIN32
// Makings in several processes at once: every number is handed out once, none skipped.
TEST_F(SerialCounterTest, ProcessesTakingAtOnceNeverShareANumber) {
    constexpr int kProcesses = 4;
    constexpr int kTakes = 50;
    int fds[2];
    int start[2];  // every process starts taking at the same moment
    ASSERT_EQ(::pipe(fds), 0);
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            ::close(start[1]);
            char go = 0;
            if (::read(start[0], &go, 1) != 0) ::_exit(2);  // returns once the parent closes it
            RecordingMessages quiet;
            for (int i = 0; i < kTakes; ++i) {
                const int serial = takeSerial(workspace, quiet).value_or(0);
                if (::write(fds[1], &serial, sizeof serial) != sizeof serial) ::_exit(2);
            }
            ::_exit(0);
        }
        children.push_back(pid);
    }
    ::close(fds[1]);
    ::close(start[0]);
    ::close(start[1]);
    std::multiset<int> taken;
    int serial = 0;
    while (::read(fds[0], &serial, sizeof serial) == sizeof serial) taken.insert(serial);
    ::close(fds[0]);
    for (const pid_t pid : children) ::waitpid(pid, nullptr, 0);
    std::multiset<int> expected;
    for (int n = 1000; n < 1000 + kProcesses * kTakes; ++n) expected.insert(n);
    EXPECT_EQ(taken, expected);
    EXPECT_EQ(peekSerial(workspace, messages, noWait), 1000 + kProcesses * kTakes);
}
#endif

}  // namespace
}  // namespace andel::test
