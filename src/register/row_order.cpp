#include "register/row_order.h"

#include <algorithm>
#include <cstdint>

namespace andel {
namespace {

// One UTF-8 character; a byte that does not start a valid sequence stands for itself.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return lead;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        code = (code << 6) | (next & 0x3F);
    }
    i += length;
    return code;
}

struct Weight {
    std::uint16_t primary;
    std::uint8_t accent;  // 0 for the plain letter
};

constexpr std::uint16_t kPunctuation = 0x0100, kDigits = 0x1000, kLetters = 0x2000, kOther = 0x8000;
constexpr std::uint16_t letter(int index) { return static_cast<std::uint16_t>(kLetters + index * 4); }
constexpr int kAe = 26, kOe = 27, kAa = 28;  // Æ, Ø, Å after Z

Weight weightOf(char32_t c) {
    if (c >= 'a' && c <= 'z') return {letter(static_cast<int>(c - 'a')), 0};
    if (c >= 'A' && c <= 'Z') return {letter(static_cast<int>(c - 'A')), 0};
    if (c >= '0' && c <= '9') return {static_cast<std::uint16_t>(kDigits + (c - '0')), 0};
    if (c < 0x80) return {static_cast<std::uint16_t>(kPunctuation + c), 0};
    if (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) {
        // Latin-1 letters, upper and lower case folded: the base letter and an accent rank.
        const char32_t folded = c >= 0xE0 ? c - 0x20 : c;
        switch (folded) {
            case 0xC6: return {letter(kAe), 0};      // Æ
            case 0xC4: return {letter(kAe), 1};      // Ä
            case 0xD8: return {letter(kOe), 0};      // Ø
            case 0xD6: return {letter(kOe), 1};      // Ö
            case 0xC5: return {letter(kAa), 0};      // Å
            case 0xDC: return {letter('Y' - 'A'), 1};  // Ü
            case 0xC7: return {letter('C' - 'A'), 1};
            case 0xD1: return {letter('N' - 'A'), 1};
            case 0xDD: return {letter('Y' - 'A'), 2};
            case 0xDF: return {letter('S' - 'A'), 1};  // ß
            default: break;
        }
        if (folded <= 0xC3) return {letter(0), static_cast<std::uint8_t>(folded - 0xC0 + 1)};
        if (folded >= 0xC8 && folded <= 0xCB) return {letter('E' - 'A'), static_cast<std::uint8_t>(folded - 0xC8 + 1)};
        if (folded >= 0xCC && folded <= 0xCF) return {letter('I' - 'A'), static_cast<std::uint8_t>(folded - 0xCC + 1)};
        if (folded >= 0xD2 && folded <= 0xD5) return {letter('O' - 'A'), static_cast<std::uint8_t>(folded - 0xD2 + 1)};
        if (folded >= 0xD9 && folded <= 0xDB) return {letter('U' - 'A'), static_cast<std::uint8_t>(folded - 0xD9 + 1)};
    }
    return {static_cast<std::uint16_t>(kOther + (c & 0x7FFF)), 0};
}

}  // namespace

std::string collationKey(std::string_view text) {
    std::string key;
    std::string accents;
    key.reserve(text.size() * 2 + 2);
    for (std::size_t i = 0; i < text.size();) {
        const Weight weight = weightOf(nextCodePoint(text, i));
        key += static_cast<char>(weight.primary >> 8);
        key += static_cast<char>(weight.primary & 0xFF);
        accents += static_cast<char>(weight.accent + 1);
    }
    // Every primary weight has a non-zero high byte, so the separator ends the primary
    // level below any further character: a shorter text sorts first.
    key += '\0';
    key += '\0';
    return key + accents;
}

int compareText(std::string_view a, std::string_view b) {
    const int order = collationKey(a).compare(collationKey(b));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

std::vector<std::size_t> sortedRowOrder(const std::vector<std::string>& cells, bool descending) {
    struct Entry {
        std::string key;
        std::size_t index;
    };
    std::vector<Entry> entries;
    entries.reserve(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        entries.push_back({collationKey(cells[i] + "#" + std::to_string(i + 1) + "#"), i});
    }
    // Keys are unique (each holds its row number), so the order is total.
    std::sort(entries.begin(), entries.end(), [](const Entry& x, const Entry& y) { return x.key < y.key; });
    std::vector<std::size_t> order;
    order.reserve(entries.size());
    for (const Entry& entry : entries) order.push_back(entry.index);
    if (descending) std::reverse(order.begin(), order.end());
    return order;
}

}  // namespace andel
