#include "accounts/accounts_report.h"

#include "books/ledger_fold.h"
#include "model/text.h"

#include <algorithm>

namespace andel {
std::string styledAmount(std::int64_t value, AmountStyle style) {
    return style == AmountStyle::Grouped ? formatAmount(value) : std::to_string(value);
}

namespace {

std::string amount(std::int64_t value, AmountStyle style) { return styledAmount(value, style); }
std::string optionalAmount(const std::optional<std::int64_t>& value, AmountStyle style) {
    return value ? amount(*value, style) : std::string();
}
std::string optionalDate(const std::optional<LedgerDate>& date) { return date ? ledgerDateText(*date) : std::string(); }

}  // namespace

std::vector<std::pair<std::string, std::string>> ledgerFacts(const Ledger& ledger, const LedgerResult& result) {
    const SyndicateFacts& f = ledger.facts;
    const LedgerWinnings& w = result.winnings;
    const auto known = [&](std::int64_t value) { return w.known ? formatAmount(value) : std::string("-"); };
    std::vector<std::pair<std::string, std::string>> facts = {
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
    if (f.timeBasis == TimeBasis::Both) {
        facts.emplace_back("prize-fulltime", known(w.fullTime.prize));
        facts.emplace_back("prize-halftime", known(w.halfTime.prize));
        // Each result's own counts: the half time's rows right beside its prize.
        facts.emplace_back("result-halftime", w.known ? w.halfTime.resultSigns : "-");
        facts.emplace_back("right12-halftime", known(w.halfTime.right12));
        facts.emplace_back("right11-halftime", known(w.halfTime.right11));
        facts.emplace_back("right10-halftime", known(w.halfTime.right10));
    }
    const LedgerState state = ledgerState(ledger);
    facts.emplace_back("state", std::string(ledgerStateWord(state)));
    if (state == LedgerState::Final) facts.emplace_back("confirmed", ledgerDateText(ledger.confirmed->on));
    if (ledger.saleClosed) facts.emplace_back("sale-closed", ledgerDateText(*ledger.saleClosed));
    // Shares by number: held by the agent, paid from the buyer's balance, winnings that paid other shares.
    std::string agent, fromBalance, toBalance;
    for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
        const ShareEntry& e = ledger.entries[i];
        const auto add = [&](std::string& list, bool when) { if (when) list += (list.empty() ? "" : " ") + std::to_string(i + 1); };
        add(agent, e.agentHeld);
        add(fromBalance, !e.paidFromBalance.empty());
        add(toBalance, !e.toBalance.empty());
    }
    if (!agent.empty()) facts.emplace_back("agent-shares", agent);
    if (!fromBalance.empty()) facts.emplace_back("paid-from-balance", fromBalance);
    if (!toBalance.empty()) facts.emplace_back("winnings-to-balance", toBalance);
    if (ledger.confirmed && result.historyDiffers) facts.emplace_back("history-differs", historyRoundsText(result.history));
    if (const LedgerTotals t = ledgerTotals(ledger, w); t.overpaid > 0) facts.emplace_back("overpaid", formatAmount(t.overpaid));
    return facts;
}

std::vector<std::pair<std::string, std::string>> ledgerFactLines(const Ledger& ledger, const LedgerResult& result) {
    static const std::pair<std::string_view, std::string_view> labels[] = {
        {"serial", "Serienummer"},
        {"week", "Uke"},
        {"type", "Kupongtype"},
        {"rows", "Rekker"},
        {"stake", "Innsats"},
        {"shares", "Andeler"},
        {"per-share", "Pris pr andel"},
        {"result", "Resultat"},
        {"right12", "12 rette"},
        {"right11", "11 rette"},
        {"right10", "10 rette"},
        {"prize", "Premie"},
        {"prize-per-share", "Premie pr andel"},
        {"remainder", "Rest (ikke fordelt)"},
        {"prize-fulltime", "Premie fulltid"},
        {"prize-halftime", "Premie pause"},
        {"result-halftime", "Resultat pause"},
        {"right12-halftime", "12 rette pause"},
        {"right11-halftime", "11 rette pause"},
        {"right10-halftime", "10 rette pause"},
        {"state", "Status"},
        {"confirmed", "Resultat godkjent"},
        {"sale-closed", "Salget stengt"},
        {"agent-shares", "Kommisjonærens andeler"},
        {"paid-from-balance", "Betalt fra saldo"},
        {"winnings-to-balance", "Gevinst til andre andeler"},
        {"history-differs", "Tippehistorikken viser nå"},
        {"overpaid", "Utbetalt for mye"},
    };
    std::vector<std::pair<std::string, std::string>> lines = ledgerFacts(ledger, result);
    for (auto& line : lines) {
        if (line.first == "state") line.second = std::string(ledgerStateText(ledgerState(ledger)));
        const auto* label = std::find_if(std::begin(labels), std::end(labels), [&](const auto& l) { return l.first == line.first; });
        if (label != std::end(labels)) line.first = std::string(label->second);
    }
    return lines;
}

std::string historyRoundsText(const HistoryRounds& history) {
    const auto round = [](const std::optional<ConfirmedRound>& r) {
        if (!r) return std::string("- - - -");
        return r->signs + " " + formatAmount(r->prize12) + " " + formatAmount(r->prize11) + " " +
               formatAmount(r->prize10);
    };
    std::string text = round(history.fullTime);
    if (history.halfTime) text += " pause " + round(history.halfTime);
    return text;
}

Fields ledgerListFields(const Ledger& ledger) {
    const LedgerTotals totals = ledgerTotals(ledger, {});
    const SyndicateFacts& f = ledger.facts;
    return {f.serialNumber,
            weekText(f.week),
            std::string(couponTypeText(f.couponType)),
            f.player,
            std::string(ledgerStateWord(ledgerState(ledger))),
            "shares " + std::to_string(totals.shares),
            "sold " + std::to_string(totals.sold),
            "paid " + std::to_string(totals.paidShares)};
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
    return {"Serienummer", "Uke",      "Kupongtype", "Rekker", "Innsats",         "Solgte andeler",  "12 rette",
            "11 rette",    "10 rette", "Premie",     "Premie pr andel", "Tilbakebetalt %", "Resultat kr"};
}

Fields seasonFields(const SeasonRow& row, AmountStyle style) {
    const LedgerWinnings& w = row.winnings;
    const auto known = [&](std::int64_t value) { return w.known ? amount(value, style) : std::string("-"); };
    return {row.serialNumber,
            weekText(row.week),
            std::string(couponTypeText(row.couponType)),
            amount(row.rows, style),
            amount(row.stake, style),
            std::to_string(row.sold),
            known(w.right12),
            known(w.right11),
            known(w.right10),
            known(w.prize),
            known(w.perShare),
            w.known ? paidBackText(w.prize, row.stake) : "-",
            known(w.prize - row.stake)};
}

Fields seasonTotalFields(const SeasonTotals& t, AmountStyle style) {
    const bool anyKnown = t.settled > 0;
    return {"total",
            "",
            "",
            amount(t.rows, style),
            amount(t.stake, style),
            std::to_string(t.sold),
            amount(t.right12, style),
            amount(t.right11, style),
            amount(t.right10, style),
            amount(t.prize, style),
            "",
            anyKnown ? paidBackText(t.settledPrize, t.settledStake) : "-",
            anyKnown ? amount(t.settledPrize - t.settledStake, style) : "-",
            "open " + std::to_string(t.open)};
}

Fields seasonMoneyHeading() { return {"Innbetalt", "Usolgte andeler", "Utbetalt", "Resultatet er"}; }

Fields seasonMoneyFields(const SeasonRow& row, AmountStyle style) {
    const LedgerWinnings& w = row.winnings;
    return {amount(row.paidIn, style), std::to_string(row.shares - row.sold), amount(row.paidOut, style),
            !w.known ? "ikke kjent" : w.confirmed ? "godkjent" : "foreløpig"};
}

Fields seasonMoneyTotalFields(const SeasonTotals& t, AmountStyle style) {
    return {amount(t.paidIn, style), std::to_string(t.unsold), amount(t.paidOut, style), ""};
}

std::optional<std::int64_t> shareWinnings(const ShareEntry& entry, const LedgerWinnings& winnings) {
    if (!winnings.known || !entry.hasBuyer()) return std::nullopt;
    return winnings.perShare;
}

LedgerTotals ledgerTotals(const Ledger& ledger, const LedgerWinnings& winnings) {
    LedgerTotals t;
    t.shares = ledger.facts.shares;
    t.prize = winnings.known ? winnings.prize : 0;
    for (const ShareEntry& e : ledger.entries) {
        if (e.sold()) {
            ++t.sold;
            t.outstanding += std::max<std::int64_t>(0, ledger.facts.pricePerShare - e.paid.value_or(0));
        }
        if (e.paid) {
            ++t.paidShares;
            t.paid += *e.paid;
        }
        if (e.paidOut) {
            ++t.paidOutShares;
            t.paidOut += *e.paidOut;
        }
        if (!winnings.known) continue;
        const std::int64_t out = e.paidOut.value_or(0);
        // Only a sold share paid in full is ever paid out: the agent's and the unpaid ones are not owed.
        const bool payable = e.sold() && e.paid.value_or(0) >= ledger.facts.pricePerShare;
        if (const auto part = shareWinnings(e, winnings); payable && part && *part > out) t.toPayOut += *part - out;
        if (out > winnings.perShare) t.overpaid += out - winnings.perShare;
    }
    return t;
}

Fields eventFields(const BookEvent& e, const std::map<std::int64_t, std::string>& serialOf, const std::string& text);

std::vector<Fields> eventRows(const std::vector<BookEvent>& events, const std::map<std::int64_t, std::string>& serialOf) {
    const std::vector<std::string> texts = eventTexts(events, serialOf);
    std::vector<Fields> rows;
    for (std::size_t i = 0; i < events.size(); ++i) rows.push_back(eventFields(events[i], serialOf, texts[i]));
    return rows;
}

Fields eventFields(const BookEvent& e, const std::map<std::int64_t, std::string>& serialOf, const std::string& text) {
    const auto serial = serialOf.find(e.syndicate);
    return {std::to_string(e.id),
            ledgerDateText(e.businessDate),
            e.recordedAt,
            e.agent,
            serial == serialOf.end() ? std::string() : serial->second,
            e.share ? std::to_string(e.share) : std::string(),
            std::string(eventKindWord(e.kind)),
            e.amountOre ? formatAmount(e.amountOre / kOrePerKrone) : std::string(),
            text};
}

}  // namespace andel
