// On Windows the other programs hold config.kvs with an open that shares nothing. The
// store waits while they do, then reads and rewrites the file under its own lock.
#ifdef _WIN32
#include "store_fixture.h"

#include <windows.h>

namespace andel::test {
namespace {

using SettingsStoreWindowsTest = StoreTest;

TEST_F(SettingsStoreWindowsTest, WaitsWhileAnotherProgramHoldsTheFileWithoutSharing) {
    dir.write("config.kvs", "FORNAVN=Kari\r\n");
    HANDLE other = CreateFileW(storeFile().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(isFileBusy(storeFile()));
    afterWait = [&] {
        if (waits.size() == 3 && other != INVALID_HANDLE_VALUE) {
            CloseHandle(other);
            other = INVALID_HANDLE_VALUE;
        }
    };
    EXPECT_TRUE(store.setString("ETTERNAVN", "Nordmann"));
    EXPECT_EQ(waits, (std::vector<int>{500, 500, 10}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dir.read("config.kvs"), "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\n");
    EXPECT_EQ(store.getString("etternavn").value, "Nordmann");
    if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
}

TEST_F(SettingsStoreWindowsTest, ManySettingsInARow) {
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(store.setInt("TELLER", i)) << i;
    EXPECT_EQ(store.getInt("TELLER", -1), 49);
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace andel::test
#endif
