#include "online/download_settings.h"

#include "support/file_permissions.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace andel::test {
namespace {

class DownloadSettingsTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path()};
    std::vector<int> waits;
    WaitFunction recordWait = [this](int ms) { waits.push_back(ms); };
};

TEST_F(DownloadSettingsTest, KeyLineIsFollowedByItsValueLine) {
    dir.write("wwwkvasarlaster.txt",
              "#ANNET\r\nverdi\r\n  ONLINEUBLANK  \r\n  X  \r\nSKIPCHARERROR\r\nJA\r\nSIST\r\n");
    EXPECT_EQ(downloadSetting(workspace, "ONLINEUBLANK", recordWait), "X");
    EXPECT_EQ(downloadSetting(workspace, "SKIPCHARERROR", recordWait), "JA");
    EXPECT_EQ(downloadSetting(workspace, "SIST", recordWait), "");
    EXPECT_EQ(downloadSetting(workspace, "onlineublank", recordWait), "");
    EXPECT_EQ(downloadSetting(workspace, "MANGLER", recordWait), "");
    EXPECT_TRUE(waits.empty());
    std::filesystem::remove(dir.file("wwwkvasarlaster.txt"));
    EXPECT_EQ(downloadSetting(workspace, "SKIPCHARERROR", recordWait), "");
}

TEST_F(DownloadSettingsTest, FileInUseIsTestedTwiceWithPausesThenGivesNothing) {
    dir.write("wwwkvasarlaster.txt", "SKIPCHARERROR\r\nJA\r\n");
    ExclusiveFileLock heldByAnotherProgram(dir.file("wwwkvasarlaster.txt"));
    ASSERT_TRUE(heldByAnotherProgram.locked());
    EXPECT_FALSE(skipCharacterCheck(workspace, recordWait));
    EXPECT_EQ(waits, (std::vector<int>{500, 500}));
}

// A read-only file is read as it is, at once: losing "JA" would change the online file.
TEST_F(DownloadSettingsTest, ReadOnlyFileIsReadWithoutWaiting) {
    namespace fs = std::filesystem;
    dir.write("wwwkvasarlaster.txt", "ONLINEUBLANK\r\n0\r\nSKIPCHARERROR\r\nJA\r\n");
    fs::permissions(dir.file("wwwkvasarlaster.txt"), fs::perms::owner_read | fs::perms::others_read);
    const HonourFilePermissions asAnOrdinaryUser;
    EXPECT_TRUE(skipCharacterCheck(workspace, recordWait));
    EXPECT_EQ(downloadSetting(workspace, "ONLINEUBLANK", recordWait), "0");
    EXPECT_TRUE(waits.empty());
}

TEST_F(DownloadSettingsTest, FillIsAlwaysZeroAndOnlyJaSkipsTheCheck) {
    const struct {
        const char* file;
        bool skip;
    } cases[] = {
        {"ONLINEUBLANK\r\n0\r\nSKIPCHARERROR\r\nJA\r\n", true},
        {"ONLINEUBLANK\r\nX\r\nSKIPCHARERROR\r\nja\r\n", false},
        {"SKIPCHARERROR\r\nNEI\r\n", false},
        {"\xff\xfe garbage \x01\x02", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        dir.write("wwwkvasarlaster.txt", c.file);
        EXPECT_EQ(onlineFillCharacter(workspace, recordWait), '0');
        EXPECT_EQ(skipCharacterCheck(workspace, recordWait), c.skip);
    }
}

}  // namespace
}  // namespace andel::test
