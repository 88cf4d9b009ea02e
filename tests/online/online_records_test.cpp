#include "online/coupon_record.h"
#include "online/header_record.h"
#include "online/online_fixtures.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

const std::string kBlankName(20, ' ');

TEST(HeaderRecord, FreshRecordHoldsEveryDefault) {
    const std::string expected = headerBytes(kBlankName, "000000", "000000", "KVAS", "777888999", "00");
    EXPECT_EQ(HeaderRecord().bytes(), expected);
    EXPECT_EQ(HeaderRecord().bytes().size(), 350u);
    EXPECT_EQ(HeaderRecord().field(15), "000000");
    EXPECT_EQ(HeaderRecord().field(20), std::string(206, ' '));
}

TEST(HeaderRecord, SettersFitTheirFields) {
    const struct {
        const char* what;
        void (*set)(HeaderRecord&);
        int field;
        std::string expected;
    } cases[] = {
        {"player number with blanks", [](HeaderRecord& h) { h.setPlayerNumber("123 456 789"); }, 24, "123456789"},
        {"short player number", [](HeaderRecord& h) { h.setPlayerNumber("12345"); }, 24, "000012345"},
        {"ten-digit player number", [](HeaderRecord& h) { h.setPlayerNumber("1234567890"); }, 24, "123456789"},
        {"player number with letters", [](HeaderRecord& h) { h.setPlayerNumber("12AB34"); }, 24, "000001234"},
        {"no digits at all", [](HeaderRecord& h) { h.setPlayerNumber("ukjent"); }, 24, "000000000"},
        {"name of 25", [](HeaderRecord& h) { h.setName("Abcdefghij Klmnopqrst Uvw"); }, 3, "Abcdefghij Klmnopqrs"},
        {"name of 3", [](HeaderRecord& h) { h.setName("Ola"); }, 3, "Ola" + std::string(17, ' ')},
        {"Norwegian name", [](HeaderRecord& h) { h.setName("Åse Ødegård"); }, 3,
         "\xc5se \xd8" "deg\xe5rd" + std::string(9, ' ')},
        {"count 7", [](HeaderRecord& h) { h.setCount(HeaderCount::H12, "7"); }, 12, "000007"},
        {"count 1234567", [](HeaderRecord& h) { h.setCount(HeaderCount::H19, "1234567"); }, 19, "123456"},
        {"serial 12", [](HeaderRecord& h) { h.setSerialNumber("12"); }, 23, "0012"},
        {"serial 123456", [](HeaderRecord& h) { h.setSerialNumber("123456"); }, 23, "1234"},
        {"record number", [](HeaderRecord& h) { h.setRecordNumber("7"); }, 1, "0007"},
        {"version", [](HeaderRecord& h) { h.setVersion("004"); }, 2, "004"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HeaderRecord header;
        c.set(header);
        EXPECT_EQ(header.field(c.field), c.expected);
        EXPECT_EQ(header.bytes().size(), 350u);
    }
}

TEST(OnlineRecord, NumberFieldsHoldTheValueNotItsFirstDigits) {
    const struct {
        const char* text;
        std::size_t width;
        const char* expected;
    } cases[] = {
        {"010", 2, "10"}, {"0020", 3, "020"}, {"000", 2, "00"}, {"0000", 4, "0000"}, {"7", 6, "000007"},
        {"00000000123", 6, "000123"}, {"", 2, "00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numericField(c.text, c.width), c.expected);
    }
    CouponRecord record;
    record.setWeeks("010");
    record.setMultiplier("0020");
    EXPECT_EQ(record.at(coupon_field::kWeeks), "10");
    EXPECT_EQ(record.at(coupon_field::kMultiplier), "020");
}

TEST(HeaderRecord, NameOf200CharactersKeepsItsFirst20AndTheRecordItsLength) {
    HeaderRecord header;
    header.setName(std::string(200, 'x'));
    EXPECT_EQ(header.bytes(), headerBytes(std::string(20, 'x'), "000000", "000000", "KVAS", "777888999", "00"));
}

TEST(HeaderRecord, BytesReadBackIntoFields) {
    const std::string bytes = headerBytes("Kari Nordmann       ", "000009", "000000", "1234", "123456789", "ds");
    const auto header = HeaderRecord::fromBytes(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->bytes(), bytes);
    EXPECT_EQ(header->field(3), "Kari Nordmann       ");
    EXPECT_EQ(header->field(12), "000009");
    EXPECT_EQ(header->field(25), "ds");
    EXPECT_FALSE(HeaderRecord::fromBytes(bytes.substr(0, 349)));
    EXPECT_FALSE(HeaderRecord::fromBytes(bytes + "x"));
    EXPECT_FALSE(HeaderRecord::fromBytes(""));
}

TEST(HeaderRecord, DumpHasOneLinePerFieldAndTwoForH20) {
    HeaderRecord header;
    header.setName("Åse");
    const std::vector<std::string> expected = {
        "H1   :0000", "H2   :003", "H3   :Åse                 ", "H4   :0", "H5   :0", "H6   :00",
        "H7   :90/01/01", "H8   :00:00:00", "H9   :90/01/01", "H10  :00:00:00", "H11  :0000000000000000",
        "H12  :000000", "H13  :000000", "H14  :000000", "H15  :000000", "H16  :000000", "H17  :000000",
        "H18  :000000", "H19  :000000", "H20  :" + std::string(103, ' '), "H20  :" + std::string(103, ' '),
        "H21  :1", "H22  :0", "H23  :KVAS", "H24  :777888999", "H25  :00"};
    EXPECT_EQ(header.dump(), expected);
}

TEST(CouponRecord, FreshRecordHoldsEveryDefault) {
    EXPECT_EQ(CouponRecord('0').bytes(),
              couponBytes("0000" "00" "0" "0" "00" "01" "0001" "01" "001", "", "KVAS", "00"));
    EXPECT_EQ(CouponRecord('0').at({22, 260}), std::string(260, '0'));
    EXPECT_EQ(CouponRecord(' ').at({22, 260}), std::string(260, ' '));
}

TEST(CouponRecord, TippingCodesFollowTimeBasisAndCouponType) {
    const struct {
        const char* timeBasis;
        const char* couponType;
        const char* codes;  // positions 5-8
    } cases[] = {
        {"NORMAL", "LØRDAG", "3100"},  {"PAUSE", "LØRDAG", "3110"}, {"BEGGE", "LØRDAG", "3120"},
        {"NORMAL", "SØNDAG", "3101"},  {"PAUSE", "MIDTUKE", "3112"}, {"BEGGE", "ONSDAG", "3122"},
        {"pause", "søndag", "3100"},   {"", "", "3100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.timeBasis) + " " + c.couponType);
        CouponRecord record;
        record.setTippingGame(c.timeBasis, c.couponType);
        EXPECT_EQ(record.at({5, 4}), c.codes);
    }
    CouponRecord other;
    other.setTippingGame("BEGGE", "SØNDAG");
    other.setGameCode("81");
    EXPECT_EQ(other.at({5, 4}), "8100");
}

TEST(CouponRecord, SettersPadCutAndPlaceTheirFields) {
    CouponRecord record;
    record.setRunningNumber(12);
    record.setTippingGame("PAUSE", "SØNDAG");
    record.setWeeks("5");
    record.setSystemSize("18");
    record.setRowFieldsInUse("3");
    record.setMultiplier("20");
    record.setRowField(1, "01010404070707070101010100");
    record.setRowField(3, "0203");
    record.setRowField(10, std::string(30, '7'));
    const std::string rows = "01010404070707070101010100" + std::string(26, '0') + "0203" + std::string(22, '0') +
                             std::string(26 * 6, '0') + std::string(26, '7');
    EXPECT_EQ(record.bytes(), couponBytes("0012" "31" "1" "1" "00" "05" "0018" "03" "020", rows, "KVAS", "00"));

    record.setRunningNumber(12345);
    record.setMultiplier("1000");
    EXPECT_EQ(record.at(coupon_field::kRunningNumber), "1234");
    EXPECT_EQ(record.at(coupon_field::kMultiplier), "100");
    EXPECT_THROW(record.setRowField(11, ""), std::out_of_range);

    const auto back = CouponRecord::fromBytes(record.bytes());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bytes(), record.bytes());
    EXPECT_FALSE(CouponRecord::fromBytes(record.bytes().substr(1)));
}

}  // namespace
}  // namespace andel::test
