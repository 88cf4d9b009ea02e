// The store against a real second process holding config.kvs for a while.
#ifndef _WIN32
#include "settings/settings_store.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace andel::test {
namespace {

// A child process that takes the exclusive lock, reports it through a pipe, holds it
// for `holdMs` and exits.
class OtherProcess {
public:
    OtherProcess(const std::filesystem::path& file, int holdMs) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            {
                const ExclusiveFileLock lock(file);
                const char state = lock.locked() ? 'L' : 'F';
                if (::write(fds[1], &state, 1) != 1) ::_exit(2);
                std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
            }
            ::_exit(0);
        }
        ::close(fds[1]);
        char state = 'F';
        locked_ = pid_ > 0 && ::read(fds[0], &state, 1) == 1 && state == 'L';
        ::close(fds[0]);
    }
    ~OtherProcess() {
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }
    bool locked() const { return locked_; }

private:
    pid_t pid_ = -1;
    bool locked_ = false;
};

TEST(SettingsStoreProcessTest, WaitsForAnotherProcessThenSucceeds) {
    const struct {
        const char* what;
        std::function<bool(SettingsStore&)> run;
    } cases[] = {
        {"GetString", [](SettingsStore& s) { return s.getString("fornavn").value == "Kari"; }},
        {"SetString", [](SettingsStore& s) { return s.setString("ETTERNAVN", "Nordmann"); }},
    };
    TempDir dir;
    RecordingMessages messages;
    SettingsStore store(dir.file("config.kvs"), messages);  // really sleeps
    dir.write("config.kvs", "FORNAVN=Kari\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const OtherProcess other(dir.file("config.kvs"), 700);
        ASSERT_TRUE(other.locked());
        ASSERT_TRUE(isFileBusy(dir.file("config.kvs")));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(c.run(store));
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    }
    EXPECT_EQ(dir.read("config.kvs"), "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace andel::test
#endif
