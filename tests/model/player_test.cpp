#include "model/player.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

TEST(PlayerTest, UnregisteredOnlyForTheWord) {
    EXPECT_TRUE(isUnregistered("UREGISTRERT"));
    EXPECT_TRUE(isUnregistered(" UREGISTRERT "));
    EXPECT_FALSE(isUnregistered("000000000"));
    EXPECT_FALSE(isUnregistered("123 456 789"));
    EXPECT_FALSE(isUnregistered(""));
    EXPECT_FALSE(isUnregistered("UREGISTRERT1"));
}

TEST(PlayerTest, SyndicateNameJoinsNamesAndNumberWithBlanks) {
    EXPECT_EQ(syndicateName(Player{"Tippe", "Vinnesen", "000000000"}), "Tippe Vinnesen 000000000");
    EXPECT_EQ(syndicateName(Player{"Kari", "Nordmann", "123 456 789"}), "Kari Nordmann 123 456 789");
}

}  // namespace
}  // namespace andel
