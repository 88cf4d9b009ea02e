#include "results/row_lines.h"

#include "model/codepage.h"
#include "model/text.h"

namespace andel {
namespace {

constexpr std::array<SignMask, 3> kSignOrder = {kHome, kDraw, kAway};
constexpr std::array<char, 3> kSignText = {'1', 'X', '2'};

}  // namespace

std::int64_t rowCount(std::span<const Coupon> coupons) {
    std::int64_t total = 0;
    for (const Coupon& coupon : coupons) {
        std::int64_t rows = 1;
        for (SignMask mask : coupon.masks) rows *= signCount(mask & kAllSigns);
        total += rows;
    }
    return total;
}

std::string rowLines(std::span<const Coupon> coupons, RowLayout layout, const RowsHeading& heading) {
    const std::int64_t total = rowCount(coupons);
    const std::size_t lineLength = layout == RowLayout::E ? 1 + 2 * kMatches + 2 : kMatches + 2;
    std::string out;
    out.reserve(static_cast<std::size_t>(total) * lineLength + 128);
    if (layout == RowLayout::E) {
        out += toCp1252(heading.game + "," + heading.week + "," + heading.couponType + "," + std::to_string(total));
        out += "\r\n";
    }
    for (const Coupon& coupon : coupons) {
        // The signs of each match in order, and an odometer over them.
        std::array<std::array<char, 3>, kMatches> signs{};
        std::array<int, kMatches> count{}, at{};
        bool empty = false;
        for (int m = 0; m < kMatches; ++m) {
            for (int s = 0; s < 3; ++s) {
                if (coupon.masks[m] & kSignOrder[s]) signs[m][count[m]++] = kSignText[s];
            }
            empty = empty || count[m] == 0;
        }
        if (empty) continue;
        for (;;) {
            if (layout == RowLayout::E) {
                out += 'E';
                for (int m = 0; m < kMatches; ++m) {
                    out += ',';
                    out += signs[m][at[m]];
                }
            } else {
                for (int m = 0; m < kMatches; ++m) out += signs[m][at[m]];
            }
            out += "\r\n";
            int m = kMatches - 1;
            while (m >= 0 && ++at[m] == count[m]) at[m--] = 0;
            if (m < 0) break;
        }
    }
    return out;
}

RowCheck checkRowLines(std::string_view bytes, std::string_view result) {
    RowCheck check;
    std::size_t skipped = 0;
    int line = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view text = bytes.substr(start, end - start);
        start = end + 1;
        ++line;
        int signs = 0, right = 0;
        bool blank = true;
        for (char c : text) {
            if (c != ' ' && c != '\t' && c != '\r') blank = false;
            const char sign = c == 'x' ? 'X' : c;
            if (sign != '1' && sign != 'X' && sign != '2') continue;
            if (signs < kMatches && sign == result[static_cast<std::size_t>(signs)]) ++right;
            ++signs;
        }
        if (blank) continue;
        if (signs != kMatches) {
            if (++skipped <= kSkippedLinesNamed) {
                check.skipped.push_back("linje " + std::to_string(line) + ": " + std::to_string(signs) +
                                        " tegn 1, X og 2, ikke 12");
            }
            continue;
        }
        ++check.rows;
        ++check.count.rows[static_cast<std::size_t>(right)];
    }
    if (skipped > kSkippedLinesNamed) {
        check.skipped.push_back("og " + std::to_string(skipped - kSkippedLinesNamed) + " linjer til");
    }
    for (int k = kMatches; k >= 0; --k) {
        if (check.count.rows[static_cast<std::size_t>(k)] > 0) {
            check.count.best = k;
            break;
        }
    }
    return check;
}

}  // namespace andel
