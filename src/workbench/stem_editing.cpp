#include "workbench/stem_editing.h"

#include "model/text.h"
#include "workbench/prize_counting.h"
#include "workbench/recompute.h"

#include <algorithm>
#include <utility>

namespace andel {
namespace {

constexpr const char* kMark = "X";

bool validCell(int column, int row) { return column >= 1 && column <= 3 && row >= 1 && row <= kMatches; }

// The number of signs of a grid row, read as the window reads it: the row's cell texts
// put together.
std::size_t rowSignCount(const WorkbenchState& state, int row) {
    std::size_t length = 0;
    for (int column = 1; column <= 3; ++column) length += state.stemGrid.at(column, row).size();
    return length;
}

}  // namespace

KindCounts gridKindCounts(const WorkbenchState& state) {
    KindCounts counts;
    for (int row = 1; row <= kMatches; ++row) {
        switch (rowSignCount(state, row)) {
            case 1: ++counts.sure; break;
            case 2: ++counts.halfGuarded; break;
            case 3: ++counts.fullyGuarded; break;
            default: break;
        }
    }
    return counts;
}

Stem stemOf(const WorkbenchState& state) {
    Stem stem;
    for (int row = 1; row <= kMatches; ++row) {
        SignMask mask = 0;
        for (int column = 1; column <= 3; ++column) {
            if (!state.stemGrid.at(column, row).empty()) mask |= kSignBits[column - 1];
        }
        stem.masks[row - 1] = mask;
    }
    return stem;
}

void putStem(WorkbenchState& state, const Stem& stem) {
    for (int row = 1; row <= kMatches; ++row) {
        for (int column = 1; column <= 3; ++column) {
            const bool marked = (stem.masks[row - 1] & kSignBits[column - 1]) != 0;
            state.stemGrid.at(column, row) = marked ? kMark : "";
        }
    }
}

CouponSet couponsOf(const WorkbenchState& state) {
    CouponSet coupons;
    for (int c = 0; c < kCoupons; ++c) {
        for (int m = 0; m < kMatches; ++m) {
            const auto value = parseAmount(state.couponGrid.at(kFirstCouponColumn + c, m + 1));
            coupons[c].masks[m] = static_cast<SignMask>(std::min<std::int64_t>(value, 255));
        }
    }
    return coupons;
}

void toggleStemCell(WorkbenchState& state, int column, int row) {
    if (!validCell(column, row)) return;
    forgetOnlineFile(state);
    std::string& cell = state.stemGrid.at(column, row);
    if (!cell.empty()) {
        if (rowSignCount(state, row) > cell.size()) cell.clear();  // never the match's last sign
    } else {
        cell = kMark;
    }
    if (gridKindCounts(state).fullyGuarded < kMinimumFullyGuarded) cell = kMark;
    recomputeSystem(state);
    recountPrizes(state);
}

void resetStemGrid(WorkbenchState& state) {
    putStem(state, resetStem());
    recomputeSystem(state);
    recountPrizes(state);
}

void startCouponDrag(WorkbenchState& state, int row) {
    state.dragging = true;
    state.dragRow = row;
}

void moveCouponDrag(WorkbenchState& state, int row) {
    if (!state.dragging || row == state.dragRow) return;
    const int from = state.dragRow;
    if (from < 1 || from > kMatches || row < 1 || row > kMatches) return;
    std::swap(state.couponGrid.at(1, from), state.couponGrid.at(1, row));
    std::swap(state.stemGrid.cells[from], state.stemGrid.cells[row]);
    state.dragRow = row;
}

void endCouponDrag(WorkbenchState& state) { state.dragging = false; }

}  // namespace andel
