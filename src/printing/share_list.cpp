#include "printing/share_list.h"

#include "printing/certificate_layout.h"

#include <string>

namespace andel {
namespace {

constexpr double kHeadingRight = 0.08, kHeadingAbove = 0.2;
constexpr double kNumberRight = 0.2, kNumberBelow = 0.08;
constexpr double kEntryRight = 0.05, kEntryBelow = 0.09;
constexpr int kNameColumn = 1, kTelephoneColumn = 2, kPaidColumn = 3, kWinningsColumn = 4, kReceivedColumn = 5;

// The ledger's text for a column of the share's row; "" leaves the cell blank.
const std::string& entryText(const ShareBuyer& buyer, int column) {
    static const std::string none;
    switch (column) {
        case kNameColumn: return buyer.name;
        case kTelephoneColumn: return buyer.telephone;
        case kPaidColumn: return buyer.paid;
        case kWinningsColumn: return buyer.winnings;
        case kReceivedColumn: return buyer.received;
        default: return none;
    }
}

}  // namespace

void drawShareList(InchCanvas& canvas, const CertificateTemplate& page, const ShareListStyle& style, int top, int first,
                   int last) {
    const Font headingFont{"Arial", 10, true};
    canvas.setFont(headingFont);
    canvas.setPen(kBlack);
    for (int share = first; share <= last; ++share) {
        const double rowTop = layoutInch(top + (share - first) * kShareListRowHeight);
        const double rowBottom = rowTop + layoutInch(kShareListRowHeight);
        const ShareBuyer* buyer = page.buyerOf(share);
        int columnLeft = style.left;
        for (int column = 0; column < static_cast<int>(kShareListColumns.size()); ++column) {
            const ShareListColumn& heading = kShareListColumns[column];
            const double left = layoutInch(columnLeft), right = layoutInch(columnLeft + heading.width);
            canvas.setBrush(style.cellColour);
            canvas.rectangle(left, rowTop, right, rowBottom);
            canvas.setClearBrush();
            if (share == first) {
                canvas.moveTo(left + kHeadingRight, rowTop - kHeadingAbove);
                canvas.text(std::string(heading.heading));
            }
            if (column == 0) {
                canvas.moveTo(left + kNumberRight, rowTop + kNumberBelow);
                canvas.text(std::to_string(share));
            } else if (buyer && !entryText(*buyer, column).empty()) {
                canvas.setFont(Font{"Arial", 8, false});
                canvas.moveTo(left + kEntryRight, rowTop + kEntryBelow);
                canvas.text(entryText(*buyer, column));
                canvas.setFont(headingFont);
            }
            columnLeft += heading.width;
        }
    }
}

}  // namespace andel
