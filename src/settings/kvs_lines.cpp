#include "settings/kvs_lines.h"

#include "model/codepage.h"
#include "model/text.h"

namespace andel {
namespace {

// The line's key folded to upper case; nothing for a line without "=", which never matches.
std::optional<std::string> foldedKeyOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return upperCase(fromCp1252(line.substr(0, equals)));
}

// The value is the text after the last "=", so "A=12=34" reads as 34.
std::string valueOf(std::string_view line) {
    return trimBlanks(fromCp1252(line.substr(line.rfind('=') + 1)));
}

}  // namespace

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> findValue(std::string_view bytes, std::string_view foldedKey) {
    for (std::string_view line : splitLines(bytes)) {
        if (foldedKeyOf(line) == foldedKey) return valueOf(line);
    }
    return std::nullopt;
}

std::optional<std::string> findValueByPrefix(std::string_view bytes, std::string_view foldedKey) {
    for (std::string_view line : splitLines(bytes)) {
        const auto key = foldedKeyOf(line);
        if (!key) continue;
        const std::string start = *key + fromCp1252(line.substr(line.find('=')));
        if (startsWith(start, foldedKey)) return valueOf(line);
    }
    return std::nullopt;
}

std::string rewriteWith(std::string_view bytes, std::string_view key, std::string_view value) {
    const std::string foldedKey = upperCase(key);
    std::string entry = std::string(key) + "=" + std::string(value);
    entry = toCp1252(entry);

    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16 + entry.size() + 2);
    bool replaced = false;
    for (std::string_view line : splitLines(bytes)) {
        if (foldedKeyOf(line) == foldedKey) {
            out += entry;
            replaced = true;
        } else {
            out += line;
        }
        out += "\r\n";
    }
    if (!replaced) out += entry + "\r\n";
    return out;
}

}  // namespace andel
