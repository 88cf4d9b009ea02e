#include "model/text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace andel {
namespace {

TEST(TextTest, DigitsOnlyAndRemoveBlanksKeepTheRestInOrder) {
    EXPECT_EQ(digitsOnly("Kl 09:05:03"), "090503");
    EXPECT_EQ(digitsOnly("abc"), "");
    EXPECT_EQ(removeBlanks(" 123 456  789 "), "123456789");
    EXPECT_EQ(removeBlanks("   "), "");
}

TEST(TextTest, TrimBlanks) {
    struct Case {
        const char* text;
        const char* trimmed;
    };
    const Case cases[] = {
        {"", ""}, {" ", ""}, {"    ", ""}, {"abc", "abc"}, {"  Kari Nordmann  ", "Kari Nordmann"}, {"a ", "a"}, {" a", "a"},
    };
    for (const Case& c : cases) EXPECT_EQ(trimBlanks(c.text), c.trimmed) << '"' << c.text << '"';
}

TEST(TextTest, UpperCaseMapsOnlyAsciiLettersAndNorwegianVowels) {
    struct Case {
        const char* text;
        const char* upper;
    };
    const Case cases[] = {
        {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"æøå", "ÆØÅ"},
        {"ÆØÅ", "ÆØÅ"},
        {"Bjørn Ødegård", "BJØRN ØDEGÅRD"},
        {"é ü ä ö ÿ ß", "é ü ä ö ÿ ß"},  // other letters stay as they are
        {"€ 1-2_x", "€ 1-2_X"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(upperCase(c.text), c.upper) << c.text;
}

TEST(TextTest, PadLeftZeroPadsThenCutsToWidth) {
    EXPECT_EQ(padLeftZero("5", 2), "05");
    EXPECT_EQ(padLeftZero("324", 4), "0324");
    EXPECT_EQ(padLeftZero("", 3), "000");
    EXPECT_EQ(padLeftZero("1234", 4), "1234");
    EXPECT_EQ(padLeftZero("12345", 4), "1234");  // the first characters of the width
    EXPECT_EQ(padLeft("7", 3), "  7");
    EXPECT_EQ(padLeft("1234", 3), "1234");
}

TEST(TextTest, FormatAmountGroupsByThreeFromTheRight) {
    struct Case {
        std::int64_t amount;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1.000"},
        {26244, "26.244"},
        {100000, "100.000"},
        {1234567, "1.234.567"},
        {-1234, "-1.234"},
        {std::numeric_limits<std::int64_t>::min(), "-9.223.372.036.854.775.808"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatAmount(c.amount), c.text);
        if (c.amount >= 0) {
            EXPECT_EQ(parseAmount(formatAmount(c.amount)), c.amount);
        }
    }
}

TEST(TextTest, ParseAmountDropsEveryNonDigit) {
    EXPECT_EQ(parseAmount("2.916"), 2916);
    EXPECT_EQ(parseAmount("  2"), 2);
    EXPECT_EQ(parseAmount("26.244 rekker"), 26244);
    EXPECT_EQ(parseAmount(""), 0);
    EXPECT_EQ(parseAmount("abc"), 0);
    EXPECT_EQ(parseAmount("-5"), 5);
}

TEST(TextTest, ParseAmountOfAHugeDigitStringSaturates) {
    EXPECT_EQ(parseAmount(std::string(40, '9')), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(parseAmount(std::string(10000, '7')), std::numeric_limits<std::int64_t>::max());
}

TEST(TextTest, TwoDigitsAndStartsWith) {
    EXPECT_EQ(twoDigits(0), "00");
    EXPECT_EQ(twoDigits(5), "05");
    EXPECT_EQ(twoDigits(53), "53");
    EXPECT_TRUE(startsWith("#REKKER", "#"));
    EXPECT_FALSE(startsWith("#", "#REKKER"));
}

}  // namespace
}  // namespace andel
