#pragma once
// The ledger and the season as rows of text fields: the command-line tool prints them,
// the CSV export writes them, the windows show them.
#include "accounts/ledger.h"
#include "accounts/ledger_winnings.h"
#include "accounts/season.h"

#include <string>
#include <utility>
#include <vector>

namespace andel {

using Fields = std::vector<std::string>;

// How amounts are written: grouped by thousands as the program shows them ("2.916"),
// or plain digits for a spreadsheet ("2916").
enum class AmountStyle { Grouped, Plain };

// The syndicate's facts and winnings as key/value pairs, in the order `ledger show` prints.
std::vector<std::pair<std::string, std::string>> ledgerFacts(const Ledger& ledger, const LedgerWinnings& winnings);

Fields ledgerHeading();
Fields shareFields(int share, const ShareEntry& entry, AmountStyle style);

Fields seasonHeading();
Fields seasonFields(const SeasonRow& row, AmountStyle style);
Fields seasonTotalFields(const SeasonTotals& totals, AmountStyle style);

struct LedgerTotals {
    int shares = 0, sold = 0, paidShares = 0, paidOutShares = 0;
    std::int64_t paid = 0, outstanding = 0, prize = 0, paidOut = 0, toPayOut = 0;
};
// Sold: shares with a buyer. Outstanding: the price of the sold shares not yet paid.
// To pay out: each share's part of a known prize less what it has been paid out.
LedgerTotals ledgerTotals(const Ledger& ledger, const LedgerWinnings& winnings);

}  // namespace andel
