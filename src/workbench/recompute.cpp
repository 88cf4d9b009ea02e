#include "workbench/recompute.h"

#include "model/coupon.h"
#include "model/coupon_type.h"
#include "model/pricing.h"
#include "model/stem_analysis.h"
#include "model/text.h"
#include "workbench/prize_counting.h"
#include "workbench/stem_editing.h"

namespace andel {

void recomputeSystem(WorkbenchState& state) {
    const KindCounts kinds = gridKindCounts(state);
    state.panelsikre = std::to_string(kinds.sure);
    state.panelhalve = std::to_string(kinds.halfGuarded);
    state.panelhele = std::to_string(kinds.fullyGuarded);
    const RowCounts counts = rowCounts(kinds);
    state.stemRows = formatAmount(counts.stemRows);
    state.rekkertotalt = formatAmount(counts.totalRows);
    state.reductionLine = state.stemRows + " rekker er redusert til :   " + state.rekkertotalt + " rekker";
    recomputePrice(state);

    const StemAnalysis analysis = analyseStem(stemOf(state));
    for (int m = 0; m < kMatches; ++m) {
        const int row = m + 1;
        state.couponGrid.at(1, row) = std::string(1, analysis.kind[m]);
        state.couponGrid.at(2, row) = std::to_string(analysis.position[m]);
        state.couponGrid.at(3, row) = std::to_string(analysis.mask[m]);
    }

    const CouponSet coupons = expandCoupons(analysis);
    std::int64_t rows = 0;
    for (int c = 0; c < kCoupons; ++c) {
        const int column = kFirstCouponColumn + c;
        for (int m = 0; m < kMatches; ++m) {
            state.couponGrid.at(column, m + 1) = std::string(1, static_cast<char>('0' + coupons[c].masks[m]));
        }
        rows = rowsOf(coupons[c]);
        const std::string rowsText = std::to_string(rows);
        state.rowsPerCouponFields[c] = rowsText;
        state.couponGrid.at(column, kRowsPerCouponRow) = rowsText;
        if (c == 0) state.pictureRows = rowsText;
    }
    state.couponLine = "9  X " + std::to_string(rows) + " rekkers kuponger";
    state.rowsTooMany = rows > kMaxPlayableRows;
    state.commandsEnabled = isPlayable(rows);
}

void recomputePrice(WorkbenchState& state) {
    const TimeBasis basis = timeBasisFromIndex(state.pauseordiner);
    const std::int64_t rows = parseAmount(state.rekkertotalt);
    const std::int64_t rowPrice = state.comborekkeprisIndex >= 0 &&
                                          state.comborekkeprisIndex < static_cast<int>(state.comborekkepris.size())
                                      ? parseAmount(state.comborekkepris[state.comborekkeprisIndex])
                                      : 0;
    const std::int64_t total = stake(rows, rowPrice, basis);
    state.panelinnsatstotalt = state.panelinnsatstotalt2 = formatAmount(total);
    state.panelprisprandel = state.panelprisprandel2 = formatAmount(pricePerShare(total, sharesOf(state)));
}

int sharesOf(const WorkbenchState& state) {
    if (state.antallandeler < 0 || state.antallandeler >= static_cast<int>(state.shareItems.size())) return 0;
    return static_cast<int>(parseAmount(state.shareItems[state.antallandeler]));
}

void forgetOnlineFile(WorkbenchState& state) { state.online = OnlineFileStatus{}; }

void chooseShares(WorkbenchState& state, int index) {
    forgetOnlineFile(state);
    state.antallandeler = index;
    state.antallandeler2 = index;
    recomputePrice(state);
    recountPrizes(state);
}

void chooseSharesInPreview(WorkbenchState& state, int index) {
    // Setting the main selector is a change of the number of shares like any other.
    chooseShares(state, index);
}

std::vector<std::string> shareSelectorItems() {
    std::vector<std::string> items;
    for (int shares = kMinShares; shares <= kMaxShares; ++shares) items.push_back("   " + std::to_string(shares));
    return items;
}

WorkbenchState initialWorkbenchState() {
    WorkbenchState state;
    forgetOnlineFile(state);
    state.kupongtype = static_cast<int>(CouponType::Saturday);
    state.shareItems = shareSelectorItems();
    state.comborekkeprisIndex = 0;
    state.pauseordiner = static_cast<int>(TimeBasis::Ordinary);
    state.antallandeler = state.antallandeler2 = kDefaultShares - 1;
    putStem(state, defaultStem());
    recomputeSystem(state);
    return state;
}

}  // namespace andel
