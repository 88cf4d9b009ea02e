#pragma once
// Who a share's buyer or a register customer is: one customer key each, compared whole,
// so that one share never counts for two customers nor two customers share one balance.
#include "books/ledger.h"
#include "register/customer_record.h"

#include <string>
#include <string_view>

namespace andel {

// The customer key: the one identity a buyer has in the books, compared whole, never in
// parts. A player number (the player's card) decides when there is one; otherwise the
// name as compared (upper case, single blanks) and the telephone's digits. The agent's own
// shares have a key of their own.
inline constexpr std::string_view kAgentCustomerKey = "@kommisjonaer";
std::string customerKeyOf(std::string_view name, std::string_view telephone, std::string_view playerNumber);
std::string customerKeyOf(const Tkunderec& customer);
std::string customerKeyOf(const ShareEntry& entry);

// A name as buyers are compared and sorted: upper case, single blanks.
std::string comparableName(std::string_view name);

}  // namespace andel
