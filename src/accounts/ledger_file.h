#pragma once
// The ledger file: keyed text in a fixed order (a "#" key line, then its value line),
// Windows-1252 with CR LF, read back by position. The facts come first, then nine pairs
// per share, then "#SLUTT", so a cut file is always noticed.
#include "accounts/ledger.h"

#include <optional>
#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kLedgerDirectory = "andelsregnskap";
inline constexpr std::string_view kLedgerVersion = "1";

// "REGNSKAP_1042_UKE_50_2026.TXT": by serial number and week.
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
