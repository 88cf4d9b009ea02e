#include "printing/share_list.h"

#include "printing/certificate_layout.h"

#include <string>

namespace andel {
namespace {

constexpr double kHeadingRight = 0.08, kHeadingAbove = 0.2;
constexpr double kNumberRight = 0.2, kNumberBelow = 0.08;

}  // namespace

void drawShareList(InchCanvas& canvas, const ShareListStyle& style, int top, int first, int last) {
    canvas.setFont(Font{"Arial", 10, true});
    canvas.setPen(kBlack);
    for (int share = first; share <= last; ++share) {
        const double rowTop = layoutInch(top + (share - first) * kShareListRowHeight);
        const double rowBottom = rowTop + layoutInch(kShareListRowHeight);
        int columnLeft = style.left;
        for (const ShareListColumn& column : kShareListColumns) {
            const double left = layoutInch(columnLeft), right = layoutInch(columnLeft + column.width);
            canvas.setBrush(style.cellColour);
            canvas.rectangle(left, rowTop, right, rowBottom);
            canvas.setClearBrush();
            if (share == first) {
                canvas.moveTo(left + kHeadingRight, rowTop - kHeadingAbove);
                canvas.text(std::string(column.heading));
            }
            if (columnLeft == style.left) {
                canvas.moveTo(left + kNumberRight, rowTop + kNumberBelow);
                canvas.text(std::to_string(share));
            }
            columnLeft += column.width;
        }
    }
}

}  // namespace andel
