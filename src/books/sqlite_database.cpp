#include "books/sqlite_database.h"

#include "platform/io_error.h"

#include <sqlite3.h>

namespace andel {
namespace {

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::string booksBusyMessage(const std::filesystem::path& file) {
    return "Regnskapet " + utf8(file) + " er i bruk av et annet program. Prøv igjen om litt.";
}

SqliteDatabase::SqliteDatabase(const std::filesystem::path& file, Mode mode, int busyMilliseconds) : file_(file) {
    const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int code = sqlite3_open_v2(utf8(file).c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        db_ = nullptr;
        throw IoError("Kan ikke åpne regnskapet " + utf8(file) + ": " + why);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyMilliseconds);
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close(db_); }

void SqliteDatabase::check(int code, std::string_view doing) const {
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
    const int primary = code & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) throw IoError(booksBusyMessage(file_));
    if (primary == SQLITE_FULL) throw IoError("Disken er full: regnskapet " + utf8(file_) + " ble ikke endret.");
    if (primary == SQLITE_READONLY || primary == SQLITE_PERM || primary == SQLITE_CANTOPEN) {
        throw IoError("Regnskapet " + utf8(file_) + " kan ikke skrives (skrivebeskyttet): ingenting ble endret.");
    }
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) {
        throw IoError("Regnskapet " + utf8(file_) + " er skadet og kan ikke leses.");
    }
    throw IoError("Feil i regnskapet " + utf8(file_) + " (" + std::string(doing) + "): " + sqlite3_errmsg(db_));
}

void SqliteDatabase::execute(std::string_view sql) {
    char* error = nullptr;
    const int code = sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &error);
    sqlite3_free(error);
    check(code, sql.substr(0, 40));
}

std::int64_t SqliteDatabase::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

SqliteStatement::SqliteStatement(SqliteDatabase& db, std::string_view sql) : db_(db) {
    db_.check(sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &statement_, nullptr),
              sql.substr(0, 40));
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    db_.check(sqlite3_bind_int64(statement_, index, value), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view text) {
    db_.check(sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bindBlob(int index, std::string_view bytes) {
    db_.check(sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const std::optional<std::int64_t>& value) {
    return value ? bind(index, *value) : bindNull(index);
}

SqliteStatement& SqliteStatement::bindNull(int index) {
    db_.check(sqlite3_bind_null(statement_, index), "bind");
    return *this;
}

bool SqliteStatement::step() {
    const int code = sqlite3_step(statement_);
    db_.check(code, sqlite3_sql(statement_));
    return code == SQLITE_ROW;
}

void SqliteStatement::run() {
    while (step()) {
    }
}

void SqliteStatement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::int64_t SqliteStatement::integer(int column) const { return sqlite3_column_int64(statement_, column); }

std::optional<std::int64_t> SqliteStatement::optionalInteger(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) return std::nullopt;
    return integer(column);
}

std::string SqliteStatement::text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                 : std::string();
}

std::string SqliteStatement::blob(int column) const {
    const void* bytes = sqlite3_column_blob(statement_, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                 : std::string();
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db, Kind kind) : db_(db) {
    db_.execute(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

SqliteTransaction::~SqliteTransaction() {
    if (open_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit() {
    db_.execute("COMMIT");
    open_ = false;
}

}  // namespace andel
