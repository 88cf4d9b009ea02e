#include "handover/window_message.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

TEST(WindowMessageTest, LineReadsBackAsTheMessage) {
    for (const WindowMessage message : {WindowMessage{13319, 0, 0}, WindowMessage{12707, 1, -1},
                                        WindowMessage{12708, 9223372036854775807LL, -9223372036854775807LL - 1}}) {
        EXPECT_EQ(parseWindowMessage(formatWindowMessage(message)), message) << formatWindowMessage(message);
    }
    EXPECT_EQ(formatWindowMessage({13319, 1, 0}), "13319 1 0");
}

TEST(WindowMessageTest, AcceptedLines) {
    EXPECT_EQ(parseWindowMessage("13319 0 0\n"), (WindowMessage{13319, 0, 0}));
    EXPECT_EQ(parseWindowMessage("13319 0 0\r\n"), (WindowMessage{13319, 0, 0}));
    EXPECT_EQ(parseWindowMessage("  12707   65536 -2 "), (WindowMessage{12707, 65536, -2}));
}

TEST(WindowMessageTest, RefusedLines) {
    const char* lines[] = {
        "", "\n", "13319", "13319 0", "13319 0 0 0", "13319 0 x", "13319 0 0x1", "+13319 0 0", "13319 +1 0",
        "-13319 0 0", "4294967296 0 0", "13319 99999999999999999999 0", "13319\t0\t0", "13319 0 0\n\n",
        "ShowOrClose 0 0", "13319 0 0 \n 12707 0 0",
    };
    for (const char* line : lines) EXPECT_FALSE(parseWindowMessage(line).has_value()) << '"' << line << '"';
    EXPECT_FALSE(parseWindowMessage("13319 0 " + std::string(57, '0')).has_value());  // 65: too long
    EXPECT_TRUE(parseWindowMessage("13319 0 " + std::string(56, '0') + "\r\n").has_value());  // 64 + CR LF
}

// The tail of an over-long line must never count as a line: junk followed by a close
// message would close the program.
TEST(WindowMessageTest, OverlongLineIsDroppedWholeInWhateverPiecesItArrives) {
    const std::string longest = "13319 0 " + std::string(56, '0') + "\r";  // 64 + CR: still a line
    const std::string bytes = "13319 0 0\n" + std::string(65, 'x') + "13319 1 1\n" + std::string(5000, '1') +
                              "13319 1 1\n" + longest + "\n12707 0 0\r\n13319 1";
    const std::vector<std::string> expected = {"13319 0 0", longest, "12707 0 0\r"};
    for (const std::size_t piece : {bytes.size(), std::size_t{1}, std::size_t{65}, std::size_t{66}, std::size_t{7}}) {
        SCOPED_TRACE(piece);
        WindowMessageLines reader;
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            for (std::string& line : reader.take(std::string_view(bytes).substr(at, piece))) lines.push_back(line);
        }
        EXPECT_EQ(lines, expected);
    }
}

TEST(WindowMessageTest, FrontOnlyWhenBothLowHalvesAreZero) {
    const struct {
        std::int64_t wParam, lParam;
        bool front;
    } cases[] = {
        {0, 0, true}, {0x10000, 0, true}, {0, -65536, true}, {1, 0, false}, {0, 1, false}, {0xFFFF, 0, false},
        {-1, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bringsToFront({13319, c.wParam, c.lParam}), c.front) << c.wParam << " " << c.lParam;
    }
}

}  // namespace
}  // namespace andel::test
