#include "handover/presence_files.h"

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
