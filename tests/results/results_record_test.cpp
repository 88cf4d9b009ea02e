#include "results/results_record.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace andel::test {
namespace {

// The record's layout: runs of equal texts as (offset of the first, count, capacity).
struct TextRun {
    std::size_t offset, count, capacity;
};
constexpr TextRun kLayout[] = {
    {0, 5, 40},     {205, 6, 10},    {271, 15, 20},    {586, 15, 20},  {901, 45, 10},
    {1396, 60, 10}, {2056, 30, 1},   {2116, 60, 20},   {3376, 15, 10}, {3541, 30, 20},
    {4171, 30, 16}, {4681, 15, 10},  {4846, 15, 10},   {5011, 720, 3}, {7891, 10, 20},
};

TEST(ResultsRecordTest, TextsLieAtTheOffsetsOfTheFile) {
    std::vector<std::pair<std::size_t, std::size_t>> expected;
    for (const TextRun& run : kLayout) {
        for (std::size_t i = 0; i < run.count; ++i) {
            expected.emplace_back(run.offset + i * (run.capacity + 1), run.capacity);
        }
    }
    std::vector<std::pair<std::size_t, std::size_t>> visited;
    std::size_t offset = 0;
    const ResultsRecord record;
    forEachText(record, [&](const auto& text) {
        visited.emplace_back(offset, text.kCapacity);
        offset += text.kBytes;
    });
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(offset, kResultsRecordBytes);
}

TEST(ResultsRecordTest, EveryByteSurvivesReadingAndWritingBack) {
    // Bytes after a text's length are undefined in the files; they must come back too.
    std::mt19937 random(20001);
    std::string bytes(kResultsRecordBytes, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    const auto record = decodeResultsRecord(bytes);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(encodeResultsRecord(*record), bytes);
}

TEST(ResultsRecordTest, DefaultHasEmptyTextsAndZeroFigures) {
    const std::string bytes = encodeResultsRecord(ResultsRecord{});
    EXPECT_EQ(bytes.substr(5011, 4), std::string("\x03" "000"));
    EXPECT_EQ(bytes.substr(7887, 4), std::string("\x03" "000"));  // the last figure
    EXPECT_EQ(bytes[4681], '\0');
    EXPECT_EQ(ResultsRecord{}.status(), "");
}

TEST(ResultsRecordTest, ShortInputGivesNoRecord) {
    EXPECT_FALSE(decodeResultsRecord(std::string(kResultsRecordBytes - 1, '\0')).has_value());
    EXPECT_FALSE(decodeResultsRecord("").has_value());
}

TEST(ResultsRecordTest, LengthAboveCapacityIsCutToTheField) {
    std::string bytes = encodeResultsRecord(ResultsRecord{});
    bytes[4681] = static_cast<char>(200);  // home team of match 1, capacity 10
    bytes.replace(4682, 10, "Rosenborg!");
    bytes[4692] = 'X';  // the length byte of match 2
    const ResultsRecord record = *decodeResultsRecord(bytes);
    EXPECT_EQ(record.homeTeams[0].text(), "Rosenborg!");
}

TEST(ResultsRecordTest, TextsAreWindows1252CutToCapacity) {
    ResultsRecord record;
    record.homeTeams[0].assign("Bodø/Glimt FK");
    EXPECT_EQ(record.homeTeams[0].length, 10);
    EXPECT_EQ(record.homeTeams[0].text(), "Bodø/Glimt");
    EXPECT_EQ(encodeResultsRecord(record).substr(4681, 5), std::string("\x0a" "Bod\xf8"));
}

}  // namespace
}  // namespace andel::test
