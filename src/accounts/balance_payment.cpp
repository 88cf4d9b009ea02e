#include "accounts/balance_payment.h"

#include "accounts/buyer_key.h"
#include "accounts/ledger_edit.h"
#include "accounts/ledger_store.h"

#include <algorithm>
#include <tuple>

namespace andel {
namespace {

const Ledger* ledgerOf(const std::vector<Ledger>& ledgers, const std::string& serialNumber) {
    // Newest week first, as the listing gives them: the serial number's ledger now.
    for (const Ledger& ledger : ledgers) {
        if (ledger.facts.serialNumber == serialNumber) return &ledger;
    }
    return nullptr;
}

std::string shareName(int share) { return "Andel " + std::to_string(share); }

// The share that is to be paid, or why it cannot be paid from a balance.
std::string refusePaidShare(const Ledger* ledger, const std::string& serialNumber, int share) {
    if (!ledger) return noLedgerMessage(serialNumber);
    if (std::string refused = refuseVoided(*ledger); !refused.empty()) return refused;
    if (std::string refused = checkShare(*ledger, share); !refused.empty()) return refused;
    const ShareEntry& entry = ledger->entries[static_cast<std::size_t>(share - 1)];
    if (entry.agentHeld) return shareName(share) + " holdes av kommisjonæren og har ingen kunde å trekke fra.";
    if (!entry.hasBuyer()) return shareName(share) + " har ingen kjøper: velg kjøperen før andelen betales.";
    if (entry.paid) {
        return shareName(share) + " ble betalt " + (entry.paidOn ? ledgerDateText(*entry.paidOn) : std::string("(uten dato)")) +
               ", " + kronerText(*entry.paid) + ".";
    }
    return {};
}

struct Winning {
    const Ledger* ledger;
    int share;
    std::int64_t due;
};

}  // namespace

BalancePlan planBalancePayment(const std::vector<Ledger>& ledgers, const std::string& serialNumber, int share) {
    const Ledger* target = ledgerOf(ledgers, serialNumber);
    if (std::string refused = refusePaidShare(target, serialNumber, share); !refused.empty()) return {{}, refused};
    const ShareEntry& paid = target->entries[static_cast<std::size_t>(share - 1)];
    const BuyerKey buyer = buyerKey(paid);
    std::vector<Winning> winnings;
    for (const Ledger& ledger : ledgers) {
        if (ledger.voided || ledgerOf(ledgers, ledger.facts.serialNumber) != &ledger) continue;
        const auto part = confirmedPartPerShare(ledger);
        if (!part || *part <= 0) continue;
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            const ShareEntry& e = ledger.entries[i];
            // Only a paid share's win is the buyer's to spend, as only it is paid out.
            if (!e.sold() || !e.paid || !sameBuyer(buyerKey(e), buyer)) continue;
            const std::int64_t due = *part - e.paidOut.value_or(0);
            if (due > 0) winnings.push_back(Winning{&ledger, static_cast<int>(i) + 1, due});
        }
    }
    std::sort(winnings.begin(), winnings.end(), [](const Winning& a, const Winning& b) {
        const SyndicateFacts &fa = a.ledger->facts, &fb = b.ledger->facts;
        return std::tuple(fa.week.year, fa.week.week, fa.serialNumber, a.share) <
               std::tuple(fb.week.year, fb.week.week, fb.serialNumber, b.share);
    });
    const std::int64_t price = target->facts.pricePerShare;
    std::int64_t balance = 0;
    for (const Winning& w : winnings) balance += w.due;
    if (balance < price) {
        return {{}, "Saldoen til " + paid.name + " er " + kronerText(balance) + ", men andel " + std::to_string(share) +
                        " koster " + kronerText(price) + ": saldoen er for liten."};
    }
    BalancePlan plan;
    std::int64_t left = price;
    for (const Winning& w : winnings) {
        if (left == 0) break;
        const std::int64_t take = std::min(left, w.due);
        plan.sources.push_back(BalanceLink{w.ledger->facts.serialNumber, w.share, take});
        left -= take;
    }
    return plan;
}

std::string payFromBalance(const Workspace& workspace, const std::string& serialNumber, int share,
                           const LedgerDate& today, const WaitFunction& wait) {
    const LedgerLock lock(workspace, wait);
    finishPendingTransfer(workspace);
    const LedgerListing listing = listLedgers(workspace);
    BalancePlan plan = planBalancePayment(listing.ledgers, serialNumber, share);
    if (!plan.refused.empty()) return plan.refused;
    carryOutTransfer(workspace, BalanceTransfer{BalanceTransfer::Kind::Pay, today, serialNumber, share, std::move(plan.sources)});
    return {};
}

std::string undoBalancePayment(const Workspace& workspace, const std::string& serialNumber, int share,
                               const LedgerDate& today, const WaitFunction& wait) {
    const LedgerLock lock(workspace, wait);
    finishPendingTransfer(workspace);
    const std::optional<Ledger> ledger = findLedger(workspace, serialNumber);
    if (!ledger) return noLedgerMessage(serialNumber);
    if (std::string refused = refuseVoided(*ledger); !refused.empty()) return refused;
    if (std::string refused = checkShare(*ledger, share); !refused.empty()) return refused;
    const ShareEntry& entry = ledger->entries[static_cast<std::size_t>(share - 1)];
    if (entry.paidFromBalance.empty()) return shareName(share) + " er ikke betalt fra saldo; ingenting å angre.";
    if (entry.paidOut) {
        return shareName(share) + " ble utbetalt " + (entry.paidOutOn ? ledgerDateText(*entry.paidOutOn) : std::string()) +
               ", " + kronerText(*entry.paidOut) + ": angre utbetalingen før betalingen.";
    }
    // A winning ledger voided since would refuse the money back; say so rather than half undo.
    for (const BalanceLink& source : entry.paidFromBalance) {
        const std::optional<Ledger> from = findLedger(workspace, source.serialNumber);
        if (!from) return noLedgerMessage(source.serialNumber);
        if (std::string refused = refuseVoided(*from); !refused.empty()) return refused;
    }
    carryOutTransfer(workspace, BalanceTransfer{BalanceTransfer::Kind::Undo, today, serialNumber, share, entry.paidFromBalance});
    return {};
}

}  // namespace andel
