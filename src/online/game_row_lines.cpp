#include "online/game_row_lines.h"

#include "model/codepage.h"
#include "model/text.h"
#include "online/coupon_record.h"
#include "online/rows_file_body.h"
#include "online/tipping_rows.h"

#include <algorithm>
#include <vector>

namespace andel {
namespace {

constexpr long kMostRowsOnALine = 9999;  // the row count is four digits

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A piece of a line for a message: the file's bytes decoded, control characters shown as
// "?", and a long line cut so the message stays readable.
std::string inQuotes(std::string_view raw) {
    constexpr std::size_t kShown = 30;
    std::string shown(raw.substr(0, kShown));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 32) c = '?';
    }
    return "\"" + fromCp1252(shown) + (raw.size() > kShown ? "...\"" : "\"");
}

std::string lengthProblem(std::size_t length, const std::string& wanted) {
    return "feil lengde (" + std::to_string(length) + " tegn, skal være " + wanted + ")";
}

long binomial(int n, int k) {
    long result = 1;
    for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
    return result;
}

// "NN NN ... NN": two digits a number, one blank between. `fewest` to `most` numbers.
GameRowLine readNumbers(const RowRules& rules, std::string_view text, int fewest, int most) {
    GameRowLine row;
    const std::size_t length = text.size();
    const int count = static_cast<int>((length + 1) / 3);
    if (length % 3 != 2 || count < fewest || count > most) {
        const auto width = [](int n) { return std::to_string(3 * n - 1); };
        row.problem = lengthProblem(length, fewest == most ? width(fewest) : width(fewest) + " til " + width(most));
        return row;
    }
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) {
        const std::string_view token = text.substr(3 * static_cast<std::size_t>(i), 2);
        const bool blankAfter = i + 1 == count || text[3 * static_cast<std::size_t>(i) + 2] == ' ';
        if (!isDigit(token[0]) || !isDigit(token[1]) || !blankAfter) {
            row.problem = inQuotes(text) + " er ikke tall på to sifre med én blank mellom";
            return row;
        }
        const int number = (token[0] - '0') * 10 + (token[1] - '0');
        if (number < rules.lowest || number > rules.highest) {
            row.problem = "tallet " + std::to_string(number) + " er utenfor " + std::to_string(rules.lowest) +
                          "-" + std::to_string(rules.highest);
            return row;
        }
        if (std::find(numbers.begin(), numbers.end(), number) != numbers.end()) {
            row.problem = "tallet " + std::to_string(number) + " står to ganger i rekken";
            return row;
        }
        numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    for (int number : numbers) row.field += twoDigits(number);
    row.rows = binomial(count, rules.marksPerRow);
    return row;
}

// One mark digit (1 to 7) per match.
GameRowLine readSigns(const RowRules& rules, std::string_view text) {
    GameRowLine row;
    if (text.size() != static_cast<std::size_t>(rules.marksPerRow)) {
        row.problem = lengthProblem(text.size(), std::to_string(rules.marksPerRow) + " merker");
        return row;
    }
    row.rows = 1;
    for (std::size_t m = 0; m < text.size(); ++m) {
        const char mark = text[m];
        if (mark < '1' || mark > '7') {
            row.problem = "merket " + inQuotes(text.substr(m, 1)) + " i kamp " + std::to_string(m + 1) + " er ikke 1-7";
            return row;
        }
        const int mask = mark - '0';
        const int signs = (mask & 4 ? 1 : 0) + (mask & 2 ? 1 : 0) + (mask & 1 ? 1 : 0);
        row.rows *= signs;
        row.field += signCode(mark);
    }
    if (row.rows > kMostRowsOnALine) row.problem = "rekken står for over 9999 rekker";
    return row;
}

// "MMM U SSSS": match number, outcome H, U or B, stake in kroner.
GameRowLine readOddsBet(const RowRules& rules, std::string_view text) {
    GameRowLine row;
    if (text.size() != 10) {
        row.problem = lengthProblem(text.size(), "10");
        return row;
    }
    const std::string_view match = text.substr(0, 3), stake = text.substr(6, 4);
    const auto allDigits = [](std::string_view t) { return std::all_of(t.begin(), t.end(), isDigit); };
    if (!allDigits(match) || !allDigits(stake) || text[3] != ' ' || text[5] != ' ') {
        row.problem = inQuotes(text) + " er ikke kampnummer, utfall og innsats (\"014 H 0050\")";
        return row;
    }
    const int matchNumber = std::stoi(std::string(match));
    const char outcome = text[4];
    row.stake = std::stol(std::string(stake));
    if (matchNumber < rules.lowest || matchNumber > rules.highest) {
        row.problem = "kampnummer " + std::to_string(matchNumber) + " er utenfor " + std::to_string(rules.lowest) +
                      "-" + std::to_string(rules.highest);
    } else if (outcome != 'H' && outcome != 'U' && outcome != 'B') {
        row.problem = "utfallet " + inQuotes(text.substr(4, 1)) + " er ikke H, U eller B";
    } else if (row.stake < rules.lowestStake || row.stake > rules.highestStake) {
        row.problem = "innsatsen " + std::to_string(row.stake) + " er utenfor " + std::to_string(rules.lowestStake) +
                      "-" + std::to_string(rules.highestStake) + " kr";
    }
    if (!row.problem.empty()) return row;
    const char mark = outcome == 'H' ? '4' : outcome == 'U' ? '2' : '1';
    row.field = std::string(match) + std::string(signCode(mark)) + std::string(stake);
    row.rows = 1;
    return row;
}

}  // namespace

GameRowLine readPlainRowLine(const RowRules& rules, std::string_view line) {
    const std::string text = trimBlanks(line);
    if (rules.kind == RowKind::OddsBets) return readOddsBet(rules, text);
    if (rules.kind == RowKind::Signs) return readSigns(rules, text);
    return readNumbers(rules, text, rules.marksPerRow, rules.marksPerRow);
}

GameRowLine readCountedRowLine(const RowRules& rules, std::string_view line, bool system) {
    const std::string text = trimBlanks(line);
    const auto count = rowCountOf(text);
    if (!count || text.size() < 6 || text[4] != ' ') {
        GameRowLine row;
        row.problem = inQuotes(text) + " begynner ikke med radantall på fire sifre og en blank";
        return row;
    }
    const std::string_view rowText = std::string_view(text).substr(5);
    GameRowLine row;
    if (rules.kind == RowKind::Signs) {
        row = readSigns(rules, rowText);
    } else {
        const int most = system ? rules.mostSystemNumbers : rules.marksPerRow;
        row = readNumbers(rules, rowText, system ? rules.marksPerRow + 1 : rules.marksPerRow, most);
    }
    if (!row.problem.empty()) return row;
    if (!system && row.rows != 1) {
        row.problem = "en enkeltrekke kan ikke stå for " + std::to_string(row.rows) + " rekker";
    } else if (system && row.rows < 2) {
        row.problem = "en systemrekke må stå for mer enn én rekke";
    } else if (*count != row.rows) {
        row.problem = "radantallet " + text.substr(0, 4) + " skal være " + padLeftZero(std::to_string(row.rows), 4);
    }
    return row;
}

}  // namespace andel
