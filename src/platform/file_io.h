#pragma once
// Whole-file reads and safe replacement of files.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace andel {

// The bytes of a file, or nothing when it cannot be opened. Files larger than
// `maxBytes` are refused the same way, so a garbage file can never exhaust memory.
std::optional<std::string> readFileBytes(const std::filesystem::path& path,
                                         std::size_t maxBytes = 64u * 1024u * 1024u);

// Writes `bytes` to `temporary` completely, flushes it to disk and renames it over
// `target` in one step, so a crash leaves either the old or the new file whole; then
// syncs the directory, so that the new file is the one a power cut leaves (POSIX; the
// Windows rename is written through). Throws IoError when any step fails: before the
// rename the target is untouched; a failed directory sync leaves the new file in place,
// not known to be on the disk.
void replaceFile(const std::filesystem::path& target, std::string_view bytes,
                 const std::filesystem::path& temporary);
// The same with the temporary file next to the target, named after it + ".tmp".
void replaceFile(const std::filesystem::path& target, std::string_view bytes);

// Creates the directory and its parents; throws IoError when that fails.
void ensureDirectory(const std::filesystem::path& directory);

bool fileExists(const std::filesystem::path& path);
// Deletes the file when it exists; a missing file is not an error.
void removeFileIfExists(const std::filesystem::path& path);

// UTF-8 text of a path, for messages, with the system's own separators.
std::string pathText(const std::filesystem::path& path);

// For fault tests only: the disk fills up after `bytes` more bytes have been written by
// replaceFile in this process; every later write fails as on a full disk. Nothing (the
// default) is a disk without end. The program never sets it.
void simulateDiskFullAfter(std::optional<std::size_t> bytes);
// For fault tests only: the directory sync after the rename fails as on a failing disk.
void simulateDirectorySyncFailure(bool fails);

}  // namespace andel
