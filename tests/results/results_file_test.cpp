#include "results/results_file.h"

#include "platform/io_error.h"
#include "support/recording_messages.h"
#include "support/results_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace andel::test {
namespace {

class ResultsFileTest : public ::testing::Test {
protected:
    TeamNames read(CouponType type, const GameWeek& week) {
        return readResultsTeamNames(workspace, messages, type, week);
    }

    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    const GameWeek week2{2, 2000, {}};
};

TEST_F(ResultsFileTest, PathByDayYearAndTwoDigitWeek) {
    EXPECT_EQ(resultsFileRelativePath(CouponType::Saturday, week2), "tipperesultater/LORDAG/2000/02_2000.kui");
    EXPECT_EQ(resultsFileRelativePath(CouponType::Sunday, GameWeek{34, 2021, {}}),
              "tipperesultater/SONDAG/2021/34_2021.kui");
    EXPECT_EQ(resultsFileRelativePath(CouponType::Midweek, GameWeek{5, 1999, {}}),
              "tipperesultater/MIDTUKE/1999/05_1999.kui");
}

TEST_F(ResultsFileTest, ReadsTheNamesOfTheRoundInCouponOrder) {
    writeResultsFile(dir, CouponType::Saturday, week2, {{"Lyn", "Brann"}, {"Molde", "Viking"}});
    const TeamNames names = read(CouponType::Saturday, week2);
    EXPECT_EQ(names[0], "Lyn");
    EXPECT_EQ(names[1], "Brann");
    EXPECT_EQ(names[2], "Molde");
    EXPECT_EQ(names[3], "Viking");
    EXPECT_EQ(names[23], "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ResultsFileTest, EmptyHomeNameEmptiesThatMatchOnly) {
    writeResultsFile(dir, CouponType::Saturday, week2, {{"Lyn", "Brann"}, {"Molde", "Viking"}, {"", "Odd"}});
    const TeamNames names = read(CouponType::Saturday, week2);
    EXPECT_EQ(names[4], "");
    EXPECT_EQ(names[5], "Odd");
    EXPECT_EQ(names[2], "Molde");
}

TEST_F(ResultsFileTest, MissingFileGivesEmptyNamesAndLeavesTheDirectories) {
    const ResultsFileRead read = readResultsFile(workspace, messages, CouponType::Sunday, week2);
    EXPECT_FALSE(read.exists);
    EXPECT_EQ(read.record, ResultsRecord{});
    EXPECT_EQ(teamNamesOf(read.record), TeamNames{});
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("tipperesultater/SONDAG/2000")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ResultsFileTest, OtherDayIsNotRead) {
    writeResultsFile(dir, CouponType::Sunday, week2, {{"Lyn", "Brann"}});
    EXPECT_EQ(read(CouponType::Saturday, week2), TeamNames{});
}

TEST_F(ResultsFileTest, ShortFileIsReportedAndReadsAsUnreadable) {
    const std::string whole = encodeResultsRecord(recordWithTeams({{"Lyn", "Brann"}}));
    for (std::size_t size : {std::size_t{0}, std::size_t{4700}, kResultsRecordBytes - 1}) {
        SCOPED_TRACE(size);
        messages.shown.clear();
        writeResultsFile(dir, CouponType::Saturday, week2, whole.substr(0, size));
        const ResultsFileRead read = readResultsFile(workspace, messages, CouponType::Saturday, week2);
        EXPECT_TRUE(read.exists);
        EXPECT_FALSE(read.read);
        EXPECT_EQ(read.record.status(), "999");
        EXPECT_EQ(teamNamesOf(read.record), TeamNames{});
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_NE(messages.shown[0].text.find("er skadet"), std::string::npos);
    }
}

TEST_F(ResultsFileTest, LongerFileReadsItsFirstRecordWhole) {
    ResultsRecord record = recordWithTeams({{"Lyn", "Brann"}});
    record.setStatus("777");
    record.headings[0].assign("Tippekupong uke 2");
    writeResultsFile(dir, CouponType::Saturday, week2, encodeResultsRecord(record) + "trailing junk");
    const ResultsFileRead read = readResultsFile(workspace, messages, CouponType::Saturday, week2);
    EXPECT_TRUE(read.read);
    EXPECT_EQ(read.record, record);
    EXPECT_EQ(read.record.status(), "777");
}

TEST_F(ResultsFileTest, DirectoryInTheWayOfTheDirectoriesIsAnIoError) {
    dir.write("tipperesultater/LORDAG", "a file, not a directory");
    EXPECT_THROW(read(CouponType::Saturday, week2), IoError);
}

}  // namespace
}  // namespace andel::test
