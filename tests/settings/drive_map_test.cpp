#include "settings/drive_settings.h"

#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include "platform/file_io.h"
#include "support/drive_settings_only.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace andel::test {
namespace {

namespace fs = std::filesystem;

class DriveMapTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path() / "work"};
    RecordingMessages messages;
    SettingsStore settings{dir.path() / "work" / "config.kvs", messages, [](int) {}};
    DriveDefaults defaults{dir.path() / "home", {dir.path() / "media/kari", dir.path() / "run/media/kari"}};

    void SetUp() override {
        for (const char* d : {"work", "home", "media/kari", "run/media/kari/USB2", "run/media/kari/USB1"}) {
            fs::create_directories(dir.path() / d);
        }
    }
    void settingsFile(const std::string& text) { dir.write("work/config.kvs", text); }
};

TEST_F(DriveMapTest, DefaultsAreHomeForCAndTheFirstMediumForA) {
    SKIP_ON_REAL_DRIVES();
    const DriveMap drives = settingsDriveMap(workspace, settings, defaults);
    EXPECT_EQ(drives.drive('C'), dir.path() / "home");
    EXPECT_EQ(drives.drive('c'), dir.path() / "home");
    EXPECT_EQ(drives.drive('A'), dir.path() / "run/media/kari/USB1");
    for (char letter : {'B', 'D', 'Z', '1', ':'}) EXPECT_FALSE(drives.available(letter)) << letter;

    fs::create_directories(dir.path() / "media/kari/STICK");
    EXPECT_EQ(drives.drive('A'), dir.path() / "media/kari/STICK");
    EXPECT_FALSE(settingsDriveMap(workspace, settings, DriveDefaults{}).available('A'));
}

TEST_F(DriveMapTest, SettingsNameTheDirectoryOfAnyLetter) {
    SKIP_ON_REAL_DRIVES();
    fs::create_directories(dir.path() / "elsewhere");
    fs::create_directories(dir.path() / "work/stasjon_d");
    settingsFile("DRIVE_C=" + (dir.path() / "elsewhere").string() + "\r\nDRIVE_D=stasjon_d\r\nDRIVE_E=" +
                 (dir.path() / "missing").string() + "\r\n");
    const DriveMap drives = settingsDriveMap(workspace, settings, defaults);
    EXPECT_EQ(drives.drive('C'), dir.path() / "elsewhere");
    EXPECT_EQ(drives.drive('D'), dir.path() / "work" / "stasjon_d");
    EXPECT_FALSE(drives.available('E'));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DriveMapTest, WindowsPathsResolveToRealOnes) {
    SKIP_ON_REAL_DRIVES();
    fs::create_directories(dir.path() / "home/NTFILE");
    dir.write("home/NTFILE/KRYSSEN.NTF", "x");
    const DriveMap drives = settingsDriveMap(workspace, settings, defaults);
    const struct {
        const char* windowsPath;
        std::optional<fs::path> expected;
    } cases[] = {
        {"C:\\NTFILE\\KRYSSEN.NTF", dir.path() / "home/NTFILE/KRYSSEN.NTF"},
        {"c:/ntfile/kryssen.ntf", dir.path() / "home/NTFILE/KRYSSEN.NTF"},
        {"C:\\NTFILE\\NY.NTF", dir.path() / "home/NTFILE/NY.NTF"},
        {"C:\\\\NTFILE\\\\", dir.path() / "home/NTFILE"},
        {"C:", dir.path() / "home"},
        {"A:\\NTFILE", dir.path() / "run/media/kari/USB1/NTFILE"},
        {"Q:\\NTFILE\\KRYSSEN.NTF", std::nullopt},
        {"onlcopi\\SE_1234.ntf", dir.path() / "work/onlcopi/SE_1234.ntf"},
    };
    for (const auto& c : cases) EXPECT_EQ(drives.resolve(c.windowsPath), c.expected) << c.windowsPath;
}

#ifdef _WIN32
// On Windows a letter is the drive itself, whatever the settings say: the test's own
// directory is reached through the drive it lies on.
TEST_F(DriveMapTest, WindowsLettersAreTheRealDrives) {
    fs::create_directories(dir.path() / "home/NTFILE");
    dir.write("home/NTFILE/KRYSSEN.NTF", "x");
    const std::string home = pathText(dir.path() / "home");
    const char letter = driveLetterOf(home);
    ASSERT_NE(letter, 0) << home;
    settingsFile("DRIVE_" + std::string(1, letter) + "=" + pathText(dir.path() / "elsewhere") + "\r\n");
    const DriveMap drives = settingsDriveMap(workspace, settings, defaults);
    EXPECT_EQ(drives.drive(letter), fs::path(std::string(1, letter) + ":\\"));
    EXPECT_TRUE(drives.fileExists(home + "\\ntfile\\kryssen.ntf"));
    EXPECT_EQ(drives.resolve(home + "/NTFILE/NY.NTF"), dir.path() / "home" / "NTFILE" / "NY.NTF");
    const DWORD present = GetLogicalDrives();
    for (char free = 'D'; free <= 'Y'; ++free) {
        if (present & (1u << (free - 'A'))) continue;
        EXPECT_FALSE(drives.available(free)) << free;
        EXPECT_FALSE(drives.resolve(std::string(1, free) + ":\\NTFILE").has_value());
        break;
    }
}
#endif

TEST(DrivePaths, LettersAndJoins) {
    EXPECT_EQ(driveLetterOf("A:\\NTFILE"), 'A');
    EXPECT_EQ(driveLetterOf("d:"), 'D');
    EXPECT_EQ(driveLetterOf("NTFILE"), 0);
    EXPECT_EQ(driveLetterOf("1:\\"), 0);
    EXPECT_EQ(driveLetterOf(""), 0);
    EXPECT_EQ(joinWindowsPath("A:\\NTFILE", "X.NTF"), "A:\\NTFILE\\X.NTF");
}

}  // namespace
}  // namespace andel::test
