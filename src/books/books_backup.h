#pragma once
// Copies of the books, made with SQLite's online backup while other programs may be
// using them: the first change of each day makes one in andelsregnskap/sikkerhetskopi/,
// and the agent can make one on demand. The newest 60 daily copies are kept.
#include "platform/workspace.h"

#include <filesystem>
#include <optional>
#include <string>

namespace andel {

class SqliteDatabase;

inline constexpr std::string_view kBackupDirectory = "sikkerhetskopi";
inline constexpr std::size_t kBackupsKept = 60;

std::filesystem::path backupDirectory(const Workspace& workspace);

// A whole copy of the open database into `file` (replaced only when written whole).
void backupBooks(SqliteDatabase& db, const std::filesystem::path& file);

// Today's copy, unless one was made today already.
void backupBeforeFirstChangeToday(SqliteDatabase& db, const Workspace& workspace);

// The newest copy whose integrity check passes; nothing when there is none.
std::optional<std::filesystem::path> newestGoodBackup(const Workspace& workspace);
// " Siste gode sikkerhetskopi: PATH." or " Ingen sikkerhetskopi finnes.": the ending of a message about damaged books.
std::string newestBackupText(const Workspace& workspace);

}  // namespace andel
