#pragma once
// The arguments that name a ledger and its shares: SERIAL and SHARE.
#include "books/ledger.h"
#include "cli_support.h"

#include <optional>
#include <string>

namespace andel::cli {

// The four digits of an online file's serial number, or a UsageError.
std::string serialArgument(const std::string& text);
// The ledger of the SERIAL argument; nothing (after its message) when there is none.
std::optional<Ledger> ledgerOf(const std::string& serial, Context& context);
// A share of the ledger, or a UsageError.
int shareArgument(const std::string& text, const Ledger& ledger);
// The date of an option such as --dato (DD.MM.YYYY); nothing when the option is not
// given, a UsageError when it is not a real date.
std::optional<LedgerDate> dateOption(const Arguments& args, const std::string& name);

}  // namespace andel::cli
