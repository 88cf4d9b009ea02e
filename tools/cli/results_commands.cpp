// andelstipp-cli teams, result and prize: the team names of a game week, the round's
// result from the pools history, and the prize count, as the main window has them.
#include "commands.h"
#include "handover/team_names_file.h"
#include "model/text.h"
#include "results/prize_payout.h"
#include "results/round_result.h"

#include <ostream>
#include <regex>
#include <vector>

namespace andel::cli {
namespace {

// The option's value among the texts of an enumeration (CouponType, TimeBasis).
template <class Enum>
Enum parseChoice(const Arguments& args, const std::string& option, int count, std::string_view (*textOf)(Enum),
                 Enum (*fromIndex)(int)) {
    const auto value = args.option(option);
    std::string choices;
    for (int i = 0; i < count; ++i) {
        if (value == textOf(fromIndex(i))) return fromIndex(i);
        choices += std::string(i == 0 ? "" : i + 1 == count ? " or " : ", ") + std::string(textOf(fromIndex(i)));
    }
    if (!value) throw UsageError("option " + option + " is required");
    throw UsageError(option + " must be " + choices + ", not \"" + *value + "\"");
}

CouponType parseType(const Arguments& args) {
    return parseChoice(args, "--type", kCouponTypeCount, couponTypeText, couponTypeFromIndex);
}

GameWeek parseWeek(const Arguments& args) {
    const auto text = args.option("--week");
    if (!text) throw UsageError("option --week is required");
    static const std::regex form(R"( *UKE +(\d{1,2}) *- *(\d{4}) *)");
    std::smatch parts;
    if (!std::regex_match(*text, parts, form) || std::stoi(parts[1]) < 1 || std::stoi(parts[1]) > 53) {
        throw UsageError("--week must be a game week such as \" UKE 05 -2000\", not \"" + *text + "\"");
    }
    return GameWeek{std::stoi(parts[1]), std::stoi(parts[2]), {}};
}

// Twelve digits 0 to 7, one mask per match.
std::array<SignMask, kMatches> parseMasks(const std::string& text, const std::string& what) {
    std::array<SignMask, kMatches> masks{};
    bool ok = text.size() == kMatches;
    for (std::size_t m = 0; ok && m < text.size(); ++m) {
        ok = text[m] >= '0' && text[m] <= '7';
        if (ok) masks[m] = static_cast<SignMask>(text[m] - '0');
    }
    if (!ok) throw UsageError(what + " must be 12 digits 0 to 7 (H = 4, U = 2, B = 1), not \"" + text + "\"");
    return masks;
}

char resultCharacter(SignMask mask) {
    switch (mask) {
        case kHome: return '1';
        case kDraw: return 'X';
        case kAway: return '2';
        default: return '-';
    }
}

}  // namespace

int runTeams(const Arguments& args, Context& context) {
    args.expectPositionals(0, 0);
    const CouponType type = parseType(args);
    const GameWeek week = parseWeek(args);
    const TeamNamesLoad loaded = loadTeamNames(context.workspace, context.messages, week, type);
    for (int m = 0; m < kMatches; ++m) {
        context.out << padLeft(std::to_string(m + 1), 3) << ". " << loaded.names[2 * m] << " - "
                    << loaded.names[2 * m + 1] << '\n';
    }
    context.out << "found " << (loaded.found ? "yes" : "no") << '\n';
    return 0;
}

int runResult(const Arguments& args, Context& context) {
    args.expectPositionals(0, 0);
    const CouponType type = parseType(args);
    const TimeBasis basis = parseChoice(args, "--basis", kTimeBasisCount, timeBasisText, timeBasisFromIndex);
    const GameWeek week = parseWeek(args);
    const RoundResult result = fetchRoundResult(context.workspace, context.messages, type, basis, week);
    ResultMasks grid{};
    applyRoundResult(result, grid);
    std::string signs;
    for (SignMask mask : grid) signs += resultCharacter(mask);
    context.out << "found " << (result.found ? "yes" : "no") << '\n'
                << "result " << signs << '\n'
                << "p12 " << result.forecasts.twelve << '\n'
                << "p11 " << result.forecasts.eleven << '\n'
                << "p10 " << result.forecasts.ten << '\n';
    return 0;
}

int runPrize(const Arguments& args, Context& context) {
    args.expectPositionals(2, 1 + kCoupons);
    const ResultMasks results = parseMasks(args.positionals()[0], "RESULT");
    std::vector<Coupon> coupons;
    for (std::size_t i = 1; i < args.positionals().size(); ++i) {
        coupons.push_back(Coupon{parseMasks(args.positionals()[i], "COUPON " + std::to_string(i))});
    }
    const PrizeForecasts forecasts{args.option("--p12").value_or("0"), args.option("--p11").value_or("0"),
                                   args.option("--p10").value_or("0")};
    const int shares = parseNumber(args.option("--shares").value_or("5"), 1, 120, "--shares");

    const PrizeCount count = countPrizes(coupons, results);
    const PrizePayout payout = prizePayout(count, forecasts, shares);
    for (int k = kMatches; k >= 0; --k) context.out << "right " << k << ' ' << count.rows[k] << '\n';
    context.out << "best " << count.best << '\n'
                << "wrong " << maskDigits(count.wrongSigns) << '\n'
                << "total " << formatAmount(payout.total) << '\n'
                << "per-share " << formatAmount(payout.perShare) << '\n';
    return 0;
}

}  // namespace andel::cli
