#pragma once
// A storage file of the row storage: 35 key/value pairs in a fixed order, the last one
// ("#REKKER") followed by the nine coupon lines. Windows-1252 text with CR LF line ends;
// readers go by position, not by key.
#include "platform/clock.h"
#include "workbench/workbench_state.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

enum class StorageMode { Lager, Online };  // the save-rows command / a made online file

inline constexpr std::string_view kStorageVersion = "07.OKT-2008";
constexpr int kStoragePairs = 35;

// "DATO-" + DDMMYYYY + "-" + hhmmss + ".TXT".
std::string storageFileName(const LocalDateTime& savedAt);

// The file's text lines (UTF-8) for the syndicate in hand; `serialNumber` is stored as
// given (empty for the save-rows command).
std::vector<std::string> storageFileLines(const WorkbenchState& state, StorageMode mode,
                                          const std::string& serialNumber, const LocalDateTime& savedAt);

// Lines joined with CR LF (after the last one too) and encoded to Windows-1252.
std::string encodeTextLines(const std::vector<std::string>& lines);

// Text lines of Windows-1252 bytes: CR LF, a lone CR or a lone LF end a line.
std::vector<std::string> decodeTextLines(std::string_view bytes);

// At most `maxBytes` from the start of a file; nothing when it cannot be opened.
std::optional<std::string> readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes);

// The character a grid cell is stored as: its first character; "0" for an empty cell
// or one holding a single blank.
std::string gridCharacter(const std::string& cell);

}  // namespace andel
