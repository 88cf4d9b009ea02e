#include "workbench/syndicate_change.h"

#include "model/coupon.h"
#include "workbench/stem_editing.h"

namespace andel {
namespace {

std::string itemText(const std::vector<std::string>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

}  // namespace

Syndicate syndicateOf(const WorkbenchState& s) {
    return Syndicate{s.stemGrid,
                     s.couponGrid,
                     s.kupongtype,
                     s.pauseordiner,
                     itemText(s.comborekkepris, s.comborekkeprisIndex),
                     itemText(s.shareItems, s.antallandeler),
                     itemText(s.shareItems, s.antallandeler2),
                     s.xfornavn,
                     s.etternavn,
                     s.spillenummer};
}

bool couponsPlayable(const WorkbenchState& state) {
    for (const Coupon& coupon : couponsOf(state)) {
        if (!isPlayable(rowsOf(coupon))) return false;
    }
    return true;
}

}  // namespace andel
