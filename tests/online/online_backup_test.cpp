#include "online/online_backup.h"

#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

class OnlineBackupTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
};

TEST(OnlineBackup, TheCopy200SerialNumbersBackExpires) {
    const std::pair<long, long> cases[] = {{1000, 9800}, {1100, 9900}, {1199, 9999}, {1200, 1000},
                                           {1234, 1034}, {9999, 9799}};
    for (const auto& [serial, expired] : cases) EXPECT_EQ(expiredSerial(serial), expired) << serial;
    EXPECT_EQ(backupFileName("1234"), "SE_1234.ntf");
}

TEST_F(OnlineBackupTest, CopyReplacesItsNamesakeAndRemovesTheExpiredOne) {
    const struct {
        const char* serial;
        const char* copy;
        const char* expired;
    } cases[] = {
        {"1000", "onlcopi/SE_1000.ntf", "onlcopi/SE_9800.ntf"},
        {"Nr. 1100", "onlcopi/SE_1100.ntf", "onlcopi/SE_9900.ntf"},
        {"1200", "onlcopi/SE_1200.ntf", "onlcopi/SE_1000.ntf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        dir.write(c.expired, "old copy");
        dir.write("onlcopi/SE_5000.ntf", "kept");
        dir.write("c/NTFILE/X.NTF", std::string("first ") + c.serial);
        EXPECT_TRUE(takeBackupCopy(workspace, c.serial, dir.file("c/NTFILE/X.NTF"), messages));
        dir.write("c/NTFILE/X.NTF", std::string("later ") + c.serial);
        EXPECT_TRUE(takeBackupCopy(workspace, c.serial, dir.file("c/NTFILE/X.NTF"), messages));
        EXPECT_EQ(dir.read(c.copy), std::string("later ") + c.serial);
        EXPECT_FALSE(std::filesystem::exists(dir.file(c.expired)));
        EXPECT_EQ(dir.read("onlcopi/SE_5000.ntf"), "kept");
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OnlineBackupTest, MissingOnlineFileIsReportedAndTouchesNoCopy) {
    dir.write("onlcopi/SE_9800.ntf", "old copy");
    EXPECT_FALSE(takeBackupCopy(workspace, "1000", dir.file("c/NTFILE/X.NTF"), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Klarte ikke å ta sikkerhetskopi av onlinefilen");
    EXPECT_EQ(dir.read("onlcopi/SE_9800.ntf"), "old copy");
    EXPECT_FALSE(std::filesystem::exists(dir.file("onlcopi/SE_1000.ntf")));
}

// A copy that could not be taken is always said: the making stops on it.
TEST_F(OnlineBackupTest, BackupDirectoryIsCreatedOrTheFailureIsReported) {
    dir.write("X.NTF", "online file");
    EXPECT_TRUE(takeBackupCopy(workspace, "1234", dir.file("X.NTF"), messages));
    EXPECT_EQ(dir.read("onlcopi/SE_1234.ntf"), "online file");

    TempDir other;
    other.write("onlcopi", "a file where the directory belongs");
    EXPECT_FALSE(takeBackupCopy(Workspace(other.path()), "1234", dir.file("X.NTF"), messages));
    EXPECT_FALSE(takeBackupCopy(workspace, "", dir.file("X.NTF"), messages));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text.rfind("Klarte ikke å ta sikkerhetskopi av onlinefilen\rKan ikke opprette katalogen ", 0), 0u);
    EXPECT_EQ(messages.shown[1].text, "Klarte ikke å ta sikkerhetskopi av onlinefilen");
}

}  // namespace
}  // namespace andel::test
