// How the store waits and retries while another program holds config.kvs. The other
// program's lock is a second open of the file in this process: flock locks belong to the
// open file, so the store's own test open sees it busy.
#include "store_fixture.h"

#include "platform/workspace.h"
#include "support/file_permissions.h"

#include "platform/file_io.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace andel::test {
namespace {

using SettingsStoreRetryTest = StoreTest;

const std::string kFile = "FORNAVN=Kari\r\n";

struct Operation {
    const char* failure;
    std::function<bool(SettingsStore&)> run;  // true when it read or wrote
};

const Operation kOperations[] = {
    {"Klarte ikke GetString, selv på 300 forsøk",
     [](SettingsStore& s) { return s.getString("FORNAVN").value == "Kari"; }},
    {"Klarte ikke SetString, selv på 300 forsøk",
     [](SettingsStore& s) { return s.setString("ETTERNAVN", "Nordmann"); }},
};

// The waits of `attempts` failed attempts on a busy file.
std::vector<int> busyWaits(int attempts) {
    std::vector<int> waits;
    for (int i = 0; i < attempts; ++i) waits.insert(waits.end(), {500, 500, 10});
    return waits;
}

TEST_F(SettingsStoreRetryTest, AlwaysBusyFileGivesUpAfter301AttemptsWithOneMessage) {
    dir.write("config.kvs", kFile);
    const ExclusiveFileLock otherProgram(storeFile());
    ASSERT_TRUE(otherProgram.locked());
    ASSERT_TRUE(isFileBusy(storeFile()));
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.failure);
        waits.clear();
        messages.shown.clear();
        EXPECT_FALSE(op.run(store));
        EXPECT_EQ(waits, busyWaits(301));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  std::string(op.failure) + "\r" + Workspace(dir.path()).displayName());
        EXPECT_EQ(dir.read("config.kvs"), kFile);
    }
}

// The other program lets go after a number of the store's waits.
TEST_F(SettingsStoreRetryTest, SucceedsOnceTheOtherProgramLetsGo) {
    const struct {
        const char* what;
        std::size_t releaseAfterWaits;
        std::vector<int> waits;
    } cases[] = {
        {"during the first wait", 1, {500}},
        {"during the second wait", 2, {500, 500}},
        {"after attempt 1", 3, busyWaits(1)},
        {"after attempt 298, attempt 299 reads", 3 * 298, busyWaits(298)},
        {"after attempt 300, the last attempt reads", 3 * 300, busyWaits(300)},
    };
    for (const Operation& op : kOperations) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(op.failure) + ": " + c.what);
            dir.write("config.kvs", kFile);
            std::optional<ExclusiveFileLock> otherProgram;
            otherProgram.emplace(storeFile());
            ASSERT_TRUE(otherProgram->locked());
            afterWait = [&] {
                if (waits.size() == c.releaseAfterWaits) otherProgram.reset();
            };
            waits.clear();
            messages.shown.clear();
            EXPECT_TRUE(op.run(store));
            EXPECT_EQ(waits, c.waits);
            EXPECT_TRUE(messages.shown.empty());  // a late success is no failure
        }
    }
    EXPECT_EQ(dir.read("config.kvs"), kFile + "ETTERNAVN=Nordmann\r\n");
}

TEST_F(SettingsStoreRetryTest, FailedRewriteKeepsTheOldFileWhole) {
    dir.write("config.kvs", kFile);
    dir.write("config.kvs.tmp/blocker", "");  // the temporary file cannot be created
    EXPECT_FALSE(store.setString("FORNAVN", "Per"));
    EXPECT_EQ(dir.read("config.kvs"), kFile);
    EXPECT_EQ(waits, std::vector<int>(301, 10));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind("Klarte ikke SetString", 0), 0u);
    EXPECT_FALSE(isFileBusy(storeFile()));
}

// A file, directory or file system that refuses writing is no reason to wait: a
// read-only store is read as it is, a write to it is refused at once.
TEST_F(SettingsStoreRetryTest, StoreWeMayNotWriteIsReadAtOnceAndWritesAreRefusedAtOnce) {
#ifdef _WIN32
    // Read-only here means the permission bits of the file and its directory. On Windows a
    // read-only directory still takes new files, and Wine run as root opens read-only files
    // for writing, so the case cannot be made there.
    GTEST_SKIP() << "read-only directories and files as the permission bits make them";
#endif
    namespace fs = std::filesystem;
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const struct {
        const char* what;
        fs::path locked;  // made read-only
        fs::perms perms;
    } cases[] = {
        {"read-only file", storeFile(), readOnly},
        {"read-only directory", dir.path(), readOnly | fs::perms::owner_exec},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("config.kvs", kFile);
        fs::permissions(c.locked, c.perms);
        waits.clear();
        messages.shown.clear();
        {
            const HonourFilePermissions asAnOrdinaryUser;
            EXPECT_EQ(store.getString("FORNAVN").value, "Kari");
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_FALSE(store.setString("ETTERNAVN", "Nordmann"));
        }
        fs::permissions(c.locked, fs::perms::owner_all);
        EXPECT_TRUE(waits.empty());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Klarte ikke SetString: filen eller katalogen er skrivebeskyttet\r" +
                                              storeFile().string());
        EXPECT_EQ(dir.read("config.kvs"), kFile);
    }
    // Nothing to read at all: said at once, and the caller takes its default.
    fs::permissions(storeFile(), fs::perms::none);
    messages.shown.clear();
    {
        const HonourFilePermissions asAnOrdinaryUser;
        EXPECT_FALSE(store.getString("FORNAVN").found);
    }
    fs::permissions(storeFile(), fs::perms::owner_all);
    EXPECT_TRUE(waits.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Klarte ikke GetString: har ikke lov å lese filen\r" + storeFile().string());
}

TEST_F(SettingsStoreRetryTest, OversizedFileIsAFailedReadNotACrash) {
    dir.write("config.kvs", "FORNAVN=Kari\r\n" + std::string(SettingsStore::kMaxFileBytes, 'x'));
    EXPECT_FALSE(store.getString("FORNAVN").found);
    EXPECT_FALSE(store.quickGet("FORNAVN").found);
    EXPECT_EQ(waits, std::vector<int>(301, 10));
    EXPECT_EQ(messages.shown.size(), 1u);
}

#ifndef _WIN32
// A file system that cannot lock (ENOLCK, EOPNOTSUPP) is not a busy file: the write is
// given up at once with the reason, and reading goes on without the lock.
TEST_F(SettingsStoreRetryTest, AFileSystemWithoutLocksIsToldAtOnceNotRetried) {
    dir.write("config.kvs", kFile);
    simulateLockError(ENOLCK);
    const bool written = store.setString("ETTERNAVN", "Nordmann");
    const std::string read = store.getString("FORNAVN").value;
    simulateLockError(std::nullopt);
    EXPECT_FALSE(written);
    EXPECT_EQ(read, "Kari");
    EXPECT_EQ(waits, std::vector<int>{});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Klarte ikke SetString: filen kan ikke låses på dette filsystemet (" +
                                          std::string(std::strerror(ENOLCK)) + ")\r" + pathText(storeFile()));
    EXPECT_EQ(dir.read("config.kvs"), kFile);
}
#endif

}  // namespace
}  // namespace andel::test
