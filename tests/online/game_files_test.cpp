// The online files of LOTTO, VIKING-LOTTO, EXTRA, ODDSBOMBEN and ODDS, whole and byte for
// byte; the record list of EXTRA and ODDSBOMBEN line for line; bad rows files.
#include "online/online_conversion.h"

#include "online/check_characters.h"
#include "online/online_fixtures.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace andel::test {
namespace {

class ListingProgress : public WriteProgress {
public:
    void listed(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class GameFilesTest : public ::testing::Test {
protected:
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    ListingProgress progress;

    void SetUp() override {
        dir.write("config.kvs", "DRIVE_C=" + dir.file("c").string() + "\r\n");
        std::filesystem::create_directories(dir.file("c/NTFILE"));
    }
    ConversionResult convert(const std::string& game, const std::vector<std::string>& body) {
        std::vector<std::string> values = defaultHeaderValues();
        values[4] = game;
        dir.write("TPP.TMP", joinLines(rowsFileLines(values, body)));
        messages.shown.clear();
        progress.lines.clear();
        std::filesystem::remove(dir.file("TT.TMP"));
        std::filesystem::remove(dir.file("out.NTF"));
        return runOnlineConversion(workspace, {dir.file("TPP.TMP"), game, dir.file("out.NTF")}, messages, progress,
                                   [](int) {});
    }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const Message& m : messages.shown) texts.push_back(m.text);
        return texts;
    }
};

// The two check characters that close a record, computed here from the rules alone and
// not by the program's code, so that the expected files below are not the program's own
// output: the sum of the 174 two-byte words (high byte first) of positions 1-348; the
// first character is bits 8-15 of the sum, the second bits 0-7. A first character outside
// 32-127 is mended by trying positions 337 and 339 from 32 upwards, then a second one by
// positions 336 and 338. (The fixtures hold no Norwegian letters, which would be replaced
// first.)
std::string closed(std::string record) {
    EXPECT_EQ(record.size(), 350u);
    auto sum = [&record] {
        std::uint32_t total = 0;
        for (std::size_t i = 0; i < 348; i += 2) {
            total += static_cast<unsigned char>(record[i]) * 256u + static_cast<unsigned char>(record[i + 1]);
        }
        return total;
    };
    auto printable = [](std::uint32_t c) { return c >= 32 && c <= 127; };
    auto mend = [&](std::size_t outer, std::size_t inner, int shift) {
        if (printable((sum() >> shift) & 0xff)) return;
        for (int x = 32; x <= 127; ++x) {
            for (int y = 32; y <= 127; ++y) {
                record[outer] = static_cast<char>(x);
                record[inner] = static_cast<char>(y);
                if (printable((sum() >> shift) & 0xff)) return;
            }
        }
    };
    mend(336, 338, 8);
    mend(335, 337, 0);
    record[348] = static_cast<char>((sum() >> 8) & 0xff);
    record[349] = static_cast<char>(sum() & 0xff);
    return record;
}

// The header of the fixtures, written from the fields: Kari Nordmann, serial 1234,
// player 123456789; `counts` is H12 to H19 (48 digits).
std::string gameHeader(std::string_view version, std::string_view counts) {
    std::string bytes = "0000" + std::string(version) + "Kari Nordmann       ";
    bytes += "0" "0" "00" "90/01/01" "00:00:00" "90/01/01" "00:00:00" "0000000000000000";
    bytes += std::string(counts) + std::string(206, ' ') + "1" "0" "1234" "123456789" "00";
    return closed(bytes);
}

// A coupon record written from the fields: positions 1-21 and the row fields in use, the
// tag at its default.
std::string gameCoupon(std::string_view head21, std::string_view rowFields) {
    return closed(couponBytes(head21, rowFields, "KVAS", "00"));
}

struct GameFileCase {
    const char* game;
    std::vector<std::string> body;
    std::string expected;
};

std::vector<GameFileCase> gameFileCases() {
    return {
        {"LOTTO",
         {"#REKKER", "03 07 12 18 24 29 33", "34 01 05 09 14 22 27", "02 08 11 16 20 25 31", "04 10 13 17 21 26 30",
          "06 15 19 23 28 32 34", "01 02 03 10 20 30 33", "05 06 07 08 09 11 12", "", "13 14 15 16 17 18 19",
          "20 21 22 23 24 25 26", "27 28 29 30 31 32 33", "04 09 16 25 29 31 34"},
         gameHeader("003", "000000" "000000" "000000" "000000" "000002" "000011" "000000" "000000") +
             gameCoupon("0001" "81" "0" "0" "00" "01" "0001" "10" "001",
                        "03071218242933000000000000" "01050914222734000000000000" "02081116202531000000000000"
                        "04101317212630000000000000" "06151923283234000000000000" "01020310203033000000000000"
                        "05060708091112000000000000" "13141516171819000000000000" "20212223242526000000000000"
                        "27282930313233000000000000") +
             gameCoupon("0002" "81" "0" "0" "00" "01" "0001" "01" "001", "04091625293134000000000000")},
        {"VIKING-LOTTO",
         {"#REKKER", "05 11 19 27 36 48", "02 09 17 23 31 44"},
         gameHeader("003", "000000" "000000" "000000" "000000" "000000" "000000" "000001" "000002") +
             gameCoupon("0001" "75" "0" "0" "00" "01" "0001" "02" "001",
                        "05111927364800000000000000" "02091723314400000000000000")},
        {"EXTRA",
         {"#SYSTEMKUPONGER", "0008 02 07 11 15 22 28 31 35", "#ENKELREKKER", "0001 03 06 12 17 21 29 34",
          "0000 00 00 00 00 00 00 00", "0001 05 10 14 19 23 26 36"},
         gameHeader("004", "000000" "000000" "000010" "000000" "000000" "000000" "000000" "000000") +
             gameCoupon("0001" "53" "0" "0" "00" "01" "0008" "01" "001", "02071115222831350000000000") +
             gameCoupon("0002" "53" "0" "0" "00" "01" "0001" "02" "001",
                        "03061217212934000000000000" "05101419232636000000000000")},
        {"ODDSBOMBEN",
         {"#SYSTEMKUPONGER", "SYSTEMKUPONGNR 1", "0006 7344444412", "0006 4234721111", "SYSTEMKUPONGNR 2",
          "0009 7744121244", "#ENKELREKKER", "0001 4412441244"},
         gameHeader("003", "000000" "000022" "000000" "000000" "000000" "000000" "000000" "000000") +
             gameCoupon("0001" "38" "0" "0" "00" "01" "0012" "02" "001",
                        "07060101010101010203000000" "01030601070302020202000000") +
             gameCoupon("0002" "38" "0" "0" "00" "01" "0009" "01" "001", "07070101020302030101000000") +
             gameCoupon("0003" "38" "0" "0" "00" "01" "0001" "01" "001", "01010203010102030101000000")},
        {"ODDS",
         {"#REKKER", "014 H 0050", "015 U 0020", "022 B 0100"},
         gameHeader("004", "000000" "000003" "000170" "000000" "000000" "000000" "000000" "000000") +
             gameCoupon("0001" "50" "0" "0" "00" "01" "0001" "03" "001",
                        "01401005000000000000000000" "01503002000000000000000000" "02202010000000000000000000")},
    };
}

TEST_F(GameFilesTest, EachGameWritesItsWholeFileByteForByte) {
    for (const GameFileCase& c : gameFileCases()) {
        SCOPED_TRACE(c.game);
        const ConversionResult result = convert(c.game, c.body);
        EXPECT_EQ(result.outcome, ConversionOutcome::Written);
        EXPECT_EQ(result.records, c.expected.size() / 350);
        const std::string file = dir.read("out.NTF");
        ASSERT_EQ(file.size(), c.expected.size());
        for (std::size_t n = 0; n < file.size() / 350; ++n) {
            EXPECT_EQ(file.substr(350 * n, 350), c.expected.substr(350 * n, 350)) << "record " << n + 1;
        }
        EXPECT_EQ(dir.read("TT.TMP"), file);
        EXPECT_TRUE(messages.shown.empty());
    }
}

// The window's list for EXTRA: "HEADER:", the header dump, "FORTSETTER MED REKKENE", then
// per coupon record its lines and "NESTE ...".
TEST_F(GameFilesTest, ExtraAndOddsbombenListTheirRecords) {
    // Record n (from 0) of a game's expected file: `length` bytes from position `from`
    // (1-based), or the rest of the record.
    const auto fromFile = [](std::size_t game, std::size_t n, std::size_t from, std::size_t length = 0) {
        return gameFileCases()[game].expected.substr(350 * n + from - 1, length ? length : 351 - from);
    };
    const std::vector<std::string> headerDump = {
        "H1   :0000", "H2   :004", "H3   :Kari Nordmann       ", "H4   :0", "H5   :0", "H6   :00",
        "H7   :90/01/01", "H8   :00:00:00", "H9   :90/01/01", "H10  :00:00:00", "H11  :0000000000000000",
        "H12  :000000", "H13  :000000", "H14  :000010", "H15  :000000", "H16  :000000", "H17  :000000",
        "H18  :000000", "H19  :000000", "H20  :" + std::string(103, ' '), "H20  :" + std::string(103, ' '),
        "H21  :1", "H22  :0", "H23  :" + fromFile(2, 0, 336, 4), "H24  :123456789",
        "H25  :" + fromFile(2, 0, 349, 2)};
    std::vector<std::string> extra = {"HEADER:"};
    extra.insert(extra.end(), headerDump.begin(), headerDump.end());
    extra.insert(extra.end(), {"FORTSETTER MED REKKENE",
                               "K1-21:000153000001000801001",
                               "R1   :02071115222831350000000000",
                               "K282 :" + fromFile(2, 1, 282),
                               "NESTE SYSTEMKUPONG:",
                               "K1-21:000253000001000102001",
                               "R1   :03061217212934000000000000",
                               "R2   :05101419232636000000000000",
                               "K282 :" + fromFile(2, 2, 282),
                               "NESTE ENKELREKKEKUPONG:"});
    convert("EXTRA", gameFileCases()[2].body);
    EXPECT_EQ(progress.lines, extra);

    convert("ODDSBOMBEN", gameFileCases()[3].body);
    ASSERT_EQ(progress.lines.size(), 28u + 4 + 3 + 3 + 3);
    EXPECT_EQ(progress.lines[0], "HEADER:");
    EXPECT_EQ(progress.lines[2], "H2   :003");
    EXPECT_EQ(progress.lines[13], "H13  :000022");
    EXPECT_EQ(progress.lines[26], "H25  :" + fromFile(3, 0, 349, 2));
    const std::vector<std::string> coupons(progress.lines.begin() + 27, progress.lines.end());
    const std::vector<std::string> expected = {"FORTSETTER MED REKKENE",
                                               "K1-21:000138000001001202001",
                                               "R1   :07060101010101010203000000",
                                               "R2   :01030601070302020202000000",
                                               "K282 :" + fromFile(3, 1, 282),
                                               "NESTE SYSTEMKUPONG:",
                                               "K1-21:000238000001000901001",
                                               "R1   :07070101020302030101000000",
                                               "K282 :" + fromFile(3, 2, 282),
                                               "NESTE SYSTEMKUPONG:",
                                               "K1-21:000338000001000101001",
                                               "R1   :01010203010102030101000000",
                                               "K282 :" + fromFile(3, 3, 282),
                                               "NESTE ENKELREKKEKUPONG:"};
    EXPECT_EQ(coupons, expected);

    convert("LOTTO", gameFileCases()[0].body);
    EXPECT_TRUE(progress.lines.empty());
}

TEST_F(GameFilesTest, BadLinesAreNamedAndLeftOut) {
    const struct {
        const char* game;
        std::vector<std::string> body;
        std::size_t records;
        std::vector<std::string> messages;
    } cases[] = {
        {"LOTTO",
         {"#REKKER", "03 07 12 18 24 29", "03 07 12 18 24 29 35", "03 07 12 18 24 29 29", "03 07 12 18 24 29 33",
          "3 7 12 18 24 29 33 ", "03-07-12-18-24-29-33"},
         2,
         {"FEIL I LOTTO-ONLINEFIL\rLinje 34: feil lengde (17 tegn, skal være 20)\r"
          "Linje 35: tallet 35 er utenfor 1-34\rLinje 36: tallet 29 står to ganger i rekken\r"
          "Linje 38: feil lengde (18 tegn, skal være 20)\r"
          "Linje 39: \"03-07-12-18-24-29-33\" er ikke tall på to sifre med én blank mellom\r"
          "Linjene er ikke tatt med i onlinefilen."}},
        {"LOTTO",
         {"#REKKER", "\xe5" "3 07 12 18 24 29 33", "x", "x", "x", "x", "x", "x", "03 07 12 18 24 29 33"},
         2,
         {"FEIL I LOTTO-ONLINEFIL\rLinje 34: \"å3 07 12 18 24 29 33\" er ikke tall på to sifre med én blank mellom\r"
          "Linje 35: feil lengde (1 tegn, skal være 20)\rLinje 36: feil lengde (1 tegn, skal være 20)\r"
          "Linje 37: feil lengde (1 tegn, skal være 20)\rLinje 38: feil lengde (1 tegn, skal være 20)\r"
          "... og 2 linjer til\rLinjene er ikke tatt med i onlinefilen."}},
        {"EXTRA",
         {"#SYSTEMKUPONGER", std::string(40, 'Z'), "0008 02 07 11 15 22 28 31 35", "#ENKELREKKER", "\x01\x02"},
         2,
         {"FEIL I EXTRA-ONLINEFIL\rLinje 34: \"" + std::string(30, 'Z') +
          "...\" begynner ikke med radantall på fire sifre og en blank\r"
          "Linje 37: \"??\" begynner ikke med radantall på fire sifre og en blank\r"
          "Linjene er ikke tatt med i onlinefilen."}},
        {"VIKING-LOTTO",
         {"#REKKER", "05 11 19 27 36 49", "05 11 19 27 36 48"},
         2,
         {"FEIL I VIKING-LOTTO-ONLINEFIL\rLinje 34: tallet 49 er utenfor 1-48\rLinjen er ikke tatt med i onlinefilen."}},
        {"EXTRA",
         {"#SYSTEMKUPONGER", "0009 02 07 11 15 22 28 31 35", "0001 02 07 11 15 22 28 31", "#ENKELREKKER",
          "0008 02 07 11 15 22 28 31 35", "0001 03 06 12 17 21 29 34"},
         2,
         {"FEIL I EXTRA-ONLINEFIL\rLinje 34: radantallet 0009 skal være 0008\r"
          "Linje 35: feil lengde (20 tegn, skal være 23 til 38)\r"
          "Linje 37: feil lengde (23 tegn, skal være 20)\rLinjene er ikke tatt med i onlinefilen."}},
        {"ODDSBOMBEN",
         {"#SYSTEMKUPONGER", "0006 7344444412", "SYSTEMKUPONGNR 1", "0006 7344444482", "SYSTEMKUPONGNR 2",
          "0006 7344444412", "#ENKELREKKER", "0003 3444444444"},
         2,
         {"FEIL I ODDSBOMBEN-ONLINEFIL\rLinje 34: rekken står foran første SYSTEMKUPONGNR\r"
          "Linje 36: merket \"8\" i kamp 9 er ikke 1-7\rLinje 35: systemkupongen har ingen gyldige rekker\r"
          "Linje 40: en enkeltrekke kan ikke stå for 2 rekker\rLinjene er ikke tatt med i onlinefilen."}},
        {"ODDS",
         {"#REKKER", "014 X 0050", "000 H 0050", "014 H 0000", "014 H 50", "014 H 0050"},
         2,
         {"FEIL I ODDS-ONLINEFIL\rLinje 34: utfallet \"X\" er ikke H, U eller B\r"
          "Linje 35: kampnummer 0 er utenfor 1-999\rLinje 36: innsatsen 0 er utenfor 1-9999 kr\r"
          "Linje 37: feil lengde (8 tegn, skal være 10)\rLinjene er ikke tatt med i onlinefilen."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game);
        EXPECT_EQ(convert(c.game, c.body).outcome, ConversionOutcome::Written);
        const std::string file = dir.read("out.NTF");
        ASSERT_EQ(file.size(), 350 * c.records);
        for (std::size_t n = 0; n < c.records; ++n) EXPECT_TRUE(checkCharactersMatch(file.substr(350 * n, 350)));
        EXPECT_EQ(shownTexts(), c.messages);
    }
}

TEST_F(GameFilesTest, NothingToWriteIsRefusedAndNothingIsWritten) {
    const struct {
        const char* game;
        std::vector<std::string> body;
        std::vector<std::string> messages;
    } cases[] = {
        {"LOTTO", {}, {"FEIL I LOTTO-ONLINEFIL\rFant ikke linjen #REKKER"}},
        {"ODDS", {"#REKKER"}, {}},
        {"EXTRA", {"#SYSTEMKUPONGER"}, {"FEIL I EXTRA-ONLINEFIL\rFant ikke linjen #ENKELREKKER"}},
        {"ODDSBOMBEN", {"#ENKELREKKER", "0001 4412441244"},
         {"FEIL I ODDSBOMBEN-ONLINEFIL\rFant ikke linjen #SYSTEMKUPONGER"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game);
        EXPECT_EQ(convert(c.game, c.body).outcome, ConversionOutcome::Refused);
        std::vector<std::string> expected = c.messages;
        expected.push_back("FEIL I " + std::string(c.game) +
                           "-ONLINEFIL\rFilen har ingen rekker som kan skrives.\rOnlinefilen er ikke laget.");
        EXPECT_EQ(shownTexts(), expected);
        EXPECT_FALSE(std::filesystem::exists(dir.file("TT.TMP")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.NTF")));
    }
}

TEST_F(GameFilesTest, MoreCouponsThanRunningNumbersAreRefusedBeforeWriting) {
    std::vector<std::string> extra = {"#SYSTEMKUPONGER"};
    extra.insert(extra.end(), 9999, "0008 02 07 11 15 22 28 31 35");
    extra.push_back("#ENKELREKKER");
    EXPECT_EQ(convert("EXTRA", extra).outcome, ConversionOutcome::Written);
    const std::string file = dir.read("out.NTF");
    ASSERT_EQ(file.size(), 10000 * 350u);
    EXPECT_EQ(file.substr(350 * 9999, 4), "9999");

    extra.push_back("0001 03 06 12 17 21 29 34");
    EXPECT_EQ(convert("EXTRA", extra).outcome, ConversionOutcome::Refused);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"FEIL I EXTRA-ONLINEFIL\rFilen har 10.000 kuponger. En onlinefil "
                                                     "kan ha høyst 9.999 kuponger; del spillet i flere filer.\r"
                                                     "Onlinefilen er ikke laget."});
    EXPECT_FALSE(std::filesystem::exists(dir.file("TT.TMP")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.NTF")));
}

TEST_F(GameFilesTest, TruncatedAnywhereGivesWholeRecordsOrNothing) {
    for (const GameFileCase& c : gameFileCases()) {
        std::vector<std::string> values = defaultHeaderValues();
        values[4] = c.game;
        const std::string text = joinLines(rowsFileLines(values, c.body));
        for (std::size_t length = 0; length <= text.size(); length += 7) {
            SCOPED_TRACE(std::string(c.game) + " " + std::to_string(length));
            dir.write("TPP.TMP", text.substr(0, length));
            std::filesystem::remove(dir.file("out.NTF"));
            const auto outcome =
                runOnlineConversion(workspace, {dir.file("TPP.TMP"), c.game, dir.file("out.NTF")}, messages,
                                    progress, [](int) {})
                    .outcome;
            const std::string file = dir.read("out.NTF");
            if (outcome == ConversionOutcome::Refused) {
                EXPECT_TRUE(file.empty());
                continue;
            }
            ASSERT_EQ(outcome, ConversionOutcome::Written);
            ASSERT_GE(file.size(), 700u);
            ASSERT_EQ(file.size() % 350, 0u);
            for (std::size_t n = 0; n < file.size() / 350; ++n) {
                EXPECT_TRUE(checkCharactersMatch(file.substr(350 * n, 350)));
            }
        }
    }
}

}  // namespace
}  // namespace andel::test
