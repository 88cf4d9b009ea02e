#include "online/check_characters.h"

#include "online/online_fixtures.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

const std::string kBlankName(20, ' ');
const std::string kFirstCoupon = "0001" "31" "0" "0" "00" "01" "0324" "01" "001";
const std::string kFirstRowField = "01010404070707070101010100";

TEST(CheckCharacters, RecordsAreClosedExactly) {
    const struct {
        const char* what;
        std::string record;
        bool skip;
        std::string closed;
    } cases[] = {
        {"second character out of range: positions 336 and 338 searched",
         headerBytes(kBlankName, "000000", "000000", "KVAS", "777888999", "00"), false,
         headerBytes(kBlankName, "000000", "000000", "\"V\x7fS", "777888999", "* ")},
        {"first character out of range: positions 337 and 339 searched",
         couponBytes(kFirstCoupon, kFirstRowField, "KVAS", "00"), false,
         couponBytes(kFirstCoupon, kFirstRowField, "K A)", " 4")},
        {"second only, in a header with a name",
         headerBytes("Ola 0" + std::string(15, ' '), "000000", "000000", "KVAS", "777888999", "00"), false,
         headerBytes("Ola 0" + std::string(15, ' '), "000000", "000000", " V S", "777888999", "v?")},
        {"Norwegian letters become A and a",
         headerBytes("\xc5se \xd8" "deg\xe5rd         ", "000000", "000000", "KVAS", "777888999", "00"), false,
         headerBytes("Ase Adegard         ", "000000", "000000", "KVAS", "777888999", "[\\")},
        {"skipped check keeps letters and an out-of-range character",
         headerBytes("\xc5se \xd8" "deg\xe5rd         ", "000000", "000000", "KVAS", "777888999", "00"), true,
         headerBytes("\xc5se \xd8" "deg\xe5rd         ", "000000", "000000", "KVAS", "777888999", "\\\xfb")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string record = c.record;
        closeRecord(record, c.skip);
        EXPECT_EQ(record, c.closed);
        EXPECT_TRUE(checkCharactersMatch(record));
        std::string again = record;
        closeRecord(again, c.skip);
        EXPECT_EQ(again, record) << "a closed record is closed already";
    }
}

TEST(CheckCharacters, ComputedOverPositions1To348AsTheyStand) {
    const std::string record = headerBytes("\xc5se \xd8" "deg\xe5rd         ", "000000", "000000", "KVAS",
                                           "777888999", "\\\xfb");
    EXPECT_EQ(computeCheckCharacters(record), (CheckCharacters{0x5c, 0xfb}));
    EXPECT_TRUE(checkCharactersMatch(record));
    for (const std::size_t position : {1u, 200u, 348u, 349u, 350u}) {
        std::string damaged = record;
        damaged[position - 1] = static_cast<char>(damaged[position - 1] ^ 1);
        EXPECT_FALSE(checkCharactersMatch(damaged)) << "position " << position;
    }
}

TEST(CheckCharacters, OnlyWholeRecordsAreClosed) {
    std::string shortRecord(349, '0');
    EXPECT_THROW(closeRecord(shortRecord, false), std::invalid_argument);
    EXPECT_THROW(checkCharactersMatch(""), std::invalid_argument);
    EXPECT_THROW(computeCheckCharacters(std::string(351, '0')), std::invalid_argument);
}

}  // namespace
}  // namespace andel::test
