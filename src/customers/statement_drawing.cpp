#include "customers/statement_drawing.h"

#include "model/text.h"
#include "printing/inch_text.h"

#include <cmath>

namespace andel {
namespace {

// Inches on the printable part of an A4 page (7.9 x 11.3 inch once the printer's margin is off).
constexpr double kLeft = 0.3, kRight = 7.6;
constexpr double kLineHeight = 0.18;
constexpr double kFirstLinesTop = 2.75, kOtherLinesTop = 0.95, kFooterTop = 10.95;
constexpr int kTotalsLines = 4;  // a gap, the sums, the balance brought in, the closing balance

const Font kTitleFont{"Arial", 16, true}, kHeadFont{"Arial", 11, true}, kTextFont{"Arial", 9, false};
const Font kLineFont{"Arial", 8, false}, kColumnFont{"Arial", 8, true};

struct Column {
    const char* caption;
    double x;     // left edge, or right edge when the column is right-aligned
    bool right;   // amounts and numbers line up on their right edge
};
enum ColumnIndex { Week, Serial, Type, Share, Price, Paid, PaidOn, Winnings, PaidOut, PaidOutOn, Balance, kColumns };
constexpr Column kTable[kColumns] = {
    {"Uke", kLeft, false},          {"Serienr", 1.25, false},     {"Kupong", 1.8, false},
    {"Andel", 2.75, true},          {"Pris", 3.35, true},         {"Betalt", 3.95, true},
    {"Betalt dato", 4.15, false},   {"Gevinst", 5.45, true},      {"Utbetalt", 6.05, true},
    {"Utbetalt dato", 6.25, false}, {"Saldo", kRight, true},
};

void cell(InchCanvas& canvas, ColumnIndex column, double y, const std::string& text) {
    if (kTable[column].right) rightTextAt(canvas, kTable[column].x, y, text);
    else textAt(canvas, kTable[column].x, y, text);
}

std::string amountText(const std::optional<std::int64_t>& amount) { return amount ? formatAmount(*amount) : std::string(); }
std::string dateText(const std::optional<LedgerDate>& date) { return date ? ledgerDateText(*date) : std::string(); }

void drawFirstHeading(InchCanvas& canvas, const Statement& s) {
    canvas.setFont(kHeadFont);
    textAt(canvas, kLeft, 0.3, trimBlanks(s.agent.companyName));
    canvas.setFont(kTextFont);
    textAt(canvas, kLeft, 0.55, trimBlanks(s.agent.streetAddress));
    textAt(canvas, kLeft, 0.72, trimBlanks(s.agent.postalAddress));
    textAt(canvas, kLeft, 0.89, "Telefon " + trimBlanks(s.agent.telephone) + "   Kommisjonær " + trimBlanks(s.agent.agentNumber));
    canvas.setFont(kTitleFont);
    rightTextAt(canvas, kRight, 0.3, "KONTOUTSKRIFT");
    canvas.setFont(kTextFont);
    rightTextAt(canvas, kRight, 0.66, "Periode: " + periodText(s.period));
    rightTextAt(canvas, kRight, 0.83, "Utskrevet " + ledgerDateText(s.printedOn));
    if (s.period.asOf) rightTextAt(canvas, kRight, 1.0, "Status per " + ledgerDateText(*s.period.asOf));

    canvas.setClearBrush();
    canvas.rectangle(kLeft, 1.3, 4.3, 2.2);
    canvas.setFont(kTextFont);
    textAt(canvas, kLeft + 0.1, 1.36, "Kunde");
    canvas.setFont(kHeadFont);
    textAt(canvas, kLeft + 0.1, 1.55, s.customer.name);
    canvas.setFont(kTextFont);
    textAt(canvas, kLeft + 0.1, 1.78, "Telefon: " + s.customer.telephone);
    textAt(canvas, kLeft + 0.1, 1.95, "Spillenummer: " + s.customer.playerNumber);
}

void drawOtherHeading(InchCanvas& canvas, const Statement& s) {
    canvas.setFont(kHeadFont);
    textAt(canvas, kLeft, 0.3, "Kontoutskrift for " + s.customer.name);
    canvas.setFont(kTextFont);
    rightTextAt(canvas, kRight, 0.33, "Periode: " + periodText(s.period) +
                                          (s.period.asOf ? "   Status per " + ledgerDateText(*s.period.asOf) : std::string()));
}

void drawColumnCaptions(InchCanvas& canvas, double top) {
    canvas.setFont(kColumnFont);
    for (int c = 0; c < kColumns; ++c) cell(canvas, static_cast<ColumnIndex>(c), top, kTable[c].caption);
    ruleAt(canvas, kLeft, kRight, top + kLineHeight);
}

void drawLine(InchCanvas& canvas, const StatementLine& line, double y) {
    const AccountShare& s = line.share;
    cell(canvas, Week, y, weekText(s.week));
    cell(canvas, Serial, y, s.serialNumber);
    cell(canvas, Type, y, std::string(couponTypeText(s.couponType)));
    cell(canvas, Share, y, std::to_string(s.share));
    cell(canvas, Price, y, formatAmount(s.price));
    cell(canvas, Paid, y, amountText(s.paid));
    cell(canvas, PaidOn, y, s.paid ? dateText(s.paidOn) : "ikke betalt");
    cell(canvas, Winnings, y, amountText(s.winnings));
    cell(canvas, PaidOut, y, amountText(s.paidOut));
    cell(canvas, PaidOutOn, y, dateText(s.paidOutOn));
    cell(canvas, Balance, y, formatAmount(line.balance));
}

void drawTotals(InchCanvas& canvas, const Statement& s, double y) {
    y += kLineHeight / 2;
    ruleAt(canvas, kLeft, kRight, y);
    y += kLineHeight / 3;
    canvas.setFont(kColumnFont);
    cell(canvas, Week, y, "Sum");
    cell(canvas, Price, y, formatAmount(s.totals.price));
    cell(canvas, Paid, y, formatAmount(s.totals.paid));
    cell(canvas, Winnings, y, formatAmount(s.totals.winnings));
    cell(canvas, PaidOut, y, formatAmount(s.totals.paidOut));
    if (s.period.from) {
        y += kLineHeight;
        canvas.setFont(kLineFont);
        textAt(canvas, kTable[Winnings].x - 1.4, y, "Saldo før perioden");
        cell(canvas, Balance, y, formatAmount(s.openingBalance));
    }
    y += kLineHeight;
    canvas.setFont(kColumnFont);
    const std::string closing = s.closingBalance < 0   ? "Kunden skylder"
                                : s.closingBalance > 0 ? "Til gode for kunden"
                                                       : "Saldo";
    textAt(canvas, kTable[Winnings].x - 1.4, y, closing);
    cell(canvas, Balance, y, "kr " + formatAmount(std::llabs(s.closingBalance)));
}

}  // namespace

StatementPageRoom statementPageRoom() {
    const auto lines = [](double top) { return static_cast<int>(std::floor((kFooterTop - 0.1 - top) / kLineHeight)); };
    return {lines(kFirstLinesTop), lines(kOtherLinesTop), kTotalsLines};
}

void drawStatementPage(InchCanvas& canvas, const Statement& statement, const StatementPage& page) {
    canvas.setFont(kLineFont);
    canvas.setup(1.0);
    canvas.setPen(kBlack);
    canvas.setClearBrush();
    const bool first = page.number == 1;
    if (first) drawFirstHeading(canvas, statement);
    else drawOtherHeading(canvas, statement);
    const double top = first ? kFirstLinesTop : kOtherLinesTop;
    drawColumnCaptions(canvas, top - kLineHeight - 0.05);
    canvas.setFont(kLineFont);
    double y = top;
    for (std::size_t i = 0; i < page.lineCount; ++i, y += kLineHeight) {
        drawLine(canvas, statement.lines[page.firstLine + i], y);
    }
    if (statement.lines.empty()) {
        textAt(canvas, kLeft, y, "Kunden har ingen andeler med runde i perioden.");
        y += kLineHeight;
    }
    if (page.last()) drawTotals(canvas, statement, y);
    canvas.setFont(kTextFont);
    centredTextAt(canvas, (kLeft + kRight) / 2, kFooterTop, pageNumberText(page));
}

}  // namespace andel
