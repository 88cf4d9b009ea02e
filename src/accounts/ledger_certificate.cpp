#include "accounts/ledger_certificate.h"

#include "accounts/ledger_store.h"
#include "model/codepage.h"
#include "model/text.h"
#include "platform/file_io.h"
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
    for (const ShareEntry& e : ledger.entries) {
        ShareBuyer buyer{firstCharacters(e.name, kNameCharacters), firstCharacters(e.telephone, kTelephoneCharacters),
                         e.paid ? formatAmount(*e.paid) : std::string()};
        any = any || !buyer.name.empty() || !buyer.telephone.empty() || !buyer.paid.empty();
        buyers.push_back(std::move(buyer));
    }
    if (!any) buyers.clear();
    return buyers;
}

std::vector<ShareBuyer> ledgerBuyers(const WorkbenchState& state, const Workspace& workspace, Messages& messages) {
    const auto facts = syndicateFactsOf(state);
    if (!facts) return {};
    const auto path = ledgerPath(workspace, *facts);
    if (!fileExists(path)) return {};
    try {
        const Ledger ledger = loadLedger(path);
        if (const std::string mismatch = ledgerMismatch(ledger, *facts); !mismatch.empty()) {
            messages.inform(mismatch);
            return {};
        }
        return certificateBuyers(ledger);
    } catch (const IoError& error) {
        messages.inform(std::string(error.what()) + "\rAndelsbrevene skrives ut uten navn.");
        return {};
    }
}

}  // namespace andel
