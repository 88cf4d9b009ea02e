// A register the program may not write, or cannot reach, is reported for what it is:
// not as "in use" and not as an empty register.
#ifndef _WIN32
#include "platform/file_lock.h"
#include "platform/io_error.h"
#include "register/register_file.h"
#include "register_fixture.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace andel {
namespace {

namespace fs = std::filesystem;
using test::customer;

// The message a delete gives in a child process that runs without the right to write
// the read-only file (root writes anything, so root becomes "nobody" there).
std::string messageOfDeleteWithoutWriteAccess(const test::TempDir& dir) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        test::RecordingMessages messages;
        const bool deleted = deleteCustomer(Workspace(dir.path()), customer("Ola", "Hansen"), messages);
        const std::string text = deleted ? "deleted" : messages.shown.empty() ? "no message" : messages.shown[0].text;
        if (::write(pipeEnds[1], text.data(), text.size()) < 0) ::_exit(4);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return text;
}

TEST(RegisterAccess, ReadOnlyRegisterIsNotReportedAsInUse) {
    test::TempDir dir;
    test::writeRegister(dir, {customer("Ola", "Hansen"), customer("Kari", "Nordmann")});
    const std::string before = dir.read("WTOM.KVS");
    fs::permissions(dir.path(), fs::perms::all);  // the child may enter and create files
    fs::permissions(dir.file("WTOM.KVS"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string message = messageOfDeleteWithoutWriteAccess(dir);
    EXPECT_EQ(message, "Klarte ikke å oppdatere kundekartoteket.\rKundekartoteket " + (dir.path() / "WTOM.KVS").string() +
                           " er skrivebeskyttet\rWTOM.KVS er ikke endret.");
    EXPECT_EQ(dir.read("WTOM.KVS"), before);

    // Held by another program it is still "in use".
    fs::permissions(dir.file("WTOM.KVS"), fs::perms::owner_read | fs::perms::owner_write);
    ExclusiveFileLock other(dir.file("WTOM.KVS"));
    ASSERT_TRUE(other.locked());
    test::RecordingMessages messages;
    EXPECT_FALSE(deleteCustomer(Workspace(dir.path()), customer("Ola", "Hansen"), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(" er i bruk"), std::string::npos) << messages.shown[0].text;
}

TEST(RegisterAccess, UnreachableRegisterIsAnErrorNotAnEmptyRegister) {
    test::TempDir dir;
    const fs::path tooLong = dir.path() / std::string(300, 'k');  // one name longer than the system allows
    EXPECT_THROW(readCustomers(Workspace(tooLong)), IoError);
    EXPECT_THROW(registerStamp(Workspace(tooLong)), IoError);
    // A working directory that is not there still holds no register.
    EXPECT_TRUE(readCustomers(Workspace(dir.path() / "mangler")).empty());
    EXPECT_FALSE(registerStamp(Workspace(dir.path() / "mangler")));
}

}  // namespace
}  // namespace andel
#endif
