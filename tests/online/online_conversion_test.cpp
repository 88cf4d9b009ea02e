#include "online/online_conversion.h"

#include "online/check_characters.h"
#include "online/online_fixtures.h"
#include "platform/io_error.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include "support/drive_settings_only.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

class OnlineConversionTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    WriteProgress progress;
    WaitFunction noWait = [](int) {};
    const std::string destinationName = "KRYSSEN_2916_Rekker_KARI_NORDMANN.NTF";

    void SetUp() override {
        dir.write("config.kvs", "DRIVE_C=" + dir.file("c").string() + "\r\n");
        std::filesystem::create_directories(dir.file("c/NTFILE"));
    }
    ConversionResult convert(const std::string& rowsFile, std::string game = "TIPPING",
                             std::optional<std::filesystem::path> destination = std::nullopt) {
        dir.write("TPP.TMP", rowsFile);
        return runOnlineConversion(workspace, {dir.file("TPP.TMP"), std::move(game), std::move(destination)},
                                   messages, progress, noWait);
    }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const Message& m : messages.shown) texts.push_back(m.text);
        return texts;
    }
};

// Whole records, each closed, the header's coupon count equal to the records behind it
// and running numbers from 1 (cut to four digits).
void expectWellFormed(const std::string& file) {
    ASSERT_GE(file.size(), 350u);
    ASSERT_EQ(file.size() % 350, 0u);
    const std::size_t coupons = file.size() / 350 - 1;
    const std::string count = std::to_string(coupons);
    EXPECT_EQ(file.substr(79, 6), std::string(6 - count.size(), '0') + count);
    for (std::size_t n = 0; n <= coupons; ++n) {
        const std::string record = file.substr(350 * n, 350);
        EXPECT_TRUE(checkCharactersMatch(record)) << "record " << n;
        std::string number = std::to_string(n);
        if (number.size() < 4) number.insert(0, 4 - number.size(), '0');
        EXPECT_EQ(record.substr(0, 4), number.substr(0, 4)) << "record " << n;
    }
}

TEST_F(OnlineConversionTest, WritesTheWorkingFileAndItsCopyThroughTheDriveMap) {
    SKIP_ON_REAL_DRIVES();
    const ConversionResult result = convert(defaultRowsFileText());
    EXPECT_EQ(result.outcome, ConversionOutcome::Written);
    EXPECT_EQ(result.destinationText, "C:\\NTFILE\\" + destinationName);
    EXPECT_EQ(result.destination, dir.file("c/NTFILE/" + destinationName));
    EXPECT_EQ(result.records, 10u);
    const std::string file = dir.read("c/NTFILE/" + destinationName);
    EXPECT_EQ(file.size(), 3500u);
    EXPECT_EQ(dir.read("TT.TMP"), file);
    EXPECT_EQ(file.substr(0, 350), headerBytes("Kari Nordmann       ", "000009", "000000", "1 3 ", "123456789", "ds"));
    expectWellFormed(file);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dir.read("TPP.TMP"), defaultRowsFileText());
}

TEST_F(OnlineConversionTest, SkipCharErrorKeepsNorwegianLetters) {
    SKIP_ON_REAL_DRIVES();
    dir.write("wwwkvasarlaster.txt", "SKIPCHARERROR\r\nJA\r\n");
    std::vector<std::string> values = defaultHeaderValues();
    values[2] = "\xc5se \xd8" "deg\xe5rd";
    convert(joinLines(rowsFileLines(values, defaultBody())));
    EXPECT_EQ(dir.read("TT.TMP").substr(7, 20), "\xc5se \xd8" "deg\xe5rd         ");
    EXPECT_EQ(dir.read("TT.TMP").substr(335, 4), "1234");
}

TEST_F(OnlineConversionTest, NothingIsWrittenWithoutInputOrForAnotherGame) {
    ConversionRequest request;
    request.input = dir.file("TPP.TMP");
    EXPECT_EQ(runOnlineConversion(workspace, request, messages, progress, noWait).outcome,
              ConversionOutcome::InputMissing);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Fant ikke tippefilen"});
    messages.shown.clear();
    for (const char* game : {"KENO", "lotto", "tipping", ""}) {
        EXPECT_EQ(convert(defaultRowsFileText(), game).outcome, ConversionOutcome::UnknownGame) << game;
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("TT.TMP")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("c/NTFILE")));
}

TEST_F(OnlineConversionTest, DestinationProblemsAreCheckedErrorsAndTheWorkingFileStays) {
    SKIP_ON_REAL_DRIVES();
    const struct {
        const char* what;
        const char* directory;
        const char* name;
    } cases[] = {
        {"missing directory", "C:\\MANGLER", "X.NTF"},
        {"drive not available", "Q:\\NTFILE", "X.NTF"},
        {"destination is a directory", "C:\\", "NTFILE"},
        {"name with a path", "C:\\NTFILE", "..\\..\\X.NTF"},
        {"name with a slash", "C:\\NTFILE", "../X.NTF"},
        {"no name", "C:\\NTFILE", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(dir.file("TT.TMP"));
        std::vector<std::string> values = defaultHeaderValues();
        values[0] = c.name;
        values[1] = c.directory;
        EXPECT_THROW(convert(joinLines(rowsFileLines(values, defaultBody()))), IoError);
        EXPECT_EQ(dir.read("TT.TMP").size(), 3500u);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("X.NTF")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("c/NTFILE")));
}

TEST_F(OnlineConversionTest, DamagedRowsFilesGiveWellFormedFiles) {
    std::vector<std::string> manyLines = {"#SYSTEMKUPONGER"};
    manyLines.insert(manyLines.end(), 9999, "0324 446677774444");
    manyLines.push_back("#ENKELREKKER");
    std::vector<std::string> longName = defaultHeaderValues();
    longName[2] = std::string(200, 'N');
    std::vector<std::string> badPlayer = defaultHeaderValues();
    badPlayer[3] = "12 AB 56";
    std::vector<std::string> badWeeks = defaultHeaderValues();
    badWeeks[5] = "x";
    const struct {
        const char* what;
        std::string text;
        std::size_t records;
    } cases[] = {
        {"empty", "", 1},
        {"header only", joinLines(rowsFileHeader(defaultHeaderValues())), 1},
        {"garbage", std::string("\x01\xff\r\n\n\r#SYSTEMKUPONGER\x00\n", 20), 1},
        {"a name of 200 characters", joinLines(rowsFileLines(longName, defaultBody())), 10},
        {"a player number with letters", joinLines(rowsFileLines(badPlayer, defaultBody())), 10},
        {"weeks that are not a number", joinLines(rowsFileLines(badWeeks, defaultBody())), 10},
        {"lines of wrong length",
         joinLines(rowsFileLines(defaultHeaderValues(), {"#SYSTEMKUPONGER", "0324", std::string(500, '7'),
                                                         "#ENKELREKKER", "0001 4444", std::string(40, '1')})),
         3},
        {"as many coupons as running numbers", joinLines(rowsFileLines(defaultHeaderValues(), manyLines)), 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        convert(c.text, "TIPPING", dir.file("out.NTF"));
        const std::string file = dir.read("out.NTF");
        EXPECT_EQ(file.size(), 350 * c.records);
        expectWellFormed(file);
    }
}

// Running numbers are four digits: a 10,000th coupon would repeat "0000" (the header's).
TEST_F(OnlineConversionTest, MoreCouponsThanRunningNumbersAreRefusedBeforeWriting) {
    std::vector<std::string> body = {"#SYSTEMKUPONGER"};
    body.insert(body.end(), 9999, "0324 446677774444");
    body.insert(body.end(), {"#ENKELREKKER", "0001 444444444444"});
    EXPECT_EQ(convert(joinLines(rowsFileLines(defaultHeaderValues(), body)), "TIPPING", dir.file("out.NTF")).outcome,
              ConversionOutcome::Refused);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"FEIL I TIPPE-ONLINEFIL\rFilen har 10.000 kuponger. En "
                                                     "onlinefil kan ha høyst 9.999 kuponger; del spillet i flere "
                                                     "filer.\rOnlinefilen er ikke laget."});
    EXPECT_FALSE(std::filesystem::exists(dir.file("TT.TMP")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.NTF")));
}

TEST_F(OnlineConversionTest, RowsFileTruncatedAnywhereGivesAWellFormedFile) {
    const std::string text = defaultRowsFileText();
    for (std::size_t length = 0; length <= text.size(); ++length) {
        SCOPED_TRACE(length);
        messages.shown.clear();
        convert(text.substr(0, length), "TIPPING", dir.file("out.NTF"));
        expectWellFormed(dir.read("out.NTF"));
    }
}

TEST_F(OnlineConversionTest, EachMessageIsShownOncePerRun) {
    std::vector<std::string> body = {"#SYSTEMKUPONGER"};
    body.insert(body.end(), 500, "0324 44667777444");
    body.insert(body.end(), 500, "0324 446677774x44");
    convert(joinLines(rowsFileLines(defaultHeaderValues(), body)), "TIPPING", dir.file("out.NTF"));
    const std::vector<std::string> once = {"FEIL I ONLINEFIL, MMORDNE 2", "FEIL I SYSTEMKUPONGER I ONLINEFIL",
                                           "Feil på systemrekke", "FEIL I ONLINEFIL"};
    EXPECT_EQ(shownTexts(), once);
    EXPECT_EQ(dir.read("out.NTF").size(), 501 * 350u);
}

}  // namespace
}  // namespace andel::test
