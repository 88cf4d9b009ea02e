#include "register/customer_cells.h"
#include "register/customer_record.h"
#include "register_fixture.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

TEST(CustomerRecord, FieldsSitAtTheirOffsetsLittleEndian) {
    Tkunderec c = test::customer("Åse", "Ødegård", 0x01020304, 7, 3, 2009);
    c.otherInfo = "Kiosk";
    c.telephone1 = 55314207;
    c.fax2 = 0xA0B0C0D0;
    c.reserved = 99;  // never written
    const std::string bytes = encodeKunderec(c);
    ASSERT_EQ(bytes.size(), kKunderecSize);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\xC5se", 4));  // Å is one byte
    EXPECT_EQ(bytes[13], 7);
    EXPECT_EQ(bytes.substr(14, 7), "\xD8" "deg\xE5rd");
    EXPECT_EQ(bytes.substr(34, 6), "\x05Kiosk");
    EXPECT_EQ(bytes.substr(75, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.substr(79, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes.substr(95, 4), std::string("\xD0\xC0\xB0\xA0", 4));
    EXPECT_EQ(bytes.substr(99, 4), std::string("\x07\x03\xD9\x07", 4));

    Tkunderec back = decodeKunderec(bytes);
    c.reserved = 0;
    EXPECT_EQ(back, c);
}

TEST(CustomerRecord, TextsAreCutToTheirCapacity) {
    const Tkunderec c = test::customer("Fridtjof-Helmer", "Abrahamsen-Kristiansen", 1);
    const Tkunderec back = decodeKunderec(encodeKunderec(c));
    EXPECT_EQ(back.firstName, "Fridtjof-Hel");
    EXPECT_EQ(back.lastName, "Abrahamsen-Kristians");
}

TEST(CustomerRecord, LengthBytesAboveCapacityAreCut) {
    std::string bytes = encodeKunderec(test::customer("Kari", "Nordmann"));
    bytes.replace(0, 13, "\xFF" "ABCDEFGHIJKL");
    bytes[13] = '\x7F';
    bytes[34] = '\xFF';
    const Tkunderec back = decodeKunderec(bytes);
    EXPECT_EQ(back.firstName, "ABCDEFGHIJKL");
    EXPECT_EQ(back.lastName.size(), 20u);
    EXPECT_LE(back.otherInfo.size(), 2u * kOtherInfoCapacity);  // 40 bytes, some two-byte in UTF-8
    EXPECT_EQ(decodeKunderec(std::string(50, 'x')), Tkunderec{});  // too short: nothing read
}

TEST(CustomerCells, FormsOfTheTableCells) {
    struct Case {
        std::string cell, expected;
    } cases[] = {
        {playerNumberCell(0), " 000 000 000"},
        {playerNumberCell(12345), " 000 012 345"},
        {playerNumberCell(123456789), " 123 456 789"},
        {playerNumberCell(4000000000u), " 400 000 000"},  // only the first nine digits
        {phoneCell(0), " 000-00000"},
        {phoneCell(55314207), " 553-14207"},
        {phoneCell(4112), " 000-04112"},
        {phoneCell(123456789), " 123-45678"},
        {dateCell(5, 3, 2004), " 05/03-2004"},
        {dateCell(0, 0, 0), " 00/00-0000"},
        {groupedPlayerNumber("12345"), "000 012 345"},
        {groupedPlayerNumber("123 456 789"), "123 456 789"},
        {dateSortText(" 05/03-2004"), "2004.03.05"},
        {dateSortText("  "), "9999999999999"},
        {dateSortText(" 1/2"), "9999999999999"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.cell, c.expected);
    EXPECT_EQ(cellNumber(" 123 456 789"), 123456789u);
    EXPECT_EQ(cellNumber("ingen"), 0u);
    EXPECT_EQ(cellNumber("99999999999999999999"), 4294967295u);
}

}  // namespace
}  // namespace andel
