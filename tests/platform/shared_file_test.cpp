// Files shared with the other programs: our own reader and the safe replacement work
// while we hold our lock, and paths with Norwegian letters work end to end. On Windows,
// "another program" is a second open with that program's share mode.
#include "platform/file_io.h"
#include "platform/file_lock.h"
#include "platform/io_error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace andel::test {
namespace {

TEST(SharedFileTest, OwnReaderAndReplacementWorkUnderOwnLock) {
    TempDir dir;
    dir.write("config.kvs", "FORNAVN=Kari\r\n");
    const ExclusiveFileLock lock(dir.file("config.kvs"));
    ASSERT_TRUE(lock.locked());
    EXPECT_FALSE(ExclusiveFileLock(dir.file("config.kvs")).locked()) << "a second lock must wait";
    EXPECT_EQ(readFileBytes(dir.file("config.kvs")), "FORNAVN=Kari\r\n");
    replaceFile(dir.file("config.kvs"), "FORNAVN=Ola\r\n", dir.file("TMP.KVS"));
    EXPECT_EQ(dir.read("config.kvs"), "FORNAVN=Ola\r\n");
    EXPECT_FALSE(fileExists(dir.file("TMP.KVS")));
}

// The rename is followed by a sync of the directory; when that fails the save is not
// reported done.
TEST(SharedFileTest, AFailedDirectorySyncAfterTheRenameIsReported) {
    TempDir dir;
    dir.write("config.kvs", "FORNAVN=Kari\r\n");
    simulateDirectorySyncFailure(true);
    EXPECT_THROW(replaceFile(dir.file("config.kvs"), "FORNAVN=Ola\r\n"), IoError);
    simulateDirectorySyncFailure(false);
    EXPECT_FALSE(fileExists(dir.file("config.kvs.tmp")));
    replaceFile(dir.file("config.kvs"), "FORNAVN=Per\r\n");
    EXPECT_EQ(dir.read("config.kvs"), "FORNAVN=Per\r\n");
}

TEST(SharedFileTest, NorwegianLettersInPaths) {
    TempDir dir;
    const std::string name = "Bø i Telemark/Ærlig Åsmund/KUNDER.KVS";
    const std::filesystem::path file = dir.path() / std::filesystem::path(std::u8string(name.begin(), name.end()));
    ensureDirectory(file.parent_path());
    replaceFile(file, "ÆØÅ");
    EXPECT_TRUE(fileExists(file));
    EXPECT_EQ(readFileBytes(file), "ÆØÅ");
    EXPECT_EQ(pathText(file.filename()), "KUNDER.KVS");
    EXPECT_NE(pathText(file).find("Bø i Telemark"), std::string::npos);
    {
        const ExclusiveFileLock lock(file);
        EXPECT_TRUE(lock.locked());
        EXPECT_TRUE(isFileBusy(file));
    }
    EXPECT_FALSE(isFileBusy(file));
    removeFileIfExists(file);
    EXPECT_FALSE(fileExists(file));
}

#ifdef _WIN32
// Another program's open of a file, with its share mode.
class OtherProgram {
public:
    OtherProgram(const std::filesystem::path& file, DWORD access, DWORD share)
        : handle_(CreateFileW(file.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OtherProgram() { release(); }
    bool holds() const { return handle_ != INVALID_HANDLE_VALUE; }
    void release() {
        if (holds()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

TEST(SharedFileTest, WindowsShareModesOfOtherPrograms) {
    const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const struct {
        const char* what;
        DWORD access, share;
        bool busy;
    } cases[] = {
        {"exclusive open", GENERIC_READ | GENERIC_WRITE, 0, true},
        {"exclusive read", GENERIC_READ, 0, true},
        {"deny write", GENERIC_READ, FILE_SHARE_READ, true},
        {"deny none without delete sharing", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, true},
        {"reader sharing everything", GENERIC_READ, all, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        dir.write("config.kvs", "A=1\r\n");
        OtherProgram other(dir.file("config.kvs"), c.access, c.share);
        ASSERT_TRUE(other.holds());
        EXPECT_EQ(isFileBusy(dir.file("config.kvs")), c.busy);
        if (c.busy) continue;
        // A file that is not busy can be replaced, even while the other program reads it.
        replaceFile(dir.file("config.kvs"), "A=2\r\n", dir.file("TMP.KVS"));
        other.release();
        EXPECT_EQ(dir.read("config.kvs"), "A=2\r\n");
    }
}

TEST(SharedFileTest, WindowsOwnLockKeepsOtherProgramsOut) {
    TempDir dir;
    dir.write("config.kvs", "A=1\r\n");
    const ExclusiveFileLock lock(dir.file("config.kvs"));
    ASSERT_TRUE(lock.locked());
    EXPECT_FALSE(OtherProgram(dir.file("config.kvs"), GENERIC_READ, 0).holds()) << "their in-use test";
    EXPECT_FALSE(OtherProgram(dir.file("config.kvs"), GENERIC_READ, FILE_SHARE_READ).holds());
    EXPECT_FALSE(OtherProgram(dir.file("config.kvs"), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).holds());
}
#endif

}  // namespace
}  // namespace andel::test
