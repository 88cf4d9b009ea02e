#pragma once
// Scans at the counter: a share's code typed by a barcode scanner into the main window or
// the ledger window opens that syndicate's ledger on that share, its next step (pay, or pay
// out once the result is confirmed) ready for one key; after the step its slip goes to the
// receipt printer and the drawer opens for the cash. A code that names no share is said so.
#include "accounts/ledger_window.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <functional>
#include <string>

class QWidget;

namespace andel {

// Shows the program's ledger window, tied to its links, as it stands: the scan chooses the
// ledger it shows.
using LedgerOpener = std::function<Tandelsregnskap&()>;

// The share of a code opened at the counter. Returns the ledger window, or nothing when
// the code names no share (the message is shown).
Tandelsregnskap* openScannedShare(const Workspace& workspace, Messages& messages, const std::string& code,
                                  const LedgerOpener& openLedger);

// Listens for scans in `window` (the main window, or the ledger window) for as long as it lives.
void listenForShareScans(QWidget* window, const Workspace& workspace, Messages& messages, LedgerOpener openLedger);

}  // namespace andel
