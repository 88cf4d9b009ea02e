#include "online/online_file_name.h"

#include "model/text.h"

#include <vector>

namespace andel {
namespace {

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> found;
    std::string word;
    for (char c : text) {
        if (c == ' ') {
            if (!word.empty()) found.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) found.push_back(word);
    return found;
}

std::string joined(const std::vector<std::string>& parts, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text += (i > from ? " " : "") + parts[i];
    return text;
}

// Upper-case Æ, Ø and Å in UTF-8 and their plain replacements.
constexpr std::pair<std::string_view, char> kPlainLetters[] = {{"\xc3\x86", 'E'}, {"\xc3\x98", 'O'}, {"\xc3\x85", 'A'}};

bool allowedInFileName(char c) {
    return c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

std::string twoDigitsJoined(int a, int b, int c, char separator) {
    return twoDigits(a) + separator + twoDigits(b) + separator + twoDigits(c);
}

std::string dayMonthYear(const std::chrono::year_month_day& date, char separator) {
    return twoDigits(static_cast<int>(static_cast<unsigned>(date.day()))) + separator +
           twoDigits(static_cast<int>(static_cast<unsigned>(date.month()))) + separator +
           padLeft(std::to_string(static_cast<int>(date.year())), 4, '0');
}

}  // namespace

SplitName splitPlayerName(std::string_view fullName) {
    const std::vector<std::string> parts = words(fullName);
    if (parts.empty()) return {"Ukjentfornavn", "Ukjent etternavn"};
    const std::size_t firstWords = parts.size() == 3 ? 2 : parts.size() / 2;
    return {joined(parts, 0, firstWords), joined(parts, firstWords, parts.size())};
}

std::string onlineFilePlayerName(std::string_view name) {
    std::string text = upperCase(trimBlanks(name));
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool replaced = false;
        for (const auto& [letter, replacement] : kPlainLetters) {
            if (text.compare(i, letter.size(), letter) == 0) {
                plain += replacement;
                i += letter.size() - 1;
                replaced = true;
                break;
            }
        }
        if (replaced) continue;
        const char c = text[i] == ' ' ? '_' : text[i];
        if (allowedInFileName(c)) plain += c;
    }
    // The name must stay a valid file name on every file system the agent may choose.
    if (plain.size() > kMaxFileNamePlayer) plain.resize(kMaxFileNamePlayer);
    if (plain.size() < 5) plain.append(5 - plain.size(), 'A');
    return plain;
}

std::string onlineFileName(std::string_view rowsText, std::string_view name, const LocalDateTime& madeAt) {
    return "KRYSSEN_" + std::string(rowsText) + "_Rekker_" + onlineFilePlayerName(name) + "_Dato_" +
           dayMonthYear(madeAt.date, '-') + "_KL_" + twoDigitsJoined(madeAt.hour, madeAt.minute, madeAt.second, '-') +
           ".NTF";
}

std::string onlineFileDateText(const std::optional<LocalDateTime>& changedAt) {
    if (!changedAt) return "00.00.0000.00.00.00";
    return "Dato " + dayMonthYear(changedAt->date, '.') + "  Kl " +
           twoDigitsJoined(changedAt->hour, changedAt->minute, changedAt->second, ':');
}

}  // namespace andel
