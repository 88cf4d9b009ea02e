#pragma once
// A share paid from its buyer's winnings in other shares ("betalt fra saldo") changes two
// or more ledger files. The transfer is written to a journal first
// (andelsregnskap/SALDO.TXT), then to each ledger, then the journal is removed. A
// transfer a crash left half done is finished by the next change of any ledger, so a win
// is never spent without the payment it made, nor a payment made without its win.
#include "accounts/ledger.h"
#include "platform/workspace.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

inline constexpr std::string_view kTransferJournalName = "SALDO.TXT";

struct BalanceTransfer {
    enum class Kind { Pay, Undo };
    Kind kind = Kind::Pay;
    LedgerDate on;
    std::string serialNumber;  // the share paid from the balance
    int share = 0;
    std::vector<BalanceLink> sources;  // the winning shares and what each gave
    std::int64_t total() const;
    friend bool operator==(const BalanceTransfer&, const BalanceTransfer&) = default;
};

std::string encodeTransfer(const BalanceTransfer& transfer);
// Nothing for a journal that is not whole (the reader of untrusted bytes).
std::optional<BalanceTransfer> decodeTransfer(std::string_view bytes);

// Each side of a transfer on its own ledger; a side already done is left as it is, so a
// transfer can be carried out again after a crash. Each leaves a history line.
void applyPaidSide(Ledger& ledger, const BalanceTransfer& transfer);
void applyWinningSide(Ledger& ledger, const BalanceTransfer& transfer, const BalanceLink& source);

// The caller holds the ledger lock and has checked the money rules: journal, ledgers,
// journal removed. A missing ledger or a file error throws IoError and leaves the
// journal for the next change to finish.
void carryOutTransfer(const Workspace& workspace, const BalanceTransfer& transfer);
// The caller holds the ledger lock: finishes a transfer a crash left in the journal.
void finishPendingTransfer(const Workspace& workspace);

}  // namespace andel
