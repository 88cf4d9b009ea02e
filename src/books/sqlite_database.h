#pragma once
// A small hold on SQLite: one connection, prepared statements bound by position, and
// transactions that end in a rollback unless committed. Every failure throws IoError with
// a Norwegian text; a database held by another program past the busy timeout says
// "i bruk".
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace andel {

class SqliteDatabase;

class SqliteStatement {
public:
    SqliteStatement(SqliteDatabase& db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters from 1; a text is bound as UTF-8, nothing as NULL.
    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, std::string_view text);
    SqliteStatement& bind(int index, const std::optional<std::int64_t>& value);
    SqliteStatement& bindNull(int index);
    SqliteStatement& bindBlob(int index, std::string_view bytes);
    // The next row; false when done. The statement is reset for new bindings by reset().
    bool step();
    void run();  // steps to the end
    void reset();

    std::int64_t integer(int column) const;
    std::optional<std::int64_t> optionalInteger(int column) const;
    std::string text(int column) const;
    std::string blob(int column) const;

private:
    SqliteDatabase& db_;
    sqlite3_stmt* statement_ = nullptr;
};

class SqliteDatabase {
public:
    enum class Mode { ReadWrite, ReadOnly };
    // Opens (and with ReadWrite creates) the file; waits up to `busyMilliseconds` for a
    // lock another connection holds.
    SqliteDatabase(const std::filesystem::path& file, Mode mode, int busyMilliseconds = 5000);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    void execute(std::string_view sql);
    std::int64_t lastInsertId() const;
    sqlite3* handle() const { return db_; }
    const std::filesystem::path& file() const { return file_; }

    // Throws IoError for a result code that is not success: `doing` says what failed.
    void check(int code, std::string_view doing) const;

private:
    sqlite3* db_ = nullptr;
    std::filesystem::path file_;
};

// BEGIN IMMEDIATE (the write lock taken at once, so checks and writes see one state) or
// a deferred read transaction; rolled back when left without commit().
class SqliteTransaction {
public:
    enum class Kind { Write, Read };
    SqliteTransaction(SqliteDatabase& db, Kind kind);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void commit();

private:
    SqliteDatabase& db_;
    bool open_ = true;
};

// The message for a database another program holds.
std::string booksBusyMessage(const std::filesystem::path& file);

}  // namespace andel
