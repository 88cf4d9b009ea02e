#include "books/books_backup.h"

#include "books/book_event.h"
#include "books/ledger_file.h"
#include "books/sqlite_database.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace andel {
namespace {

std::vector<std::filesystem::path> backupsNewestFirst(const Workspace& workspace) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(backupDirectory(workspace), error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("regnskap-") && name.ends_with(".db")) files.push_back(entry.path());
    }
    // "regnskap-YYYY-MM-DD.db": the names sort by day.
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.filename() > b.filename(); });
    return files;
}

bool passesIntegrityCheck(const std::filesystem::path& file) {
    try {
        SqliteDatabase db(file, SqliteDatabase::Mode::ReadOnly, 1000);
        SqliteStatement check(db, "PRAGMA integrity_check");
        return check.step() && check.text(0) == "ok";
    } catch (const IoError&) {
        return false;
    }
}

}  // namespace

std::filesystem::path backupDirectory(const Workspace& workspace) {
    return workspace.file(std::string(kLedgerDirectory) + "/" + std::string(kBackupDirectory));
}

void backupBooks(SqliteDatabase& db, const std::filesystem::path& file) {
    std::filesystem::path partial = file;
    partial += ".tmp";
    std::error_code error;
    std::filesystem::remove(partial, error);
    {
        SqliteDatabase copy(partial, SqliteDatabase::Mode::ReadWrite);
        sqlite3_backup* backup = sqlite3_backup_init(copy.handle(), "main", db.handle(), "main");
        if (!backup) copy.check(sqlite3_errcode(copy.handle()), "sikkerhetskopi");
        const int stepped = sqlite3_backup_step(backup, -1);
        const int finished = sqlite3_backup_finish(backup);
        if (stepped != SQLITE_DONE) db.check(stepped, "sikkerhetskopi");
        copy.check(finished, "sikkerhetskopi");
    }
    std::filesystem::rename(partial, file, error);
    if (error) throw IoError("Kan ikke lagre sikkerhetskopien " + pathText(file) + ": " + error.message());
}

void backupBeforeFirstChangeToday(SqliteDatabase& db, const Workspace& workspace) {
    const std::filesystem::path directory = backupDirectory(workspace);
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::string today = isoDate(todayLedgerDate());
    const std::filesystem::path file = directory / ("regnskap-" + today + ".db");
    if (std::filesystem::exists(file, error)) return;
    backupBooks(db, file);
    const std::vector<std::filesystem::path> all = backupsNewestFirst(workspace);
    for (std::size_t i = kBackupsKept; i < all.size(); ++i) std::filesystem::remove(all[i], error);
}

std::optional<std::filesystem::path> newestGoodBackup(const Workspace& workspace) {
    for (const std::filesystem::path& file : backupsNewestFirst(workspace)) {
        if (passesIntegrityCheck(file)) return file;
    }
    return std::nullopt;
}

std::string newestBackupText(const Workspace& workspace) {
    const auto good = newestGoodBackup(workspace);
    return good ? " Siste gode sikkerhetskopi: " + pathText(*good) + "." : std::string(" Ingen sikkerhetskopi finnes.");
}

}  // namespace andel
