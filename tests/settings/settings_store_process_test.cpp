// The store against a real second process holding config.kvs: the store waits while the
// lock is held and succeeds once it is let go. What is measured is the lock itself (held
// when the store waited), never a span of wall-clock time.
#ifndef _WIN32
#include "settings/settings_store.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace andel::test {
namespace {

// A child process that takes the exclusive lock, reports it through a pipe and holds it
// until it is told to let go.
class OtherProcess {
public:
    explicit OtherProcess(const std::filesystem::path& file) {
        int report[2];
        int release[2];
        if (::pipe(report) != 0 || ::pipe(release) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(report[0]);
            ::close(release[1]);
            {
                const ExclusiveFileLock lock(file);
                const char state = lock.locked() ? 'L' : 'F';
                if (::write(report[1], &state, 1) != 1) ::_exit(2);
                char go = 0;
                if (::read(release[0], &go, 1) < 0) ::_exit(2);  // returns when told, or when the parent ends
            }
            ::_exit(0);
        }
        ::close(report[1]);
        ::close(release[0]);
        release_ = release[1];
        char state = 'F';
        locked_ = pid_ > 0 && ::read(report[0], &state, 1) == 1 && state == 'L';
        ::close(report[0]);
    }
    ~OtherProcess() { letGo(); }
    bool locked() const { return locked_; }
    // The lock is free once this returns: the process has ended.
    void letGo() {
        if (release_ >= 0) ::close(release_);
        release_ = -1;
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool locked_ = false;
};

TEST(SettingsStoreProcessTest, WaitsWhileAnotherProcessHoldsTheLockThenSucceeds) {
    const struct {
        const char* what;
        std::function<bool(SettingsStore&)> run;
    } cases[] = {
        {"GetString", [](SettingsStore& s) { return s.getString("fornavn").value == "Kari"; }},
        {"SetString", [](SettingsStore& s) { return s.setString("ETTERNAVN", "Nordmann"); }},
    };
    TempDir dir;
    RecordingMessages messages;
    dir.write("config.kvs", "FORNAVN=Kari\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OtherProcess other(dir.file("config.kvs"));
        ASSERT_TRUE(other.locked());
        int waits = 0;
        bool heldWhenWaiting = false;
        // The store's first wait: the other process still holds the lock; then it lets go.
        SettingsStore store(dir.file("config.kvs"), messages, [&](int) {
            if (waits++ == 0) {
                heldWhenWaiting = isFileBusy(dir.file("config.kvs"));
                other.letGo();
            }
        });
        EXPECT_TRUE(c.run(store));
        EXPECT_GE(waits, 1);
        EXPECT_TRUE(heldWhenWaiting);
    }
    EXPECT_EQ(dir.read("config.kvs"), "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace andel::test
#endif
