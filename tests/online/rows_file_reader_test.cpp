#include "online/rows_file_reader.h"

#include "model/codepage.h"
#include "online/online_fixtures.h"
#include "platform/io_error.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

class RowsFileReaderTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingMessages messages;

    RowsFileInfo read(const std::string& text) {
        dir.write("TPP.TMP", text);
        RowsFileInfo result;
        EXPECT_TRUE(readRowsFile(dir.file("TPP.TMP"), messages, result));
        return result;
    }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const Message& m : messages.shown) texts.push_back(m.text);
        return texts;
    }
};

TEST_F(RowsFileReaderTest, DefaultFileGivesEveryField) {
    const RowsFileInfo result = read(defaultRowsFileText());
    EXPECT_EQ(result.onlineFileName, "KRYSSEN_2916_Rekker_KARI_NORDMANN.NTF");
    EXPECT_EQ(result.onlineDirectory, "C:\\NTFILE");
    const std::array<std::string, 18> expected = {
        "Kari Nordmann", "123456789", "TIPPING", "1", "1", "LØRDAG", "NORMAL", "9", "0", "0", "2916", "000000",
        "9", "1", "1", "1234", "", ""};
    EXPECT_EQ(result.info.texts, expected);
    EXPECT_EQ(result.info.numbers, (std::array<std::int64_t, 3>{}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RowsFileReaderTest, NumberFieldsArePaddedAndCut) {
    const struct {
        std::string player, serial, rows;
        std::string expectedPlayer, expectedSerial, expectedRows;
        bool reported;
    } cases[] = {
        {"12345678", "12", "12", "012345678", "0012", "000012", false},
        {"12345678901", "123456", "1234567", "123456789", "1234", "123456", false},
        {"1234 5678", " 1 2 ", "", "012345678", "0012", "000000", false},
        {"", "", "abc", "000000000", "0000", "000000", false},
        {"12AB3456", "12", "000000", "000123456", "0012", "000000", true},
        // Zeros in front are no digits of the number: its value is kept, never its first places.
        {"0123456789", "01234", "0001234", "123456789", "1234", "001234", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.player);
        messages.shown.clear();
        std::vector<std::string> values = defaultHeaderValues();
        values[3] = c.player;
        values[11] = c.serial;
        values[12] = c.rows;
        const RowsFileInfo result = read(joinLines(rowsFileLines(values, defaultBody())));
        EXPECT_EQ(result.info.texts[info::kSpillenummer], c.expectedPlayer);
        EXPECT_EQ(result.info.texts[info::kSerialNumber], c.expectedSerial);
        EXPECT_EQ(result.info.texts[info::kRekkeantallIalt], c.expectedRows);
        EXPECT_EQ(messages.shown.size(), c.reported ? 1u : 0u);
    }
}

TEST_F(RowsFileReaderTest, SectionsAreCounted) {
    const struct {
        const char* what;
        std::vector<std::string> body;
        std::array<const char*, 5> counts;  // system, single-row coupons, single rows, system rows, total
        std::vector<std::string> messages;
    } cases[] = {
        {"three single rows at the end",
         {"#SYSTEMKUPONGER", "0324 446677774444", "#ENKELREKKER", "0001 444444444444", "0001 222222222222",
          "0001 111111111111"},
         {"1", "1", "3", "324", "2"}, {}},
        {"twelve single rows make two coupons",
         {"#SYSTEMKUPONGER", "#ENKELREKKER", "0001 444444444444", "0001 444444444444", "0001 444444444444",
          "0001 444444444444", "0001 444444444444", "0001 444444444444", "0001 444444444444", "0001 444444444444",
          "0001 444444444444", "0001 444444444444", "0001 444444444444", "0001 444444444444"},
         {"0", "2", "12", "0", "2"}, {}},
        {"empty places and short lines hold no rows",
         {"#SYSTEMKUPONGER", "#ENKELREKKER", "0000 000000000000", "0000 000000000000", "0001", ""},
         {"0", "0", "0", "0", "0"}, {}},
        {"a single-row line of several rows",
         {"#SYSTEMKUPONGER", "#ENKELREKKER", "0002 444444444447", "0001 444444444444"},
         {"0", "1", "1", "0", "1"}, {"FEIL I ONLINEFIL, MMORDNE 3"}},
        {"short and long system lines",
         {"#SYSTEMKUPONGER", "0324 44667777444", "0018 773444444444 ", "", "0a24 446677774444", "#ENKELREKKER"},
         {"2", "0", "0", "18", "2"}, {}},
        {"no sections", {"0324 446677774444"}, {"0", "0", "0", "0", "0"},
         {"FEIL I ONLINEFIL, MMORDNE 1", "FEIL I ONLINEFIL, MMORDNE 2"}},
        {"no single-row section", {"# SYSTEM KUPONGER ", "0324 446677774444"}, {"1", "0", "0", "324", "1"},
         {"FEIL I ONLINEFIL, MMORDNE 2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        const auto t = read(joinLines(rowsFileLines(defaultHeaderValues(), c.body))).info.texts;
        EXPECT_EQ(t[info::kSystemCoupons], c.counts[0]);
        EXPECT_EQ(t[info::kSingleRowCoupons], c.counts[1]);
        EXPECT_EQ(t[info::kSingleRows], c.counts[2]);
        EXPECT_EQ(t[info::kSystemRows], c.counts[3]);
        EXPECT_EQ(t[info::kTotalCoupons], c.counts[4]);
        EXPECT_EQ(shownTexts(), c.messages);
    }
}

TEST_F(RowsFileReaderTest, MissingFileLeavesTheResultsAsTheyWere) {
    RowsFileInfo result;
    result.onlineFileName = "before";
    result.info.texts[info::kNavn] = "before";
    EXPECT_FALSE(readRowsFile(dir.file("TPP.TMP"), messages, result));
    EXPECT_EQ(result.onlineFileName, "before");
    EXPECT_EQ(result.info.texts[info::kNavn], "before");
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"fant ikke filen"});
}

TEST_F(RowsFileReaderTest, NeverChangesTheFile) {
    const std::string text = defaultRowsFileText();
    dir.write("TPP.TMP", text);
    const auto before = std::filesystem::last_write_time(dir.file("TPP.TMP"));
    RowsFileInfo result;
    readRowsFile(dir.file("TPP.TMP"), messages, result);
    EXPECT_EQ(dir.read("TPP.TMP"), text);
    EXPECT_EQ(std::filesystem::last_write_time(dir.file("TPP.TMP")), before);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.path())->path().filename(), "TPP.TMP");
}

TEST_F(RowsFileReaderTest, DamagedFilesAreReadWithoutHarm) {
    const std::string garbage = [] {
        std::string bytes;
        for (int i = 0; i < 5000; ++i) bytes += static_cast<char>((i * 131 + 7) % 256);
        return bytes;
    }();
    for (const std::string& text : {std::string(), std::string("#NAVN"), std::string(100000, '\n'), garbage,
                                    std::string(300000, 'x')}) {
        RowsFileInfo result;
        dir.write("TPP.TMP", text);
        EXPECT_TRUE(readRowsFile(dir.file("TPP.TMP"), messages, result));
        EXPECT_EQ(result.info.texts[info::kSpillenummer].size(), 9u);
        EXPECT_EQ(toCp1252(result.info.texts[info::kSerialNumber]).size(), 4u);
    }
    dir.write("TPP.TMP", std::string(9 * 1024 * 1024, '\n'));
    RowsFileInfo result;
    EXPECT_THROW(readRowsFile(dir.file("TPP.TMP"), messages, result), IoError);
}

}  // namespace
}  // namespace andel::test
