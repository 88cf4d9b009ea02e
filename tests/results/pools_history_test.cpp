#include "results/pools_history.h"

#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

// Columns: week 5-6, year 8-11, result 24-38, small numbers 40-48, prizes 50-59, 60-67,
// 68-74, further amount 75-85.
constexpr const char* kLine =
    "UKE 05 2000 05.02.2000 1X21X21X21X2    012000000          0  150000   2500       1234";

TEST(HistoryLineTest, ReadsEveryColumn) {
    const StatisticsRecord record = parseHistoryLine(kLine);
    EXPECT_EQ(record.week, 5);
    EXPECT_EQ(record.year, 2000);
    EXPECT_EQ(record.resultText, "1X21X21X21X2   ");
    EXPECT_EQ(record.firstSmall, 12);
    EXPECT_EQ(record.secondSmall, 0);
    EXPECT_EQ(record.thirdSmall, 0);
    EXPECT_EQ(record.prize12, 0);
    EXPECT_EQ(record.prize11, 150000);
    EXPECT_EQ(record.prize10, 2500);
    EXPECT_EQ(record.spare, 0);
    EXPECT_EQ(record.furtherAmount, 1234);
}

TEST(HistoryLineTest, FormattedLineReadsBack) {
    StatisticsRecord record;
    record.week = 47;
    record.year = 2023;
    record.resultText = "21X1112X2X11";
    record.firstSmall = 3;
    record.secondSmall = 255;
    record.prize12 = 2147483647;
    record.prize11 = 99999999;
    record.prize10 = 9999999;
    record.furtherAmount = 12345678;
    StatisticsRecord expected = record;
    expected.resultText += "   ";  // the column is 15 wide
    EXPECT_EQ(parseHistoryLine(formatHistoryLine(record, "25.11.2023")), expected);
}

TEST(HistoryLineTest, DamagedLinesReadByTheirDigits) {
    struct Case {
        const char* name;
        std::string line;
        int week, year, prize11;
        std::string result;
    };
    const Case cases[] = {
        {"empty", "", 0, 0, 0, " "},  // padded to 24 blanks: one column of the result
        {"letters in numbers", "UKE x5 2o01 05.02.2000 1X2               0  0  0          0  15O000      0", 5,
         201, 15000, "1X2            "},
        {"cut inside the result", "UKE 07 1999 20.02.1999 1X2", 7, 1999, 0, "1X2            "},
        {"cut inside the week", "UKE 1", 1, 0, 0, std::string(6, ' ')},
        {"very long", std::string(kLine) + std::string(100000, '9'), 5, 2000, 150000, "1X21X21X21X2   "},
        {"binary junk", std::string("\0\xff\x01UKE\r\t", 9) + std::string(60, '\x81'), 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StatisticsRecord record = parseHistoryLine(c.line);
        EXPECT_EQ(record.week, c.week);
        EXPECT_EQ(record.year, c.year);
        EXPECT_EQ(record.prize11, c.prize11);
        if (!c.result.empty()) {
            EXPECT_EQ(record.resultText, c.result);
        }
    }
}

TEST(HistoryLineTest, NumbersTooLargeForTheirFieldAreHeldAtItsLargest) {
    const std::string line = "UKE 05 9999 05.02.2000 1X2             999999999 9999999999       0      0";
    const StatisticsRecord record = parseHistoryLine(line);
    EXPECT_EQ(record.firstSmall, 255);
    EXPECT_EQ(record.prize12, 2147483647);
}

TEST(HistoryFilesTest, FileByCouponDayAndTimeBasis) {
    struct Case {
        char day;
        bool pause;
        const char* statistics;
        const char* file;
    };
    const Case cases[] = {
        {'L', false, "tmpstat.kvs", "lf.txt"},  {'L', true, "tmpstatp.kvs", "lp.txt"},
        {'S', false, "sunstato.kvs", "sf.txt"}, {'S', true, "sunstatp.kvs", "sp.txt"},
        {'M', false, "onsstato.kvs", "mf.txt"}, {'M', true, "onsstatp.kvs", "mp.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statistics);
        EXPECT_EQ(statisticsName(c.day, c.pause), c.statistics);
        EXPECT_EQ(historyFileName(c.statistics), c.file);
    }
    EXPECT_EQ(historyFileName("TMPSTATP.KVS"), "lp.txt");
    EXPECT_FALSE(statisticsName('O', false).has_value());
    EXPECT_FALSE(historyFileName("tmpstat.txt").has_value());
}

class HistoryLookupTest : public ::testing::Test {
protected:
    static std::string line(int week, int year, const char* result = "1X21X21X21X2") {
        StatisticsRecord record;
        record.week = static_cast<std::uint8_t>(week);
        record.year = year;
        record.resultText = result;
        record.prize11 = week * 100;
        return formatHistoryLine(record, "01.01.2000") + "\r\n";
    }
    HistoryLookup lookup(int week, int year, const char* name = "tmpstat.kvs") {
        return lookupHistory(workspace, messages, name, week, year);
    }

    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
};

TEST_F(HistoryLookupTest, FindsTheRoundAmongNewerAndOlderLines) {
    dir.write("tippehistorikk/lf.txt", line(2, 2001) + line(1, 2001) + line(52, 2000) + line(51, 2000));
    const HistoryLookup found = lookup(52, 2000);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.record.prize11, 5200);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HistoryLookupTest, SearchStopsAtTheFirstOlderLine) {
    // The line of week 50 comes after an older one; a newest-first search never sees it.
    dir.write("tippehistorikk/lf.txt", line(52, 2000) + line(49, 2000) + line(50, 2000));
    EXPECT_FALSE(lookup(50, 2000).found);
    EXPECT_EQ(lookup(50, 2000).record.week, 49);  // the last line read

    dir.write("tippehistorikk/lf.txt", line(3, 1999) + line(5, 2000));
    EXPECT_FALSE(lookup(5, 2000).found);
    // An empty line reads as year 0, older than any round.
    dir.write("tippehistorikk/lf.txt", line(52, 2000) + "\r\n" + line(51, 2000));
    EXPECT_FALSE(lookup(51, 2000).found);
}

TEST_F(HistoryLookupTest, NewerRoundThanTheFileIsNotFound) {
    dir.write("tippehistorikk/lf.txt", line(10, 2000));
    EXPECT_FALSE(lookup(11, 2000).found);
    EXPECT_FALSE(lookup(1, 2001).found);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HistoryLookupTest, WithoutTheHistoryDirectoryNothingIsFoundSilently) {
    dir.write("tippehistorikk/mp.txt", line(10, 2000));  // no lf.txt: no history directory
    const HistoryLookup found = lookup(10, 2000, "onsstatp.kvs");
    EXPECT_FALSE(found.found);
    EXPECT_EQ(found.record, StatisticsRecord{});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HistoryLookupTest, MissingHistoryFileIsReported) {
    dir.write("tippehistorikk/lf.txt", line(10, 2000));
    EXPECT_FALSE(lookup(10, 2000, "onsstatp.kvs").found);
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string expected = "03 Finner ikke tippestatistikk på! \r" + workspace.displayName() +
                                 static_cast<char>(std::filesystem::path::preferred_separator) + "mp.txt";
    EXPECT_EQ(messages.shown[0].text, expected);
}

TEST_F(HistoryLookupTest, GarbageFileFindsNothing) {
    std::string junk;
    for (int i = 0; i < 2000; ++i) junk += static_cast<char>((i * 37) & 0xFF);
    dir.write("tippehistorikk/lf.txt", line(10, 2000));
    dir.write("tippehistorikk/sf.txt", junk + std::string(1000000, 'Z'));
    EXPECT_FALSE(lookup(10, 2000, "sunstato.kvs").found);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace andel::test
