// The online file written to its directory and its backup copy in onlcopi, under a writer
// killed at any moment and under a disk that fills up: the file there stays whole.
#include "online/online_backup.h"
#include "online/online_conversion.h"
#include "online/online_fixtures.h"
#include "platform/io_error.h"
#include "support/recording_messages.h"
#include "support/rewrite_faults.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

class OnlineFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Two rows files whose online files differ in the player's name.
        std::vector<std::string> values = defaultHeaderValues();
        dir.write("rows0.tmp", joinLines(rowsFileLines(values, defaultBody())));
        values[2] = "Kåre Ødegård";
        dir.write("rows1.tmp", joinLines(rowsFileLines(values, defaultBody())));
    }

    // The online file of version 0 or 1 written over the one at the destination.
    Rewrite onlineFileRewrite() {
        return {.write = [this](int version) {
                    RecordingMessages messages;
                    WriteProgress progress;
                    const ConversionRequest request{dir.file("rows" + std::to_string(version) + ".tmp"), "TIPPING",
                                                    dir.file("NTFILE.NTF")};
                    try {
                        runOnlineConversion(workspace, request, messages, progress, [](int) {});
                        return WriteOutcome{true, ""};
                    } catch (const IoError& error) {
                        return WriteOutcome{false, error.what()};
                    }
                },
                .read = [this] { return dir.read("NTFILE.NTF"); },
                // TT.TMP is written first, then the copy: a disk full in either.
                .diskFullAfter = {0, 1000, 3499, 3500, 5000, 6999}};
    }

    // The backup copy of serial 1234 taken from the online file of version 0 or 1.
    Rewrite backupRewrite() {
        return {.write = [this](int version) {
                    RecordingMessages messages;
                    const auto source = dir.file("online" + std::to_string(version) + ".ntf");
                    const bool copied = takeBackupCopy(workspace, "1234", source, messages);
                    return WriteOutcome{copied, messages.shown.empty() ? "" : messages.shown.back().text};
                },
                .read = [this] { return dir.read("onlcopi/SE_1234.ntf"); }};
    }

    TempDir dir;
    const Workspace workspace{dir.path()};
};

#ifndef _WIN32
TEST_F(OnlineFaultTest, KilledWriterLeavesTheOldOrTheNewOnlineFile) {
    expectKilledWriterLeavesWholeFile(onlineFileRewrite(), 30, 350);
}
#endif

TEST_F(OnlineFaultTest, FullDiskLeavesTheOldOnlineFileAndSaysSo) {
    ASSERT_TRUE(onlineFileRewrite().write(0).written);
    ASSERT_EQ(dir.read("NTFILE.NTF").size(), 3500u);  // the header and nine coupons
    expectFullDiskLeavesOldFile(onlineFileRewrite());
}

class BackupFaultTest : public OnlineFaultTest {
protected:
    void SetUp() override {
        dir.write("online0.ntf", std::string(3500, '0'));
        dir.write("online1.ntf", std::string(3850, '1'));
    }
};

#ifndef _WIN32
TEST_F(BackupFaultTest, KilledCopyLeavesTheOldOrTheNewBackup) {
    expectKilledWriterLeavesWholeFile(backupRewrite(), 30, 1234);
}
#endif

TEST_F(BackupFaultTest, FullDiskLeavesTheOldBackup) {
    expectFullDiskLeavesOldFile(backupRewrite());
}

}  // namespace
}  // namespace andel::test
