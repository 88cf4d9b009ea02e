#include "accounts/accounts_csv.h"

namespace andel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string csvField(const std::string& field) {
    if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

}  // namespace

std::string csvLines(const std::vector<Fields>& rows) {
    std::string text(kByteOrderMark);
    for (const Fields& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) text += (i ? ";" : "") + csvField(row[i]);
        text += "\r\n";
    }
    return text;
}

std::string ledgerCsv(const Ledger& ledger) {
    std::vector<Fields> rows = {ledgerHeading()};
    for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
        rows.push_back(shareFields(static_cast<int>(i) + 1, ledger.entries[i], AmountStyle::Plain));
    }
    return csvLines(rows);
}

std::string seasonCsv(const Season& season) {
    std::vector<Fields> rows = {seasonHeading()};
    for (const SeasonRow& row : season.rows) rows.push_back(seasonFields(row, AmountStyle::Plain));
    rows.push_back(seasonTotalFields(season.totals, AmountStyle::Plain));
    return csvLines(rows);
}

}  // namespace andel
