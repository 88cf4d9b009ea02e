#include "online/rows_file.h"

#include "online/online_fixtures.h"
#include "platform/io_error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

Coupon couponOf(std::string_view digits) {
    Coupon coupon;
    for (int m = 0; m < kMatches; ++m) coupon.masks[m] = static_cast<SignMask>(digits[m] - '0');
    return coupon;
}

Submission defaultSubmission() {
    Submission s;
    s.onlineFileName = "KRYSSEN_2916_Rekker_KARI_NORDMANN.NTF";
    s.onlineDirectory = "C:\\NTFILE";
    s.navn = "Kari Nordmann";
    s.spillenummer = "123456789";
    s.antallUker = "1";
    s.gangefelt = "1";
    s.kupongtype = "LØRDAG";
    s.pause = "NORMAL";
    s.rekkepris = "1";
    s.fridisposisjonHeader = "1234";
    for (const char* masks : {"446677774444", "446677774222", "446677774111", "446677772421", "446677772214",
                              "446677772142", "446677771412", "446677771241", "446677771124"}) {
        s.systemCoupons.push_back(couponOf(masks));
    }
    return s;
}

TEST(RowsFile, DefaultSystemIsWrittenLineByLine) {
    const std::string expected =
        "#OLINEFILNAVN\r\nKRYSSEN_2916_Rekker_KARI_NORDMANN.NTF\r\n#ONLINEFILKATALOG\r\nC:\\NTFILE\r\n"
        "#NAVN\r\nKari Nordmann\r\n#SPILLENUMMER\r\n123456789\r\n#SPILL\r\nTIPPING\r\n#ANTALLUKER\r\n1\r\n"
        "#GANGEFELT\r\n1\r\n#KUPONGTYPE\r\nL\xd8RDAG\r\n#PAUSE\r\nNORMAL\r\n#REKKEPRIS\r\n1\r\n#MERKFIL\r\n1\r\n"
        "#FRIDISPOSISJONHEADER\r\n1234\r\n#REKKEANTALLIALT\r\n000000\r\n"
        "\r\n\r\n\r\n\r\n\r\n\r\n#SYSTEMKUPONGER\r\n"
        "0324 446677774444\r\n0324 446677774222\r\n0324 446677774111\r\n0324 446677772421\r\n"
        "0324 446677772214\r\n0324 446677772142\r\n0324 446677771412\r\n0324 446677771241\r\n"
        "0324 446677771124\r\n#ENKELREKKER\r\n";
    EXPECT_EQ(rowsFileBytes(defaultSubmission()), expected);
    EXPECT_EQ(rowsFileBytes(defaultSubmission()), defaultRowsFileText());
}

TEST(RowsFile, CouponLinesCarryTheirRowCounts) {
    Submission s = defaultSubmission();
    s.systemCoupons = {couponOf("444444444444"), couponOf("773444444444"), couponOf("777777777777")};
    const std::string bytes = rowsFileBytes(s);
    EXPECT_NE(bytes.find("#SYSTEMKUPONGER\r\n0001 444444444444\r\n0018 773444444444\r\n5314 777777777777\r\n"
                         "#ENKELREKKER\r\n"),
              std::string::npos);
}

TEST(RowsFile, ValuesAreCutTo80CharactersAndKeepTheirLines) {
    Submission s = defaultSubmission();
    s.navn = std::string(100, 'x');
    s.kupongtype = std::string(79, 'y') + "ØØ";
    s.pause = "PAUSE\r\n#ENKELREKKER";
    s.onlineFileName = std::string(120, 'n');
    const std::string bytes = rowsFileBytes(s);
    EXPECT_NE(bytes.find("#NAVN\r\n" + std::string(80, 'x') + "\r\n#SPILLENUMMER"), std::string::npos);
    EXPECT_NE(bytes.find("#KUPONGTYPE\r\n" + std::string(79, 'y') + "\xd8\r\n#PAUSE"), std::string::npos);
    EXPECT_NE(bytes.find("#PAUSE\r\nPAUSE  #ENKELREKKER\r\n#REKKEPRIS"), std::string::npos);
    EXPECT_NE(bytes.find("#OLINEFILNAVN\r\n" + std::string(120, 'n') + "\r\n"), std::string::npos);
}

TEST(RowsFile, IsReplacedWholeAndAnUnwritablePlaceIsReported) {
    TempDir dir;
    dir.write("TPP.TMP", "old contents that are longer than nothing");
    writeRowsFile(dir.file("TPP.TMP"), defaultSubmission());
    EXPECT_EQ(dir.read("TPP.TMP"), defaultRowsFileText());
    EXPECT_THROW(writeRowsFile(dir.file("missing/TPP.TMP"), defaultSubmission()), IoError);
}

}  // namespace
}  // namespace andel::test
