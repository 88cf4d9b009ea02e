#include "accounts/books_export.h"

#include "accounts/accounts_csv.h"
#include "accounts/accounts_xlsx.h"
#include "model/text.h"

namespace andel {

Fields booksExportHeading() {
    return {"Hendelse", "Dato", "Ført", "Ført av", "Serienummer", "Andel", "Art", "Beløp", "Tekst", "Konto", "Debet", "Kredit"};
}

std::vector<Fields> booksExportRows(Journal& journal, const std::optional<LedgerDate>& from,
                                    const std::optional<LedgerDate>& to) {
    std::vector<Fields> rows;
    journal.read([&] {
        const auto serials = journal.serialNumbers();
        const std::vector<BookEvent> events = journal.allEvents(from, to);
        const std::vector<Fields> described = eventRows(events, serials);
        for (std::size_t i = 0; i < events.size(); ++i) {
            const BookEvent& event = events[i];
            const Fields& fields = described[i];
            const std::vector<Posting> postings = journal.postingsOf(event.id);
            if (postings.empty()) {
                Fields row = fields;
                row.insert(row.end(), {"", "", ""});
                rows.push_back(std::move(row));
            }
            for (const Posting& p : postings) {
                Fields row = fields;
                const std::string kroner = formatAmount((p.amountOre < 0 ? -p.amountOre : p.amountOre) / kOrePerKrone);
                row.insert(row.end(), {p.account, p.amountOre > 0 ? kroner : "", p.amountOre < 0 ? kroner : ""});
                rows.push_back(std::move(row));
            }
        }
    });
    return rows;
}

std::string booksExportCsv(const std::vector<Fields>& rows) {
    std::vector<Fields> lines = {booksExportHeading()};
    lines.insert(lines.end(), rows.begin(), rows.end());
    return csvLines(lines);
}

void writeBooksWorkbook(const std::filesystem::path& file, const std::vector<Fields>& rows) {
    std::vector<WorkbookColumn> columns;
    for (const std::string& caption : booksExportHeading()) {
        const bool kroner = caption == "Beløp" || caption == "Debet" || caption == "Kredit";
        columns.push_back(WorkbookColumn{caption, kroner, caption == "Tekst" ? 60.0 : 14.0});
    }
    writeTableWorkbook(file, "Hendelser", columns, rows);
}

}  // namespace andel
