#include "books/journal.h"

#include "books/books_backup.h"
#include "books/kept_figures.h"
#include "books/ledger_file.h"
#include "books/ledger_migration.h"
#include "model/text.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <algorithm>

namespace andel {
namespace {

constexpr int kSchemaVersion = 3;

constexpr std::string_view kSchema = R"sql(
CREATE TABLE syndicate (
    id INTEGER PRIMARY KEY,
    serial TEXT NOT NULL CHECK (length(serial) = 4),
    week INTEGER NOT NULL CHECK (week BETWEEN 0 AND 99),
    year INTEGER NOT NULL CHECK (year BETWEEN 1900 AND 9999),
    coupon_type INTEGER NOT NULL CHECK (coupon_type BETWEEN 0 AND 2),
    time_basis INTEGER NOT NULL CHECK (time_basis BETWEEN 0 AND 2),
    rows INTEGER NOT NULL CHECK (rows >= 0),
    stake_ore INTEGER NOT NULL CHECK (stake_ore >= 0),
    shares INTEGER NOT NULL CHECK (shares BETWEEN 1 AND 120),
    price_ore INTEGER NOT NULL CHECK (price_ore >= 0 AND price_ore % 100 = 0),
    online_file TEXT NOT NULL,
    coupons TEXT NOT NULL CHECK (length(coupons) = 108),
    player TEXT NOT NULL,
    made_on TEXT NOT NULL,
    UNIQUE (serial, year, week)
);
CREATE TABLE event (
    id INTEGER PRIMARY KEY,
    recorded_at TEXT NOT NULL,
    business_date TEXT NOT NULL CHECK (business_date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
    agent TEXT NOT NULL,
    syndicate INTEGER REFERENCES syndicate (id),
    share INTEGER NOT NULL CHECK (share BETWEEN 0 AND 120),
    customer TEXT NOT NULL,
    amount_ore INTEGER NOT NULL CHECK (amount_ore BETWEEN 0 AND 99999999900),
    kind TEXT NOT NULL,
    reverses INTEGER REFERENCES event (id),
    reason TEXT NOT NULL,
    detail TEXT NOT NULL
);
CREATE INDEX event_by_syndicate ON event (syndicate, id);
CREATE INDEX event_by_customer ON event (customer, id);
CREATE INDEX event_by_date ON event (business_date, id);
CREATE UNIQUE INDEX event_reversed_once ON event (reverses) WHERE reverses IS NOT NULL;
CREATE TABLE posting (
    event INTEGER NOT NULL REFERENCES event (id),
    account TEXT NOT NULL,
    amount_ore INTEGER NOT NULL
);
CREATE INDEX posting_by_event ON posting (event);
CREATE INDEX posting_by_account ON posting (account);
CREATE TABLE balance_source (
    event INTEGER NOT NULL REFERENCES event (id),
    syndicate INTEGER NOT NULL REFERENCES syndicate (id),
    share INTEGER NOT NULL,
    amount_ore INTEGER NOT NULL CHECK (amount_ore > 0)
);
CREATE INDEX balance_source_by_syndicate ON balance_source (syndicate);
CREATE TABLE migration (
    done_at TEXT NOT NULL,
    ledgers INTEGER NOT NULL,
    shares INTEGER NOT NULL,
    paid_ore INTEGER NOT NULL,
    paid_out_ore INTEGER NOT NULL,
    kept_in TEXT NOT NULL
);
)sql";

// Added in the second version of the books: derived figures, rewritten by every change,
// so not under the append-only triggers (see books/kept_figures.h).
constexpr std::string_view kKeptFiguresTable = R"sql(
CREATE TABLE kept_figures (
    syndicate INTEGER PRIMARY KEY REFERENCES syndicate (id),
    through_event INTEGER NOT NULL,
    figures BLOB NOT NULL
);
)sql";

// Added in the third version: the day's settlements, numbered 1, 2, 3 ... without a gap,
// each closing a later day than the one before.
constexpr std::string_view kSettlementTable = R"sql(
CREATE TABLE settlement (
    number INTEGER PRIMARY KEY CHECK (number >= 1),
    day TEXT NOT NULL UNIQUE CHECK (day GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
    event INTEGER NOT NULL UNIQUE REFERENCES event (id)
);
CREATE TRIGGER settlement_in_order BEFORE INSERT ON settlement
WHEN NEW.number != (SELECT coalesce(max(number), 0) + 1 FROM settlement)
  OR NEW.day <= (SELECT coalesce(max(day), '') FROM settlement)
BEGIN SELECT RAISE(ABORT, 'dagsoppgjørene nummereres fortløpende, hver for en senere dag'); END;
)sql";

// Rows once written stay as written: the books refuse a change or a deletion whatever
// program tries it.
std::string appendOnlyTriggers() {
    std::string sql;
    for (const char* table : {"syndicate", "event", "posting", "balance_source", "migration", "settlement"}) {
        for (const char* action : {"UPDATE", "DELETE"}) {  // not a change of rows: the guard that makes each abort
            sql += std::string("CREATE TRIGGER IF NOT EXISTS ") + table + "_no_" + action + " BEFORE " + action + " ON " + table +
                   " BEGIN SELECT RAISE(ABORT, 'regnskapet endres bare med nye hendelser'); END;\n";
        }
    }
    return sql;
}

std::string couponDigits(const CouponSet& coupons) {
    std::string digits;
    for (const Coupon& coupon : coupons) digits += maskDigits(coupon.masks);
    return digits;
}

CouponSet couponsOfDigits(const std::string& digits) {
    CouponSet coupons{};
    for (std::size_t c = 0; c < coupons.size(); ++c) {
        for (std::size_t m = 0; m < static_cast<std::size_t>(kMatches); ++m) {
            const std::size_t at = c * kMatches + m;
            const char digit = at < digits.size() ? digits[at] : '0';
            coupons[c].masks[m] = static_cast<SignMask>(digit >= '0' && digit <= '7' ? digit - '0' : 0);
        }
    }
    return coupons;
}

constexpr std::string_view kSyndicateColumns =
    "id, serial, week, year, coupon_type, time_basis, rows, stake_ore, shares, price_ore, online_file, coupons, player, made_on";
constexpr std::size_t kSyndicateColumnCount = 14;

struct SyndicateRow {
    std::int64_t id = 0;
    SyndicateFacts facts;
    LedgerDate madeOn;
};

SyndicateRow syndicateRow(const SqliteStatement& s) {
    SyndicateRow row;
    row.id = s.integer(0);
    SyndicateFacts& f = row.facts;
    f.serialNumber = s.text(1);
    f.week.week = static_cast<int>(s.integer(2));
    f.week.year = static_cast<int>(s.integer(3));
    f.couponType = static_cast<CouponType>(std::clamp<std::int64_t>(s.integer(4), 0, 2));
    f.timeBasis = static_cast<TimeBasis>(std::clamp<std::int64_t>(s.integer(5), 0, 2));
    f.rows = s.integer(6);
    f.stake = s.integer(7) / kOrePerKrone;
    f.shares = static_cast<int>(s.integer(8));
    f.pricePerShare = s.integer(9) / kOrePerKrone;
    f.onlineFile = s.text(10);
    f.coupons = couponsOfDigits(s.text(11));
    f.player = s.text(12);
    row.madeOn = parseIsoDate(s.text(13)).value_or(LedgerDate{1, 1, 1900});
    return row;
}

constexpr std::string_view kEventColumns =
    "id, recorded_at, business_date, agent, coalesce(syndicate, 0), share, customer, amount_ore, kind, coalesce(reverses, 0), reason, detail";

BookEvent eventRow(const SqliteStatement& s) {
    BookEvent e;
    e.id = s.integer(0);
    e.recordedAt = s.text(1);
    e.businessDate = parseIsoDate(s.text(2)).value_or(LedgerDate{1, 1, 1900});
    e.agent = s.text(3);
    e.syndicate = s.integer(4);
    e.share = static_cast<int>(s.integer(5));
    e.customer = s.text(6);
    e.amountOre = s.integer(7);
    e.kind = eventKindOf(s.text(8)).value_or(EventKind::Reversal);
    e.reverses = s.integer(9);
    e.reason = s.text(10);
    e.detail = decodeDetail(s.text(11));
    return e;
}

}  // namespace

std::filesystem::path booksPath(const Workspace& workspace) {
    return workspace.file(std::string(kLedgerDirectory) + "/" + std::string(kBooksFileName));
}

Journal::Journal(const Workspace& workspace, Messages* messages, int busyMilliseconds) : workspace_(workspace) {
    const std::filesystem::path file = booksPath(workspace);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    const bool existed = std::filesystem::exists(file, error);
    try {
        db_ = std::make_unique<SqliteDatabase>(file, SqliteDatabase::Mode::ReadWrite, busyMilliseconds);
        // Reading the schema reads the file's header and first pages: a file that is no
        // database, or a damaged one, is found here, before anything is written.
        const auto number = [&](const char* sql) {
            SqliteStatement statement(*db_, sql);  // finished before anything else runs
            statement.step();
            return statement.integer(0);
        };
        const std::int64_t schema = number("PRAGMA user_version");
        if (existed && schema == 0 && number("SELECT count(*) FROM sqlite_master") != 0) {
            throw IoError("Regnskapet " + pathText(file) + " er ikke regnskapet til dette programmet.");
        }
        if (schema > kSchemaVersion) {
            throw IoError("Regnskapet " + pathText(file) + " er laget av en nyere versjon av programmet.");
        }
        if (schema < kSchemaVersion) makeSchema();
    } catch (const IoError& damaged) {
        throw IoError(std::string(damaged.what()) + newestBackupText(workspace));
    }
    migrateLedgerFiles(*this, messages);
}

Journal::~Journal() = default;

void Journal::makeSchema() {
    // WAL lets readers read while a writer writes; FULL makes every commit durable.
    db_->execute("PRAGMA journal_mode=WAL");
    SqliteTransaction transaction(*db_, SqliteTransaction::Kind::Write);
    std::int64_t version = 0;
    {
        SqliteStatement again(*db_, "PRAGMA user_version");
        again.step();
        version = again.integer(0);
    }
    if (version == 0) db_->execute(kSchema);  // another program may have made it while we waited
    if (version < 3) db_->execute(kSettlementTable);
    db_->execute(appendOnlyTriggers());
    if (version < 2) {
        db_->execute(kKeptFiguresTable);
        std::vector<std::int64_t> every;
        SqliteStatement ids(*db_, "SELECT id FROM syndicate");
        while (ids.step()) every.push_back(ids.integer(0));
        keepFigures(every);
    }
    if (version < kSchemaVersion) db_->execute("PRAGMA user_version = " + std::to_string(kSchemaVersion));
    transaction.commit();
}

void Journal::write(const std::function<void()>& change) {
    db_->execute("PRAGMA synchronous=FULL");
    backupBeforeFirstChangeToday(*db_, workspace_);
    SqliteTransaction transaction(*db_, SqliteTransaction::Kind::Write);
    const std::int64_t before = lastEventId();
    change();
    keepFigures(syndicatesChangedSince(before));
    transaction.commit();
}

std::int64_t Journal::lastEventId() {
    SqliteStatement last(*db_, "SELECT coalesce(max(id), 0) FROM event");
    last.step();
    return last.integer(0);
}

std::vector<std::int64_t> Journal::syndicatesChangedSince(std::int64_t event) {
    // A syndicate's figures change with its own events, and with a payment elsewhere that
    // draws on its winnings: when that payment is made, undone, or its syndicate voided.
    SqliteStatement s(*db_, "SELECT syndicate FROM event WHERE id > ?1 AND syndicate IS NOT NULL "
                            "UNION SELECT b.syndicate FROM balance_source b WHERE b.event > ?1 "
                            "UNION SELECT b.syndicate FROM balance_source b JOIN event r ON r.reverses = b.event WHERE r.id > ?1 "
                            "UNION SELECT b.syndicate FROM balance_source b JOIN event p ON p.id = b.event "
                            "JOIN event v ON v.syndicate = p.syndicate AND v.kind = 'ledger_voided' WHERE v.id > ?1");
    s.bind(1, event);
    std::vector<std::int64_t> changed;
    while (s.step()) changed.push_back(s.integer(0));
    return changed;
}

void Journal::keepFigures(const std::vector<std::int64_t>& syndicates) {
    if (syndicates.empty()) return;
    const std::int64_t through = lastEventId();
    SqliteStatement keep(*db_, "INSERT OR REPLACE INTO kept_figures (syndicate, through_event, figures) VALUES (?,?,?)");  // derived cache, refolded
    for (const std::int64_t id : syndicates) {
        keep.bind(1, id).bind(2, through).bindBlob(3, encodeKeptFigures(foldLedgerFigures(eventsOf(id))));
        keep.run();
        keep.reset();
    }
}

std::int64_t Journal::insertSyndicate(const SyndicateFacts& f, const LedgerDate& madeOn, const std::string& agent,
                                     const std::map<std::string, std::string>& openingDetail) {
    SqliteStatement insert(*db_, "INSERT INTO syndicate (serial, week, year, coupon_type, time_basis, rows, stake_ore, shares, "
                                 "price_ore, online_file, coupons, player, made_on) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)");
    insert.bind(1, f.serialNumber).bind(2, std::int64_t{f.week.week}).bind(3, std::int64_t{f.week.year});
    insert.bind(4, static_cast<std::int64_t>(f.couponType)).bind(5, static_cast<std::int64_t>(f.timeBasis));
    insert.bind(6, f.rows).bind(7, f.stake * kOrePerKrone).bind(8, std::int64_t{f.shares});
    insert.bind(9, f.pricePerShare * kOrePerKrone).bind(10, f.onlineFile).bind(11, couponDigits(f.coupons));
    insert.bind(12, f.player).bind(13, isoDate(madeOn));
    insert.run();
    const std::int64_t id = db_->lastInsertId();
    BookEvent opened;
    opened.businessDate = madeOn;
    opened.agent = agent;
    opened.syndicate = id;
    opened.kind = EventKind::LedgerOpened;
    opened.detail = openingDetail;
    append(opened, {});
    return id;
}

std::optional<LedgerDate> Journal::closedThrough() {
    SqliteStatement s(*db_, "SELECT coalesce(max(day), '') FROM settlement");
    s.step();
    return parseIsoDate(s.text(0));
}

LedgerDate Journal::openDay(const LedgerDate& today) {
    const auto closed = closedThrough();
    return closed && isoDate(*closed) >= isoDate(today) ? nextDay(*closed) : today;
}

std::int64_t Journal::append(const BookEvent& given, const std::vector<Posting>& postings) {
    // A settled day stays as it was settled; an undo of its events is recorded later and
    // names the day it corrects.
    BookEvent e = given;
    if (const auto closed = closedThrough()) {
        if (isoDate(e.businessDate) <= isoDate(*closed)) {
            throw IoError("Dagen " + ledgerDateText(e.businessDate) + " er avsluttet med dagsoppgjør: ingenting ble ført.");
        }
        if (e.reverses) {
            SqliteStatement day(*db_, "SELECT business_date FROM event WHERE id = ?");
            day.bind(1, e.reverses);
            if (day.step() && day.text(0) <= isoDate(*closed)) e.detail["rettet_dag"] = day.text(0);
        }
    }
    std::int64_t sum = 0;
    for (const Posting& p : postings) sum += p.amountOre;
    if (sum != 0) throw IoError("Hendelsen går ikke i balanse (" + std::to_string(sum) + " øre): ingenting ble ført.");
    if (e.amountOre < 0 || e.amountOre > kLargestKroner * kOrePerKrone) {
        throw IoError("Beløpet er utenfor det regnskapet fører: ingenting ble ført.");
    }
    SqliteStatement insert(*db_, "INSERT INTO event (recorded_at, business_date, agent, syndicate, share, customer, amount_ore, "
                                 "kind, reverses, reason, detail) VALUES (?,?,?,?,?,?,?,?,?,?,?)");
    const LocalDateTime now = localNow();
    const LedgerDate today{static_cast<int>(static_cast<unsigned>(now.date.day())),
                           static_cast<int>(static_cast<unsigned>(now.date.month())), static_cast<int>(now.date.year())};
    const std::string recordedAt = e.recordedAt.empty() ? isoDate(today) + " " + twoDigits(now.hour) + ":" +
                                                              twoDigits(now.minute) + ":" + twoDigits(now.second)
                                                        : e.recordedAt;
    insert.bind(1, recordedAt).bind(2, isoDate(e.businessDate)).bind(3, e.agent);
    if (e.syndicate) insert.bind(4, e.syndicate); else insert.bindNull(4);
    insert.bind(5, std::int64_t{e.share}).bind(6, e.customer).bind(7, e.amountOre);
    insert.bind(8, eventKindWord(e.kind));
    if (e.reverses) insert.bind(9, e.reverses); else insert.bindNull(9);
    insert.bind(10, e.reason).bind(11, encodeDetail(e.detail));
    insert.run();
    const std::int64_t id = db_->lastInsertId();
    SqliteStatement posting(*db_, "INSERT INTO posting (event, account, amount_ore) VALUES (?,?,?)");
    for (const Posting& p : postings) {
        posting.bind(1, id).bind(2, p.account).bind(3, p.amountOre);
        posting.run();
        posting.reset();
    }
    SqliteStatement source(*db_, "INSERT INTO balance_source (event, syndicate, share, amount_ore) VALUES (?,?,?,?)");
    for (const BalanceSource& s : e.sources) {
        source.bind(1, id).bind(2, s.syndicate).bind(3, std::int64_t{s.share}).bind(4, s.amountOre);
        source.run();
        source.reset();
    }
    return id;
}

std::map<std::int64_t, std::string> Journal::serialNumbers() {
    std::map<std::int64_t, std::string> serials;
    SqliteStatement s(*db_, "SELECT id, serial FROM syndicate");
    while (s.step()) serials.emplace(s.integer(0), s.text(1));
    return serials;
}

std::string Journal::serialOf(std::int64_t syndicate) {
    SqliteStatement s(*db_, "SELECT serial FROM syndicate WHERE id = ?");
    s.bind(1, syndicate);
    return s.step() ? s.text(0) : std::string();
}

std::vector<BookEvent> Journal::eventsOfSyndicate(std::int64_t syndicate) {
    std::vector<BookEvent> events;
    SqliteStatement s(*db_, "SELECT " + std::string(kEventColumns) + " FROM event WHERE syndicate = ? ORDER BY id");
    s.bind(1, syndicate);
    while (s.step()) events.push_back(eventRow(s));
    SqliteStatement sources(*db_, "SELECT b.event, b.syndicate, b.share, b.amount_ore FROM balance_source b "
                                  "JOIN event e ON e.id = b.event WHERE e.syndicate = ? ORDER BY b.rowid");
    sources.bind(1, syndicate);
    while (sources.step()) {
        const std::int64_t event = sources.integer(0);
        for (BookEvent& e : events) {
            if (e.id == event) e.sources.push_back(BalanceSource{sources.integer(1), static_cast<int>(sources.integer(2)), sources.integer(3)});
        }
    }
    return events;
}

LedgerEvents Journal::eventsOf(std::int64_t syndicate) {
    LedgerEvents input;
    SqliteStatement s(*db_, "SELECT " + std::string(kSyndicateColumns) + " FROM syndicate WHERE id = ?");
    s.bind(1, syndicate);
    if (!s.step()) throw IoError("Regnskapet har ikke andelslaget " + std::to_string(syndicate) + ".");
    const SyndicateRow row = syndicateRow(s);
    input.id = row.id;
    input.facts = row.facts;
    input.madeOn = row.madeOn;
    input.events = eventsOfSyndicate(syndicate);
    // Only the serial numbers its payments from the balance name (a record() may add more).
    SqliteStatement serial(*db_, "SELECT serial FROM syndicate WHERE id = ?");
    for (const BookEvent& e : input.events) {
        for (const BalanceSource& source : e.sources) {
            if (input.serialOf.contains(source.syndicate)) continue;
            serial.bind(1, source.syndicate);
            if (serial.step()) input.serialOf.emplace(source.syndicate, serial.text(0));
            serial.reset();
        }
    }
    // What this syndicate's winnings paid elsewhere, while that payment stands.
    SqliteStatement drawn(*db_, "SELECT b.share, b.amount_ore, s.serial, e.share, e.business_date FROM balance_source b "
                                "JOIN event e ON e.id = b.event JOIN syndicate s ON s.id = e.syndicate "
                                "WHERE b.syndicate = ? "
                                "AND NOT EXISTS (SELECT 1 FROM event r WHERE r.reverses = e.id) "
                                "AND NOT EXISTS (SELECT 1 FROM event v WHERE v.syndicate = e.syndicate AND v.kind = 'ledger_voided') "
                                "ORDER BY b.rowid");
    drawn.bind(1, syndicate);
    while (drawn.step()) {
        input.drawn.push_back(DrawnWinnings{static_cast<int>(drawn.integer(0)), drawn.integer(1), drawn.text(2),
                                            static_cast<int>(drawn.integer(3)),
                                            parseIsoDate(drawn.text(4)).value_or(LedgerDate{1, 1, 1900})});
    }
    return input;
}

std::optional<Ledger> Journal::ledgerById(std::int64_t id) { return foldLedger(eventsOf(id)); }

std::optional<Ledger> Journal::ledger(const std::string& serialNumber) {
    SqliteStatement s(*db_, "SELECT id FROM syndicate WHERE serial = ? ORDER BY year DESC, week DESC LIMIT 1");
    s.bind(1, serialNumber);
    if (!s.step()) return std::nullopt;
    return ledgerById(s.integer(0));
}

std::optional<std::int64_t> Journal::syndicateOf(const SyndicateFacts& facts) {
    SqliteStatement s(*db_, "SELECT id FROM syndicate WHERE serial = ? AND year = ? AND week = ?");
    s.bind(1, facts.serialNumber).bind(2, std::int64_t{facts.week.year}).bind(3, std::int64_t{facts.week.week});
    if (!s.step()) return std::nullopt;
    return s.integer(0);
}

std::vector<Ledger> Journal::ledgers() {
    // The kept figures where they are as new as the syndicate's last event; the rest folded.
    std::vector<Ledger> all;
    SqliteStatement rows(*db_, "SELECT " + std::string(kSyndicateColumns) +
                                   ", k.figures, k.through_event >= (SELECT max(e.id) FROM event e WHERE e.syndicate = syndicate.id) "
                                   "FROM syndicate LEFT JOIN kept_figures k ON k.syndicate = syndicate.id "
                                   "ORDER BY year DESC, week DESC, serial");
    std::vector<std::size_t> unkept;
    while (rows.step()) {
        const SyndicateRow row = syndicateRow(rows);
        Ledger ledger;
        ledger.id = row.id;
        ledger.facts = row.facts;
        ledger.madeOn = row.madeOn;
        const int figures = static_cast<int>(kSyndicateColumnCount);
        if (rows.integer(figures + 1) != 1 || !decodeKeptFigures(rows.blob(figures), ledger)) unkept.push_back(all.size());
        all.push_back(std::move(ledger));
    }
    for (const std::size_t at : unkept) all[at] = foldLedgerFigures(eventsOf(all[at].id));
    return all;
}

std::vector<Ledger> Journal::foldEveryLedger() {
    // Every table read once, in four passes, rather than four queries per syndicate.
    std::vector<LedgerEvents> inputs;
    std::map<std::int64_t, std::size_t> at;
    const std::map<std::int64_t, std::string> serials = serialNumbers();
    SqliteStatement rows(*db_, "SELECT " + std::string(kSyndicateColumns) + " FROM syndicate ORDER BY year DESC, week DESC, serial");
    while (rows.step()) {
        const SyndicateRow row = syndicateRow(rows);
        at.emplace(row.id, inputs.size());
        LedgerEvents input;
        input.id = row.id;
        input.facts = row.facts;
        input.madeOn = row.madeOn;
        inputs.push_back(std::move(input));
    }
    std::map<std::int64_t, std::pair<std::size_t, std::size_t>> eventAt;  // event id -> syndicate, index
    SqliteStatement events(*db_, "SELECT " + std::string(kEventColumns) + " FROM event WHERE syndicate IS NOT NULL ORDER BY id");
    while (events.step()) {
        BookEvent e = eventRow(events);
        const auto found = at.find(e.syndicate);
        if (found == at.end()) continue;
        auto& list = inputs[found->second].events;
        if (e.kind == EventKind::PaymentBalance) eventAt.emplace(e.id, std::pair(found->second, list.size()));
        list.push_back(std::move(e));
    }
    SqliteStatement sources(*db_, "SELECT event, syndicate, share, amount_ore FROM balance_source ORDER BY rowid");
    while (sources.step()) {
        const auto found = eventAt.find(sources.integer(0));
        if (found == eventAt.end()) continue;
        inputs[found->second.first].events[found->second.second].sources.push_back(
            BalanceSource{sources.integer(1), static_cast<int>(sources.integer(2)), sources.integer(3)});
    }
    SqliteStatement drawn(*db_, "SELECT b.syndicate, b.share, b.amount_ore, s.serial, e.share, e.business_date FROM balance_source b "
                                "JOIN event e ON e.id = b.event JOIN syndicate s ON s.id = e.syndicate "
                                "WHERE NOT EXISTS (SELECT 1 FROM event r WHERE r.reverses = e.id) "
                                "AND NOT EXISTS (SELECT 1 FROM event v WHERE v.syndicate = e.syndicate AND v.kind = 'ledger_voided') "
                                "ORDER BY b.rowid");
    while (drawn.step()) {
        const auto found = at.find(drawn.integer(0));
        if (found == at.end()) continue;
        inputs[found->second].drawn.push_back(DrawnWinnings{static_cast<int>(drawn.integer(1)), drawn.integer(2), drawn.text(3),
                                                            static_cast<int>(drawn.integer(4)),
                                                            parseIsoDate(drawn.text(5)).value_or(LedgerDate{1, 1, 1900})});
    }
    std::vector<Ledger> all;
    all.reserve(inputs.size());
    for (LedgerEvents& input : inputs) {
        for (const BookEvent& e : input.events) {  // only the serial numbers its payments from the balance name
            for (const BalanceSource& source : e.sources) {
                if (const auto serial = serials.find(source.syndicate); serial != serials.end()) input.serialOf.insert(*serial);
            }
        }
        all.push_back(foldLedgerFigures(input));
    }
    return all;
}

std::vector<Ledger> Journal::ledgersOfCustomer(const std::string& customerKey, const std::optional<LedgerDate>& asOf) {
    std::vector<std::int64_t> ids;
    SqliteStatement s(*db_, "SELECT DISTINCT e.syndicate FROM event e JOIN syndicate y ON y.id = e.syndicate "
                            "WHERE e.customer = ? ORDER BY y.year DESC, y.week DESC, y.serial");
    s.bind(1, customerKey);
    while (s.step()) ids.push_back(s.integer(0));
    std::vector<Ledger> found;
    for (std::int64_t id : ids) {
        LedgerEvents input = eventsOf(id);
        if (asOf) {
            const std::string end = isoDate(*asOf);
            std::erase_if(input.events, [&](const BookEvent& e) { return isoDate(e.businessDate) > end; });
            std::erase_if(input.drawn, [&](const DrawnWinnings& d) { return isoDate(d.on) > end; });
        }
        found.push_back(foldLedger(input));
    }
    return found;
}

std::vector<BookEvent> Journal::eventsOfCustomer(const std::string& customerKey) {
    std::vector<BookEvent> events;
    SqliteStatement s(*db_, "SELECT " + std::string(kEventColumns) + " FROM event WHERE customer = ? ORDER BY id");
    s.bind(1, customerKey);
    while (s.step()) events.push_back(eventRow(s));
    return events;
}

std::vector<BookEvent> Journal::allEvents(const std::optional<LedgerDate>& from, const std::optional<LedgerDate>& to) {
    std::vector<BookEvent> events;
    SqliteStatement s(*db_, "SELECT " + std::string(kEventColumns) +
                                " FROM event WHERE business_date >= ? AND business_date <= ? ORDER BY id");
    s.bind(1, from ? isoDate(*from) : std::string("0000-00-00")).bind(2, to ? isoDate(*to) : std::string("9999-99-99"));
    while (s.step()) events.push_back(eventRow(s));
    return events;
}

std::vector<Posting> Journal::postingsOf(std::int64_t event) {
    std::vector<Posting> postings;
    SqliteStatement s(*db_, "SELECT account, amount_ore FROM posting WHERE event = ? ORDER BY rowid");
    s.bind(1, event);
    while (s.step()) postings.push_back(Posting{s.text(0), s.integer(1)});
    return postings;
}

std::int64_t Journal::accountSum(const std::string& account) {
    SqliteStatement s(*db_, "SELECT coalesce(sum(amount_ore), 0) FROM posting WHERE account = ?");
    s.bind(1, account);
    s.step();
    return s.integer(0);
}

Balances Journal::accountSums() {
    Balances sums;
    SqliteStatement s(*db_, "SELECT account, sum(amount_ore) FROM posting GROUP BY account");
    while (s.step()) {
        if (s.integer(1) != 0) sums.emplace(s.text(0), s.integer(1));
    }
    return sums;
}

}  // namespace andel
