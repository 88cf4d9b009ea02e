#include "accounts/ledger_store.h"

#include "accounts/balance_transfer.h"

#include "accounts/ledger_edit.h"
#include "accounts/ledger_file.h"
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
constexpr int kLockWaits = 50, kLockPauseMs = 100;

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

// The file of the serial number's ledger: the newest week when the number came round again.
std::optional<std::filesystem::path> ledgerFileOf(const Workspace& workspace, const std::string& serialNumber) {
    std::optional<std::pair<std::filesystem::path, LedgerFileKey>> newest;
    const auto week = [](const LedgerFileKey& k) { return std::pair(k.week.year, k.week.week); };
    for (const auto& file : ledgerFiles(workspace)) {
        if (file.second.serialNumber != serialNumber) continue;
        if (!newest || week(file.second) > week(newest->second)) newest = file;
    }
    if (!newest) return std::nullopt;
    return newest->first;
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

std::string weekDifference(const SyndicateFacts& kept, const SyndicateFacts& now) {
    if (kept.week != now.week) return "gjelder " + weekText(kept.week) + ", men andelslaget gjelder " + weekText(now.week);
    if (kept.couponType != now.couponType) {
        return "gjelder " + std::string(couponTypeText(kept.couponType)) + ", men andelslaget gjelder " +
               std::string(couponTypeText(now.couponType));
    }
    if (kept.timeBasis != now.timeBasis) {
        return "gjelder " + std::string(timeBasisText(kept.timeBasis)) + ", men andelslaget gjelder " +
               std::string(timeBasisText(now.timeBasis));
    }
    if (kept.shares != now.shares) {
        return "har " + std::to_string(kept.shares) + " andeler, men andelslaget har nå " + std::to_string(now.shares);
    }
    if (kept.coupons != now.coupons) return "hører til andre kuponger enn andelslaget har nå";
    return {};
}

}  // namespace

std::filesystem::path ledgerDirectory(const Workspace& workspace) { return workspace.file(std::string(kLedgerDirectory)); }

std::filesystem::path ledgerPath(const Workspace& workspace, const SyndicateFacts& facts) {
    return ledgerDirectory(workspace) / ledgerFileName(facts);
}

LedgerLock::LedgerLock(const Workspace& workspace, const WaitFunction& wait) {
    ensureDirectory(ledgerDirectory(workspace));
    const std::filesystem::path file = ledgerDirectory(workspace) / std::string(kLedgerLockName);
    for (int waited = 0;; ++waited) {
        lock_ = std::make_unique<ExclusiveFileLock>(file, LockOpen::CreateIfMissing);
        if (lock_->locked()) return;
        if (lock_->access() == FileAccess::LockFailed) {
            // A file system without locks: waiting never helps, and changing without the lock could lose changes.
            throw IoError("Andelsregnskapene i " + pathText(ledgerDirectory(workspace)) + " kan ikke låses (" +
                          lock_->lockError() + "); ingenting er endret.");
        }
        if (lock_->access() == FileAccess::NotPermitted) {
            throw IoError("Andelsregnskapene i " + pathText(ledgerDirectory(workspace)) +
                          " er skrivebeskyttet og kan ikke endres.");
        }
        if (waited == kLockWaits) {
            throw IoError("Andelsregnskapene er i bruk av et annet program.\rPrøv igjen om litt; ingenting er endret.");
        }
        wait(kLockPauseMs);
    }
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
    const auto file = ledgerFileOf(workspace, serialNumber);
    if (!file) return std::nullopt;
    return loadLedger(*file);
}

std::string noLedgerMessage(const std::string& serialNumber) {
    return "Fant ikke noe andelsregnskap med serienummer " + serialNumber + ".";
}

LedgerChange changeLedger(const Workspace& workspace, const std::string& serialNumber, const LedgerStep& step,
                          const WaitFunction& wait) {
    const LedgerLock lock(workspace, wait);
    finishPendingTransfer(workspace);
    LedgerChange change;
    change.before = findLedger(workspace, serialNumber);
    if (!change.before) {
        change.refused = noLedgerMessage(serialNumber);
        return change;
    }
    Ledger changed = *change.before;
    change.refused = step(changed);
    if (change.refused.empty() && !(changed == *change.before)) {
        saveLedger(workspace, changed);
        change.after = std::move(changed);
    } else {
        change.after = change.before;
    }
    return change;
}

std::string ledgerMismatch(const Ledger& ledger, const SyndicateFacts& facts) {
    const std::string difference = weekDifference(ledger.facts, facts);
    if (difference.empty()) return {};
    return "Andelsregnskapet for serienummer " + ledger.facts.serialNumber + " " + difference +
           ".\rRegnskapet hører til et annet andelslag og brukes ikke.";
}

LedgerOpening openLedger(const Workspace& workspace, const SyndicateFacts& facts, Messages& messages) {
    const LedgerLock lock(workspace);
    if (const auto file = ledgerFileOf(workspace, facts.serialNumber)) {
        try {
            const std::string mismatch = ledgerMismatch(loadLedger(*file), facts);
            if (mismatch.empty()) return LedgerOpening::Existing;
            messages.inform(mismatch);
            return LedgerOpening::Refused;
        } catch (const IoError& error) {
            const bool replace = messages.show(Message{std::string(error.what()) +
                                                           "\r\rVil du erstatte det med et nytt, tomt regnskap?",
                                                       MessageButtons::YesNo, MessagePlacement::Centred});
            if (!replace) return LedgerOpening::Kept;
            // The new ledger takes the damaged file's place under its own name.
            saveLedger(workspace, emptyLedger(facts));
            if (*file != ledgerPath(workspace, facts)) removeFileIfExists(*file);
            return LedgerOpening::Created;
        }
    }
    saveLedger(workspace, emptyLedger(facts));
    return LedgerOpening::Created;
}

std::vector<Ledger> earlierLedgersOfSyndicate(const Workspace& workspace, const SyndicateFacts& facts) {
    std::vector<Ledger> earlier;
    for (Ledger& ledger : listLedgers(workspace).ledgers) {
        const SyndicateFacts& f = ledger.facts;
        if (f.serialNumber == facts.serialNumber || ledger.voided) continue;
        if (f.week == facts.week && f.couponType == facts.couponType && f.timeBasis == facts.timeBasis &&
            f.coupons == facts.coupons) {
            earlier.push_back(std::move(ledger));
        }
    }
    return earlier;
}

}  // namespace andel

namespace andel {

void openLedgerAfterOnlineFile(const WorkbenchState& state, const Workspace& workspace, Messages& messages) {
    const auto facts = syndicateFactsOf(state);
    if (!facts) return;
    try {
        if (openLedger(workspace, *facts, messages) != LedgerOpening::Created) return;
        for (const Ledger& earlier : earlierLedgersOfSyndicate(workspace, *facts)) {
            const SyndicateFacts& f = earlier.facts;
            const std::string question = "Andelslaget har også et andelsregnskap fra en tidligere onlinefil:\rserienummer " +
                                         f.serialNumber + ", " + weekText(f.week) +
                                         (f.player.empty() ? std::string() : ", spiller " + f.player) +
                                         ".\r\rSkal det tidligere regnskapet annulleres?";
            if (!messages.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) continue;
            const std::string reason = "Erstattet av onlinefilen med serienummer " + facts->serialNumber;
            const LedgerChange voided = changeLedger(workspace, f.serialNumber, [&](Ledger& l) {
                return voidLedger(l, reason, todayLedgerDate());
            });
            if (!voided.refused.empty()) messages.inform(voided.refused);
        }
    } catch (const IoError& error) {
        messages.inform(std::string(error.what()) + "\rAndelsregnskapet ble ikke laget.");
    }
}

}  // namespace andel
