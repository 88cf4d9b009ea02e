#pragma once
// The ledger and the season as rows of text fields: the command-line tool prints them,
// the CSV export writes them, the windows show them.
#include "books/book_event.h"
#include "books/ledger.h"
#include "books/ledger_winnings.h"
#include "accounts/season.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace andel {

using Fields = std::vector<std::string>;

// How amounts are written: grouped by thousands as the program shows them ("2.916"),
// or plain digits for a spreadsheet ("2916").
enum class AmountStyle { Grouped, Plain };
std::string styledAmount(std::int64_t value, AmountStyle style);

// The syndicate's facts, winnings and state as key/value pairs, in the order `ledger show`
// prints: the result is the confirmed one when final, else the history's forecast.
std::vector<std::pair<std::string, std::string>> ledgerFacts(const Ledger& ledger, const LedgerResult& result);
// The same facts in the same order as the agent reads them in an exported spreadsheet:
// Norwegian labels ("Serienummer", "Premie pr andel") and the state in words ("Godkjent").
std::vector<std::pair<std::string, std::string>> ledgerFactLines(const Ledger& ledger, const LedgerResult& result);

// `ledger list`: serial, week, coupon type, player, state, "shares N", "sold S", "paid P".
Fields ledgerListFields(const Ledger& ledger);

// "1X21X21X21X2 250.000 1.500 126" (and " pause ..." for BEGGE): the history's results
// and prizes, "-" for a result it does not hold.
std::string historyRoundsText(const HistoryRounds& history);

Fields ledgerHeading();
Fields shareFields(int share, const ShareEntry& entry, AmountStyle style);

// The season: serial, week, type, rows, stake, sold, 12/11/10 right, prize, per share,
// paid back in percent and the result in kroner ("-" while the round's result is not
// known); the total counts the paid back and the result over the rounds with a result and
// ends with "open N".
Fields seasonHeading();
Fields seasonFields(const SeasonRow& row, AmountStyle style);
Fields seasonTotalFields(const SeasonTotals& totals, AmountStyle style);
// The money of a round beside those, as the season window shows it: paid in for the
// shares, unsold shares, paid out, and whether its result is confirmed, a forecast from
// the history, or not known.
Fields seasonMoneyHeading();
Fields seasonMoneyFields(const SeasonRow& row, AmountStyle style);
Fields seasonMoneyTotalFields(const SeasonTotals& totals, AmountStyle style);

// A share's part of the prize: the prize per share for a share with a buyer once the
// result is known (a forecast until it is confirmed); nothing otherwise.
std::optional<std::int64_t> shareWinnings(const ShareEntry& entry, const LedgerWinnings& winnings);

struct LedgerTotals {
    int shares = 0, sold = 0, paidShares = 0, paidOutShares = 0;
    std::int64_t paid = 0, outstanding = 0, prize = 0, paidOut = 0, toPayOut = 0, overpaid = 0;
};
// Sold: shares with a buyer. Outstanding: what is missing of the price on each sold share.
// To pay out: each sold share's part of a known prize less what it has been paid out.
// Overpaid: what shares were paid out beyond their part of the prize (a confirmed prize
// lowered after the payouts).
LedgerTotals ledgerTotals(const Ledger& ledger, const LedgerWinnings& winnings);

// One event of the books as the tool's history lists it: its number, the business day,
// when it was recorded and by whom, the serial number and share, the kind, the amount in
// kroner and what happened (with the reason of a correction).
std::vector<Fields> eventRows(const std::vector<BookEvent>& events, const std::map<std::int64_t, std::string>& serialOf);

}  // namespace andel
