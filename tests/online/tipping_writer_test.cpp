#include "online/tipping_writer.h"

#include "online/online_fixtures.h"
#include "online/rows_file_body.h"
#include "online/tipping_rows.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <utility>

namespace andel::test {
namespace {

class RecordingProgress : public WriteProgress {
public:
    void started(long total) override { events.emplace_back(-1, static_cast<int>(total)); }
    void recordWritten(long written, int percent) override { events.emplace_back(written, percent); }
    std::vector<std::pair<long, int>> events;
};

class TippingWriterTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingMessages messages;
    RecordingProgress progress;

    std::string write(const std::vector<std::string>& lines, TippingOptions options = {}) {
        dir.write("TPP.TMP", joinLines(lines));
        RowsFileInfo rows;
        RecordingMessages readerMessages;
        readRowsFile(dir.file("TPP.TMP"), readerMessages, rows);
        return buildTippingFile(rows.info, *loadRowsFileLines(dir.file("TPP.TMP")), options, messages, progress);
    }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const Message& m : messages.shown) texts.push_back(m.text);
        return texts;
    }
};

std::string record(const std::string& file, std::size_t n) { return file.substr(350 * n, 350); }

TEST_F(TippingWriterTest, DefaultSystemGivesTenExactRecords) {
    const std::string file = write(rowsFileLines(defaultHeaderValues(), defaultBody()));
    ASSERT_EQ(file.size(), 3500u);
    EXPECT_EQ(record(file, 0), headerBytes("Kari Nordmann       ", "000009", "000000", "1 3 ", "123456789", "ds"));
    const struct {
        const char* rowField;
        const char* tag;
        const char* check;
    } coupons[] = {
        {"01010404070707070101010100", "K A)", " 4"}, {"01010404070707070103030300", "K A#", " 5"},
        {"01010404070707070102020200", "K A&", " 6"}, {"01010404070707070301030200", "K A$", " 7"},
        {"01010404070707070303020100", "K A$", " 8"}, {"01010404070707070302010300", "K A$", " 9"},
        {"01010404070707070201020300", "K A%", " :"}, {"01010404070707070203010200", "K A%", " ;"},
        {"01010404070707070202030100", "K A%", " <"},
    };
    for (std::size_t n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const std::string head = "000" + std::to_string(n) + "31" "0" "0" "00" "01" "0324" "01" "001";
        const auto& c = coupons[n - 1];
        EXPECT_EQ(record(file, n), couponBytes(head, c.rowField, c.tag, c.check));
    }
    EXPECT_TRUE(messages.shown.empty());
    const std::vector<std::pair<long, int>> expected = {{-1, 9}, {1, 11}, {2, 22}, {3, 33}, {4, 44},
                                                        {5, 55}, {6, 66}, {7, 77}, {8, 88}, {9, 100}};
    EXPECT_EQ(progress.events, expected);
}

TEST_F(TippingWriterTest, HeaderAndCodesFollowTheSubmission) {
    std::vector<std::string> values = defaultHeaderValues();
    values[2] = "\xc5se \xd8" "deg\xe5rd";
    values[3] = "1234 5678";
    values[5] = "10";
    values[6] = "20";
    values[7] = "S\xd8NDAG";
    values[8] = "PAUSE";
    const auto lines = rowsFileLines(values, {"#SYSTEMKUPONGER", "0324 446677774444", "#ENKELREKKER"});

    const std::string checked = write(lines);
    EXPECT_EQ(record(checked, 0), headerBytes("Ase Adegard         ", "000001", "000000", "1 3]", "012345678", "  "));
    EXPECT_EQ(record(checked, 1), couponBytes("0001" "31" "1" "1" "00" "10" "0324" "01" "020",
                                              "01010404070707070101010100", "K A(", " 6"));

    const std::string skipped = write(lines, {'0', true});
    EXPECT_EQ(record(skipped, 0),
              headerBytes("\xc5se \xd8" "deg\xe5rd         ", "000001", "000000", "1234", "012345678", "\n\xbf"));
}

TEST_F(TippingWriterTest, SingleRowsGoTenToACoupon) {
    const auto lines = rowsFileLines(defaultHeaderValues(), {"#SYSTEMKUPONGER", "0324 446677774444", "#ENKELREKKER",
                                                             "0001 444444444444", "0001 222222222222",
                                                             "0001 111111111111"});
    const std::string file = write(lines);
    ASSERT_EQ(file.size(), 3 * 350u);
    EXPECT_EQ(record(file, 2), couponBytes("0002" "31" "0" "0" "00" "01" "0001" "03" "001",
                                           "01010101010101010101010100" "03030303030303030303030300"
                                           "02020202020202020202020200",
                                           "K A ", "31"));

    std::vector<std::string> body = {"#SYSTEMKUPONGER", "#ENKELREKKER"};
    for (int i = 0; i < 8; ++i) body.push_back("0001 444444444444");
    body.push_back("0000 000000000000");
    body.push_back("too short");
    for (int i = 0; i < 3; ++i) body.push_back("0001 777777777777");
    const std::string twelve = write(rowsFileLines(defaultHeaderValues(), body));
    ASSERT_EQ(twelve.size(), 3 * 350u);
    EXPECT_EQ(record(twelve, 0).substr(79, 6), "000002");
    EXPECT_EQ(record(twelve, 1).substr(0, 21), "0001" "31" "0" "0" "00" "01" "0001" "08" "001");
    EXPECT_EQ(record(twelve, 2).substr(0, 21), "0002" "31" "0" "0" "00" "01" "0001" "03" "001");
    EXPECT_EQ(record(twelve, 2).substr(21, 26), "07070707070707070707070700");
}

TEST_F(TippingWriterTest, BadLinesAreReportedAndWrittenAsFarAsTheyGo) {
    const struct {
        const char* what;
        std::vector<std::string> body;
        std::vector<std::string> heads;  // positions 1-21 of the coupon records
        std::vector<std::string> messages;
    } cases[] = {
        {"no sections", {"0324 446677774444"}, {}, {"FEIL I TIPPE-ONLINEFIL", "FEIL I ONLINEFIL"}},
        {"no single-row section",
         {"#SYSTEMKUPONGER", "0324 446677774444"},
         {"0001" "31" "0" "0" "00" "01" "0324" "01" "001"},
         {"FEIL I ONLINEFIL"}},
        {"a system line of one row",
         {"#SYSTEMKUPONGER", "0001 444444444444", "#ENKELREKKER"},
         {"0001" "31" "0" "0" "00" "01" "0001" "01" "001"},
         {"FEIL I SYSTEMKUPONGER I ONLINEFIL"}},
        {"a short system line is left out",
         {"#SYSTEMKUPONGER", "0324 44667777444", "0324 446677774444", "#ENKELREKKER"},
         {"0001" "31" "0" "0" "00" "01" "0324" "01" "001"},
         {"FEIL I SYSTEMKUPONGER I ONLINEFIL"}},
        {"letters where digits belong",
         {"#SYSTEMKUPONGER", "03x4 4466777744x4", "#ENKELREKKER"},
         {"0001" "31" "0" "0" "00" "01" "03x4" "01" "001"},
         {"Feil på systemrekke"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        const std::string file = write(rowsFileLines(defaultHeaderValues(), c.body));
        ASSERT_EQ(file.size(), 350 * (1 + c.heads.size()));
        for (std::size_t n = 0; n < c.heads.size(); ++n) EXPECT_EQ(record(file, n + 1).substr(0, 21), c.heads[n]);
        EXPECT_EQ(shownTexts(), c.messages);
    }
}

TEST(TippingRows, SignCodesAndRowConversion) {
    const std::pair<char, const char*> codes[] = {{'1', "02"}, {'2', "03"}, {'3', "06"}, {'4', "01"}, {'5', "05"},
                                                  {'6', "04"}, {'7', "07"}, {'0', "00"}, {'8', "00"}, {'x', "00"}};
    for (const auto& [mark, code] : codes) EXPECT_EQ(signCode(mark), code) << mark;

    const struct {
        const char* line;
        const char* field;
        bool wellFormed;
    } rows[] = {
        {"0324 446677774444", "01010404070707070101010100", true},
        {"0324 4466 7777 4444", "01010404070707070101010100", true},
        {"0324 44667777444", "01010404070707070101010000", false},
        {"0324 4466777744441", "01010404070707070101010100", false},
        {"0324 446677774408", "01010404070707070101000000", false},
        {"0324", "00000000000000000000000000", false},
        {"", "00000000000000000000000000", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.line);
        const RowField row = convertRowLine(r.line);
        EXPECT_EQ(row.field, r.field);
        EXPECT_EQ(row.wellFormed, r.wellFormed);
    }
}

}  // namespace
}  // namespace andel::test
