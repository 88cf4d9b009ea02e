#include "customers/owing_report.h"

#include "accounts/accounts_csv.h"

namespace andel {

Fields owingHeading() { return {"Navn", "Telefon", "Spillenummer", "Serienummer", "Uke", "Andel", "Mangler"}; }

std::vector<Fields> owingRows(const std::vector<OwingCustomer>& customers, AmountStyle style) {
    std::vector<Fields> rows;
    for (const OwingCustomer& customer : customers) {
        for (const OwingShare& s : customer.shares) {
            rows.push_back({customer.name, customer.telephone, customer.playerNumber, s.serialNumber, weekText(s.week),
                            std::to_string(s.share), styledAmount(s.missing, style)});
        }
    }
    return rows;
}

std::int64_t owingTotal(const std::vector<OwingCustomer>& customers) {
    std::int64_t total = 0;
    for (const OwingCustomer& customer : customers) total += customer.total;
    return total;
}

std::string owingCsv(const std::vector<OwingCustomer>& customers) {
    std::vector<Fields> rows = {owingHeading()};
    for (Fields& row : owingRows(customers, AmountStyle::Grouped)) rows.push_back(std::move(row));
    return csvLines(rows);
}

void writeOwingWorkbook(const std::filesystem::path& file, const std::vector<OwingCustomer>& customers) {
    std::vector<WorkbookColumn> columns;
    for (const std::string& caption : owingHeading()) columns.push_back({caption, caption == "Mangler", 14});
    columns[0].width = 28;
    writeTableWorkbook(file, "Utestående", columns, owingRows(customers, AmountStyle::Plain));
}

}  // namespace andel
