#include "customers/owing_drawing.h"

#include "books/ledger_edit.h"
#include "printing/inch_text.h"

#include <algorithm>

namespace andel {
namespace {

constexpr double kLeft = 0.3, kRight = 7.6, kLineHeight = 0.18, kLinesTop = 1.1, kFooterTop = 10.95;
const Font kTitleFont{"Arial", 14, true}, kTextFont{"Arial", 9, false}, kLineFont{"Arial", 8, false},
    kBoldFont{"Arial", 8, true};

struct Column {
    double x;
    bool right;
};
// Navn, Telefon, Spillenummer, Serienummer, Uke, Andel, Mangler.
constexpr Column kColumns[] = {{kLeft, false}, {2.75, false}, {3.75, false}, {4.85, false},
                               {5.8, false},   {6.95, true},  {kRight, true}};

void cell(InchCanvas& canvas, std::size_t column, double y, const std::string& text) {
    if (kColumns[column].right) rightTextAt(canvas, kColumns[column].x, y, text);
    else textAt(canvas, kColumns[column].x, y, text);
}

}  // namespace

std::size_t owingPageCount(std::size_t rows) { return std::max<std::size_t>(1, (rows + 1 + kOwingLinesPerPage - 1) / kOwingLinesPerPage); }

void drawOwingPage(InchCanvas& canvas, const OwingSheet& sheet, std::size_t page) {
    const std::size_t pages = owingPageCount(sheet.rows.size());
    canvas.setFont(kLineFont);
    canvas.setup(1.0);  // one unit an inch
    canvas.setPen(kBlack);
    canvas.setClearBrush();
    canvas.setFont(kTitleFont);
    textAt(canvas, kLeft, 0.3, "UTESTÅENDE");
    canvas.setFont(kTextFont);
    rightTextAt(canvas, kRight, 0.35, "Solgte andeler som ikke er betalt   Utskrevet " + ledgerDateText(sheet.printedOn));
    canvas.setFont(kBoldFont);
    const Fields heading = {"Navn", "Telefon", "Spillenummer", "Serienummer", "Uke", "Andel", "Mangler"};
    for (std::size_t c = 0; c < heading.size(); ++c) cell(canvas, c, kLinesTop - kLineHeight - 0.05, heading[c]);
    ruleAt(canvas, kLeft, kRight, kLinesTop - 0.04);
    canvas.setFont(kLineFont);
    const std::size_t first = page * kOwingLinesPerPage;
    const std::size_t last = std::min(sheet.rows.size(), first + kOwingLinesPerPage);
    double y = kLinesTop;
    for (std::size_t r = first; r < last; ++r, y += kLineHeight) {
        for (std::size_t c = 0; c < sheet.rows[r].size() && c < std::size(kColumns); ++c) cell(canvas, c, y, sheet.rows[r][c]);
    }
    if (page + 1 == pages) {
        ruleAt(canvas, kLeft, kRight, y + 0.02);
        canvas.setFont(kBoldFont);
        textAt(canvas, kLeft, y + 0.06, "Sum utestående fra " + std::to_string(sheet.customers) +
                                            (sheet.customers == 1 ? " kunde" : " kunder"));
        rightTextAt(canvas, kRight, y + 0.06, kronerText(sheet.total));
    }
    canvas.setFont(kTextFont);
    centredTextAt(canvas, (kLeft + kRight) / 2, kFooterTop, "Side " + std::to_string(page + 1) + " av " + std::to_string(pages));
}

}  // namespace andel
