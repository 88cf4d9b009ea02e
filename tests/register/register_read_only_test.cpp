// A register the agent may not change is said to be read-only, not "in use".
#include "register/register_file.h"
#include "register_fixture.h"
#include "support/file_permissions.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace andel {
namespace {

TEST(RegisterReadOnly, ReadOnlyRegisterIsReportedAsSuchAndStaysWhole) {
#ifdef _WIN32
    // Read-only here means the permission bits of the file and its directory. On Windows a
    // read-only directory still takes new files, and Wine run as root opens read-only files
    // for writing, so the case cannot be made there.
    GTEST_SKIP() << "read-only directories and files as the permission bits make them";
#endif
    namespace fs = std::filesystem;
    test::TempDir dir;
    const Workspace workspace{dir.path()};
    const std::string before = test::registerBytes({test::customer("Ola", "Hansen")});
    dir.write("WTOM.KVS", before);
    fs::permissions(dir.file("WTOM.KVS"), fs::perms::owner_read | fs::perms::others_read);
    test::RecordingMessages messages;
    {
        const test::HonourFilePermissions asAnOrdinaryUser;
        EXPECT_EQ(readCustomers(workspace).size(), 1u);
        EXPECT_FALSE(appendCustomer(workspace, test::customer("Kari", "Nordmann"), messages));
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Klarte ikke å oppdatere kundekartoteket.\rKundekartoteket " +
                                          dir.file("WTOM.KVS").string() + " er skrivebeskyttet\rWTOM.KVS er ikke endret.");
    EXPECT_EQ(dir.read("WTOM.KVS"), before);
}

}  // namespace
}  // namespace andel
