#include "accounts/deleted_syndicate.h"

#include "books/ledger_store.h"

namespace andel {

void offerVoidingOfDeletedSyndicate(const Workspace& workspace, const std::string& serialNumber, Messages& messages) {
    const std::optional<Ledger> ledger = findLedger(workspace, serialNumber);
    if (!ledger || ledger->voided) return;
    const SyndicateFacts& f = ledger->facts;
    const std::string question = "Det slettede andelslaget har et andelsregnskap som ikke er annullert:\rserienummer " +
                                 f.serialNumber + ", " + weekText(f.week) +
                                 (f.player.empty() ? std::string() : ", spiller " + f.player) +
                                 ".\r\rSkal andelsregnskapet annulleres?";
    if (!messages.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) return;
    voidLedgerAndOnlineFile(workspace, serialNumber, std::string(kDeletedSyndicateReason), messages);
}

}  // namespace andel
