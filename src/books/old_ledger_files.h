#pragma once
// The ledgers of the old kind: one file per syndicate in andelsregnskap/ (versions 1 to
// 3), read once when the books are first used (books/ledger_migration). The writer stays
// for the tests and the fuzzing seeds that make such files.
#include "books/ledger.h"
#include "books/ledger_file.h"
#include "platform/workspace.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace andel {

std::filesystem::path ledgerDirectory(const Workspace& workspace);
std::filesystem::path ledgerPath(const Workspace& workspace, const SyndicateFacts& facts);

// Reads a ledger file; a missing, oversized or damaged file, or one whose name gives another
// serial number or week than its contents, throws IoError naming the file.
Ledger loadLedger(const std::filesystem::path& path);

// Writes a ledger file of the old kind over its file in one step.
void saveLedger(const Workspace& workspace, const Ledger& ledger);

struct OldLedgerFiles {
    std::vector<Ledger> ledgers;       // newest week first, then by serial number
    std::vector<std::string> damaged;  // one message per file that could not be read
};
OldLedgerFiles readOldLedgerFiles(const Workspace& workspace);

// The ledger files by their names alone, newest week first, then by serial number.
struct LedgerFile {
    std::filesystem::path path;
    std::string serialNumber;
    GameWeek week;
};
std::vector<LedgerFile> ledgerFilesNewestFirst(const Workspace& workspace);

}  // namespace andel
