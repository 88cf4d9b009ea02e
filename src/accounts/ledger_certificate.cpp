#include "accounts/ledger_certificate.h"

#include "books/ledger_edit.h"
#include "books/ledger_store.h"
#include "model/codepage.h"
#include "model/text.h"
#include "platform/io_error.h"

#include <algorithm>

namespace andel {
namespace {

// What fits in the cells in the list's 8-point type.
constexpr std::size_t kNameCharacters = 34, kTelephoneCharacters = 12;

// The first characters of a UTF-8 text (a Windows-1252 character is one character).
std::string firstCharacters(const std::string& text, std::size_t count) {
    const std::string bytes = toCp1252(text);
    return bytes.size() <= count ? text : fromCp1252(std::string_view(bytes).substr(0, count));
}

}  // namespace

std::vector<ShareBuyer> certificateBuyers(const Ledger& ledger) {
    std::vector<ShareBuyer> buyers;
    bool any = false;
    // Winnings are printed only on a result the agent confirmed, never on a forecast, and
    // only for a share paid in full: the only shares the books pay out.
    const std::optional<std::int64_t> part = confirmedPartPerShare(ledger);
    for (const ShareEntry& e : ledger.entries) {
        const bool wins = part && e.hasBuyer() && e.paid.value_or(0) >= ledger.facts.pricePerShare;
        ShareBuyer buyer{firstCharacters(e.name, kNameCharacters), firstCharacters(e.telephone, kTelephoneCharacters),
                         e.paid ? formatAmount(*e.paid) : std::string(),
                         wins ? formatAmount(*part) : std::string(),
                         e.paidOut ? formatAmount(*e.paidOut) + (e.paidOutOn ? " " + ledgerDateText(*e.paidOutOn) : "")
                                   : std::string()};
        any = any || !buyer.name.empty() || !buyer.telephone.empty() || !buyer.paid.empty() || !buyer.received.empty();
        buyers.push_back(std::move(buyer));
    }
    if (!any) buyers.clear();
    return buyers;
}

std::optional<std::vector<ShareBuyer>> ledgerBuyers(const WorkbenchState& state, const Workspace& workspace,
                                                    Messages& messages) {
    const auto facts = syndicateFactsOf(state);
    if (!facts) return std::vector<ShareBuyer>{};
    const std::string blankRows = "\rAndelsbrevene skrives ut uten kjøpere.";
    std::optional<Ledger> ledger;
    try {
        ledger = findLedger(workspace, facts->serialNumber);
    } catch (const IoError& error) {
        messages.inform(std::string(error.what()) + blankRows);
        return std::vector<ShareBuyer>{};
    }
    if (!ledger) {
        messages.inform("Fant ikke andelsregnskapet for onlinefilen med serienummer " + facts->serialNumber + "." +
                        blankRows);
        return std::vector<ShareBuyer>{};
    }
    const SyndicateFacts& made = ledger->facts;
    if (made.week != facts->week) {
        messages.inform("Onlinefilen med serienummer " + made.serialNumber + " ble laget for " + weekText(made.week) +
                        ", men andelslaget står nå på " + weekText(facts->week) +
                        ".\rAndelsbrevene skrives ikke ut: sett uken tilbake til " + weekText(made.week) +
                        ", eller lag en ny onlinefil.");
        return std::nullopt;
    }
    if (const std::string mismatch = ledgerMismatch(*ledger, *facts); !mismatch.empty()) {
        messages.inform(mismatch + "\rAndelsbrevene skrives ikke ut.");
        return std::nullopt;
    }
    if (ledger->voided) {
        messages.inform("Andelslaget med serienummer " + made.serialNumber + " ble annullert " +
                        ledgerDateText(ledger->voided->on) + " (" + ledger->voided->reason +
                        ").\rAndelsbrevene skrives ikke ut.");
        return std::nullopt;
    }
    return certificateBuyers(*ledger);
}

}  // namespace andel
