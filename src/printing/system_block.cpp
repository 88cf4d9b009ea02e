#include "printing/system_block.h"

#include <numeric>

namespace andel {
namespace {

constexpr double kFrame = 0.01, kFrameHeight = 1.97;
constexpr double kHeaderHeight = 0.17, kRowHeight = 0.13, kGroupGap = 0.01, kGap = 0.01;
constexpr double kBodyHeight = kMatches * kRowHeight + 3 * kGroupGap;
constexpr double kCaptionAbove = 0.15, kTextRight = 0.05, kTextBelow = 0.01;
constexpr double kHeaderTextRight = 0.03, kFooterTextBelow = 0.02;
constexpr double kCouponsAfterKinds = 0.1, kBetweenCoupons = 0.05;

// Empty captions, headers and footers draw nothing.
void textAt(InchCanvas& canvas, double x, double y, const std::string& text, bool centred = false) {
    if (text.empty()) return;
    canvas.moveTo(x, y);
    if (centred) {
        canvas.centredText(text);
    } else {
        canvas.text(text);
    }
}

// A match text wider than its column would run under the stem block and be cut
// mid-letter: it is shortened at whole characters instead, each time from the longer
// of the two team names so that both stay recognisable.
std::string fittedMatchText(const InchCanvas& canvas, const std::string& text, int room) {
    if (canvas.textWidth(text) <= room) return text;
    constexpr std::size_t kNumber = 5;  // "  1. "
    const std::size_t dash = text.find(" - ", kNumber);
    if (text.size() < kNumber || dash == std::string::npos) return canvas.fitText(text, room);
    const std::string number = text.substr(0, kNumber);
    std::string home = text.substr(kNumber, dash - kNumber);
    std::string away = text.substr(dash + 3);
    std::string fitted = text;
    while (canvas.textWidth(fitted) > room && !(home.empty() && away.empty())) {
        dropLastCharacter(home.size() >= away.size() ? home : away);
        fitted = number + home + " - " + away;
    }
    return fitted;
}

double rowTop(double bodyTop, int row) { return bodyTop + row * kRowHeight + (row / 3) * kGroupGap; }

void drawBody(InchCanvas& canvas, const ColumnBlock& block, double x, double top, double width) {
    for (int row = 1; row < kMatches; ++row) {
        const double y = rowTop(top, row);
        if (row % 3 == 0) {  // a double line between the groups of three
            canvas.moveTo(x, y - kGroupGap);
            canvas.lineTo(x + width, y - kGroupGap);
        }
        canvas.moveTo(x, y);
        canvas.lineTo(x + width, y);
    }
    if (!block.marks) return;
    double columnLeft = x;
    for (std::size_t c = 0; c + 1 < block.columns.size(); ++c) {
        columnLeft += block.columns[c];
        canvas.moveTo(columnLeft, top);
        canvas.lineTo(columnLeft, top + kBodyHeight);
    }
}

void drawCells(InchCanvas& canvas, const ColumnBlock& block, double x, double top, double width, double adjust) {
    canvas.setFont(Font{"Arial", 7, block.marks});
    // Texts end before the next block's frame, which overlaps this block's right edge.
    const int room = canvas.toDevice(width - kTextRight - 2 * kFrame, 0).x;
    for (int row = 0; row < kMatches; ++row) {
        const double y = rowTop(top, row) + kTextBelow + adjust;
        if (!block.marks) {
            textAt(canvas, x + kTextRight, y, fittedMatchText(canvas, block.cells[row], room));
            continue;
        }
        double columnLeft = x;
        for (std::size_t c = 0; c < block.columns.size(); ++c) {
            const char mark = c < block.cells[row].size() ? block.cells[row][c] : ' ';
            if (mark != ' ') textAt(canvas, columnLeft + kTextRight, y, std::string(1, mark));
            columnLeft += block.columns[c];
        }
    }
}

std::string markCells(SignMask mask) {
    std::string cells;
    for (SignMask bit : kSignBits) cells += (mask & bit) ? 'X' : ' ';
    return cells;
}

ColumnBlock markBlock(std::string caption, std::string footer) {
    ColumnBlock block;
    block.caption = std::move(caption);
    block.header = "H   U   B";
    block.columns.assign(3, kMarkColumnWidth);
    block.marks = true;
    block.footer = std::move(footer);
    return block;
}

}  // namespace

double systemBlockLeft(int margin) {
    if (margin <= 5) return 0.1;
    if (margin <= 10) return 0.2;
    if (margin <= 16) return 0.3;
    return 0.4;
}

double drawColumnBlock(InchCanvas& canvas, const ColumnBlock& block, double x, double y, const Rgb& blockColour,
                       const Rgb& cellColour, double adjust) {
    const double width = std::accumulate(block.columns.begin(), block.columns.end(), 0.0);
    const double bodyTop = y + kHeaderHeight + kGap;
    const double footerTop = bodyTop + kBodyHeight + kGap;
    canvas.setPen(kBlack);
    canvas.setBrush(blockColour);
    canvas.rectangle(x - kFrame, y - kFrame, x + width + kFrame, y - kFrame + kFrameHeight);
    canvas.rectangle(x, y, x + width, y + kHeaderHeight);
    canvas.rectangle(x, footerTop, x + width, footerTop + kHeaderHeight);
    canvas.setBrush(cellColour);
    canvas.rectangle(x, bodyTop, x + width, bodyTop + kBodyHeight);
    drawBody(canvas, block, x, bodyTop, width);

    canvas.setClearBrush();
    canvas.setFont(Font{"Arial", 8, false});
    textAt(canvas, x + kFrame, y - kCaptionAbove + adjust, block.caption);
    textAt(canvas, x + kHeaderTextRight, y + kTextBelow + adjust, block.header);
    drawCells(canvas, block, x, bodyTop, width, adjust);
    canvas.setFont(Font{"Arial", 7, block.marks});
    textAt(canvas, x + width / 2, footerTop + kFooterTextBelow + adjust, block.footer, true);
    return x + width + kFrame;
}

void drawSystemBlock(InchCanvas& canvas, const CertificateTemplate& page) {
    const double y = kSystemBlockTop;
    const auto draw = [&](const ColumnBlock& block, double x) {
        return drawColumnBlock(canvas, block, x, y, page.blockColour, page.cellColour, page.markAdjustment);
    };

    ColumnBlock matches;
    matches.caption = "S = sikre  H = halvgarderte";
    matches.header = page.roundText;
    matches.columns = {kMatchColumnWidth};
    matches.cells = page.matchTexts;
    matches.footer = "( Rekkeantall i stammen )";
    double right = draw(matches, systemBlockLeft(page.margin));

    ColumnBlock stem = markBlock("Stamme", std::to_string(page.stemRows));
    for (int m = 0; m < kMatches; ++m) stem.cells[m] = markCells(page.stemMarks[m]);
    right = draw(stem, right - kGap);

    ColumnBlock kinds;
    kinds.columns = {kMarkColumnWidth};
    kinds.marks = true;
    for (int m = 0; m < kMatches; ++m) kinds.cells[m] = std::string(1, page.stemKinds[m]);
    right = draw(kinds, right - kGap);

    right += kCouponsAfterKinds - kBetweenCoupons;
    for (int c = 0; c < kCoupons; ++c) {
        ColumnBlock coupon = markBlock("Kupong " + std::to_string(c + 1), std::to_string(page.rowCounts[c]));
        for (int m = 0; m < kMatches; ++m) coupon.cells[m] = markCells(page.coupons[c].masks[m]);
        right = draw(coupon, right + kBetweenCoupons);
    }
}

}  // namespace andel

