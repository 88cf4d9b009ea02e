#include "handover/player_keys.h"

#include "settings/store_fixture.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

using PlayerKeysTest = StoreTest;

TEST_F(PlayerKeysTest, MissingStoreGivesTheDefaults) {
    EXPECT_EQ(syndicateName(readPlayerKeys(store)), "Tippe Vinnesen 000000000");
}

TEST_F(PlayerKeysTest, ValuesAreTrimmedAndBlankOnesGiveTheDefault) {
    dir.write("config.kvs", "FORNAVN=  Kari \r\nETTERNAVN= \r\nTIPPERNUMMER=\r\n");
    EXPECT_EQ(syndicateName(readPlayerKeys(store)), "Kari Vinnesen 000000000");
}

TEST_F(PlayerKeysTest, WrittenKeysReadBack) {
    dir.write("config.kvs", "OTHER=1\r\nFORNAVN=Per\r\n");
    ASSERT_TRUE(writePlayerKeys(store, Player{"Åse", "Ødegård", "UREGISTRERT"}));
    const Player player = readPlayerKeys(store);
    EXPECT_EQ(player.firstName, "Åse");
    EXPECT_EQ(player.lastName, "Ødegård");
    EXPECT_EQ(player.number, "UREGISTRERT");
    EXPECT_NE(dir.read("config.kvs").find("OTHER=1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace andel::test
