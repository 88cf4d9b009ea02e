#include "accounts/ledger_store.h"

#include "accounts/ledger_file.h"
#include "model/codepage.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <algorithm>
#include <tuple>
#include <system_error>

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
    return std::move(*decoded.ledger);
}

void saveLedger(const Workspace& workspace, const Ledger& ledger) {
    ensureDirectory(ledgerDirectory(workspace));
    replaceFile(ledgerPath(workspace, ledger.facts), encodeLedger(ledger));
}

std::vector<LedgerFile> ledgerFilesNewestFirst(const Workspace& workspace) {
    std::vector<LedgerFile> files;
    for (auto& [path, key] : ledgerFiles(workspace)) files.push_back(LedgerFile{path, key.serialNumber, key.week});
    std::sort(files.begin(), files.end(), [](const LedgerFile& a, const LedgerFile& b) {
        return std::tuple(a.week.year, a.week.week, a.serialNumber) > std::tuple(b.week.year, b.week.week, b.serialNumber);
    });
    return files;
}

LedgerListing listLedgers(const Workspace& workspace) {
    LedgerListing listing;
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

std::optional<Ledger> findLedger(const Workspace& workspace, const std::string& serialNumber) {
    std::optional<std::pair<std::filesystem::path, LedgerFileKey>> newest;
    for (const auto& file : ledgerFiles(workspace)) {
        if (file.second.serialNumber != serialNumber) continue;
        const auto week = [](const LedgerFileKey& k) { return std::pair(k.week.year, k.week.week); };
        if (!newest || week(file.second) > week(newest->second)) newest = file;
    }
    if (!newest) return std::nullopt;
    return loadLedger(newest->first);
}

std::string ledgerMismatch(const Ledger& ledger, const SyndicateFacts& facts) {
    const SyndicateFacts& kept = ledger.facts;
    const std::string name = "Andelsregnskapet for serienummer " + kept.serialNumber;
    if (kept.shares != facts.shares) {
        return name + " har " + std::to_string(kept.shares) + " andeler, men andelslaget har nå " +
               std::to_string(facts.shares) + ".\rRegnskapet hører til et annet andelslag og brukes ikke.";
    }
    if (kept.couponType != facts.couponType || kept.coupons != facts.coupons) {
        return name + " hører til andre kuponger enn andelslaget har nå.\rRegnskapet brukes ikke.";
    }
    return {};
}

LedgerOpening openLedger(const Workspace& workspace, const SyndicateFacts& facts, Messages& messages) {
    const std::filesystem::path path = ledgerPath(workspace, facts);
    if (fileExists(path)) {
        try {
            const std::string mismatch = ledgerMismatch(loadLedger(path), facts);
            if (mismatch.empty()) return LedgerOpening::Existing;
            messages.inform(mismatch);
            return LedgerOpening::Refused;
        } catch (const IoError& error) {
            const bool replace = messages.show(Message{std::string(error.what()) +
                                                           "\r\rVil du erstatte det med et nytt, tomt regnskap?",
                                                       MessageButtons::YesNo, MessagePlacement::Centred});
            if (!replace) return LedgerOpening::Kept;
        }
    }
    saveLedger(workspace, emptyLedger(facts));
    return LedgerOpening::Created;
}

}  // namespace andel

namespace andel {

void openLedgerAfterOnlineFile(const WorkbenchState& state, const Workspace& workspace, Messages& messages) {
    const auto facts = syndicateFactsOf(state);
    if (!facts) return;
    try {
        openLedger(workspace, *facts, messages);
    } catch (const IoError& error) {
        messages.inform(std::string(error.what()) + "\rAndelsregnskapet ble ikke laget.");
    }
}

}  // namespace andel
