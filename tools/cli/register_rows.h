#pragma once
// The customer register as `register list` numbers its rows: sorted by surname.
#include "cli_support.h"
#include "register/customer_record.h"

#include <optional>
#include <string>
#include <vector>

namespace andel::cli {

std::vector<Tkunderec> customersBySurname(Context& context);

// The customer of a customer command: ROW (the second positional) or --spillenummer N,
// exactly one of them (else a UsageError naming `command`). Nothing, after its message,
// when the register has no such customer.
std::optional<Tkunderec> chosenCustomer(const Arguments& args, const std::string& command, Context& context);

}  // namespace andel::cli
