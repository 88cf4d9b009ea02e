#include "printing/slip.h"

#include "printing/recording_canvas.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

std::vector<std::string> texts(const Slip& slip) {
    std::vector<std::string> rows;
    for (const SlipRow& row : slipRows(slip)) rows.push_back(row.text);
    return rows;
}

TEST(Slip, FieldsAndTotalsSpreadAcrossTheColumns) {
    Slip slip;
    slip.field("Kjøper:", "Åse Ødegård").total("Sum:", "kr 1.460");
    const std::vector<SlipRow> rows = slipRows(slip);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text, "Kjøper:" + std::string(kSlipColumns - 7 - 11, ' ') + "Åse Ødegård");
    EXPECT_EQ(characterCount(rows[0].text), static_cast<std::size_t>(kSlipColumns));
    EXPECT_EQ(rows[1].kind, SlipLine::Kind::Rule);
    EXPECT_EQ(rows[2].kind, SlipLine::Kind::Total);
    EXPECT_EQ(characterCount(rows[2].text), static_cast<std::size_t>(kSlipColumns));
}

TEST(Slip, LongTextsWrapAndNothingRunsPastTheWidth) {
    const std::string word40(40, 'x');
    const struct {
        Slip slip;
        std::vector<std::string> rows;
    } cases[] = {
        {Slip().text("Systemet garanterer ALLTID minst 11 rette hvis de sikre og halvgarderte kampene er riktig tippet."),
         {"Systemet garanterer ALLTID minst 11 rette", "hvis de sikre og halvgarderte kampene er", "riktig tippet."}},
        {Slip().text(std::string(50, 'y')), {std::string(42, 'y'), std::string(8, 'y')}},
        {Slip().field("Onlinefil:", word40), {"Onlinefil:", std::string(2, ' ') + word40}},
        {Slip().heading("KVITTERING FOR ANDEL NUMMER 7"), {"KVITTERING FOR ANDEL", "NUMMER 7"}},
        {Slip().text(""), {""}},
        {Slip().qr("", "AN 1042 017 42"), {std::string(14, ' ') + "AN 1042 017 42"}},  // no symbol for nothing
    };
    for (const auto& c : cases) {
        EXPECT_EQ(texts(c.slip), c.rows);
        for (const std::string& row : texts(c.slip)) EXPECT_LE(characterCount(row), static_cast<std::size_t>(kSlipColumns));
    }
}

TEST(Slip, DrawnWithinThePrintedWidthAndAsLongAsItsRows) {
    Slip slip;
    slip.heading("KVITTERING").text("Åse Ødegård").rule().qr("AN104201742", "AN 1042 017 42").total("Betalt:", "kr 146");
    RecordingCanvas canvas(600);
    drawSlip(canvas, slip);
    const int width = static_cast<int>(kSlipPrintedWidthMm / 25.4 * 600 + 0.5);
    const int height = static_cast<int>(slipHeightInches(slip) * 600 + 0.5);
    int qrModules = 0;
    for (const CanvasOp& op : canvas.ops()) {
        EXPECT_GE(op.rect.left, 0);
        EXPECT_LE(std::max(op.rect.left, op.rect.right), width) << op.text;
        EXPECT_LE(std::max(op.rect.top, op.rect.bottom), height) << op.text;
        if (op.kind == CanvasOp::Kind::Rectangle && op.brush == kBlack) ++qrModules;
    }
    EXPECT_GT(qrModules, 21);  // at least a run a row
    EXPECT_EQ(canvas.texts("Åse Ødegård").size(), 1u);
    EXPECT_EQ(canvas.firstTextStartingWith("Betalt:").font.bold, true);
    EXPECT_GT(slipHeightInches(slip), 1.0);
}

}  // namespace
}  // namespace andel
