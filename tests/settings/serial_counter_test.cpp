#include "settings/serial_counter.h"

#include "platform/io_error.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

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
    EXPECT_EQ(nextSerial(workspace, messages, noWait), 1001);
    EXPECT_EQ(dir.read("onlcopi/config.kvs"), "UNIKTNUMMER_ONLINEFIL=1001\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("config.kvs")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SerialCounterTest, NextFollowsTheStoredNumber) {
    const struct {
        const char* stored;
        int peek;
        int next;
    } cases[] = {
        {"1234", 1234, 1235}, {" 12 34 ", 1234, 1235}, {"9998", 9998, 9999},
        {"9999", 9999, 1000}, {"", 1000, 1001},        {"abc", 1000, 1001},
        {"999", 1000, 1001},  {"10000", 1000, 1001},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        dir.write("onlcopi/config.kvs", std::string("A=1\r\nUNIKTNUMMER_ONLINEFIL=") + c.stored + "\r\n");
        dir.write("config.kvs", "UNIKTNUMMER_ONLINEFIL=5000\r\n");  // never consulted
        EXPECT_EQ(peekSerial(workspace, messages, noWait), c.peek);
        EXPECT_EQ(nextSerial(workspace, messages, noWait), c.next);
        EXPECT_EQ(dir.read("onlcopi/config.kvs"),
                  "A=1\r\nUNIKTNUMMER_ONLINEFIL=" + std::to_string(c.next) + "\r\n");
        EXPECT_EQ(dir.read("config.kvs"), "UNIKTNUMMER_ONLINEFIL=5000\r\n");
    }
}

TEST_F(SerialCounterTest, OnlcopiThatIsAFileIsAnInputOutputError) {
    dir.write("onlcopi", "not a directory");
    EXPECT_THROW(peekSerial(workspace, messages, noWait), IoError);
    EXPECT_THROW(nextSerial(workspace, messages, noWait), IoError);
}

}  // namespace
}  // namespace andel::test
