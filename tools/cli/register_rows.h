#pragma once
// The customer register as `register list` numbers its rows: sorted by surname.
#include "cli_support.h"
#include "register/customer_record.h"

#include <vector>

namespace andel::cli {

std::vector<Tkunderec> customersBySurname(Context& context);

}  // namespace andel::cli
