#pragma once
// What an online file was made for: the stem, the coupons, coupon type, time basis, row
// price, number of shares and the player. A change of any of them forgets the online
// file, so that no certificate is printed under the serial number of another system.
#include "workbench/recompute.h"
#include "workbench/workbench_state.h"

#include <utility>

namespace andel {

struct Syndicate {
    TextGrid<kStemGridRows, kStemGridColumns> stemGrid;
    TextGrid<kCouponGridRows, kCouponGridColumns> couponGrid;
    int kupongtype = 0, pauseordiner = 0;
    std::string rowPrice;
    std::string shares, sharesInPreview;
    std::string xfornavn, etternavn, spillenummer;
    bool operator==(const Syndicate&) const = default;
};
Syndicate syndicateOf(const WorkbenchState& state);

// The coupons in the coupon grid can be played: every coupon holds 3 to 486 rows. The
// three commands are disabled by this rule and the make command refuses by it.
bool couponsPlayable(const WorkbenchState& state);

// Runs one change of the state. When the syndicate differs afterwards and the step did
// not itself set the online file (making it, loading a stored syndicate), the online file
// is forgotten.
template <typename Step>
void changeSyndicate(WorkbenchState& state, Step&& step) {
    const Syndicate before = syndicateOf(state);
    const OnlineFileStatus online = state.online;
    std::forward<Step>(step)(state);
    if (syndicateOf(state) != before && state.online == online) forgetOnlineFile(state);
}

}  // namespace andel
