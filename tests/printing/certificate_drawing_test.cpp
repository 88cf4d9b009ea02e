#include "printing/certificate_drawing.h"

#include "printing/certificate_fill.h"
#include "printing/recording_canvas.h"
#include "printing/system_block.h"
#include "printing_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace andel {
namespace {

// At 1000 pixels per inch a layout unit is exactly 13 pixels.
constexpr int kDpi = 1000;
constexpr int kSystemTop = 4900, kSystemBottom = 7100;  // pixels: the system block's band

RecordingCanvas drawn(const CertificateTemplate& page, const PrintJob& job) {
    RecordingCanvas canvas(kDpi);
    drawPrintJob(canvas, page, job);
    return canvas;
}

CertificateTemplate filled(int shares, PrintChoices choices = {}) {
    return fillCertificate(test::printableState(shares), choices, {});
}

std::vector<CanvasOp> textOps(const RecordingCanvas& canvas) {
    std::vector<CanvasOp> texts;
    for (const CanvasOp& op : canvas.ops()) {
        if (op.kind == CanvasOp::Kind::Text) texts.push_back(op);
    }
    return texts;
}

bool inSystemBlock(const CanvasOp& op) { return op.rect.top >= kSystemTop && op.rect.top <= kSystemBottom; }

// The share numbers printed in the ANDEL column, top to bottom, with their tops.
std::vector<std::pair<std::string, int>> listedShares(const RecordingCanvas& canvas) {
    const int numberLeft = 16 * 13 + 200;
    std::vector<std::pair<std::string, int>> shares;
    for (const CanvasOp& op : textOps(canvas)) {
        if (op.rect.left == numberLeft) shares.emplace_back(op.text, op.rect.top);
    }
    return shares;
}

TEST(CertificateDrawingTest, CertificatesAndTheMainPartAreNumbered) {
    const CertificateTemplate page = filled(5);
    const std::vector<PrintJob> jobs = printJobs(5);
    for (int i = 0; i < 5; ++i) {
        const RecordingCanvas canvas = drawn(page, jobs[i]);
        EXPECT_EQ(canvas.texts("Andel nummer " + std::to_string(i + 1) + " av 5").size(), 1u);
        EXPECT_EQ(canvas.texts("Spill på lag, øk dine vinnersjanser").size(), 1u);
        EXPECT_EQ(canvas.texts(page.caption("kommnavn2")).size(), 1u);
        EXPECT_TRUE(canvas.texts(page.caption("spillpaalag2")).empty());
        EXPECT_TRUE(listedShares(canvas).empty());
    }
    const RecordingCanvas main = drawn(page, jobs[5]);
    EXPECT_EQ(main.texts("Andel nummer= hoveddel").size(), 1u);
    EXPECT_EQ(main.texts("Hoveddel serienummer = 1042      Onlinefilnavn = KRYSSEN_1042.NTF").size(), 1u);
    EXPECT_TRUE(main.texts("Spill på lag, øk dine vinnersjanser").empty());
    EXPECT_TRUE(main.texts("Sign / stempel").empty());
    EXPECT_EQ(main.setups(), 2);  // once for the job, again before the system block
}

TEST(CertificateDrawingTest, ShareListsOfTheMainPartAndTheListPages) {
    const CertificateTemplate page = filled(46);
    const std::vector<PrintJob> jobs = printJobs(46);
    ASSERT_EQ(jobs.size(), 49u);

    const auto main = listedShares(drawn(page, jobs[46]));
    ASSERT_EQ(main.size(), 10u);
    EXPECT_EQ(main.front(), (std::pair<std::string, int>{"1", 621 * 13 + 80}));
    EXPECT_EQ(main.back(), (std::pair<std::string, int>{"10", (621 + 9 * 22) * 13 + 80}));

    const RecordingCanvas first = drawn(page, jobs[47]);
    const auto rows = listedShares(first);
    ASSERT_EQ(rows.size(), 35u);
    EXPECT_EQ(rows.front(), (std::pair<std::string, int>{"11", 70 * 13 + 80}));
    EXPECT_EQ(rows.back(), (std::pair<std::string, int>{"45", (70 + 34 * 22) * 13 + 80}));
    const auto heading = first.texts("ANDEL");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_EQ(heading[0].rect.top, 70 * 13 - 200);
    EXPECT_EQ(first.texts(page.caption("spillpaalag2"))[0].rect.top, (10 - 2) * 13);
    EXPECT_TRUE(first.texts("Andel nummer= hoveddel").empty());

    const auto last = listedShares(drawn(page, jobs[48]));
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0].first, "46");
}

TEST(CertificateDrawingTest, ShareListCellsAreFilledAndFramed) {
    const RecordingCanvas canvas = drawn(filled(3, {16, 0, true}), printJobs(3)[3]);
    int cells = 0;
    for (const CanvasOp& op : canvas.ops()) {
        if (op.kind == CanvasOp::Kind::Rectangle && op.rect.top >= 621 * 13 && op.rect.top < 700 * 13) {
            ++cells;
            EXPECT_EQ(op.brush, kWhite);
            EXPECT_EQ(op.pen, kBlack);
        }
    }
    EXPECT_EQ(cells, 3 * 6);
}

TEST(CertificateDrawingTest, MarginZeroMovesEverySection16UnitsAndTheSystemBlockTwoTenths) {
    const RecordingCanvas design = drawn(filled(5, {16, 0, false}), printJobs(5)[0]);
    const RecordingCanvas moved = drawn(filled(5, {0, 0, false}), printJobs(5)[0]);
    ASSERT_EQ(design.ops().size(), moved.ops().size());
    int systemTexts = 0;
    for (std::size_t i = 0; i < design.ops().size(); ++i) {
        const CanvasOp& a = design.ops()[i];
        const CanvasOp& b = moved.ops()[i];
        ASSERT_EQ(a.text, b.text);
        const int shift = inSystemBlock(a) ? 200 : 16 * 13;
        EXPECT_EQ(a.rect.left - b.rect.left, shift) << a.text;
        EXPECT_EQ(a.rect.top, b.rect.top) << a.text;
        if (a.kind == CanvasOp::Kind::Text && inSystemBlock(a)) ++systemTexts;
    }
    EXPECT_GT(systemTexts, 200);
    // The design margin prints the sections where the layout has them.
    const auto date = design.firstTextStartingWith("Utskrevet: ");
    EXPECT_EQ(date.rect.left, 16 * 13);
    EXPECT_EQ(date.rect.top, (2 + 3) * 13);
}

TEST(CertificateDrawingTest, TheSystemBlockMovesInStepsOfATenth) {
    const std::pair<int, int> marginAndLeft[] = {{0, 100}, {5, 100}, {6, 200}, {10, 200},
                                                 {11, 300}, {16, 300}, {17, 400}, {20, 400}};
    for (const auto& [margin, left] : marginAndLeft) {
        const RecordingCanvas canvas = drawn(filled(5, {margin, 0, false}), printJobs(5)[0]);
        const auto caption = canvas.texts("S = sikre  H = halvgarderte");
        ASSERT_EQ(caption.size(), 1u);
        EXPECT_EQ(caption[0].rect.left, left + 10) << "margin " << margin;
        EXPECT_EQ(caption[0].rect.top, 5115 - 150);
    }
}

TEST(CertificateDrawingTest, MarkAdjustmentLowersOnlyTheSystemBlockTexts) {
    const RecordingCanvas plain = drawn(filled(5, {16, 0, false}), printJobs(5)[0]);
    const RecordingCanvas adjusted = drawn(filled(5, {16, 1, false}), printJobs(5)[0]);
    ASSERT_EQ(plain.ops().size(), adjusted.ops().size());
    for (std::size_t i = 0; i < plain.ops().size(); ++i) {
        const CanvasOp& a = plain.ops()[i];
        const bool lowered = a.kind == CanvasOp::Kind::Text && inSystemBlock(a);
        EXPECT_EQ(adjusted.ops()[i].rect.top - a.rect.top, lowered ? 10 : 0) << a.text;
    }
}

TEST(CertificateDrawingTest, TheSystemBlockIsComplete) {
    const CertificateTemplate page = filled(5);
    const RecordingCanvas canvas = drawn(page, printJobs(5)[0]);
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(canvas.texts("Kupong " + std::to_string(c)).size(), 1u);
    EXPECT_EQ(canvas.texts("324").size(), 9u);
    EXPECT_EQ(canvas.texts("26244").size(), 1u);
    EXPECT_EQ(canvas.texts("Spilleomgang 05 - 2000").size(), 1u);
    EXPECT_EQ(canvas.texts("H   U   B").size(), 10u);
    for (const std::string& match : page.matchTexts) EXPECT_EQ(canvas.texts(match).size(), 1u);
    // Stem: 2 + 2 x 2 + 8 x 3 marks; each coupon 2 + 2 x 2 + 4 x 3 + 4 x 1.
    EXPECT_EQ(canvas.texts("X").size(), 30u + 9 * 22u);
    EXPECT_EQ(canvas.texts("S").size(), 2u);
    EXPECT_EQ(canvas.texts("H").size(), 2u);
    // The last coupon ends inside the page.
    int right = 0;
    for (const CanvasOp& op : canvas.ops()) right = std::max({right, op.rect.left, op.rect.right});
    EXPECT_LT(right, 8000);
}

// Characters, not bytes: "ö" is one letter of 48 pixels at 7 pt.
int characters(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// A match text wider than its column (1.46 inch of room: 30 characters of 48 pixels) is
// shortened at whole characters, from the longer name first, so it ends before the stem
// block; a long online file name in the main part is shortened in its middle, so that its
// end still shows before the page's edge.
TEST(CertificateDrawingTest, LongNamesAreCutAtWholeCharactersInsideTheirPlaces) {
    WorkbenchState state = test::printableState(5);
    state.teamNames[0] = "Borussia Mönchengladbach Unite";  // 30 characters each
    state.teamNames[1] = "Wolverhampton Wanderers Reserv";
    state.teamNames[2] = "Brentford";
    state.teamNames[3] = "Brighton & Hove Albion Women F";
    state.online.pathAndName = "C:\\NTFILE\\KRYSSEN_2.916_Rekker_" + std::string(150, 'K') + ".NTF";
    const CertificateTemplate page = fillCertificate(state, {}, {});
    const auto width = [](const std::string& text, const Font& font) { return characters(text) * font.pointSize * kDpi / 144; };

    RecordingCanvas certificate(kDpi, width);
    drawPrintJob(certificate, page, printJobs(5)[0]);
    const std::string first = certificate.firstTextStartingWith("  1. ").text;
    EXPECT_TRUE(first.starts_with("  1. Borussia M")) << first;
    EXPECT_NE(first.find(" - Wolverhampt"), std::string::npos) << first;
    EXPECT_GE(characters(first), 29);
    EXPECT_LE(characters(first), 30);
    EXPECT_LT(static_cast<unsigned char>(first.back()), 0x80) << "no letter cut in two";
    const std::string second = certificate.firstTextStartingWith("  2. ").text;
    EXPECT_EQ(second, "  2. Brentford - Brighton & Ho");  // the short home name stays whole
    EXPECT_EQ(certificate.texts(page.matchTexts[2]).size(), 1u);

    RecordingCanvas main(kDpi, width);
    drawPrintJob(main, page, printJobs(5)[5]);
    const CanvasOp& label = main.firstTextStartingWith("Hoveddel");
    EXPECT_LE(label.rect.left + width(label.text, label.font), 7930);
    EXPECT_GT(characters(label.text), 100);
    const std::string whole = page.caption("spillpaalag2");
    const std::size_t gap = label.text.find("\u2026");
    ASSERT_NE(gap, std::string::npos) << label.text;
    EXPECT_TRUE(whole.starts_with(label.text.substr(0, gap))) << label.text;
    EXPECT_TRUE(whole.ends_with(label.text.substr(gap + 3))) << label.text;
    EXPECT_TRUE(label.text.ends_with("KKK.NTF")) << label.text;
}

TEST(CertificateDrawingTest, PicturesAreStretchedToTheirPlaces) {
    const RecordingCanvas canvas = drawn(filled(5), printJobs(5)[0]);
    std::vector<CanvasOp> pictures;
    for (const CanvasOp& op : canvas.ops()) {
        if (op.kind == CanvasOp::Kind::Picture) pictures.push_back(op);
    }
    ASSERT_EQ(pictures.size(), 5u);
    EXPECT_EQ(pictures[0].text, "ballmannleft");
    EXPECT_EQ(pictures[0].rect, (DeviceRect{24 * 13, 46 * 13, 24 * 13 + 890, 46 * 13 + 1130}));
    EXPECT_EQ(pictures[1].rect, (DeviceRect{509 * 13, 46 * 13, 509 * 13 + 979, 46 * 13 + 1243}));
    EXPECT_EQ(pictures[4].text, "ellverette2");
    EXPECT_EQ(pictures[4].rect, (DeviceRect{304 * 13, 272 * 13, 304 * 13 + 1050, 272 * 13 + 650}));
}

}  // namespace
}  // namespace andel
