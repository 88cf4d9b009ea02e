#pragma once
// Every event of a period with its postings, for the agent's accountant: one row per
// posting (an event without money has one row of its own), debit and credit in kroner.
#include "accounts/accounts_report.h"
#include "books/journal.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace andel {

Fields booksExportHeading();
// Reads the books in one transaction; both ends of the period are included.
std::vector<Fields> booksExportRows(Journal& journal, const std::optional<LedgerDate>& from, const std::optional<LedgerDate>& to);
std::string booksExportCsv(const std::vector<Fields>& rows);
void writeBooksWorkbook(const std::filesystem::path& file, const std::vector<Fields>& rows);

}  // namespace andel
