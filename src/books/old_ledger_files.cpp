#include "books/old_ledger_files.h"


#include "books/ledger_edit.h"
#include "books/ledger_file.h"
#include "model/codepage.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <system_error>
#include <tuple>

namespace andel {
namespace {

constexpr std::size_t kMaxLedgerBytes = 1024 * 1024;

std::string damagedMessage(const std::filesystem::path& path, const std::string& fault) {
    return "Andelsregnskapet " + pathText(path.filename()) + " er skadet og kan ikke leses (" + fault + ").";
}

bool newerFirst(const Ledger& a, const Ledger& b) {
    const auto key = [](const Ledger& l) { return std::tuple(l.facts.week.year, l.facts.week.week); };
    if (key(a) != key(b)) return key(a) > key(b);
    return a.facts.serialNumber > b.facts.serialNumber;
}

// The files of the directory whose names are ledger names, with their keys.
std::vector<std::pair<std::filesystem::path, LedgerFileKey>> ledgerFiles(const Workspace& workspace) {
    std::vector<std::pair<std::filesystem::path, LedgerFileKey>> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ledgerDirectory(workspace), error)) {
        const auto key = ledgerFileKey(pathText(entry.path().filename()));
        if (key) files.emplace_back(entry.path(), *key);
    }
    return files;
}


// A temporary name no other writer uses, even one that does not hold the lock.
std::filesystem::path uniqueTemporary(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned long long seed = [] {
        std::random_device device;
        return (static_cast<unsigned long long>(device()) << 32) ^ device() ^
               static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    }();
    const std::string tag = std::to_string(seed % 1'000'000'007ULL) + "-" + std::to_string(++counter);
    return target.parent_path() / (pathText(target.filename()) + "." + tag + ".tmp");
}

}  // namespace

std::filesystem::path ledgerDirectory(const Workspace& workspace) { return workspace.file(std::string(kLedgerDirectory)); }

std::filesystem::path ledgerPath(const Workspace& workspace, const SyndicateFacts& facts) {
    return ledgerDirectory(workspace) / ledgerFileName(facts);
}

Ledger loadLedger(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path, kMaxLedgerBytes);
    if (!bytes) {
        if (fileExists(path)) throw IoError(damagedMessage(path, "filen er for stor eller kan ikke åpnes"));
        throw IoError("Fant ikke andelsregnskapet " + pathText(path.filename()) + ".");
    }
    DecodedLedger decoded = decodeLedger(*bytes);
    if (!decoded.ledger) throw IoError(damagedMessage(path, decoded.fault));
    // A file copied or renamed to another serial number's name is not that ledger.
    if (const std::string name = pathText(path.filename()); name != ledgerFileName(decoded.ledger->facts)) {
        throw IoError(damagedMessage(path, "filnavnet stemmer ikke med serienummer " + decoded.ledger->facts.serialNumber +
                                               " og " + weekText(decoded.ledger->facts.week) + " i filen"));
    }
    return std::move(*decoded.ledger);
}

void saveLedger(const Workspace& workspace, const Ledger& ledger) {
    const std::string bytes = encodeLedger(ledger);
    if (bytes.size() > kMaxLedgerBytes) {
        throw IoError("Andelsregnskapet for serienummer " + ledger.facts.serialNumber +
                      " er fullt og kan ikke endres mer; ingenting er endret.");
    }
    ensureDirectory(ledgerDirectory(workspace));
    const std::filesystem::path target = ledgerPath(workspace, ledger.facts);
    replaceFile(target, bytes, uniqueTemporary(target));
}

std::vector<LedgerFile> ledgerFilesNewestFirst(const Workspace& workspace) {
    std::vector<LedgerFile> files;
    for (auto& [path, key] : ledgerFiles(workspace)) files.push_back(LedgerFile{path, key.serialNumber, key.week});
    std::sort(files.begin(), files.end(), [](const LedgerFile& a, const LedgerFile& b) {
        return std::tuple(a.week.year, a.week.week, a.serialNumber) > std::tuple(b.week.year, b.week.week, b.serialNumber);
    });
    return files;
}

OldLedgerFiles readOldLedgerFiles(const Workspace& workspace) {
    OldLedgerFiles listing;
    for (const auto& [path, key] : ledgerFiles(workspace)) {
        try {
            listing.ledgers.push_back(loadLedger(path));
        } catch (const IoError& error) {
            listing.damaged.emplace_back(error.what());
        }
    }
    std::sort(listing.ledgers.begin(), listing.ledgers.end(), newerFirst);
    std::sort(listing.damaged.begin(), listing.damaged.end());
    return listing;
}

}  // namespace andel
