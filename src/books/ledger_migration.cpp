#include "books/ledger_migration.h"

#include "books/balance_transfer.h"
#include "books/books_rules.h"
#include "books/buyer_key.h"
#include "books/journal.h"
#include "books/ledger_file.h"
#include "books/ledger_in_hand.h"
#include "books/old_ledger_files.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "platform/messages.h"

#include <algorithm>

namespace andel {
namespace {

constexpr std::size_t kMaxTransferBytes = 64 * 1024;

struct Report {
    int ledgers = 0, shares = 0;
    std::int64_t paid = 0, paidOut = 0;
    std::vector<std::string> notes;  // damaged files, a skipped transfer, a serial met twice
};

bool before(const LedgerDate& a, const LedgerDate& b) { return isoDate(a) < isoDate(b); }

// No money of the ledger is dated before the day it was made: its earliest recorded day.
LedgerDate madeOnOf(const Ledger& ledger, const LedgerDate& today) {
    LedgerDate earliest = today;
    const auto consider = [&](const std::optional<LedgerDate>& on) {
        if (on && before(*on, earliest)) earliest = *on;
    };
    for (const ShareEntry& e : ledger.entries) {
        consider(e.paidOn);
        consider(e.paidOutOn);
    }
    if (ledger.confirmed) consider(ledger.confirmed->on);
    if (ledger.voided) consider(ledger.voided->on);
    consider(ledger.saleClosed);
    for (const HistoryLine& line : ledger.history) consider(line.on);
    return earliest;
}

std::string oldHistory(const Ledger& ledger) {
    std::string lines;
    for (const HistoryLine& line : ledger.history) {
        if (!lines.empty()) lines += '\x1f';
        lines += ledgerDateText(line.on) + " " + cleanFieldText(line.text);
    }
    return lines;
}

// A payment from the balance that a crash left half done is finished on the ledgers read
// from the files, as the old program would have finished it.
void finishTransfer(std::vector<Ledger>& ledgers, const Workspace& workspace, Report& report) {
    const std::filesystem::path file = ledgerDirectory(workspace) / std::string(kTransferJournalName);
    if (!fileExists(file)) return;
    const auto bytes = readFileBytes(file, kMaxTransferBytes);
    const auto transfer = bytes ? decodeTransfer(*bytes) : std::nullopt;
    if (!transfer) {
        report.notes.push_back("Føringen fra saldo i " + pathText(file.filename()) + " var skadet og ble ikke ført.");
        return;
    }
    for (Ledger& ledger : ledgers) {
        for (const BalanceLink& source : transfer->sources) {
            if (source.serialNumber == ledger.facts.serialNumber) applyWinningSide(ledger, *transfer, source);
        }
        if (ledger.facts.serialNumber == transfer->serialNumber) applyPaidSide(ledger, *transfer);
    }
    report.notes.push_back("En avbrutt betaling fra saldo (andel " + std::to_string(transfer->share) + " i serienummer " +
                           transfer->serialNumber + ") ble fullført.");
}

BookEvent eventOn(EventKind kind, const std::optional<LedgerDate>& on, const LedgerDate& madeOn, int share = 0) {
    BookEvent event;
    event.kind = kind;
    event.businessDate = on.value_or(madeOn);
    event.share = share;
    return event;
}

void bringOver(Journal& journal, const Ledger& old, std::int64_t id, const std::map<std::string, std::int64_t>& idOfSerial,
               const std::string& agent) {
    LedgerInHand hand(journal, id);
    const LedgerDate madeOn = hand.view().madeOn;
    const int shares = static_cast<int>(old.entries.size());
    for (int s = 1; s <= shares; ++s) {
        const ShareEntry& e = old.entries[static_cast<std::size_t>(s - 1)];
        if (e.agentHeld || (!e.hasBuyer() && e.note.empty())) continue;
        BookEvent buyer = eventOn(EventKind::BuyerSet, std::nullopt, madeOn, s);
        buyer.customer = customerKeyOf(e);
        buyer.detail = {{"name", e.name}, {"telephone", e.telephone}, {"player", e.playerNumber}, {"note", e.note}, {"agent", "0"}};
        hand.record(buyer, agent);
    }
    if (old.saleClosed) {
        std::string held;
        for (int s = 1; s <= shares; ++s) {
            if (old.entries[static_cast<std::size_t>(s - 1)].agentHeld) held += (held.empty() ? "" : " ") + std::to_string(s);
        }
        BookEvent closed = eventOn(EventKind::SaleClosed, old.saleClosed, madeOn);
        closed.detail = {{"agent-shares", held}};
        hand.record(closed, agent);
    }
    for (int s = 1; s <= shares; ++s) {
        const ShareEntry& e = old.entries[static_cast<std::size_t>(s - 1)];
        if (!e.paid || *e.paid <= 0) continue;
        const bool fromBalance = !e.paidFromBalance.empty();
        BookEvent payment = eventOn(fromBalance ? EventKind::PaymentBalance : EventKind::PaymentCash, e.paidOn, madeOn, s);
        payment.customer = customerKeyOf(e);
        payment.amountOre = *e.paid * kOrePerKrone;
        for (const BalanceLink& link : e.paidFromBalance) {
            const auto source = idOfSerial.find(link.serialNumber);
            if (source != idOfSerial.end() && link.amount > 0) {
                payment.sources.push_back(BalanceSource{source->second, link.share, link.amount * kOrePerKrone});
            }
        }
        hand.record(payment, agent);
    }
    if (old.confirmed) {
        BookEvent result = eventOn(EventKind::ResultConfirmed, old.confirmed->on, madeOn);
        const auto put = [&](const std::string& prefix, const ConfirmedRound& r) {
            result.detail[prefix + "signs"] = r.signs;
            result.detail[prefix + "p12"] = std::to_string(r.prize12);
            result.detail[prefix + "p11"] = std::to_string(r.prize11);
            result.detail[prefix + "p10"] = std::to_string(r.prize10);
        };
        put("", old.confirmed->fullTime);
        if (old.confirmed->halfTime) put("half-", *old.confirmed->halfTime);
        hand.record(result, agent);
    }
    for (int s = 1; s <= shares; ++s) {
        const ShareEntry& e = old.entries[static_cast<std::size_t>(s - 1)];
        const std::int64_t cash = e.paidOutInCash();
        if (cash <= 0) continue;
        BookEvent payout = eventOn(EventKind::PayoutCash, e.paidOutOn, madeOn, s);
        payout.customer = customerKeyOf(e);
        payout.amountOre = cash * kOrePerKrone;
        hand.record(payout, agent);
    }
    if (old.voided) {
        BookEvent voided = eventOn(EventKind::LedgerVoided, old.voided->on, madeOn);
        voided.reason = cleanFieldText(old.voided->reason);
        hand.record(voided, agent);
    }
}

std::int64_t insertOld(Journal& journal, const Ledger& old, const std::string& agent) {
    return journal.insertSyndicate(old.facts, madeOnOf(old, todayLedgerDate()), agent,
                                   {{"old-file", ledgerFileName(old.facts)}, {"old-history", oldHistory(old)}});
}

void count(const Ledger& old, Report& report) {
    ++report.ledgers;
    for (const ShareEntry& e : old.entries) {
        if (e.sold()) ++report.shares;
        report.paid += e.paid.value_or(0);
        report.paidOut += std::max<std::int64_t>(0, e.paidOutInCash());
    }
}

bool alreadyMigrated(Journal& journal) {
    SqliteStatement done(journal.database(), "SELECT count(*) FROM migration");
    done.step();
    return done.integer(0) > 0;
}

// Moves the files the migration read into their own folder; what cannot be moved stays
// where it was and is named.
std::string keepOldFiles(const Workspace& workspace, const std::vector<std::filesystem::path>& files) {
    const std::filesystem::path folder = ledgerDirectory(workspace) / std::string(kOldLedgerDirectory);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::string stayed;
    for (const std::filesystem::path& file : files) {
        std::filesystem::rename(file, folder / file.filename(), error);
        if (error) stayed += (stayed.empty() ? "" : ", ") + pathText(file.filename());
    }
    return stayed;
}

}  // namespace

std::int64_t bringLedgerIntoBooks(Journal& journal, const Ledger& ledger, const std::map<std::string, std::int64_t>& idOfSerial,
                                  const std::string& agent) {
    const std::int64_t id = insertOld(journal, ledger, agent);
    std::map<std::string, std::int64_t> known = idOfSerial;
    known.emplace(ledger.facts.serialNumber, id);
    bringOver(journal, ledger, id, known, agent);
    return id;
}

void migrateLedgerFiles(Journal& journal, Messages* messages) {
    const Workspace& workspace = journal.workspace();
    const std::vector<LedgerFile> files = ledgerFilesNewestFirst(workspace);
    const std::filesystem::path transferFile = ledgerDirectory(workspace) / std::string(kTransferJournalName);
    if (files.empty() && !fileExists(transferFile)) return;
    if (journal.read([&] { return alreadyMigrated(journal); })) return;

    Report report;
    OldLedgerFiles listing = readOldLedgerFiles(workspace);
    report.notes.insert(report.notes.end(), listing.damaged.begin(), listing.damaged.end());
    finishTransfer(listing.ledgers, workspace, report);
    const Clerk clerk = clerkOf(workspace);
    const std::filesystem::path folder = ledgerDirectory(workspace) / std::string(kOldLedgerDirectory);
    bool migrated = false;
    journal.write([&] {
        if (alreadyMigrated(journal)) return;  // another program did it while this one read
        std::map<std::string, std::int64_t> idOfSerial;
        std::vector<std::pair<const Ledger*, std::int64_t>> made;
        // Oldest first, so a serial number that came round again names its newest week.
        for (auto l = listing.ledgers.rbegin(); l != listing.ledgers.rend(); ++l) {
            if (journal.syndicateOf(l->facts)) {
                report.notes.push_back("Serienummer " + l->facts.serialNumber + " " + weekText(l->facts.week) +
                                       " fantes fra før og ble ikke ført på nytt.");
                continue;
            }
            const std::int64_t id = insertOld(journal, *l, clerk.agent);
            idOfSerial[l->facts.serialNumber] = id;
            made.emplace_back(&*l, id);
        }
        for (const auto& [ledger, id] : made) {
            bringOver(journal, *ledger, id, idOfSerial, clerk.agent);
            count(*ledger, report);
        }
        SqliteStatement row(journal.database(), "INSERT INTO migration (done_at, ledgers, shares, paid_ore, paid_out_ore, kept_in) "
                                                "VALUES (?,?,?,?,?,?)");
        row.bind(1, isoDate(clerk.today)).bind(2, std::int64_t{report.ledgers}).bind(3, std::int64_t{report.shares});
        row.bind(4, report.paid * kOrePerKrone).bind(5, report.paidOut * kOrePerKrone).bind(6, pathText(folder));
        row.run();
        migrated = true;
    });
    if (!migrated) return;
    std::vector<std::filesystem::path> read;
    for (const LedgerFile& file : files) read.push_back(file.path);
    if (fileExists(transferFile)) read.push_back(transferFile);
    const std::string stayed = keepOldFiles(workspace, read);
    if (!messages) return;
    std::string text = "Andelsregnskapene er ført over i regnskapet " + pathText(booksPath(workspace)) + ":\r" +
                       std::to_string(report.ledgers) + " andelslag, " + std::to_string(report.shares) +
                       " solgte andeler, betalt " + kronerText(report.paid) + ", utbetalt " + kronerText(report.paidOut) +
                       ".\rDe gamle filene er tatt vare på i " + pathText(folder) + ".";
    if (!stayed.empty()) text += "\rKunne ikke flytte: " + stayed + ".";
    for (const std::string& note : report.notes) text += "\r" + note;
    messages->inform(text);
}

}  // namespace andel
