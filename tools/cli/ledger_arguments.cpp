#include "ledger_arguments.h"

#include "books/ledger_edit.h"
#include "books/ledger_store.h"

namespace andel::cli {

std::string serialArgument(const std::string& text) {
    if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        throw UsageError("SERIAL must be the four digits of an online file's serial number, not \"" + text + "\"");
    }
    return text;
}

std::optional<Ledger> ledgerOf(const std::string& serial, Context& context) {
    auto ledger = findLedger(context.workspace, serial);
    if (!ledger) context.messages.inform(noLedgerMessage(serial));
    return ledger;
}

int shareArgument(const std::string& text, const Ledger& ledger) {
    const int shares = ledger.facts.shares;
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        throw UsageError("SHARE must be a number from 1 to " + std::to_string(shares) + ", not \"" + text + "\"");
    }
    const int share = std::stoi(text);
    if (const std::string refused = checkShare(ledger, share); !refused.empty()) throw UsageError(refused);
    return share;
}

std::optional<LedgerDate> dateOption(const Arguments& args, const std::string& name) {
    const auto text = args.option(name);
    if (!text) return std::nullopt;
    const auto date = parseLedgerDate(*text);
    if (!date) throw UsageError(badDateMessage(*text));
    return date;
}

}  // namespace andel::cli
