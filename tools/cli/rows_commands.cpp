// andelstipp-cli rows, check and analyse: a syndicate's rows out to a file, any file of
// rows checked against a result, and what a stem's system gives under every outcome.
#include "commands.h"
#include "model/stem_analysis.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "results/prize_payout.h"
#include "results/row_lines.h"
#include "results/system_analysis.h"
#include "stem_argument.h"
#include "stored_syndicate.h"
#include "workbench/recompute.h"
#include "workbench/selectors.h"
#include "workbench/stem_editing.h"

#include <cstdio>
#include <ostream>

namespace andel::cli {
namespace {

constexpr std::size_t kMaxRowFileBytes = 64u * 1024u * 1024u;

std::filesystem::path pathArgument(const std::string& text) { return std::filesystem::path(std::u8string(text.begin(), text.end())); }

std::string resultArgument(const std::string& text) {
    if (text.size() != kMatches || text.find_first_not_of("1X2") != std::string::npos) {
        throw UsageError("RESULT must be twelve signs 1, X and 2, not \"" + text + "\"");
    }
    return text;
}

// "0,125": three decimals with a decimal comma.
std::string decimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string shown = text;
    for (char& c : shown) {
        if (c == '.') c = ',';
    }
    return shown;
}

void printSpread(std::ostream& out, const char* scenario, const OutcomeSpread& spread, bool guarantee) {
    out << "scenario " << scenario << '\n' << "outcomes " << spread.outcomes << '\n';
    for (int k : {12, 11, 10}) out << "best " << k << ' ' << spread.best[static_cast<std::size_t>(k)] << '\n';
    out << "best-below-10 " << spread.bestBelow(10) << '\n';
    for (int k : {12, 11, 10}) out << "average " << k << ' ' << decimals(spread.averageRows(k)) << '\n';
    if (guarantee) out << "guarantee " << (spread.bestBelow(11) == 0 ? "holds" : "fails") << '\n';
}

}  // namespace

int runRows(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    const std::string layoutText = args.option("--layout").value_or("e");
    if (layoutText != "e" && layoutText != "plain") throw UsageError("--layout must be e or plain, not \"" + layoutText + "\"");
    WorkbenchState state = initialWorkbenchState();
    if (!loadStoredSyndicate(state, args.positionals()[0], context)) return 1;
    const CouponSet coupons = couponsOf(state);
    const RowsHeading heading{"TIPPING", trimBlanks(gameWeekTextOf(state)), std::string(couponTypeText(couponTypeOf(state)))};
    const std::string lines = rowLines(coupons, layoutText == "e" ? RowLayout::E : RowLayout::Plain, heading);
    if (const auto out = args.option("--out")) {
        replaceFile(pathArgument(*out), lines);
    } else {
        context.out << lines;
    }
    return 0;
}

int runCheck(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    const std::string result = resultArgument(args.positionals()[1]);
    const PrizeForecasts prizes{args.option("--p12").value_or("0"), args.option("--p11").value_or("0"),
                                args.option("--p10").value_or("0")};
    for (const std::string* prize : {&prizes.twelve, &prizes.eleven, &prizes.ten}) {
        if (prize->empty() || prize->find_first_not_of("0123456789.") != std::string::npos) {
            throw UsageError("a prize must be whole kroner, not \"" + *prize + "\"");
        }
    }
    const std::filesystem::path file = pathArgument(args.positionals()[0]);
    const auto bytes = readFileBytes(file, kMaxRowFileBytes);
    if (!bytes) {
        throw IoError(fileExists(file) ? "Rekkefilen " + pathText(file) + " er for stor eller kan ikke leses."
                                       : "Fant ikke rekkefilen " + pathText(file) + ".");
    }
    const RowCheck check = checkRowLines(*bytes, result);
    for (const std::string& skipped : check.skipped) context.messages.inform("Hoppet over " + skipped);
    for (int k = kMatches; k >= 0; --k) context.out << "right " << k << ' ' << check.count.rows[static_cast<std::size_t>(k)] << '\n';
    context.out << "rows " << check.rows << '\n'
                << "total " << formatAmount(prizePayout(check.count, prizes, 1).total) << '\n';
    return 0;
}

int runAnalyse(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    const Stem stem = stemArgument(args.positionals()[0]);
    const CouponSet coupons = expandCoupons(analyseStem(stem));
    const SystemAnalysis analysis = analyseSystem(coupons, stem.masks);
    printSpread(context.out, "all-right", analysis.allRight, true);
    printSpread(context.out, "one-wrong", analysis.oneWrong, false);
    printSpread(context.out, "two-wrong", analysis.twoWrong, false);
    return 0;
}

}  // namespace andel::cli
