#pragma once
// The ledgers as the windows and the tool find and list them: each folded from the books
// (books/journal) at the moment it is asked for, inside one read, so what is shown is
// never an older copy. Changes go through the money rules (books/books_rules).
#include "books/books_rules.h"
#include "books/ledger.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <optional>
#include <string>
#include <vector>

namespace andel {

struct WorkbenchState;

struct LedgerListing {
    std::vector<Ledger> ledgers;       // newest week first, then by serial number
    std::vector<std::string> damaged;  // kept for the callers that report what could not be read
};
// The books' first use brings ledger files of the old kind in and tells `messages` so.
LedgerListing listLedgers(const Workspace& workspace, Messages* messages = nullptr);

// The ledger of a serial number (the newest week when the number came round again).
std::optional<Ledger> findLedger(const Workspace& workspace, const std::string& serialNumber);

// The ledger of a syndicate of the books, folded as it stands now.
std::optional<Ledger> findLedgerById(const Workspace& workspace, std::int64_t id);

std::string noLedgerMessage(const std::string& serialNumber);

// Why a ledger cannot be used for the syndicate; "" when it can.
std::string ledgerMismatch(const Ledger& ledger, const SyndicateFacts& facts);

// The ledger of the syndicate, made when its serial number and week have none; a refusal is
// shown.
LedgerOpening openLedger(const Workspace& workspace, const SyndicateFacts& facts, Messages& messages);

// The other ledgers that are not voided and play the same coupons in the same week,
// coupon type and time basis: a syndicate whose online file was made again.
std::vector<Ledger> earlierLedgersOfSyndicate(const Workspace& workspace, const SyndicateFacts& facts);

// Voids the ledger (refusals shown), then, when its online file still lies where the
// terminal reads online files, asks whether to move it into the subfolder ANNULLERT, so it
// can never be played. The question comes after the voiding is recorded, never inside it.
// Returns whether the ledger was voided.
bool voidLedgerAndOnlineFile(const Workspace& workspace, const std::string& serialNumber, const std::string& reason,
                             Messages& messages, bool askFirst = true);
// The second half of it, for a ledger voided already: the question and the move.
void putAwayVoidedOnlineFile(const Workspace& workspace, const Ledger& voided, Messages& messages, bool askFirst = true);

// After an online file was made for the syndicate in hand: opens its ledger, and asks
// whether the ledger of an earlier online file of the same syndicate and week shall be
// voided. A refusal or a file error is shown; it never undoes the made online file.
// `earlier` says what to do with an earlier ledger: ask (the window), void it and put its
// online file away, or keep it and say in one line how to void it (the tool without
// --annuller-tidligere, which cannot answer a question).
enum class EarlierLedger { Ask, Void, Keep };
void openLedgerAfterOnlineFile(const WorkbenchState& state, const Workspace& workspace, Messages& messages,
                               EarlierLedger earlier = EarlierLedger::Ask);

}  // namespace andel
