#pragma once
// The ledger file: keyed text in a fixed order (a "#" key line, then its value line),
// Windows-1252 with CR LF, read back by position. The facts come first, then the confirmed
// result and the voiding, nine pairs per share, the history lines, then "#SLUTT", so a cut
// file is always noticed. Version 1 files (before results were confirmed) are still read.
#include "books/ledger.h"

#include <optional>
#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kLedgerDirectory = "andelsregnskap";
inline constexpr std::string_view kLedgerVersion = "3";

// "REGNSKAP_1042_UKE_50_2026.TXT": by serial number and week. The serial number alone
// finds a ledger; the week in the name must agree with the file's own.
std::string ledgerFileName(const SyndicateFacts& facts);

struct LedgerFileKey {
    std::string serialNumber;
    GameWeek week;
};
// The serial number and week a ledger file's name gives; nothing for another name.
std::optional<LedgerFileKey> ledgerFileKey(std::string_view fileName);

std::string encodeLedger(const Ledger& ledger);

// The ledger of the bytes, or the reason it cannot be read (a missing or unexpected
// key, a value out of range, too few or too many share entries, a cut file).
struct DecodedLedger {
    std::optional<Ledger> ledger;
    std::string fault;
};
DecodedLedger decodeLedger(std::string_view bytes);

}  // namespace andel
