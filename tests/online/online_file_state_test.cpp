#include "online/online_file_state.h"

#include "online/online_file_audit.h"
#include "online/online_fixtures.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include "support/drive_settings_only.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

class OnlineFileStateTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    SettingsStore settings{dir.file("config.kvs"), messages, [](int) {}};
    DriveMap drives = settingsDriveMap(workspace, settings, DriveDefaults{});
    OnlineFileStatus status;

    void SetUp() override {
        dir.write("config.kvs", "DRIVE_C=" + dir.file("c").string() + "\r\n");
        dir.write("c/NTFILE/X.NTF", "online file");
    }
};

TEST_F(OnlineFileStateTest, LabelClickShowsTheDateOfAFileThatIsThere) {
    SKIP_ON_REAL_DRIVES();
    status.pathAndName = "C:\\NTFILE\\X.NTF";
    status.availability = "Ikke tilgjengelig!";
    toggleOnlineFileInfo(status, drives);
    EXPECT_TRUE(status.infoPanelVisible);
    EXPECT_EQ(status.availability, "Finner du her:");
    toggleOnlineFileInfo(status, drives);
    EXPECT_FALSE(status.infoPanelVisible);
    toggleOnlineFileInfo(status, drives);
    hideOnlineFileInfo(status);
    EXPECT_FALSE(status.infoPanelVisible);
}

TEST_F(OnlineFileStateTest, PanelStaysHiddenWithoutAFile) {
    for (const char* path : {"", "C:\\NTFILE\\Y.NTF", "Q:\\NTFILE\\X.NTF"}) {
        SCOPED_TRACE(path);
        status.pathAndName = path;
        status.availability = "Ikke tilgjengelig!";
        EXPECT_FALSE(checkOnlineFile(status, drives));
        toggleOnlineFileInfo(status, drives);
        EXPECT_FALSE(status.infoPanelVisible);
        EXPECT_EQ(status.availability, "Ikke tilgjengelig!");
    }
}

TEST(OnlineFileInspection, LengthAndCheckCharactersAreJudged) {
    const std::string header = headerBytes(std::string(20, ' '), "000000", "000000", "\"V\x7fS", "777888999", "* ");
    const std::string coupon = couponBytes("0001" "31" "0" "0" "00" "01" "0324" "01" "001",
                                           "01010404070707070101010100", "K A)", " 4");
    const auto whole = inspectOnlineFile(header + coupon);
    EXPECT_EQ(whole.checksOk, (std::vector<bool>{true, true}));
    EXPECT_TRUE(whole.allOk());
    EXPECT_EQ(whole.headerDump.size(), 26u);
    EXPECT_EQ(whole.headerDump[23], "H23  :\"V\x7fS");

    std::string damaged = header + coupon;
    damaged[400] = '1';
    EXPECT_EQ(inspectOnlineFile(damaged).checksOk, (std::vector<bool>{true, false}));
    EXPECT_FALSE(inspectOnlineFile(damaged).allOk());

    const auto empty = inspectOnlineFile("");
    EXPECT_FALSE(empty.allOk());
    EXPECT_EQ(empty.lengthProblem(), "Onlinefilen er tom");
    EXPECT_TRUE(empty.headerDump.empty());

    const auto ragged = inspectOnlineFile(header + "x");
    EXPECT_FALSE(ragged.allOk());
    EXPECT_EQ(ragged.checksOk, std::vector<bool>{true});
    EXPECT_EQ(ragged.leftoverBytes, 1u);
    EXPECT_NE(ragged.lengthProblem().find("350"), std::string::npos);
}

}  // namespace
}  // namespace andel::test
