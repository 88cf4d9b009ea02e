#pragma once
// The lines of an intermediate rows file and its two coupon sections. The reader counts
// from this and the writer writes from it, so the header's counts always match the
// records that follow it.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// A rows file is small text; anything larger is not one. The largest a game fills
// (9,999 coupons of ten single rows of EXTRA) is under 3 MB.
inline constexpr std::size_t kMaxRowsFileBytes = 8u * 1024u * 1024u;
// A system coupon line is a four-digit row count, a blank and twelve mark digits.
inline constexpr std::size_t kCouponLineBytes = 17;
inline constexpr int kPlacesPerSingleRowCoupon = 10;

// The file's lines as raw Windows-1252 bytes; nothing when the file does not exist.
// IoError when it exists but cannot be read or is too large.
std::optional<std::vector<std::string>> loadRowsFileLines(const std::filesystem::path& file);

struct RowsFileBody {
    bool systemSectionFound = false;
    bool singleRowSectionFound = false;
    // Every line between "#SYSTEMKUPONGER" and "#ENKELREKKER", in order.
    std::vector<std::string> systemSectionLines;
    // The row lines of each group of ten places after "#ENKELREKKER" that holds any.
    std::vector<std::vector<std::string>> singleRowGroups;
};

// The sections, searched after the header lines; markers match with blanks removed.
RowsFileBody parseRowsFileBody(const std::vector<std::string>& lines);

// A line of the system section long enough to be a coupon.
bool isSystemCouponLine(std::string_view line);

// The four-digit row count at the start of a line; nothing when it is not four digits.
std::optional<int> rowCountOf(std::string_view line);

}  // namespace andel
