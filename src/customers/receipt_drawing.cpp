#include "customers/receipt_drawing.h"

#include "books/ledger_edit.h"
#include "model/coupon.h"
#include "model/text.h"
#include "model/share_code.h"
#include "printing/inch_text.h"
#include "printing/qr_code.h"

namespace andel {
namespace {

// Inches on the printable part of an A4 page (7.9 x 11.3 inch).
constexpr double kLeft = 0.3, kRight = 7.6, kSlipHeight = 11.3 / kSlipsPerPage;
constexpr double kInner = 0.25;  // the slip's text stays clear of the cut

const Font kTitleFont{"Arial", 14, true}, kHeadFont{"Arial", 10, true}, kTextFont{"Arial", 9, false};
const Font kShareFont{"Arial", 12, true}, kSmallFont{"Arial", 7, false};

// A caption in bold and its value after it, the value shortened in the middle where it
// would run past `right` (a long online file name keeps its date and ".NTF").
void field(InchCanvas& canvas, double x, double y, const std::string& caption, const std::string& value, double right) {
    canvas.setFont(kHeadFont);
    textAt(canvas, x, y, caption);
    const double valueX = x + textInches(canvas, caption + " ");
    canvas.setFont(kTextFont);
    canvas.moveTo(valueX, y + 0.01);
    canvas.text(canvas.fitTextMiddle(value, canvas.toDevice(right, 0).x - canvas.position().x));
}

// The share's code as a QR code at the slip's right edge, beside the payment and the
// guarantee, with the code written under it.
constexpr double kCodeModule = 0.02, kCodeSide = 29 * kCodeModule;  // a symbol of 21 modules and its quiet zone

void drawCode(InchCanvas& canvas, const std::string& code, double left, double top) {
    const QrSymbol symbol = qrSymbol(code);
    if (symbol.dark.empty()) return;
    const double quiet = kQrQuietModules * kCodeModule, side = qrSideWithQuietZone(symbol, kCodeModule);
    drawQrSymbol(canvas, symbol, left + quiet, top + quiet, kCodeModule);
    canvas.setClearBrush();
    canvas.setFont(kSmallFont);
    canvas.moveTo(left + side / 2, top + side - 0.04);
    canvas.centredText(spacedShareCodeText(code));
}

std::string buyerLine(const ShareEntry& buyer) {
    std::string line = buyer.name;
    if (!buyer.telephone.empty()) line += (line.empty() ? "Telefon " : ", telefon ") + buyer.telephone;
    if (!buyer.playerNumber.empty()) line += (line.empty() ? "Spillenummer " : ", spillenummer ") + buyer.playerNumber;
    return line;
}

void drawSlip(InchCanvas& canvas, const ReceiptSlip& s, double top) {
    const double left = kLeft + 0.1, right = kRight - 0.1;
    double y = top + kInner;
    canvas.setFont(kTitleFont);
    textAt(canvas, left, y, "KVITTERING FOR ANDEL");
    canvas.setFont(kHeadFont);
    rightTextAt(canvas, right, y, trimBlanks(s.agent.companyName));
    canvas.setFont(kTextFont);
    rightTextAt(canvas, right, y + 0.19, trimBlanks(s.agent.streetAddress) + ", " + trimBlanks(s.agent.postalAddress));
    rightTextAt(canvas, right, y + 0.35, "Telefon " + trimBlanks(s.agent.telephone));
    y += 0.58;
    ruleAt(canvas, left, right, y);

    y += 0.1;
    field(canvas, left, y, "Serienummer:", s.serialNumber, left + 1.9);
    field(canvas, left + 2.0, y, "Spilleomgang:", s.weekText, left + 4.5);
    field(canvas, left + 4.6, y, "Kupong:", s.couponType, right);
    y += 0.22;
    field(canvas, left, y, "Spiller:", s.player, right);
    y += 0.22;
    field(canvas, left, y, "Onlinefil:", s.onlineFileName, right);

    y += 0.32;
    canvas.setClearBrush();
    canvas.rectangle(left, y - 0.05, left + 2.6, y + 0.28);
    canvas.setFont(kShareFont);
    textAt(canvas, left + 0.1, y, "Andel nummer " + std::to_string(s.share) + " av " + std::to_string(s.shares));
    field(canvas, left + 2.9, y + 0.04, "Kjøper:", buyerLine(s.buyer), right);

    y += 0.42;
    field(canvas, left, y, "Pris:", kronerText(s.price), left + 1.9);
    field(canvas, left + 2.0, y, "Betalt:", paymentText(s), right - kCodeSide);
    drawCode(canvas, s.shareCode, right - kCodeSide, y - 0.06);

    y += 0.32;
    canvas.setFont(kHeadFont);
    textAt(canvas, left, y, std::string(kSystemCaption));
    canvas.setFont(kTextFont);
    textAt(canvas, left, y + 0.19, std::string(kSystemGuarantee));

    y += 0.62;
    canvas.setFont(kSmallFont);
    textAt(canvas, left, y + 0.08, "Utskrevet " + ledgerDateText(s.printedOn));
    ruleAt(canvas, right - 2.4, right, y);
    rightTextAt(canvas, right, y + 0.04, "Sign / stempel");
}

}  // namespace

int receiptPageCount(std::size_t slips) {
    return static_cast<int>((slips + kSlipsPerPage - 1) / kSlipsPerPage);
}

void drawReceiptPage(InchCanvas& canvas, const std::vector<ReceiptSlip>& slips, int page) {
    canvas.setFont(kTextFont);
    canvas.setup(1.0);
    canvas.setPen(kBlack);
    canvas.setClearBrush();
    for (int i = 0; i < kSlipsPerPage; ++i) {
        const std::size_t index = static_cast<std::size_t>(page * kSlipsPerPage + i);
        if (index >= slips.size()) break;
        const double top = i * kSlipHeight;
        if (i > 0) {
            dashedRuleAt(canvas, kLeft, kRight, top, 0.08);
            canvas.setFont(kSmallFont);
            textAt(canvas, kLeft, top + 0.02, "klipp her");
        }
        drawSlip(canvas, slips[index], top);
    }
}

}  // namespace andel
