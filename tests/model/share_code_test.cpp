#include "model/share_code.h"

#include <gtest/gtest.h>

#include <random>

namespace andel {
namespace {

const GameWeek kWeek{50, 2026, {}};

TEST(ShareCode, WrittenAndReadBack) {
    const std::string code = shareCodeText("1042", 17, kWeek);
    ASSERT_EQ(code.size(), kShareCodeLength);
    EXPECT_EQ(code.substr(0, 9), "AN1042017");
    EXPECT_EQ(spacedShareCodeText(code), "AN 1042 017 " + code.substr(9));
    const auto parsed = parseShareCode(code);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->serialNumber, "1042");
    EXPECT_EQ(parsed->share, 17);
    EXPECT_TRUE(shareCodeFits(*parsed, kWeek));
    EXPECT_EQ(shareCodeText(*parsed), code);
    // As a person types it from the paper.
    EXPECT_EQ(parseShareCode(" an 1042-017 " + code.substr(9)), parsed);
}

TEST(ShareCode, NoCodeForKeysItCannotHold) {
    for (const auto& [serial, share] : std::vector<std::pair<std::string, int>>{
             {"104", 1}, {"10421", 1}, {"10a2", 1}, {"", 1}, {"1042", 0}, {"1042", 1000}, {"1042", -3}}) {
        EXPECT_EQ(shareCodeText(serial, share, kWeek), "") << serial << " " << share;
    }
}

TEST(ShareCode, TextsWithoutTheFormAreRefused) {
    for (const std::string& text : std::vector<std::string>{"", "AN", "AN10420174", "AN1042017421", "BN104201742", "ANA04201742",
                                   "AN1042000" "42", "AN 1042 017 4x", std::string("AN1042\0" "1742", 11), "ÆN104201742",
                                   std::string(100000, '1'), "AN1042017 42 42"}) {
        EXPECT_FALSE(parseShareCode(text)) << text;
    }
    EXPECT_TRUE(parseShareCode("AN104201742"));
}

// Every single wrong digit and every swap of two neighbouring digits is caught, over many
// serial numbers, shares and weeks; so is the same code read against another week.
TEST(ShareCode, EveryMistypedDigitAndSwapIsCaught) {
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        const std::string serial = std::to_string(1000 + random() % 9000);
        const int share = 1 + static_cast<int>(random() % 120);
        const GameWeek week{1 + static_cast<int>(random() % 53), 2020 + static_cast<int>(random() % 10), {}};
        const std::string code = shareCodeText(serial, share, week);
        for (std::size_t i = 2; i < code.size(); ++i) {
            for (char digit = '0'; digit <= '9'; ++digit) {
                if (digit == code[i]) continue;
                std::string typo = code;
                typo[i] = digit;
                const auto parsed = parseShareCode(typo);
                if (parsed) {
                    EXPECT_FALSE(shareCodeFits(*parsed, week)) << code << " read as " << typo;
                }
            }
            if (i + 1 < code.size() && code[i] != code[i + 1]) {
                std::string swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                const auto parsed = parseShareCode(swapped);
                if (parsed) {
                    EXPECT_FALSE(shareCodeFits(*parsed, week)) << code << " read as " << swapped;
                }
            }
        }
        GameWeek other = week;
        other.week = week.week % 53 + 1;
        EXPECT_FALSE(shareCodeFits(*parseShareCode(code), other)) << code;
    }
}

TEST(ShareCode, GarbageNeverCrashes) {
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 20, '\0');
        for (char& c : text) c = static_cast<char>(random() % 256);
        if (round % 2) text.replace(0, std::min<std::size_t>(2, text.size()), "AN");
        if (const auto parsed = parseShareCode(text)) {
            EXPECT_EQ(parsed->serialNumber.size(), 4u);
            EXPECT_GE(parsed->share, 1);
        }
    }
}

}  // namespace
}  // namespace andel
