#pragma once
// The fields of the new-customer dialog `Tnykunde` as texts, and what they become.
#include "register/customer_record.h"
#include "register/customer_table.h"

#include <chrono>
#include <string>

namespace andel {

struct CustomerFields {
    std::string fornavn, etternavn, spillenummer;
    std::string dag, mnd, aar;  // limited to 2, 2 and 4 characters
    std::string telefon1, telefon2, telefax1;
    std::string annen;
};

constexpr int kDayFieldLimit = 2, kMonthFieldLimit = 2, kYearFieldLimit = 4;

// Empty fields with today's date ("07", "03", "2009") for a new customer.
CustomerFields newCustomerFields(std::chrono::year_month_day today);

// A change: the selected row's cells trimmed; the date split from the trimmed date cell;
// the fax from " Fax 1" (fax 2 is not shown).
CustomerFields fieldsFromRow(const CustomerTable& table, std::size_t row);

// Texts as typed (first 40 characters); number fields keep their digits, none gives 0;
// the fax goes into fax 1 and fax 2.
Tkunderec customerFromFields(const CustomerFields& fields);

}  // namespace andel
