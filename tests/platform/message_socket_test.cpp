// The message socket lives where no other user can take its name or listen in its place.
#ifndef _WIN32
#include "platform/message_socket.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace andel::test {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the test's lifetime.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const fs::path& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

fs::perms permsOf(const fs::path& path) { return fs::status(path).permissions(); }

TEST(MessageSocketTest, SocketLivesInTheUsersPrivateDirectoryOnly) {
    TempDir dir;
    const fs::path runtime = dir.file("runtime");
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    fs::create_directories(dir.file("tmp"));
    fs::create_directories(dir.file("home"));
    const ScopedEnvironment runtimeVariable("XDG_RUNTIME_DIR", runtime);
    const ScopedEnvironment tmpVariable("TMPDIR", dir.file("tmp"));
    const ScopedEnvironment homeVariable("HOME", dir.file("home"));

    EXPECT_EQ(messageSocketDirectory(), runtime);
    EXPECT_EQ(messageSocketPath(7), (runtime / "andelstipp-7").string());

    // A runtime directory others may enter is not private: a directory of our own in the
    // temporary directory, made for the purpose, serves instead.
    fs::permissions(runtime, fs::perms::owner_all | fs::perms::others_all, fs::perm_options::replace);
    const fs::path own = dir.file("tmp") / ("andelstipp-" + std::to_string(::geteuid()));
    EXPECT_EQ(messageSocketDirectory(), own);
    EXPECT_EQ(permsOf(own), fs::perms::owner_all);

    // Someone who made that name first (open to all, or another user's) blocks it: the
    // home directory serves.
    fs::permissions(own, fs::perms::all, fs::perm_options::replace);
    EXPECT_EQ(messageSocketDirectory(), dir.file("home") / ".andelstipp");
    EXPECT_EQ(permsOf(dir.file("home") / ".andelstipp"), fs::perms::owner_all);
    if (::geteuid() == 0) {
        fs::permissions(own, fs::perms::owner_all, fs::perm_options::replace);
        ASSERT_EQ(::chown(own.c_str(), 65534, 65534), 0);
        EXPECT_EQ(messageSocketDirectory(), dir.file("home") / ".andelstipp");
    }

    // Nowhere private: no socket at all, and a sender says so.
    fs::remove(dir.file("home") / ".andelstipp");
    dir.write("home/.andelstipp", "a file where the directory belongs");
    EXPECT_FALSE(messageSocketDirectory());
    EXPECT_EQ(messageSocketPath(7), "");
    std::string error;
    EXPECT_FALSE(sendToMessageSocket(messageSocketPath(7), "13319 0 0\n", error));
    EXPECT_NE(error.find("no private directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace andel::test
#endif
