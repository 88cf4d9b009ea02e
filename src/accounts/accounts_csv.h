#pragma once
// CSV for a Norwegian spreadsheet: UTF-8 with a byte-order mark, ";" between fields,
// "," as the decimal sign, CR LF line ends. A field holding ";", a quotation mark or a
// line break is quoted; one that begins with "=", "+", "-", "@", a tab or a CR (and is not
// a plain number) gets a leading "'", so that no spreadsheet runs it as a formula.
#include "accounts/accounts_report.h"

#include <string>

namespace andel {

std::string csvLines(const std::vector<Fields>& rows);

// A heading line, one line per share with its note and winnings, the total line, then
// the syndicate's facts and result as key;value lines.
std::string ledgerCsv(const Ledger& ledger, const LedgerResult& result);
// A heading line, one line per syndicate (oldest first), then the total line.
std::string seasonCsv(const Season& season);

}  // namespace andel
