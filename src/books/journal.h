#pragma once
// The books of the working directory: one SQLite database, andelsregnskap/regnskap.db.
// The syndicates' facts and the events are rows that are never changed or deleted: the
// database refuses it with triggers of its own. Each event's postings sum to zero.
// Readers read inside one transaction, so every figure stands on one state; a writer holds
// the write lock from its first read to its commit, so its checks and its writes see the
// same books.
#include "books/book_event.h"
#include "books/ledger.h"
#include "books/ledger_fold.h"
#include "books/sqlite_database.h"
#include "platform/workspace.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace andel {

class Messages;

inline constexpr std::string_view kBooksFileName = "regnskap.db";
std::filesystem::path booksPath(const Workspace& workspace);

class Journal {
public:
    // Opens the books, making them on first use; ledger files of the old kind found then
    // are brought over once (reported through `messages` when given). A damaged database
    // throws IoError naming the newest backup, and nothing is written.
    explicit Journal(const Workspace& workspace, Messages* messages = nullptr, int busyMilliseconds = 5000);
    ~Journal();

    const Workspace& workspace() const { return workspace_; }
    SqliteDatabase& database() { return *db_; }

    // Reads: call inside a read() or write() scope for one consistent state.
    std::optional<Ledger> ledger(const std::string& serialNumber);  // the newest week of that number
    std::optional<Ledger> ledgerById(std::int64_t id);
    std::vector<Ledger> ledgers();  // every one, newest week first, then serial; without their history lines
    std::vector<Ledger> foldEveryLedger();  // the same, each folded from its events now
    // The ledgers with a share or event of the customer's; with `asOf`, as they stood at the
    // end of that day (the events of later days left out, an undo made later too).
    std::vector<Ledger> ledgersOfCustomer(const std::string& customerKey, const std::optional<LedgerDate>& asOf = {});
    std::optional<std::int64_t> syndicateOf(const SyndicateFacts& facts);  // same serial and week
    std::vector<BookEvent> eventsOfSyndicate(std::int64_t syndicate);
    std::vector<BookEvent> eventsOfCustomer(const std::string& customerKey);
    std::vector<BookEvent> allEvents(const std::optional<LedgerDate>& from = {}, const std::optional<LedgerDate>& to = {});
    std::vector<Posting> postingsOf(std::int64_t event);
    std::int64_t accountSum(const std::string& account);
    // The last day a settlement closed, if any; and the day events are recorded on: today,
    // or the day after the last closed one when today is closed already.
    std::optional<LedgerDate> closedThrough();
    LedgerDate openDay(const LedgerDate& today);
    Balances accountSums();
    std::map<std::int64_t, std::string> serialNumbers();
    std::string serialOf(std::int64_t syndicate);

    // One consistent read, or one change: the function runs inside a transaction; a
    // change commits when it returns normally and rolls back on an exception.
    template <class F> auto read(F&& f) {
        SqliteTransaction transaction(*db_, SqliteTransaction::Kind::Read);
        return f();
    }
    void write(const std::function<void()>& change);

    // Inside write(): a new syndicate (its facts fixed once) and the opening event.
    std::int64_t insertSyndicate(const SyndicateFacts& facts, const LedgerDate& madeOn, const std::string& agent,
                                 const std::map<std::string, std::string>& openingDetail = {});
    // Inside write(): the event with its postings, which must sum to zero. Returns its id.
    std::int64_t append(const BookEvent& event, const std::vector<Posting>& postings);

    // The state of a ledger before a change and the postings the change makes: refolds the
    // ledger's events with `next` added.
    LedgerEvents eventsOf(std::int64_t syndicate);

private:
    void makeSchema();
    std::int64_t lastEventId();
    std::vector<std::int64_t> syndicatesChangedSince(std::int64_t event);
    void keepFigures(const std::vector<std::int64_t>& syndicates);
    Workspace workspace_;
    std::unique_ptr<SqliteDatabase> db_;
};

}  // namespace andel
