#include "printing/certificate_fill.h"

#include "printing_fixture.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

TEST(CertificateFillTest, TextsOfTheTemplate) {
    const WorkbenchState state = test::printableState(5);
    const LocalDateTime now{std::chrono::year{2000} / 2 / 3, 9, 8, 7};
    const CertificateTemplate page = fillCertificate(state, PrintChoices{}, now);
    EXPECT_EQ(page.caption("utskriftsdato"), "Utskrevet: Dato 03.02.2000  ");
    EXPECT_EQ(page.caption("andelsserienummer"), "Serienummer : 1042");
    EXPECT_EQ(page.caption("onlinefilnavn"), "Onlinefil-katalog\\navn: C:\\NTFILE\\KRYSSEN_1042.NTF");
    EXPECT_EQ(page.caption("kupongen"), "LØRDAGS-KUPONGEN");
    EXPECT_EQ(page.caption("pauseordiner"), "ORDINÆR TID");
    EXPECT_EQ(page.caption("ukenummer"), " UKE 05 -2000");
    EXPECT_EQ(page.caption("panelinnsatstotalt"), "Kr 2.916,-");
    EXPECT_EQ(page.caption("panelantallandeler"), "5 Stk");
    EXPECT_EQ(page.caption("panelprisprandel"), "Kr 584,-");
    EXPECT_EQ(page.caption("panelsikre"), "2");
    EXPECT_EQ(page.caption("panelhalve"), "2");
    EXPECT_EQ(page.caption("fulloversikt"), "Her er full oversikt over de 9 x 324 rekkers kupongene.");
    EXPECT_EQ(page.caption("kommnavn1"), state.agentLine1);
    EXPECT_EQ(page.caption("spillpaalag2"),
              "Hoveddel serienummer = 1042      Onlinefilnavn = KRYSSEN_1042.NTF");
    EXPECT_EQ(page.roundText, "Spilleomgang 05 - 2000");
    EXPECT_EQ(page.matchTexts[0], "  1. Hjemme1 - Borte1");
    EXPECT_EQ(page.matchTexts[11], " 12. Hjemme12 - Borte12");
    EXPECT_EQ(page.stemRows, 26244);
    EXPECT_EQ(page.shares, 5);
    EXPECT_EQ(page.stemKinds, "SSHH        ");
    EXPECT_EQ(page.stemMarks[2], kHome | kDraw);
}

TEST(CertificateFillTest, CouponTypeTimeBasisAndColours) {
    WorkbenchState state = test::printableState();
    state.kupongtype = 2;
    state.pauseordiner = 2;
    const CertificateTemplate page = fillCertificate(state, PrintChoices{3, 1, true}, {});
    EXPECT_EQ(page.caption("kupongen"), "MIDTUKE-KUPONGEN");
    EXPECT_EQ(page.couponColour, (Rgb{0, 128, 128}));
    EXPECT_EQ(page.caption("pauseordiner"), "ORDINÆR+PAUSE");
    EXPECT_EQ(page.blockColour, kLightGrey);
    EXPECT_EQ(page.panel3Colour, kLightGrey);
    EXPECT_EQ(page.cellColour, kWhite);
    EXPECT_EQ(page.margin, 3);
    EXPECT_DOUBLE_EQ(page.markAdjustment, 0.01);

    const CertificateTemplate yellow = fillCertificate(state, PrintChoices{}, {});
    EXPECT_EQ(yellow.blockColour, kYellow);
    EXPECT_EQ(yellow.cellColour, kPaleYellow);
    EXPECT_DOUBLE_EQ(yellow.markAdjustment, 0.0);
}

TEST(CertificateFillTest, RoundTextOfTheSystemBlock) {
    const std::pair<const char*, const char*> cases[] = {
        {" UKE 05 -2000", "Spilleomgang 05 - 2000"},
        {" UKE 5 -2001", "Spilleomgang 05 - 2001"},
        {"", "Spilleomgang 00 - 1999"},
        {" UKE 12", "Spilleomgang 12 - 1999"},
    };
    for (const auto& [round, expected] : cases) EXPECT_EQ(systemRoundText(round), expected) << round;
}

TEST(CertificateFillTest, PrintedStemKinds) {
    struct Case {
        const char* text;
        SignMask mask;
        char expected;
    };
    const Case cases[] = {
        {"S", 4, 'S'}, {"S", 6, 'H'}, {"S", 7, ' '}, {"M", 7, ' '},
        {"M", 5, 'H'}, {"", 3, 'H'}, {"", 1, ' '}, {"H", 6, 'H'},
    };
    for (const Case& c : cases) EXPECT_EQ(printedStemKind(c.text, c.mask), c.expected) << c.text << int(c.mask);
}

TEST(CertificateFillTest, LongNamesAreKeptWhole) {
    WorkbenchState state = test::printableState();
    state.teamNames[0] = std::string(30, 'A');
    state.online.pathAndName = "C:\\NTFILE\\" + std::string(200, 'N') + ".NTF";
    const CertificateTemplate page = fillCertificate(state, PrintChoices{}, {});
    EXPECT_EQ(page.matchTexts[0], "  1. " + std::string(30, 'A') + " - Borte1");
    EXPECT_EQ(page.onlineFileName, std::string(200, 'N') + ".NTF");
}

}  // namespace
}  // namespace andel
