#pragma once
// The text of a "key=value" store file. Lines are kept as their raw Windows-1252 bytes
// so that lines this program does not touch survive a rewrite unchanged.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// Lines split on LF, each without its trailing CR. A final LF ends the last line.
std::vector<std::string_view> splitLines(std::string_view bytes);

// The value (UTF-8, blanks trimmed) of the first line whose key, the text before its
// first "=", equals `foldedKey` once upper-cased. Nothing when no line matches.
std::optional<std::string> findValue(std::string_view bytes, std::string_view foldedKey);

// The quick read's looser match: the first line whose start, with its key upper-cased,
// begins with `foldedKey`.
std::optional<std::string> findValueByPrefix(std::string_view bytes, std::string_view foldedKey);

// The file with every line of `key` replaced by key=value, or that line appended when
// none matched; every other line unchanged and in order. All lines end in CR LF.
std::string rewriteWith(std::string_view bytes, std::string_view key, std::string_view value);

}  // namespace andel
