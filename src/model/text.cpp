#include "model/text.h"

#include <limits>

namespace andel {

std::string digitsOnly(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9') out += c;
    }
    return out;
}

std::string removeBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ') out += c;
    }
    return out;
}

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // å (C3 A5), æ (C3 A6), ø (C3 B8) -> Å (C3 85), Æ (C3 86), Ø (C3 98)
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next == 0xA5 || next == 0xA6 || next == 0xB8) out[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return out;
}

std::string withoutLeadingZeros(std::string_view text) {
    const auto first = text.find_first_not_of('0');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string padLeftZero(std::string_view text, std::size_t width) {
    std::string out = padLeft(text, width, '0');
    return out.substr(0, width);
}

std::string padLeft(std::string_view text, std::size_t width, char fill) {
    std::string out;
    if (text.size() < width) out.assign(width - text.size(), fill);
    out += text;
    return out;
}

std::string formatAmount(std::int64_t amount) {
    const bool negative = amount < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(amount)
                                             : static_cast<std::uint64_t>(amount);
    const std::string digits = std::to_string(magnitude);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

std::int64_t parseAmount(std::string_view text) {
    std::int64_t value = 0;
    constexpr auto limit = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        if (value > limit) return std::numeric_limits<std::int64_t>::max();  // saturate, never overflow
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string twoDigits(int number) {
    const std::string digits = std::to_string(number);
    return digits.size() < 2 ? "0" + digits : digits;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string blankLineBreaks(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

}  // namespace andel
