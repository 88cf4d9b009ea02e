#include "handover/presence_files.h"
#include "handover/program_copy.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace andel::test {
namespace {

TEST(PresenceFilesTest, WrittenReplacingOlderFilesAndRemoved) {
    TempDir dir;
    const Workspace workspace{dir.path()};
    dir.write("Apulje1.tmp", "an older, longer file");
    dir.write("wtpulje1.tmp", "an older caption\r\nand more\r\n");

    writeHandleFile(workspace, 0x0A0B0C0Du);
    writeCaptionFile(workspace);

    std::string expectedHandle(4, '\0');
    const std::uint32_t handle = 0x0A0B0C0Du;
    std::memcpy(expectedHandle.data(), &handle, 4);
    EXPECT_EQ(dir.read("Apulje1.tmp"), expectedHandle);
    EXPECT_EQ(readHandleFile(workspace), 0x0A0B0C0Du);
    EXPECT_EQ(dir.read("wtpulje1.tmp"), "Kvasar - Andelstippemodul  10.11.2019\r\n");

    removePresenceFiles(workspace);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Apulje1.tmp")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("wtpulje1.tmp")));
    EXPECT_NO_THROW(removePresenceFiles(workspace));  // nothing left to remove
    EXPECT_FALSE(readHandleFile(workspace).has_value());
}

TEST(PresenceFilesTest, OnlyTheCopyNamedInTheHandleFileRemovesThem) {
    TempDir dir;
    const Workspace workspace{dir.path()};
    writeHandleFile(workspace, 2222u);  // another copy started later and wrote its own
    writeCaptionFile(workspace);
    removeOwnPresenceFiles(workspace, 1111u);
    EXPECT_EQ(readHandleFile(workspace), 2222u);
    EXPECT_TRUE(std::filesystem::exists(dir.file("wtpulje1.tmp")));
    removeOwnPresenceFiles(workspace, 2222u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Apulje1.tmp")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("wtpulje1.tmp")));
}

TEST(ProgramCopyTest, ASecondCopyInTheSameWorkingDirectoryIsToldToEnd) {
    TempDir dir;
    const Workspace workspace{dir.path()};
    const WorkingDirectoryClaim first = claimWorkingDirectory(workspace);
    ASSERT_TRUE(first.lock && first.lock->locked());
    EXPECT_FALSE(first.anotherCopyRuns);
    EXPECT_TRUE(claimWorkingDirectory(workspace).anotherCopyRuns);
    TempDir other;
    EXPECT_FALSE(claimWorkingDirectory(Workspace{other.path()}).anotherCopyRuns);
}

TEST(ProgramCopyTest, NoRunningCopyToBringForwardAfterTheAttempts) {
    TempDir dir;
    int waits = 0;
    EXPECT_FALSE(bringRunningCopyToFront(Workspace{dir.path()}, [&](int) { ++waits; }, 3, 1));
    EXPECT_EQ(waits, 2);
}

TEST(PresenceFilesTest, CaptionIsWindows1252) {
    TempDir dir;
    writeCaptionFile(Workspace{dir.path()}, "Tipp på lørdag");
    EXPECT_EQ(dir.read("wtpulje1.tmp"), "Tipp p\xe5 l\xf8rdag\r\n");
}

TEST(PresenceFilesTest, HandleFileOfAnotherSizeHoldsNoHandle) {
    TempDir dir;
    const Workspace workspace{dir.path()};
    for (const char* bytes : {"", "abc", "abcde"}) {
        dir.write("Apulje1.tmp", bytes);
        EXPECT_FALSE(readHandleFile(workspace).has_value()) << bytes;
    }
}

}  // namespace
}  // namespace andel::test
