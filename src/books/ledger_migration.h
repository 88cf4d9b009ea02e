#pragma once
// The books' first use in a working directory that kept its ledgers as files (versions 1
// to 3, andelsregnskap/REGNSKAP_*.TXT, and a payment from the balance that a crash left in
// SALDO.TXT): every ledger becomes a syndicate with opening events that give the same
// figures, all in one transaction, and the old files are kept untouched in a folder of
// their own. It happens once; the agent is told what was brought over.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace andel {

class Journal;
class Messages;
struct Ledger;

inline constexpr std::string_view kOldLedgerDirectory = "gamle regnskapsfiler";

void migrateLedgerFiles(Journal& journal, Messages* messages);

// One ledger as a file held it, brought into the books inside the caller's write: its
// syndicate (made on the earliest day the ledger names) and the opening events that give
// its figures. Payments from the balance name their winning shares by serial number in
// `idOfSerial`. Returns the syndicate's id.
std::int64_t bringLedgerIntoBooks(Journal& journal, const Ledger& ledger, const std::map<std::string, std::int64_t>& idOfSerial,
                                  const std::string& agent);

}  // namespace andel
