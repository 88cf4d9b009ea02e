// Counts, amounts and numbers that do not fit their fields in the online file's records are
// refused before anything is written, for every game; the largest that fits is written.
#include "online/online_conversion.h"

#include "online/online_fixtures.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

std::vector<std::string> section(std::string marker, std::size_t count, const std::string& line) {
    std::vector<std::string> lines = {std::move(marker)};
    lines.insert(lines.end(), count, line);
    return lines;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// ODDSBOMBEN: `blocks` system coupons of one row of 6561 rows each.
std::vector<std::string> oddsbombenBlocks(int blocks) {
    std::vector<std::string> lines = {"#SYSTEMKUPONGER"};
    for (int n = 1; n <= blocks; ++n) {
        lines.push_back("SYSTEMKUPONGNR " + std::to_string(n));
        lines.push_back("6561 7777777744");
    }
    lines.push_back("#ENKELREKKER");
    return lines;
}

struct LimitCase {
    const char* what;
    const char* game;
    std::vector<std::string> body;
    std::vector<std::pair<int, std::string>> headerValues;  // index in defaultHeaderValues()
    const char* refusal;  // the line naming the value; nullptr: the file is written
    std::size_t field;    // written: the file position (1-based) of the field ...
    const char* written;  // ... and the digits it holds
};

std::vector<LimitCase> limitCases() {
    const std::string bet = "014 H 9999";
    const std::string extraSystem = "1716 01 02 03 04 05 06 07 08 09 10 11 12 13";
    return {
        {"ODDS stake of 101 bets at 9999", "ODDS", section("#REKKER", 101, bet), {},
         "Innsatsen 1.009.899 er for stor for onlinefilen (høyst 999.999)", 0, nullptr},
        {"ODDS stake of exactly 999,999", "ODDS", section("#REKKER", 100, bet) + std::vector<std::string>{"015 U 0099"},
         {}, nullptr, 92, "999999"},
        {"EXTRA rows of 583 systems of 1716", "EXTRA",
         section("#SYSTEMKUPONGER", 583, extraSystem) + std::vector<std::string>{"#ENKELREKKER"}, {},
         "Rekkeantallet 1.000.428 er for stort for onlinefilen (høyst 999.999)", 0, nullptr},
        {"EXTRA rows of 582 systems of 1716", "EXTRA",
         section("#SYSTEMKUPONGER", 582, extraSystem) + std::vector<std::string>{"#ENKELREKKER"}, {}, nullptr, 92,
         "998712"},
        {"ODDSBOMBEN rows of 153 blocks of 6561", "ODDSBOMBEN", oddsbombenBlocks(153), {},
         "Rekkeantallet 1.003.833 er for stort for onlinefilen (høyst 999.999)", 0, nullptr},
        {"TIPPING's own row total of seven digits", "TIPPING", defaultBody(), {{12, "1000000"}},
         "Rekkeantallet 1.000.000 er for stort for onlinefilen (høyst 999.999)", 0, nullptr},
        {"TIPPING's own row total of six digits behind zeros", "TIPPING", defaultBody(), {{12, "000999999"}}, nullptr,
         86, "999999"},
        {"LOTTO multiplier of four digits", "LOTTO", section("#REKKER", 1, "03 07 12 18 24 29 33"), {{6, "1000"}},
         "Gangefeltet 1.000 er for stort for onlinefilen (høyst 999)", 0, nullptr},
        {"VIKING-LOTTO weeks of three digits", "VIKING-LOTTO", section("#REKKER", 1, "05 11 19 27 36 48"),
         {{5, "100"}}, "Antall uker 100 er for stort for onlinefilen (høyst 99)", 0, nullptr},
        {"TIPPING player number of ten digits", "TIPPING", defaultBody(), {{3, "1234567890"}},
         "Spillenummeret 1234567890 er for langt for onlinefilen (høyst 9 sifre)", 0, nullptr},
        {"TIPPING player number of nine digits behind a zero", "TIPPING", defaultBody(), {{3, "0987654321"}}, nullptr,
         340, "987654321"},
        // Numbers with zeros in front keep their value: the first coupon record's weeks
        // (file position 361) and multiplier (369), the header's serial number (336).
        {"TIPPING weeks 010", "TIPPING", defaultBody(), {{5, "010"}}, nullptr, 361, "10"},
        {"TIPPING multiplier 0020", "TIPPING", defaultBody(), {{6, "0020"}}, nullptr, 369, "020"},
        {"TIPPING weeks with blanks around", "TIPPING", defaultBody(), {{5, " 5 "}}, nullptr, 361, "05"},
        {"TIPPING serial number of five digits", "TIPPING", defaultBody(), {{11, "12345"}},
         "Serienummeret 12345 er for langt for onlinefilen (høyst 4 sifre)", 0, nullptr},
    };
}

class OnlineFileLimitsTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    WriteProgress progress;
};

TEST_F(OnlineFileLimitsTest, ValuesWiderThanTheirFieldsAreRefusedBeforeWriting) {
    for (const LimitCase& c : limitCases()) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> values = defaultHeaderValues();
        values[4] = c.game;
        for (const auto& [index, value] : c.headerValues) values[index] = value;
        dir.write("TPP.TMP", joinLines(rowsFileLines(values, c.body)));
        std::filesystem::remove(dir.file("TT.TMP"));
        std::filesystem::remove(dir.file("out.NTF"));
        messages.shown.clear();
        const ConversionResult result =
            runOnlineConversion(workspace, {dir.file("TPP.TMP"), c.game, dir.file("out.NTF")}, messages, progress,
                                [](int) {});
        if (c.refusal) {
            EXPECT_EQ(result.outcome, ConversionOutcome::Refused);
            const std::string heading = std::string(c.game) == "TIPPING" ? "FEIL I TIPPE-ONLINEFIL"
                                                                         : "FEIL I " + std::string(c.game) + "-ONLINEFIL";
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, heading + "\r" + c.refusal + "\rOnlinefilen er ikke laget.");
            EXPECT_FALSE(std::filesystem::exists(dir.file("TT.TMP")));
            EXPECT_FALSE(std::filesystem::exists(dir.file("out.NTF")));
        } else {
            EXPECT_EQ(result.outcome, ConversionOutcome::Written);
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(dir.read("out.NTF").substr(c.field - 1, std::string(c.written).size()), c.written);
        }
    }
}

}  // namespace
}  // namespace andel::test
