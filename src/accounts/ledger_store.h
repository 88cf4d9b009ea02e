#pragma once
// The ledgers of the working directory: one file per syndicate in andelsregnskap/,
// read whole and replaced atomically. A damaged file is reported by its name and only
// replaced when the agent agrees.
#include "accounts/ledger.h"
#include "accounts/ledger_file.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace andel {

std::filesystem::path ledgerDirectory(const Workspace& workspace);
std::filesystem::path ledgerPath(const Workspace& workspace, const SyndicateFacts& facts);

// Reads a ledger; a missing, oversized or damaged file throws IoError naming the file.
Ledger loadLedger(const std::filesystem::path& path);

// Writes the ledger over its file in one step (the old file stays whole until then).
void saveLedger(const Workspace& workspace, const Ledger& ledger);

struct LedgerListing {
    std::vector<Ledger> ledgers;       // newest week first, then by serial number
    std::vector<std::string> damaged;  // one message per file that could not be read
};
// Every ledger of the directory; files that cannot be read are named in `damaged`.
LedgerListing listLedgers(const Workspace& workspace);

// The ledger files by their names alone, newest week first, then by serial number: a
// list to choose from without reading every file.
struct LedgerFile {
    std::filesystem::path path;
    std::string serialNumber;
    GameWeek week;
};
std::vector<LedgerFile> ledgerFilesNewestFirst(const Workspace& workspace);

// The ledger of a serial number (the newest week when the number came round again);
// nothing when there is none. A damaged file of that number throws IoError.
std::optional<Ledger> findLedger(const Workspace& workspace, const std::string& serialNumber);

enum class LedgerOpening {
    Created,   // a new ledger with empty shares
    Existing,  // the syndicate already had one
    Refused,   // its ledger belongs to another syndicate (the message said so)
    Kept,      // its file is damaged and the agent chose to keep it
};

// The ledger of the syndicate, made when it has none. An existing ledger whose number
// of shares, coupon type or coupons differ is refused with a message; a damaged one is
// replaced by an empty ledger only when the agent answers Yes.
LedgerOpening openLedger(const Workspace& workspace, const SyndicateFacts& facts, Messages& messages);

// Why a ledger cannot be used for the syndicate; "" when it can.
std::string ledgerMismatch(const Ledger& ledger, const SyndicateFacts& facts);

}  // namespace andel

namespace andel {
struct WorkbenchState;
// After an online file was made for the syndicate in hand: opens its ledger. A refusal
// or a file error is shown; it never undoes the made online file.
void openLedgerAfterOnlineFile(const WorkbenchState& state, const Workspace& workspace, Messages& messages);
}  // namespace andel
