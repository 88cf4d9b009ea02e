#pragma once
// A syndicate's rows one a line, for the members' own tools, and the lenient reading of
// such files back. Two layouts: "E,1,X,2,..." lines under a heading line naming the game,
// week, coupon type and number of rows, and plain lines of twelve signs. Both are
// Windows-1252 with CR LF.
#include "model/coupon.h"
#include "results/prize_count.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

enum class RowLayout { E, Plain };

struct RowsHeading {
    std::string game = "TIPPING";
    std::string week;        // "UKE 50 -2026"
    std::string couponType;  // "LØRDAG"
};

// Every row of the coupons, coupon after coupon (a row held by two coupons comes twice);
// within a coupon match 1 changes slowest and the signs come in the order 1, X, 2.
std::int64_t rowCount(std::span<const Coupon> coupons);
std::string rowLines(std::span<const Coupon> coupons, RowLayout layout, const RowsHeading& heading);

// A file of rows read leniently: one row a line, its signs 1, X and 2 in order and every
// other character ignored. A line without exactly twelve signs (a heading, a comment, a
// cut row) is skipped and named in `skipped` ("linje 1: 3 tegn"); empty lines are skipped
// silently.
struct RowCheck {
    PrizeCount count;   // rows with 0 to 12 right against the result, and the best count
    std::int64_t rows = 0;
    std::vector<std::string> skipped;
};
// `result`: twelve signs "1", "X" and "2".
RowCheck checkRowLines(std::string_view bytes, std::string_view result);

// At most so many skipped lines are named one by one; the rest are counted in one line.
inline constexpr std::size_t kSkippedLinesNamed = 20;

}  // namespace andel
