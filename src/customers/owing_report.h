#pragma once
// Who still owes, as the tool prints it, the window lists it and the exports write it:
// one row per unpaid share, by customer.
#include "accounts/accounts_report.h"
#include "accounts/accounts_xlsx.h"
#include "customers/customer_account.h"

#include <filesystem>
#include <vector>

namespace andel {

// Navn, Telefon, Spillenummer, Serienummer, Uke, Andel, Mangler.
Fields owingHeading();
std::vector<Fields> owingRows(const std::vector<OwingCustomer>& customers, AmountStyle style);
std::int64_t owingTotal(const std::vector<OwingCustomer>& customers);

// The list with its heading as CSV, or as a workbook (telephone and player numbers as
// text, what is missing in kroner, a totals row).
std::string owingCsv(const std::vector<OwingCustomer>& customers);
void writeOwingWorkbook(const std::filesystem::path& file, const std::vector<OwingCustomer>& customers);

}  // namespace andel
