#pragma once
// A payment from the balance as the old ledger files kept it: written to
// andelsregnskap/SALDO.TXT first, then to each ledger file. The books bring a transfer a
// crash left half done over finished (books/ledger_migration); nothing writes these any more.
#include "books/ledger.h"
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

}  // namespace andel
