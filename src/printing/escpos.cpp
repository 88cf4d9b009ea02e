#include "printing/escpos.h"

#include <cstdint>
#include <string_view>
#include <utility>

namespace andel {
namespace {

// The letters of code page 865 above 127 the program writes, by their Unicode number.
constexpr std::pair<char32_t, unsigned char> kPage865[] = {
    {U'Ç', 0x80}, {U'ü', 0x81}, {U'é', 0x82}, {U'â', 0x83}, {U'ä', 0x84}, {U'à', 0x85}, {U'å', 0x86}, {U'ç', 0x87},
    {U'ê', 0x88}, {U'ë', 0x89}, {U'è', 0x8A}, {U'ï', 0x8B}, {U'î', 0x8C}, {U'ì', 0x8D}, {U'Ä', 0x8E}, {U'Å', 0x8F},
    {U'É', 0x90}, {U'æ', 0x91}, {U'Æ', 0x92}, {U'ô', 0x93}, {U'ö', 0x94}, {U'ò', 0x95}, {U'û', 0x96}, {U'ù', 0x97},
    {U'ÿ', 0x98}, {U'Ö', 0x99}, {U'Ü', 0x9A}, {U'ø', 0x9B}, {U'£', 0x9C}, {U'Ø', 0x9D}, {U'á', 0xA0}, {U'í', 0xA1},
    {U'ó', 0xA2}, {U'ú', 0xA3}, {U'ñ', 0xA4}, {U'Ñ', 0xA5}, {U'§', 0x15}, {U'½', 0xAB}, {U'¼', 0xAC}, {U'«', 0xAE},
    {U'¤', 0xAF}, {U'°', 0xF8}, {U'·', 0xFA}, {U'²', 0xFD}, {U'\u00a0', 0xFF},
};

// The next character of a UTF-8 text; a broken sequence gives U+FFFD and moves one byte.
char32_t nextCharacter(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char first = byte(i);
    int length = first < 0x80 ? 1 : (first >> 5) == 0x6 ? 2 : (first >> 4) == 0xE ? 3 : (first >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? first : first & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return c;
}

std::string twoBytes(std::size_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

// The printer makes the symbol: model 2, modules of 6 dots, error correction M, the
// content stored, then printed.
std::string qrCommands(const std::string& content) {
    const std::string gs = "\x1d(k";
    std::string out;
    out += gs + std::string("\x04\x00\x31\x41\x32\x00", 6);
    out += gs + std::string("\x03\x00\x31\x43\x06", 5);
    out += gs + std::string("\x03\x00\x31\x45\x31", 5);
    out += gs + twoBytes(content.size() + 3) + "\x31\x50\x30" + content;
    out += gs + std::string("\x03\x00\x31\x51\x30", 5);
    return out;
}

using namespace std::string_view_literals;  // "..."sv keeps the zero bytes of a command
constexpr std::string_view kLeftMargin = "\x1dL\x24\x00"sv;  // 36 dots: 42 columns centred on 576
constexpr std::string_view kAlignLeft = "\x1b" "a\x00"sv, kAlignCentre = "\x1b" "a\x01"sv;
constexpr std::string_view kBoldOn = "\x1b" "E\x01"sv, kBoldOff = "\x1b" "E\x00"sv;
constexpr std::string_view kLarge = "\x1d!\x11"sv, kNormal = "\x1d!\x00"sv;  // twice as wide and high

}  // namespace

std::string toCodePage865(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = nextCharacter(utf8, i);
        if (c == '\n' || (c >= 0x20 && c < 0x7F)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (const auto& [unicode, byte] : kPage865) {
            if (unicode == c) mapped = static_cast<char>(byte);
        }
        out += mapped;
    }
    return out;
}

std::string escposDrawerPulse() { return std::string(kEscposPulse, sizeof kEscposPulse - 1); }

std::string escposSlip(const Slip& slip, bool openDrawer) {
    std::string out = std::string(kEscposInit) + kEscposNordic;
    out += kLeftMargin;
    // The drawer opens first, so the agent counts the cash while the slip prints.
    if (openDrawer) out += escposDrawerPulse();
    for (const SlipRow& row : slipRows(slip)) {
        switch (row.kind) {
            case SlipLine::Kind::Heading:
                out += std::string(kAlignCentre) + std::string(kLarge) + std::string(kBoldOn) + toCodePage865(row.text) +
                       "\n" + std::string(kBoldOff) + std::string(kNormal) + std::string(kAlignLeft);
                break;
            case SlipLine::Kind::Total:
                out += std::string(kBoldOn) + toCodePage865(row.text) + "\n" + std::string(kBoldOff);
                break;
            case SlipLine::Kind::Rule: out += std::string(kSlipColumns, '-') + "\n"; break;
            case SlipLine::Kind::Space: out += "\n"; break;
            case SlipLine::Kind::Qr:
                out += std::string(kAlignCentre) + qrCommands(row.qr) + "\n" + std::string(kAlignLeft);
                break;
            default: out += toCodePage865(row.text) + "\n"; break;
        }
    }
    out += kEscposCut;
    return out;
}

}  // namespace andel
