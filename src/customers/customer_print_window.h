#pragma once
// The print commands of a customer's account and of a ledger's shares, for the windows'
// buttons: each opens the program's print choice (preview, printer, PDF) over `parent`.
#include "customers/statement.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "printing/slip.h"

#include <string_view>
#include <vector>

class QWidget;

namespace andel {

// "Kontoutskrift": the customer's shares across every readable ledger whose round lies in
// the period. A file error is shown and nothing is printed.
void printCustomerStatement(QWidget* parent, const Workspace& workspace, const ShareEntry& customer,
                            const StatementPeriod& period, Messages& messages);

// "Kvittering for andel": a slip per share. On the receipt printer chosen in the settings
// ("Kvitteringsskriver") each is a slip 80 mm wide; without one, three to an A4 page through
// the print choice. Shares nobody bought, shares the syndicate does not have and a voided
// ledger are refused with a message first.
void printShareReceipts(QWidget* parent, const Workspace& workspace, const Ledger& ledger, const std::vector<int>& shares,
                        Messages& messages);

// Slips to the receipt printer chosen in the settings: raw bytes to one without a driver
// (with the drawer pulse when `cash`), or a page each on a printer of the system. False, and
// nothing printed, while none is chosen. A printer that fails is shown with `recorded`
// ("Betalingen er registrert"): the money stands and the slip can be printed again.
bool printOnReceiptPrinter(QWidget* parent, const Workspace& workspace, Messages& messages, const std::vector<Slip>& slips,
                           bool cash, std::string_view recorded);

// The slip of a counter step just recorded on the share: the receipt after a payment, the
// payout slip after a payout; the drawer opens for the cash. Nothing while no receipt
// printer is chosen.
void printCounterSlip(QWidget* parent, const Workspace& workspace, Messages& messages, const Ledger& ledger, int share,
                      bool payout);

}  // namespace andel
