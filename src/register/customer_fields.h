#pragma once
// The fields of the new-customer dialog `Tnykunde` as texts, and what they become.
#include "register/customer_record.h"
#include "register/customer_table.h"

#include <chrono>
#include <optional>
#include <string>

namespace andel {

struct CustomerFields {
    std::string fornavn, etternavn, spillenummer;
    std::string dag, mnd, aar;  // limited to 2, 2 and 4 characters
    std::string telefon1, telefon2, telefax1;
    std::string annen;
};

constexpr int kDayFieldLimit = 2, kMonthFieldLimit = 2, kYearFieldLimit = 4;
// A player number has at most nine digits (the online file's field); grouped it is
// "123 456 789", eleven characters.
constexpr std::size_t kPlayerNumberDigits = 9;
constexpr int kPlayerNumberFieldLimit = 11;

// Empty fields with today's date ("07", "03", "2009") for a new customer.
CustomerFields newCustomerFields(std::chrono::year_month_day today);

// A change: the selected row's cells trimmed; the date split from the trimmed date cell;
// the fax from " Fax 1" (fax 2 is not shown).
CustomerFields fieldsFromRow(const CustomerTable& table, std::size_t row);

// What keeps the fields from becoming a record unchanged, for the agent to put right:
// the field (its object name in `Tnykunde`) and a Norwegian message. Refused are line
// breaks and other control characters in any field (they would split the lines of the
// files the names travel on to), letters in a number field (a cut number would be stored
// silently), a number the record's 32 bits cannot hold, and a date that does not exist
// (an empty or all-zero date means "not given").
struct FieldProblem {
    std::string field;
    std::string message;
};
std::optional<FieldProblem> fieldsProblem(const CustomerFields& fields);

// Texts as typed without the blanks around them (what fieldsProblem checks); number
// fields keep their digits, none gives 0;
// the fax goes into fax 1 and fax 2.
Tkunderec customerFromFields(const CustomerFields& fields);

}  // namespace andel
