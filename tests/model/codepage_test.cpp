#include "model/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace andel {
namespace {

TEST(CodepageTest, EveryByteSurvivesDecodeThenEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(toCp1252(fromCp1252(byte)), byte) << "byte " << b;
        all += byte;
    }
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(CodepageTest, NorwegianLettersAndEuroMapToTheirBytes) {
    struct Case {
        const char* utf8;
        unsigned char byte;
    };
    const Case cases[] = {
        {"æ", 0xE6}, {"ø", 0xF8}, {"å", 0xE5}, {"Æ", 0xC6}, {"Ø", 0xD8}, {"Å", 0xC5},
        {"€", 0x80}, {"é", 0xE9}, {"Š", 0x8A}, {"”", 0x94}, {"Ÿ", 0x9F}, {"A", 0x41},
    };
    for (const Case& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(toCp1252(c.utf8), byte) << c.utf8;
        EXPECT_EQ(fromCp1252(byte), c.utf8) << int(c.byte);
    }
}

TEST(CodepageTest, CharacterWithoutAByteBecomesOneQuestionMark) {
    EXPECT_EQ(toCp1252("ł"), "?");
    EXPECT_EQ(toCp1252("😀"), "?");
    EXPECT_EQ(toCp1252("中"), "?");
    EXPECT_EQ(toCp1252("Bjørn ł 😀!"), "Bj\xF8rn ? ?!");
}

TEST(CodepageTest, InvalidUtf8BecomesQuestionMarks) {
    struct Case {
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"\x80", "?"},               // a continuation byte without lead
        {"\xC3\x41", "?A"},          // a broken sequence does not swallow the next character
        {"\xFF\xFE", "??"},          // never a lead byte
        {"\xC0\xAF", "??"},          // overlong "/"
        {"\xC1\xBF", "??"},          // overlong DEL
        {"\xE0\x83\xA9", "???"},     // overlong "é"
        {"\xF0\x80\x80\xC1", "????"},
    };
    for (const Case& c : cases) EXPECT_EQ(toCp1252(c.utf8), c.bytes) << testing::PrintToString(c.utf8);
}

TEST(CodepageTest, TruncatedSequenceIsNotCompletedFromBeyondTheEnd) {
    // The view ends inside the euro sign; the byte after it must not be read.
    const std::string buffer = "x\xE2\x82\xAC";
    EXPECT_EQ(toCp1252(std::string_view(buffer).substr(0, 3)), "x??");
    EXPECT_EQ(toCp1252(std::string_view(buffer).substr(0, 2)), "x?");
}

}  // namespace
}  // namespace andel
