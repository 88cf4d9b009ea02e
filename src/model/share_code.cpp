#include "model/share_code.h"

namespace andel {
namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    return text.size() >= width ? text : std::string(width - text.size(), '0') + text;
}

}  // namespace

int shareCodeCheck(std::string_view serialNumber, int share, const GameWeek& week) {
    // The week as two digits and the year as four keep the digit string's length fixed, so
    // no two keys give the same string.
    const std::string digits = std::string(serialNumber) + padded(share, 3) + padded(week.week % 100, 2) +
                               padded(((week.year % 10000) + 10000) % 10000, 4);
    int remainder = 0;
    for (const char c : digits) remainder = (remainder * 10 + (c - '0')) % 97;
    return 98 - (remainder * 100) % 97;
}

std::string shareCodeText(std::string_view serialNumber, int share, const GameWeek& week) {
    if (serialNumber.size() != 4 || !allDigits(serialNumber) || share < 1 || share > 999) return {};
    return std::string(kShareCodePrefix) + std::string(serialNumber) + padded(share, 3) +
           padded(shareCodeCheck(serialNumber, share, week), 2);
}

std::string shareCodeText(const ShareCode& code) {
    return std::string(kShareCodePrefix) + code.serialNumber + padded(code.share, 3) + padded(code.check, 2);
}

std::string spacedShareCodeText(std::string_view code) {
    if (code.size() != kShareCodeLength) return std::string(code);
    return std::string(code.substr(0, 2)) + " " + std::string(code.substr(2, 4)) + " " + std::string(code.substr(6, 3)) +
           " " + std::string(code.substr(9, 2));
}

std::optional<ShareCode> parseShareCode(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c == ' ' || c == '-') continue;
        if (compact.size() >= kShareCodeLength) return std::nullopt;
        compact += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (compact.size() != kShareCodeLength || compact.compare(0, 2, kShareCodePrefix) != 0) return std::nullopt;
    const std::string_view digits = std::string_view(compact).substr(2);
    if (!allDigits(digits)) return std::nullopt;
    const int share = std::stoi(std::string(digits.substr(4, 3)));
    if (share < 1) return std::nullopt;
    return ShareCode{std::string(digits.substr(0, 4)), share, std::stoi(std::string(digits.substr(7, 2)))};
}

bool shareCodeFits(const ShareCode& code, const GameWeek& week) {
    return code.check == shareCodeCheck(code.serialNumber, code.share, week);
}

}  // namespace andel
