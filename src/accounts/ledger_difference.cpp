#include "accounts/ledger_difference.h"

#include "books/ledger_edit.h"

namespace andel {
namespace {

std::string moneyText(const std::optional<std::int64_t>& amount, const std::optional<LedgerDate>& on) {
    if (!amount) return "ingenting";
    return kronerText(*amount) + (on ? ", " + ledgerDateText(*on) : std::string());
}

}  // namespace

std::vector<std::string> ledgerDifferences(const Ledger& shown, const Ledger& now) {
    std::vector<std::string> lines;
    if (now.voided && !shown.voided) {
        lines.push_back("Andelslaget er annullert " + ledgerDateText(now.voided->on) + ": " + now.voided->reason);
    }
    if (now.confirmed != shown.confirmed) {
        lines.push_back(now.confirmed ? "Resultatet er godkjent " + ledgerDateText(now.confirmed->on) + ": " +
                                            now.confirmed->fullTime.signs
                                      : std::string("Det godkjente resultatet er fjernet"));
    }
    const std::size_t shares = std::min(shown.entries.size(), now.entries.size());
    for (std::size_t i = 0; i < shares; ++i) {
        const ShareEntry& a = shown.entries[i];
        const ShareEntry& b = now.entries[i];
        const std::string share = "Andel " + std::to_string(i + 1) + ": ";
        if (a.name != b.name || a.telephone != b.telephone || a.playerNumber != b.playerNumber) {
            lines.push_back(share + "kjøper " + (b.hasBuyer() ? b.name + " " + b.telephone + " " + b.playerNumber
                                                              : std::string("ingen")));
        }
        if (a.paid != b.paid || a.paidOn != b.paidOn) lines.push_back(share + "betalt " + moneyText(b.paid, b.paidOn));
        if (a.paidOut != b.paidOut || a.paidOutOn != b.paidOutOn) {
            lines.push_back(share + "utbetalt " + moneyText(b.paidOut, b.paidOutOn));
        }
        if (a.note != b.note) lines.push_back(share + "merknad \"" + b.note + "\"");
    }
    for (std::size_t i = shown.history.size(); i < now.history.size(); ++i) {
        if (now.history[i].text.rfind("Angret", 0) == 0) lines.push_back(now.history[i].text);
    }
    return lines;
}

}  // namespace andel
