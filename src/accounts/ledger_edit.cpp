#include "accounts/ledger_edit.h"

#include "model/text.h"
#include "register/customer_cells.h"

namespace andel {
namespace {

ShareEntry& entryOf(Ledger& ledger, int share) { return ledger.entries[static_cast<std::size_t>(share - 1)]; }

}  // namespace

ShareEntry buyerOf(const Tkunderec& customer) {
    ShareEntry buyer;
    buyer.name = trimBlanks(trimBlanks(customer.firstName) + " " + trimBlanks(customer.lastName));
    const std::uint32_t phone = customer.telephone1 ? customer.telephone1 : customer.telephone2;
    if (phone) buyer.telephone = trimBlanks(phoneCell(phone));
    if (customer.playerNumber) buyer.playerNumber = groupedPlayerNumber(std::to_string(customer.playerNumber));
    return buyer;
}

std::string checkShare(const Ledger& ledger, int share) {
    if (share < 1 || share > static_cast<int>(ledger.entries.size())) {
        return badShareMessage(share, static_cast<int>(ledger.entries.size()));
    }
    return {};
}

std::string setBuyer(Ledger& ledger, int share, const BuyerChange& change) {
    if (std::string refused = checkShare(ledger, share); !refused.empty()) return refused;
    ShareEntry& entry = entryOf(ledger, share);
    if (change.name) entry.name = trimBlanks(*change.name);
    if (change.telephone) entry.telephone = trimBlanks(*change.telephone);
    if (change.playerNumber) entry.playerNumber = trimBlanks(*change.playerNumber);
    if (change.note) entry.note = trimBlanks(*change.note);
    return {};
}

std::string markPaid(Ledger& ledger, int share, std::optional<std::int64_t> amount, std::optional<LedgerDate> date) {
    if (std::string refused = checkShare(ledger, share); !refused.empty()) return refused;
    ShareEntry& entry = entryOf(ledger, share);
    entry.paid = amount.value_or(ledger.facts.pricePerShare);
    entry.paidOn = date.value_or(todayLedgerDate());
    return {};
}

std::string markPaidOut(Ledger& ledger, int share, const LedgerWinnings& winnings, std::optional<std::int64_t> amount,
                        std::optional<LedgerDate> date) {
    if (std::string refused = checkShare(ledger, share); !refused.empty()) return refused;
    if (!winnings.known) return std::string(kPayoutBeforeResult);
    ShareEntry& entry = entryOf(ledger, share);
    entry.paidOut = amount.value_or(winnings.perShare);
    entry.paidOutOn = date.value_or(todayLedgerDate());
    return {};
}

std::string clearPaid(Ledger& ledger, int share) {
    if (std::string refused = checkShare(ledger, share); !refused.empty()) return refused;
    entryOf(ledger, share).paid.reset();
    entryOf(ledger, share).paidOn.reset();
    return {};
}

std::string clearPaidOut(Ledger& ledger, int share) {
    if (std::string refused = checkShare(ledger, share); !refused.empty()) return refused;
    entryOf(ledger, share).paidOut.reset();
    entryOf(ledger, share).paidOutOn.reset();
    return {};
}

}  // namespace andel
