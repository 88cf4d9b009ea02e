#include "register/customer_fields.h"

#include "model/codepage.h"
#include "model/text.h"
#include "register/customer_cells.h"

#include <limits>

namespace andel {
namespace {

std::string part(const std::string& text, std::size_t from, std::size_t count) {
    return from < text.size() ? text.substr(from, count) : std::string();
}

bool hasControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    }
    return false;
}

// Digits with the blanks, hyphens, dots and slashes people group numbers with, as the
// table's own cells do ("123 456 789", "553-14207").
bool isNumberText(std::string_view text) {
    for (const char c : text) {
        if (!(c >= '0' && c <= '9') && c != ' ' && c != '-' && c != '.' && c != '/') return false;
    }
    return true;
}

// The digits of a number without its leading zeros.
std::size_t significantDigits(std::string_view text) {
    const std::string digits = digitsOnly(text);
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? 0 : digits.size() - first;
}

bool fitsRecord(std::string_view text) {
    const std::string digits = digitsOnly(text);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return true;
    const std::string significant = digits.substr(first);
    const std::string limit = std::to_string(std::numeric_limits<std::uint32_t>::max());
    return significant.size() < limit.size() || (significant.size() == limit.size() && significant <= limit);
}

// What the record holds of a text field; 0 for the number and date fields.
std::size_t textCapacity(std::string_view field) {
    if (field == "fornavn") return kFirstNameCapacity;
    if (field == "etternavn") return kLastNameCapacity;
    if (field == "annen") return kOtherInfoCapacity;
    return 0;
}

bool allDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// An empty date, or one of zeros (as an old record without a date shows), is not given.
std::optional<std::string> dateProblem(const std::string& dag, const std::string& mnd, const std::string& aar) {
    const std::string day = trimBlanks(dag), month = trimBlanks(mnd), year = trimBlanks(aar);
    const std::string shown = day + "." + month + "." + year;
    if (!allDigits(day) || !allDigits(month) || !allDigits(year)) {
        return "Reg. dato spillekort kan bare inneholde sifre: " + shown;
    }
    const auto number = [](const std::string& digits) { return digits.empty() ? 0 : std::stoi(digits); };
    const int d = number(day), m = number(month), y = number(year);
    if (d == 0 && m == 0 && y == 0) return std::nullopt;
    if (year.size() != 4) return "Reg. dato spillekort: året skrives med fire sifre (" + shown + ").";
    const std::chrono::year_month_day date{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)},
                                           std::chrono::day{static_cast<unsigned>(d)}};
    if (y < 1 || !date.ok()) return "Reg. dato spillekort " + shown + " finnes ikke.";
    return std::nullopt;
}

}  // namespace

std::optional<FieldProblem> fieldsProblem(const CustomerFields& fields) {
    struct Field {
        const char* name;
        const char* label;
        const std::string& text;
        bool number;
    };
    const Field all[] = {{"fornavn", "Fornavn", fields.fornavn, false},
                         {"etternavn", "Etternavn", fields.etternavn, false},
                         {"spillenummer", "Spillenummer", fields.spillenummer, true},
                         {"dag", "Reg. dato spillekort", fields.dag, false},
                         {"mnd", "Reg. dato spillekort", fields.mnd, false},
                         {"aar", "Reg. dato spillekort", fields.aar, false},
                         {"telefon1", "Telefon privat", fields.telefon1, true},
                         {"telefon2", "Telefon arbeid", fields.telefon2, true},
                         {"telefax1", "Telefax", fields.telefax1, true},
                         {"annen", "Annen identifikasjon", fields.annen, false}};
    if (trimBlanks(fields.fornavn).empty()) return FieldProblem{"fornavn", "Skriv spillerens fornavn."};
    for (const Field& field : all) {
        const std::string label = field.label;
        if (hasControlCharacter(field.text)) {
            return FieldProblem{field.name, label + " kan ikke inneholde linjeskift eller andre kontrolltegn."};
        }
        if (const std::size_t limit = textCapacity(field.name); limit > 0 && toCp1252(trimBlanks(field.text)).size() > limit) {
            return FieldProblem{field.name, label + " er for langt: kundekartoteket har plass til " + std::to_string(limit) +
                                                " tegn."};
        }
        if (!field.number) continue;
        if (!isNumberText(field.text)) {
            return FieldProblem{field.name, label + " kan bare inneholde sifre: \"" + field.text + "\""};
        }
        if (std::string_view(field.name) == "spillenummer" && significantDigits(field.text) > kPlayerNumberDigits) {
            return FieldProblem{field.name, "Spillenummer " + trimBlanks(field.text) + " har for mange siffer: høyst " +
                                                std::to_string(kPlayerNumberDigits) + "."};
        }
        if (!fitsRecord(field.text)) {
            return FieldProblem{field.name, label + " " + trimBlanks(field.text) +
                                                " er for stort. Kundekartoteket har plass til høyst " +
                                                std::to_string(std::numeric_limits<std::uint32_t>::max()) + "."};
        }
    }
    if (auto problem = dateProblem(fields.dag, fields.mnd, fields.aar)) return FieldProblem{"dag", *problem};
    return std::nullopt;
}

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
    // Taken as fieldsProblem measured them, without the blanks around them, so a text that
    // passed the check is never cut by the record.
    customer.firstName = cutToBytes(trimBlanks(fields.fornavn), kOtherInfoCapacity);
    customer.lastName = cutToBytes(trimBlanks(fields.etternavn), kOtherInfoCapacity);
    customer.otherInfo = cutToBytes(trimBlanks(fields.annen), kOtherInfoCapacity);
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
