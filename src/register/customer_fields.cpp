#include "register/customer_fields.h"

#include "model/text.h"
#include "register/customer_cells.h"

namespace andel {
namespace {

std::string part(const std::string& text, std::size_t from, std::size_t count) {
    return from < text.size() ? text.substr(from, count) : std::string();
}

}  // namespace

CustomerFields newCustomerFields(std::chrono::year_month_day today) {
    CustomerFields fields;
    fields.dag = twoDigits(static_cast<int>(static_cast<unsigned>(today.day())));
    fields.mnd = twoDigits(static_cast<int>(static_cast<unsigned>(today.month())));
    fields.aar = padLeftZero(std::to_string(static_cast<int>(today.year())), 4);
    return fields;
}

CustomerFields fieldsFromRow(const CustomerTable& table, std::size_t row) {
    CustomerFields fields;
    const auto cell = [&](std::string_view header) { return trimBlanks(table.cell(header, row)); };
    const std::string date = cell(kRegDateHeader);
    fields.dag = part(date, 0, 2);
    fields.mnd = part(date, 3, 2);
    fields.aar = part(date, 6, 4);
    fields.fornavn = cell(kFirstNameHeader);
    fields.etternavn = cell(kLastNameHeader);
    fields.spillenummer = cell(kPlayerNumberHeader);
    fields.telefon1 = cell(kTelephoneHeader);
    fields.telefon2 = cell(kTelephone2Header);
    fields.telefax1 = cell(kFax1Header);
    fields.annen = cell(kOtherInfoHeader);
    return fields;
}

Tkunderec customerFromFields(const CustomerFields& fields) {
    Tkunderec customer;
    customer.firstName = cutToBytes(fields.fornavn, kOtherInfoCapacity);
    customer.lastName = cutToBytes(fields.etternavn, kOtherInfoCapacity);
    customer.otherInfo = cutToBytes(fields.annen, kOtherInfoCapacity);
    customer.playerNumber = cellNumber(fields.spillenummer);
    customer.day = static_cast<int>(cellNumber(fields.dag.substr(0, kDayFieldLimit)));
    customer.month = static_cast<int>(cellNumber(fields.mnd.substr(0, kMonthFieldLimit)));
    customer.year = static_cast<int>(cellNumber(fields.aar.substr(0, kYearFieldLimit)));
    customer.telephone1 = cellNumber(fields.telefon1);
    customer.telephone2 = cellNumber(fields.telefon2);
    customer.fax1 = customer.fax2 = cellNumber(fields.telefax1);
    return customer;
}

}  // namespace andel
