#include "accounts/accounts_report.h"

#include "model/text.h"

namespace andel {
namespace {

std::string amount(std::int64_t value, AmountStyle style) {
    return style == AmountStyle::Grouped ? formatAmount(value) : std::to_string(value);
}
std::string optionalAmount(const std::optional<std::int64_t>& value, AmountStyle style) {
    return value ? amount(*value, style) : std::string();
}
std::string optionalDate(const std::optional<LedgerDate>& date) { return date ? ledgerDateText(*date) : std::string(); }

}  // namespace

std::vector<std::pair<std::string, std::string>> ledgerFacts(const Ledger& ledger, const LedgerWinnings& w) {
    const SyndicateFacts& f = ledger.facts;
    const auto known = [&](std::int64_t value) { return w.known ? formatAmount(value) : std::string("-"); };
    return {
        {"serial", f.serialNumber},
        {"week", weekText(f.week)},
        {"type", std::string(couponTypeText(f.couponType))},
        {"rows", formatAmount(f.rows)},
        {"stake", formatAmount(f.stake)},
        {"shares", std::to_string(f.shares)},
        {"per-share", formatAmount(f.pricePerShare)},
        {"result", w.known ? w.resultSigns : "-"},
        {"right12", known(w.right12)},
        {"right11", known(w.right11)},
        {"right10", known(w.right10)},
        {"prize", known(w.prize)},
        {"prize-per-share", known(w.perShare)},
        {"remainder", known(w.remainder)},
    };
}

Fields ledgerHeading() {
    return {"Andel", "Navn", "Telefon", "Spillenummer", "Betalt", "Betalt dato", "Utbetalt", "Utbetalt dato"};
}

Fields shareFields(int share, const ShareEntry& e, AmountStyle style) {
    return {std::to_string(share),         e.name,
            e.telephone,                   e.playerNumber,
            optionalAmount(e.paid, style), optionalDate(e.paidOn),
            optionalAmount(e.paidOut, style), optionalDate(e.paidOutOn)};
}

Fields seasonHeading() {
    return {"Uke",      "Kupongtype", "Rekker",   "Innsats",         "Solgte andeler", "12 rette",
            "11 rette", "10 rette",   "Premie",   "Premie pr andel", "Avkastning %"};
}

Fields seasonFields(const SeasonRow& row, AmountStyle style) {
    const LedgerWinnings& w = row.winnings;
    const auto known = [&](std::int64_t value) { return w.known ? amount(value, style) : std::string("-"); };
    return {weekText(row.week),
            std::string(couponTypeText(row.couponType)),
            amount(row.rows, style),
            amount(row.stake, style),
            std::to_string(row.sold),
            known(w.right12),
            known(w.right11),
            known(w.right10),
            known(w.prize),
            known(w.perShare),
            w.known ? returnOnStakeText(w.prize, row.stake) : "-"};
}

Fields seasonTotalFields(const SeasonTotals& t, AmountStyle style) {
    return {"total",
            "",
            amount(t.rows, style),
            amount(t.stake, style),
            std::to_string(t.sold),
            amount(t.right12, style),
            amount(t.right11, style),
            amount(t.right10, style),
            amount(t.prize, style),
            "",
            returnOnStakeText(t.prize, t.stake)};
}

LedgerTotals ledgerTotals(const Ledger& ledger, const LedgerWinnings& winnings) {
    LedgerTotals t;
    t.shares = ledger.facts.shares;
    t.prize = winnings.known ? winnings.prize : 0;
    for (const ShareEntry& e : ledger.entries) {
        if (e.hasBuyer()) ++t.sold;
        if (e.paid) {
            ++t.paidShares;
            t.paid += *e.paid;
        } else if (e.hasBuyer()) {
            t.outstanding += ledger.facts.pricePerShare;
        }
        if (e.paidOut) {
            ++t.paidOutShares;
            t.paidOut += *e.paidOut;
        }
        if (winnings.known && winnings.perShare > e.paidOut.value_or(0)) {
            t.toPayOut += winnings.perShare - e.paidOut.value_or(0);
        }
    }
    return t;
}

}  // namespace andel
