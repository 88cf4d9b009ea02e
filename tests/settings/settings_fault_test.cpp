// config.kvs and the online-file serial counter under a writer killed at any moment and
// under a disk that fills up: the store stays whole and a failed write says so.
#include "platform/workspace.h"
#include "settings/serial_counter.h"
#include "settings/settings_store.h"
#include "support/recording_messages.h"
#include "support/rewrite_faults.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <regex>

namespace andel {
namespace {

const auto noWait = [](int) {};

test::WriteOutcome outcomeOf(bool written, const test::RecordingMessages& messages) {
    return {written, messages.shown.empty() ? "" : messages.shown.back().text};
}

class SettingsFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string settings;
        for (int i = 0; i < 200; ++i) settings += "NOKKEL" + std::to_string(i) + "=verdi " + std::to_string(i) + "\r\n";
        dir.write("config.kvs", settings);
    }

    // The player's first name written back, as the main window does when it closes.
    test::Rewrite settingsRewrite() {
        return {.write = [this](int version) {
                    test::RecordingMessages messages;
                    SettingsStore store = mainStore(workspace, messages, noWait);
                    return outcomeOf(store.setString("FORNAVN", version == 1 ? "Kåre" : "Kari"), messages);
                },
                .read = [this] { return dir.read("config.kvs"); }};
    }

    // Each write takes the next serial number; a whole counter file is one four-digit line.
    test::Rewrite serialRewrite() {
        return {.write = [this](int) {
                    test::RecordingMessages messages;
                    return outcomeOf(takeSerial(workspace, messages, noWait).has_value(), messages);
                },
                .read = [this] { return dir.read("onlcopi/config.kvs"); },
                .whole = [](const std::string& bytes) {
                    return std::regex_match(bytes, std::regex("UNIKTNUMMER_ONLINEFIL=[1-9][0-9]{3}\r\n"));
                }};
    }

    test::TempDir dir;
    const Workspace workspace{dir.path()};
};

#ifndef _WIN32
TEST_F(SettingsFaultTest, KilledWriterLeavesTheOldOrTheNewSettings) {
    test::expectKilledWriterLeavesWholeFile(settingsRewrite(), 30, 1251);
}

TEST_F(SettingsFaultTest, KilledWriterLeavesAWholeSerialNumber) {
    test::expectKilledWriterLeavesWholeFile(serialRewrite(), 30, 9999);
}
#endif

TEST_F(SettingsFaultTest, FullDiskLeavesTheOldSettingsAndSaysSo) {
    test::expectFullDiskLeavesOldFile(settingsRewrite());
}

TEST_F(SettingsFaultTest, FullDiskKeepsTheSerialNumberAndSaysSo) {
    test::expectFullDiskLeavesOldFile(serialRewrite());
    test::RecordingMessages messages;
    EXPECT_EQ(peekSerial(workspace, messages, noWait), 1003);  // 1001, 1002 and the write after the disk emptied
}

}  // namespace
}  // namespace andel
