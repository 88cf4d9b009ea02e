#include "main_window/share_scan_listener.h"

#include "accounts/guarded_step.h"
#include "accounts/share_lookup.h"
#include "books/ledger_store.h"
#include "customers/customer_print_window.h"
#include "widgets/scanner_listener.h"

namespace andel {

Tandelsregnskap* openScannedShare(const Workspace& workspace, Messages& messages, const std::string& code,
                                  const LedgerOpener& openLedger) {
    const ShareLookup lookup = lookUpShare(workspace, code);
    if (!lookup.found) {
        messages.inform(lookup.message);
        return nullptr;
    }
    const FoundShare& found = *lookup.found;
    const std::string serial = found.ledger.facts.serialNumber;
    Tandelsregnskap& window = openLedger();
    // The window's money commands act on the newest ledger of a serial number: the share of
    // an earlier week's syndicate of a number used again is shown, with no step prepared.
    const ShareStep next = found.newestOfSerial ? nextShareStep(found) : ShareStep::None;
    if (!found.newestOfSerial) {
        messages.inform("Andelsbrevet er fra " + weekText(found.ledger.facts.week) + ", men serienummer " + serial +
                        " er brukt på nytt senere: andelen vises, men betales og utbetales ikke fra skanneren.");
    }
    const int share = found.share;
    const std::int64_t paidBefore = found.entry().paid.value_or(0), paidOutBefore = found.entry().paidOut.value_or(0);
    const std::int64_t id = found.ledger.id;
    window.showShareAtCounter(found.ledger, share, next, [&window, &messages, workspace, id, share, next, paidBefore, paidOutBefore] {
        // The slip only for money the step did record.
        const std::optional<Ledger> now = findLedgerById(workspace, id);
        if (!now) return;
        const ShareEntry& entry = now->entries[static_cast<std::size_t>(share - 1)];
        const bool payout = next == ShareStep::PayOut;
        if (payout ? entry.paidOut.value_or(0) > paidOutBefore : entry.paid.value_or(0) > paidBefore) {
            printCounterSlip(&window, workspace, messages, *now, share, payout);
        }
    });
    if (!lookup.message.empty()) messages.inform(lookup.message);
    return &window;
}

void listenForShareScans(QWidget* window, const Workspace& workspace, Messages& messages, LedgerOpener openLedger) {
    if (window->findChild<ScannerListener*>(QString(), Qt::FindDirectChildrenOnly)) return;
    auto* listener = new ScannerListener(window);
    QObject::connect(listener, &ScannerListener::scanned, window, [workspace, &messages, openLedger](const QString& code) {
        guardedStep(messages, [&] { openScannedShare(workspace, messages, code.toStdString(), openLedger); });
    });
}

}  // namespace andel
