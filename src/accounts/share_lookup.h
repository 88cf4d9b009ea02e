#pragma once
// A share found by the code on its certificate or slip: the syndicate's ledger as the books
// hold it now, the share, what it won and the step the counter takes next. The tool's
// `share CODE` and the scan at the counter both stand on it.
#include "accounts/accounts_report.h"
#include "books/ledger.h"
#include "books/ledger_winnings.h"
#include "platform/workspace.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// What the counter does next with a share: take its payment, pay its winnings out, or
// nothing (no buyer, all settled, the result not confirmed, the syndicate voided).
enum class ShareStep { None, Pay, PayOut };

struct FoundShare {
    Ledger ledger;
    int share = 0;
    std::string code;
    LedgerResult result;
    bool newestOfSerial = true;  // false when the serial number was used again in a later week
    const ShareEntry& entry() const { return ledger.entries.at(static_cast<std::size_t>(share - 1)); }
    bool voided() const { return ledger.voided.has_value(); }
};

struct ShareLookup {
    std::optional<FoundShare> found;  // also for a voided syndicate, so its facts can be shown
    std::string message;              // why nothing was found, or that the syndicate is voided
};

// The share a code names. A text without the code's form, a serial number without a
// ledger, check digits that fit none of its weeks and a share the syndicate does not have
// each give a message and nothing found.
ShareLookup lookUpShare(const Workspace& workspace, std::string_view code);

ShareStep nextShareStep(const FoundShare& found);
std::string_view shareStepWord(ShareStep step);  // "pay", "payout", "none"

// The share's facts as the tool prints them, one key and its values a line: code, serial,
// week, share, buyer, price, paid, winnings, paid out, state, voided and the next step.
std::vector<Fields> shareFactLines(const FoundShare& found);

}  // namespace andel
