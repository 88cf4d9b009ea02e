#pragma once
// The share certificate's template as it stands before printing: the texts of its labels
// and panels by control name, and the values the system block and share list are drawn
// from. One filled template prints every job of a syndicate.
#include "model/coupon.h"
#include "model/game_week.h"
#include "model/signs.h"
#include "printing/inch_canvas.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// The print dialog's choices: left margin in layout units (0 to 20), the index of the
// mark adjustment (0: none, 1: "1+") and "Spar på gulfargen"; which certificates ("" for
// all, else numbers and ranges such as "2" or "1-3, 5") and whether the main part with the
// share list follows them.
struct PrintChoices {
    int margin = 16;
    int markAdjustment = 0;
    bool saveYellow = false;
    std::string certificates;
    bool mainPart = true;
    friend bool operator==(const PrintChoices&, const PrintChoices&) = default;
};

// What the share list prints for a share sold from the ledger: the buyer's name, telephone
// and the amount paid, as written there.
// A share's row of the list from its ledger: "" leaves a cell blank for the pen.
struct ShareBuyer {
    std::string name, telephone, paid;
    std::string winnings, received;  // once the result is confirmed: its part, and what was paid out
    friend bool operator==(const ShareBuyer&, const ShareBuyer&) = default;
};

inline constexpr int kDesignMargin = 16;
inline constexpr int kMaxMargin = 20;
inline constexpr double kMarkAdjustmentInch = 0.01;

struct CertificateTemplate {
    std::map<std::string, std::string, std::less<>> captions;  // label and panel texts
    const std::string& caption(std::string_view name) const;   // "" for a control without text

    Rgb couponColour{0, 0, 255};  // `kupongen`: blue, red or teal by coupon type
    Rgb panel3Colour = kYellow;
    Rgb blockColour = kYellow;  // frames, headers and footers of the system block
    Rgb cellColour = kPaleYellow;  // cells of the system block and of the share list

    std::array<std::string, kMatches> matchTexts;
    std::string roundText;  // heading of the match list
    std::array<SignMask, kMatches> stemMarks{};
    std::string stemKinds = std::string(kMatches, ' ');
    CouponSet coupons{};
    std::array<std::int64_t, kCoupons> rowCounts{};
    std::int64_t stemRows = 0;
    int shares = 0;

    int margin = kDesignMargin;   // layout units
    double markAdjustment = 0.0;  // inch, added to every text of the system block
    std::string serialNumber;     // as the main window shows it
    GameWeek week;                // the syndicate's game week, for the shares' codes
    std::string onlineFileName;   // without its directory

    // Share i at index i - 1; empty (or shorter, or empty rows) leaves the cells blank
    // for the agent's pen.
    std::vector<ShareBuyer> buyers;
    const ShareBuyer* buyerOf(int share) const;
};

}  // namespace andel
