#include "books/ledger_store.h"

#include "books/journal.h"
#include "model/coupon_type.h"
#include "online/voided_online_file.h"
#include "platform/file_io.h"
#include "settings/drive_settings.h"
#include "settings/settings_store.h"
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

bool voidLedgerAndOnlineFile(const Workspace& workspace, const std::string& serialNumber, const std::string& reason,
                             Messages& messages, bool askFirst) {
    Journal journal(workspace, &messages);
    if (const std::string refused = voidInBooks(journal, clerkOf(workspace), serialNumber, reason); !refused.empty()) {
        messages.inform(refused);
        return false;
    }
    if (const auto voided = journal.read([&] { return journal.ledger(serialNumber); })) {
        putAwayVoidedOnlineFile(workspace, *voided, messages, askFirst);
    }
    return true;
}

void putAwayVoidedOnlineFile(const Workspace& workspace, const Ledger& voided, Messages& messages, bool askFirst) {
    if (!voided.voided || voided.facts.onlineFile.empty()) return;
    const SettingsStore settings = mainStore(workspace, messages);
    const DriveMap drives = settingsDriveMap(workspace, settings);
    const std::optional<std::filesystem::path> where = drives.resolve(voided.facts.onlineFile);
    if (!where || !fileExists(*where)) return;
    const std::string question = "Onlinefilen til det annullerte andelslaget ligger fortsatt der terminalen henter onlinefiler:\r" +
                                 voided.facts.onlineFile + "\r\rSkal den flyttes til mappen " + std::string(kVoidedFolderName) +
                                 ", så den ikke kan spilles?";
    if (askFirst && !messages.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) return;
    if (const auto moved = moveOnlineFileToVoided(drives, voided.facts.onlineFile)) messages.inform("Onlinefilen er flyttet til " + *moved + ".");
}

}  // namespace andel

namespace andel {

void openLedgerAfterOnlineFile(const WorkbenchState& state, const Workspace& workspace, Messages& messages,
                               EarlierLedger earlier) {
    const auto facts = syndicateFactsOf(state);
    if (!facts) return;
    try {
        if (openLedger(workspace, *facts, messages) != LedgerOpening::Created) return;
        for (const Ledger& other : earlierLedgersOfSyndicate(workspace, *facts)) {
            const SyndicateFacts& f = other.facts;
            const std::string named = "serienummer " + f.serialNumber + ", " + weekText(f.week) +
                                      (f.player.empty() ? std::string() : ", spiller " + f.player);
            if (earlier == EarlierLedger::Keep) {
                messages.inform("Det tidligere andelsregnskapet (" + named + ") står fortsatt; annuller det med: ledger void " +
                                f.serialNumber + " --grunn TEKST");
                continue;
            }
            const std::string question = "Andelslaget har også et andelsregnskap fra en tidligere onlinefil:\r" + named +
                                         ".\r\rSkal det tidligere regnskapet annulleres?";
            if (earlier == EarlierLedger::Ask && !messages.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) {
                continue;
            }
            voidLedgerAndOnlineFile(workspace, f.serialNumber, "Erstattet av onlinefilen med serienummer " + facts->serialNumber,
                                    messages, earlier == EarlierLedger::Ask);
        }
    } catch (const IoError& error) {
        messages.inform(std::string(error.what()) + "\rAndelsregnskapet ble ikke laget.");
    }
}

}  // namespace andel
