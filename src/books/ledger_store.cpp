#include "books/ledger_store.h"

#include "books/journal.h"
#include "model/coupon_type.h"
#include "platform/io_error.h"

namespace andel {
namespace {

std::string weekDifference(const SyndicateFacts& kept, const SyndicateFacts& now) {
    if (kept.week != now.week) return "gjelder " + weekText(kept.week) + ", men andelslaget gjelder " + weekText(now.week);
    if (kept.couponType != now.couponType) {
        return "gjelder " + std::string(couponTypeText(kept.couponType)) + ", men andelslaget gjelder " +
               std::string(couponTypeText(now.couponType));
    }
    if (kept.timeBasis != now.timeBasis) {
        return "gjelder " + std::string(timeBasisText(kept.timeBasis)) + ", men andelslaget gjelder " +
               std::string(timeBasisText(now.timeBasis));
    }
    if (kept.shares != now.shares) {
        return "har " + std::to_string(kept.shares) + " andeler, men andelslaget har nå " + std::to_string(now.shares);
    }
    if (kept.coupons != now.coupons) return "hører til andre kuponger enn andelslaget har nå";
    return {};
}

}  // namespace

LedgerListing listLedgers(const Workspace& workspace, Messages* messages) {
    Journal journal(workspace, messages);
    return LedgerListing{journal.read([&] { return journal.ledgers(); }), {}};
}

std::optional<Ledger> findLedger(const Workspace& workspace, const std::string& serialNumber) {
    Journal journal(workspace);
    return journal.read([&] { return journal.ledger(serialNumber); });
}

std::optional<Ledger> findLedgerById(const Workspace& workspace, std::int64_t id) {
    Journal journal(workspace);
    return journal.read([&] { return journal.ledgerById(id); });
}

std::string noLedgerMessage(const std::string& serialNumber) {
    return "Fant ikke noe andelsregnskap med serienummer " + serialNumber + ".";
}

std::string ledgerMismatch(const Ledger& ledger, const SyndicateFacts& facts) {
    const std::string difference = weekDifference(ledger.facts, facts);
    if (difference.empty()) return {};
    return "Andelsregnskapet for serienummer " + ledger.facts.serialNumber + " " + difference +
           ".\rRegnskapet hører til et annet andelslag og brukes ikke.";
}

LedgerOpening openLedger(const Workspace& workspace, const SyndicateFacts& facts, Messages& messages) {
    Journal journal(workspace, &messages);
    // Never a second ledger for one serial number: its ledger must be this syndicate's.
    if (const auto existing = journal.read([&] { return journal.ledger(facts.serialNumber); })) {
        if (const std::string mismatch = ledgerMismatch(*existing, facts); !mismatch.empty()) {
            messages.inform(mismatch);
            return LedgerOpening::Refused;
        }
    }
    const OpenedLedger opened = openLedgerInBooks(journal, clerkOf(workspace), facts);
    if (!opened.refused.empty()) messages.inform(opened.refused);
    return opened.opening;
}

std::vector<Ledger> earlierLedgersOfSyndicate(const Workspace& workspace, const SyndicateFacts& facts) {
    std::vector<Ledger> earlier;
    for (Ledger& ledger : listLedgers(workspace).ledgers) {
        const SyndicateFacts& f = ledger.facts;
        if (f.serialNumber == facts.serialNumber || ledger.voided) continue;
        if (f.week == facts.week && f.couponType == facts.couponType && f.timeBasis == facts.timeBasis &&
            f.coupons == facts.coupons) {
            earlier.push_back(std::move(ledger));
        }
    }
    return earlier;
}

}  // namespace andel

namespace andel {

void openLedgerAfterOnlineFile(const WorkbenchState& state, const Workspace& workspace, Messages& messages) {
    const auto facts = syndicateFactsOf(state);
    if (!facts) return;
    try {
        if (openLedger(workspace, *facts, messages) != LedgerOpening::Created) return;
        for (const Ledger& earlier : earlierLedgersOfSyndicate(workspace, *facts)) {
            const SyndicateFacts& f = earlier.facts;
            const std::string question = "Andelslaget har også et andelsregnskap fra en tidligere onlinefil:\rserienummer " +
                                         f.serialNumber + ", " + weekText(f.week) +
                                         (f.player.empty() ? std::string() : ", spiller " + f.player) +
                                         ".\r\rSkal det tidligere regnskapet annulleres?";
            if (!messages.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) continue;
            const std::string reason = "Erstattet av onlinefilen med serienummer " + facts->serialNumber;
            Journal journal(workspace);
            if (const std::string refused = voidInBooks(journal, clerkOf(workspace), f.serialNumber, reason); !refused.empty()) {
                messages.inform(refused);
            }
        }
    } catch (const IoError& error) {
        messages.inform(std::string(error.what()) + "\rAndelsregnskapet ble ikke laget.");
    }
}

}  // namespace andel
