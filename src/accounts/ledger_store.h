#pragma once
// The ledgers of the working directory: one file per syndicate in andelsregnskap/, found
// by the online file's serial number, read whole and replaced atomically. Every change
// is made under the ledger lock, on the file as it stands under the lock, so two
// programs changing ledgers at once never lose each other's changes. A damaged file is
// reported by its name and only replaced when the agent agrees.
#include "accounts/ledger.h"
#include "accounts/ledger_file.h"
#include "platform/file_lock.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "settings/settings_store.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace andel {

std::filesystem::path ledgerDirectory(const Workspace& workspace);
std::filesystem::path ledgerPath(const Workspace& workspace, const SyndicateFacts& facts);

// The lock every writer of ledgers holds, tool and window alike: "andelsregnskap/REGNSKAP.LCK".
inline constexpr std::string_view kLedgerLockName = "REGNSKAP.LCK";

// Holds the ledger lock for its lifetime. A holder that keeps it waits up to about five
// seconds, then throws IoError saying the ledgers are in use; a directory that takes no
// files throws at once.
class LedgerLock {
public:
    explicit LedgerLock(const Workspace& workspace, const WaitFunction& wait = sleepMilliseconds);

private:
    std::unique_ptr<ExclusiveFileLock> lock_;
};

// Reads a ledger; a missing, oversized or damaged file, or one whose name gives another
// serial number or week than its contents, throws IoError naming the file.
Ledger loadLedger(const std::filesystem::path& path);

// Writes the ledger over its file in one step under a temporary name of its own (the
// old file stays whole until then). A ledger too large to be read back is refused.
// The caller holds the ledger lock.
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

// One change of a ledger: under the lock, the ledger of the serial number is read anew,
// `step` changes it (or returns the message that says why it will not) and the result
// is saved. Returns the refusal, "" when saved (or nothing changed); `before` and `after` receive the ledger
// as read under the lock and as it stands now. A missing ledger is a refusal.
using LedgerStep = std::function<std::string(Ledger&)>;
struct LedgerChange {
    std::string refused;
    std::optional<Ledger> before, after;
};
LedgerChange changeLedger(const Workspace& workspace, const std::string& serialNumber, const LedgerStep& step,
                          const WaitFunction& wait = sleepMilliseconds);

std::string noLedgerMessage(const std::string& serialNumber);

enum class LedgerOpening {
    Created,   // a new ledger with empty shares
    Existing,  // the syndicate already had one
    Refused,   // its serial number's ledger belongs to another syndicate (the message said so)
    Kept,      // its file is damaged and the agent chose to keep it
};

// The ledger of the syndicate, made when its serial number has none. An existing ledger
// whose week, coupon type, time basis, shares or coupons differ is refused with a
// message naming the difference; a damaged one is replaced by an empty ledger only when
// the agent answers Yes.
LedgerOpening openLedger(const Workspace& workspace, const SyndicateFacts& facts, Messages& messages);

// Why a ledger cannot be used for the syndicate; "" when it can.
std::string ledgerMismatch(const Ledger& ledger, const SyndicateFacts& facts);

// The other ledgers that are not voided and play the same coupons in the same week,
// coupon type and time basis: a syndicate whose online file was made again.
std::vector<Ledger> earlierLedgersOfSyndicate(const Workspace& workspace, const SyndicateFacts& facts);

}  // namespace andel

namespace andel {
struct WorkbenchState;
// After an online file was made for the syndicate in hand: opens its ledger, and asks
// whether the ledger of an earlier online file of the same syndicate and week shall be
// voided. A refusal or a file error is shown; it never undoes the made online file.
void openLedgerAfterOnlineFile(const WorkbenchState& state, const Workspace& workspace, Messages& messages);
}  // namespace andel
