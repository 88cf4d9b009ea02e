#include "handover/team_names_file.h"

#include "platform/io_error.h"
#include "support/recording_messages.h"
#include "support/results_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

// A file of team names as the agent keeps it: Windows-1252, CR LF.
std::string fileOf(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (std::string_view line : lines) bytes += toCp1252(line) + "\r\n";
    return bytes;
}

TeamNames apply(const std::string& bytes, int week, CouponType type, bool& found) {
    TeamNames names;
    names.fill("old");
    found = applyTeamNamesFile(bytes, week, type, names);
    return names;
}

TEST(TeamNamesFileTest, BlocksOfTheWeekAndCoupon) {
    const std::string bytes = fileOf({
        "KUP_2000.TXT",
        "#UKE 04", "^LØRDAG", "1^Feil uke", "2^Feil uke",
        "#UKE 05",
        "^SØNDAG", "1^Søndag hjemme", "1^Søndag borte",
        "^LØRDAG", "1^Lyn", "1^Brann", "x^Bodø/Glimt", "^Ikke med: andre tegn er ikke ^",
        "2^Etter blokken",
        "^ONSDAG", "1^Arsenal", "1^Chelsea",
        "#UKE 06", "^LØRDAG", "1^Neste uke",
    });
    struct Case {
        const char* name;
        int week;
        CouponType type;
        bool found;
        std::vector<std::string> first;  // the first entries; the rest keep "old"
    };
    const Case cases[] = {
        {"saturday after the sunday block", 5, CouponType::Saturday, true, {"Lyn", "Brann", "Bodø/Glimt"}},
        {"sunday", 5, CouponType::Sunday, true, {"Søndag hjemme", "Søndag borte"}},
        {"midweek", 5, CouponType::Midweek, true, {"Arsenal", "Chelsea"}},
        {"a block never reaches into the next section", 4, CouponType::Sunday, false, {}},
        {"week without a section", 7, CouponType::Saturday, false, {}},
        {"next section", 6, CouponType::Saturday, true, {"Neste uke"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool found = false;
        const TeamNames names = apply(bytes, c.week, c.type, found);
        EXPECT_EQ(found, c.found);
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(names[i], i < c.first.size() ? c.first[i] : "old") << "entry " << i + 1;
        }
    }
}

TEST(TeamNamesFileTest, SectionNeedsTheTwoDigitWeek) {
    bool found = true;
    apply(fileOf({"#UKE 5", "^LØRDAG", "1^Lyn"}), 5, CouponType::Saturday, found);
    EXPECT_FALSE(found);
}

TEST(TeamNamesFileTest, EmptyBlockIsFoundAndChangesNothing) {
    bool found = false;
    const TeamNames names = apply(fileOf({"#UKE 05", "^LØRDAG", "#UKE 06"}), 5, CouponType::Saturday, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(names[0], "old");
}

TEST(TeamNamesFileTest, EntriesAreCutAndCounted) {
    std::vector<std::string> lines = {"#UKE 05", "^LØRDAG", "1^" + std::string(40, 'A') + "B",
                                      "1^Sarpsborg 08 FF og et langt navn ÆØÅ", "1^", "^^"};
    for (int i = 5; i <= 30; ++i) lines.push_back("1^Lag " + std::to_string(i));
    std::string bytes;
    for (const std::string& line : lines) bytes += toCp1252(line) + "\r\n";
    bool found = false;
    const TeamNames names = apply(bytes, 5, CouponType::Saturday, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(names[0], std::string(30, 'A'));
    EXPECT_EQ(names[1], "Sarpsborg 08 FF og et langt na");
    EXPECT_EQ(names[2], "");  // "1^" gives an empty name
    EXPECT_EQ(names[3], "");  // "^^" too: its second character is "^"
    EXPECT_EQ(names[23], "Lag 24");
}

TEST(TeamNamesFileTest, OddLinesEndTheBlockWithoutHarm) {
    const std::string cases[] = {
        "^", "x", "", "\xff", "^Lyn",
    };
    for (const std::string& odd : cases) {
        SCOPED_TRACE(odd);
        const std::string bytes = fileOf({"#UKE 05", "^LØRDAG", "1^Lyn"}) + odd + "\r\n" + fileOf({"1^Brann"});
        bool found = false;
        const TeamNames names = apply(bytes, 5, CouponType::Saturday, found);
        EXPECT_TRUE(found);
        EXPECT_EQ(names[0], "Lyn");
        EXPECT_EQ(names[1], "old");
    }
}

TEST(TeamNamesFileTest, BytesOutsideTheCodePageAndUtf8Survive) {
    bool found = false;
    const std::string bytes = std::string("#UKE 05\r\n^L\xd8RDAG\r\n1^\x81\x8d\x8f\x90\x9d\r\n1^Troms\xc3\xb8\r\n");
    const TeamNames names = apply(bytes, 5, CouponType::Saturday, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(toCp1252(names[0]), "\x81\x8d\x8f\x90\x9d");
    EXPECT_EQ(names[1], "TromsÃ¸");  // a UTF-8 file reads as the code page says
    bool utf8Found = true;
    apply(fileOf({"#UKE 05"}) + "^L\xc3\x98RDAG\r\n", 5, CouponType::Saturday, utf8Found);
    EXPECT_FALSE(utf8Found);
}

class LoadTeamNamesTest : public ::testing::Test {
protected:
    TeamNamesLoad load(CouponType type) { return loadTeamNames(workspace, messages, week, type); }

    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    const GameWeek week{5, 2000, {}};
};

TEST_F(LoadTeamNamesTest, MissingFileIsCreatedHoldingItsName) {
    const TeamNamesLoad loaded = load(CouponType::Saturday);
    EXPECT_FALSE(loaded.found);
    EXPECT_EQ(loaded.names, TeamNames{});
    EXPECT_EQ(dir.read("KUP_2000.TXT"), "KUP_2000.TXT\r\n");
    EXPECT_FALSE(load(CouponType::Saturday).found);
}

TEST_F(LoadTeamNamesTest, FileEntriesGoOverTheResultsNames) {
    writeResultsFile(dir, CouponType::Saturday, week, {{"Lyn", "Brann"}, {"Molde", "Viking"}, {"Odd", "Start"}});
    dir.write("KUP_2000.TXT", fileOf({"#UKE 05", "^LØRDAG", "1^Vålerenga", "1^Rosenborg", "1^Strømsgodset"}));
    const TeamNamesLoad loaded = load(CouponType::Saturday);
    EXPECT_TRUE(loaded.found);
    EXPECT_EQ(loaded.names[0], "Vålerenga");
    EXPECT_EQ(loaded.names[2], "Strømsgodset");
    EXPECT_EQ(loaded.names[3], "Viking");  // not given by the file
    EXPECT_EQ(loaded.names[5], "Start");
}

TEST_F(LoadTeamNamesTest, WithoutTheBlockTheResultsNamesStand) {
    writeResultsFile(dir, CouponType::Sunday, week, {{"Lyn", "Brann"}});
    dir.write("KUP_2000.TXT", fileOf({"#UKE 05", "^LØRDAG", "1^Vålerenga"}));
    const TeamNamesLoad loaded = load(CouponType::Sunday);
    EXPECT_FALSE(loaded.found);
    EXPECT_EQ(loaded.names[0], "Lyn");
    EXPECT_EQ(loaded.names[1], "Brann");
}

TEST_F(LoadTeamNamesTest, UnreadableFileIsAnIoError) {
    std::filesystem::create_directories(dir.file("KUP_2000.TXT"));  // a directory in its place
    EXPECT_THROW(load(CouponType::Saturday), IoError);
}

}  // namespace
}  // namespace andel::test
