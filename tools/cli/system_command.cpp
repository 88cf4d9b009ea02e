// andelstipp-cli system: the recomputation of the main window on a stem given as masks.
#include "commands.h"
#include "model/coupon.h"
#include "model/coupon_type.h"
#include "model/text.h"
#include "stem_argument.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <ostream>

namespace andel::cli {
namespace {

TimeBasis parseBasis(const std::string& text) {
    for (int i = 0; i < kTimeBasisCount; ++i) {
        if (text == timeBasisText(timeBasisFromIndex(i))) return timeBasisFromIndex(i);
    }
    throw UsageError("--basis must be ORDINÆR, PAUSE or BEGGE, not \"" + text + "\"");
}

}  // namespace

int runSystem(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    const Stem stem = stemArgument(args.positionals()[0]);
    const TimeBasis basis = parseBasis(args.option("--basis").value_or("ORDINÆR"));
    const int rowPrice = parseNumber(args.option("--row-price").value_or("1"), 0, 999999, "--row-price");
    const int shares = parseNumber(args.option("--shares").value_or("5"), 1, 120, "--shares");

    WorkbenchState state = initialWorkbenchState();
    state.pauseordiner = static_cast<int>(basis);
    state.comborekkepris[0] = "  " + std::to_string(rowPrice);
    state.comborekkeprisIndex = 0;
    state.antallandeler = state.antallandeler2 = shares - 1;
    putStem(state, stem);
    recomputeSystem(state);

    std::ostream& out = context.out;
    std::string kinds, positions;
    for (int row = 1; row <= kMatches; ++row) {
        kinds += state.couponGrid.at(1, row);
        positions += (row > 1 ? " " : "") + state.couponGrid.at(2, row);
    }
    out << "kinds " << kinds << '\n' << "positions " << positions << '\n';
    const CouponSet coupons = couponsOf(state);
    for (int c = 0; c < kCoupons; ++c) out << "coupon " << c + 1 << ' ' << couponFileLine(coupons[c]) << '\n';
    out << "sikre " << state.panelsikre << '\n'
        << "halvgarderte " << state.panelhalve << '\n'
        << "hele " << state.panelhele << '\n'
        << "rows-per-coupon " << state.rowsPerCouponFields[0] << '\n'
        << "total-rows " << state.rekkertotalt << '\n'
        << "stem-rows " << state.stemRows << '\n'
        << "playable " << (state.commandsEnabled ? "yes" : "no") << '\n'
        << "stake " << state.panelinnsatstotalt << '\n'
        << "per-share " << state.panelprisprandel << '\n';
    return 0;
}

}  // namespace andel::cli
