// "Busy" (another holder's lock: worth waiting for) against "not permitted" (a read-only
// file or directory: waiting never helps).
#include "platform/file_lock.h"

#include "support/file_permissions.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace andel::test {
namespace {

namespace fs = std::filesystem;
constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr auto kReadOnlyDirectory = kReadOnly | fs::perms::owner_exec;

TEST(FileLockTest, BusyIsAnotherHoldersLockAndNotPermittedIsAFileWeMayNotWrite) {
#ifdef _WIN32
    // Read-only here means the permission bits of the file and its directory. On Windows a
    // read-only directory still takes new files, and Wine run as root opens read-only files
    // for writing, so the case cannot be made there.
    GTEST_SKIP() << "read-only directories and files as the permission bits make them";
#endif
    TempDir dir;
    dir.write("fri.kvs", "A=1\r\n");
    dir.write("holdt.kvs", "A=1\r\n");
    dir.write("lesbar.kvs", "A=1\r\n");
    dir.write("lesbar-holdt.kvs", "A=1\r\n");
    dir.write("sperret/fil.kvs", "A=1\r\n");
    const ExclusiveFileLock otherHolder(dir.file("holdt.kvs"));
    ASSERT_TRUE(otherHolder.locked());
    // The other program may hold a file we may only read: that is still "busy".
    const ExclusiveFileLock otherHolderOfReadOnly(dir.file("lesbar-holdt.kvs"));
    ASSERT_TRUE(otherHolderOfReadOnly.locked());
    fs::permissions(dir.file("lesbar.kvs"), kReadOnly);
    fs::permissions(dir.file("lesbar-holdt.kvs"), kReadOnly);
    fs::permissions(dir.file("sperret"), kReadOnlyDirectory);
    {
        const HonourFilePermissions asAnOrdinaryUser;
        const struct {
            const char* file;
            FileAccess access;
        } cases[] = {
            {"fri.kvs", FileAccess::Free},
            {"mangler.kvs", FileAccess::Free},
            {"holdt.kvs", FileAccess::Busy},
            {"lesbar.kvs", FileAccess::NotPermitted},
            {"lesbar-holdt.kvs", FileAccess::Busy},
            {"sperret/fil.kvs", FileAccess::NotPermitted},
            {"sperret/mangler.kvs", FileAccess::NotPermitted},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.file);
            EXPECT_EQ(fileAccess(dir.file(c.file)), c.access);
            EXPECT_EQ(isFileBusy(dir.file(c.file)), c.access == FileAccess::Busy);
            const ExclusiveFileLock lock(dir.file(c.file));
            if (fs::exists(dir.file(c.file))) EXPECT_EQ(lock.access(), c.access);
        }
    }
    fs::permissions(dir.file("sperret"), fs::perms::owner_all);
}

TEST(FileLockTest, LockFileIsMadeWhenAskedAndHeldAgainstASecondHolder) {
    TempDir dir;
    const fs::path file = dir.file("ARBEID.LCK");
    EXPECT_FALSE(ExclusiveFileLock(file).locked());
    std::optional<ExclusiveFileLock> first;
    first.emplace(file, LockOpen::CreateIfMissing);
    ASSERT_TRUE(first->locked());
    const ExclusiveFileLock second(file, LockOpen::CreateIfMissing);
    EXPECT_EQ(second.access(), FileAccess::Busy);
    first.reset();
    EXPECT_TRUE(ExclusiveFileLock(file, LockOpen::CreateIfMissing).locked());
}

#ifndef _WIN32
// Only another holder's lock is "busy": a file system without locks fails the lock itself,
// and that is told with the system's reason, since waiting would never help.
TEST(FileLockTest, ALockTheFileSystemCannotTakeIsNotBusy) {
    TempDir dir;
    const struct {
        int error;
        FileAccess access;
    } cases[] = {{ENOLCK, FileAccess::LockFailed}, {EOPNOTSUPP, FileAccess::LockFailed},
                 {EWOULDBLOCK, FileAccess::Busy}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::strerror(c.error));
        simulateLockError(c.error);
        const ExclusiveFileLock lock(dir.file("config.kvs"), LockOpen::CreateIfMissing);
        simulateLockError(std::nullopt);
        EXPECT_EQ(lock.access(), c.access);
        EXPECT_EQ(lock.lockError(), c.access == FileAccess::LockFailed ? std::strerror(c.error) : "");
        EXPECT_EQ(fs::exists(dir.file("config.kvs")), true);
    }
    EXPECT_TRUE(ExclusiveFileLock(dir.file("config.kvs")).locked());
}
#endif

}  // namespace
}  // namespace andel::test
