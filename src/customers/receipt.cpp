#include "customers/receipt.h"

#include "books/ledger_edit.h"
#include "model/share_code.h"
#include "printing/certificate_fill.h"

namespace andel {

std::string receiptRefusal(const Ledger& ledger, const std::vector<int>& shares) {
    if (shares.empty()) return "Velg minst én andel å skrive kvittering for.";
    if (std::string voided = refuseVoided(ledger); !voided.empty()) return voided;
    for (int share : shares) {
        if (std::string refused = checkShare(ledger, share); !refused.empty()) return refused;
        if (!ledger.entries[static_cast<std::size_t>(share - 1)].hasBuyer()) {
            return "Andel " + std::to_string(share) + " har ingen kjøper: kvittering skrives bare for en solgt andel.";
        }
        // A receipt is the customer's proof of having paid: none before anything is paid.
        if (!ledger.entries[static_cast<std::size_t>(share - 1)].paid) {
            return "Andel " + std::to_string(share) + " er ikke betalt: kvittering skrives først når andelen er betalt.";
        }
    }
    return {};
}

std::vector<ReceiptSlip> receiptSlips(const Ledger& ledger, const std::vector<int>& shares, const AgentProfile& agent,
                                      const LedgerDate& printedOn) {
    const SyndicateFacts& f = ledger.facts;
    std::vector<ReceiptSlip> slips;
    for (int share : shares) {
        const ShareEntry& entry = ledger.entries.at(static_cast<std::size_t>(share - 1));
        slips.push_back(ReceiptSlip{f.serialNumber, weekText(f.week), std::string(couponTypeText(f.couponType)),
                                    onlineFileNameOf(f.onlineFile), f.player, share, f.shares, entry, f.pricePerShare,
                                    entry.paid, entry.paidOn, agent, printedOn,
                                    shareCodeText(f.serialNumber, share, f.week)});
    }
    return slips;
}

std::string paymentText(const ReceiptSlip& slip) {
    if (!slip.paid) return "Ikke betalt";
    return kronerText(*slip.paid) + " betalt" + (slip.paidOn ? " " + ledgerDateText(*slip.paidOn) : std::string());
}

}  // namespace andel
