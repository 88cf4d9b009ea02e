#include "accounts/accounts_csv.h"

namespace andel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A whole number, perhaps negative, with "." grouping or "," decimals: a spreadsheet reads
// it as a number and never as a formula.
bool plainNumber(const std::string& field) {
    const std::size_t start = field.size() > 1 && field[0] == '-' ? 1 : 0;
    return start < field.size() && field.find_first_not_of("0123456789.,", start) == std::string::npos &&
           field[start] >= '0' && field[start] <= '9';
}

std::string csvField(std::string field) {
    // A cell a spreadsheet would run as a formula is kept as text by a leading apostrophe
    // (a lone sign, such as the "-" of a figure not yet known, runs nothing).
    if (field.size() > 1 && std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos && !plainNumber(field)) {
        field.insert(0, 1, '\'');
    }
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

std::string ledgerCsv(const Ledger& ledger, const LedgerResult& result) {
    Fields heading = ledgerHeading();
    heading.push_back("Merknad");
    heading.push_back(result.winnings.known && !result.winnings.confirmed ? "Gevinst (foreløpig)" : "Gevinst");
    std::vector<Fields> rows = {heading};
    std::int64_t paid = 0, paidOut = 0, won = 0;
    for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
        const ShareEntry& e = ledger.entries[i];
        Fields fields = shareFields(static_cast<int>(i) + 1, e, AmountStyle::Plain);
        const auto winnings = shareWinnings(e, result.winnings);
        fields.push_back(e.note);
        fields.push_back(winnings ? std::to_string(*winnings) : std::string());
        rows.push_back(std::move(fields));
        paid += e.paid.value_or(0);
        paidOut += e.paidOut.value_or(0);
        won += winnings.value_or(0);
    }
    rows.push_back({"Sum", "", "", "", std::to_string(paid), "", std::to_string(paidOut), "", "",
                    result.winnings.known ? std::to_string(won) : std::string()});
    // The syndicate's facts below the shares, a label and its value a line.
    rows.push_back({});
    for (const auto& [label, value] : ledgerFactLines(ledger, result)) rows.push_back({label, value});
    return csvLines(rows);
}

std::string seasonCsv(const Season& season) {
    std::vector<Fields> rows = {seasonHeading()};
    for (const SeasonRow& row : season.rows) rows.push_back(seasonFields(row, AmountStyle::Plain));
    rows.push_back(seasonTotalFields(season.totals, AmountStyle::Plain));
    return csvLines(rows);
}

}  // namespace andel
