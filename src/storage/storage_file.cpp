#include "storage/storage_file.h"

#include "model/codepage.h"
#include "model/coupon.h"
#include "model/coupon_type.h"
#include "model/text.h"

#include <fstream>

namespace andel {
namespace {

std::string dateText(const LocalDateTime& at, bool yearFirst) {
    const int year = static_cast<int>(at.date.year());
    const int month = static_cast<int>(static_cast<unsigned>(at.date.month()));
    const int day = static_cast<int>(static_cast<unsigned>(at.date.day()));
    if (yearFirst) return padLeftZero(std::to_string(year), 4) + "." + twoDigits(month) + "." + twoDigits(day);
    return twoDigits(day) + twoDigits(month) + padLeftZero(std::to_string(year), 4);
}

// A grid column's rows 1-12 as twelve stored characters.
std::string gridColumn(const WorkbenchState& state, int column) {
    std::string text;
    for (int row = 1; row <= kMatches; ++row) text += gridCharacter(state.couponGrid.at(column, row));
    return text;
}

std::string selectedItem(const std::vector<std::string>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

}  // namespace

std::string storageFileName(const LocalDateTime& savedAt) {
    return "DATO-" + dateText(savedAt, false) + "-" + twoDigits(savedAt.hour) + twoDigits(savedAt.minute) +
           twoDigits(savedAt.second) + ".TXT";
}

std::string gridCharacter(const std::string& cell) {
    if (cell.empty() || cell == " ") return "0";
    std::size_t length = 1;  // the whole first UTF-8 character
    while (length < cell.size() && (static_cast<unsigned char>(cell[length]) & 0xC0) == 0x80) ++length;
    return cell.substr(0, length);
}

std::vector<std::string> storageFileLines(const WorkbenchState& state, StorageMode mode,
                                          const std::string& serialNumber, const LocalDateTime& savedAt) {
    const std::string time = twoDigits(savedAt.hour) + ":" + twoDigits(savedAt.minute) + ":" + twoDigits(savedAt.second);
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"#LAGRINGSTIME", dateText(savedAt, true) + "." + time},
        {"#UKE", trimBlanks(selectedItem(state.ukecomboboxItems, state.ukecombobox))},
        {"#ONLINESERIENUMMER", serialNumber},
        {"#FORNAVN", state.xfornavn},
        {"#ETTERNAVN", state.etternavn},
        {"#SPILLENUMMER", state.spillenummer},
        {"#TRIPPELTYPE", "12"},
        {"#LAGRINGSTYPE", mode == StorageMode::Lager ? "LAGER " : "ONLINE"},
        {"#KOMBINASJONER", padLeft(std::to_string(kCoupons), 5)},
        {"#REKKEANTALL", padLeft(digitsOnly(state.rekkertotalt), 5)},
        {"#VERSJON", std::string(kStorageVersion)},
        {"#REKKEPRIS", "1"},
        {"#SYSTEMFILNAVN", "TEST.TSY"},
        {"#SYSTEMNAVN", std::string(kSystemStoredName)},
        {"#KUPONGTYPE", trimBlanks(couponTypeText(couponTypeFromIndex(state.kupongtype)))},
        {"#SPILLTYPE", trimBlanks(timeBasisText(timeBasisFromIndex(state.pauseordiner)))},
        {"#STAMME", gridColumn(state, 3)},
        {"#MARKERING", gridColumn(state, 1)},
        {"#PRIORITET", gridColumn(state, 2)},
        {"#UTGANG1", gridColumn(state, 4)},
        {"#UTGANG2", gridColumn(state, 4)},
        {"#ANTALLANDELER", std::to_string(state.antallandeler)},
        {"#ONLINEFILPATHOGNAVN", state.online.pathAndName},
        {"#ONLINEFILDATO", state.online.date},
    };
    std::vector<std::string> lines;
    // Loading goes by position: a line break inside a value would shift every later pair.
    for (const auto& [key, value] : pairs) {
        lines.push_back(key);
        lines.push_back(blankLineBreaks(value));
    }
    for (int reserved = 0; reserved < 10; ++reserved) {
        lines.emplace_back("#UTVIDELSE");
        lines.emplace_back();
    }
    lines.emplace_back("#REKKER");
    for (int c = 0; c < kCoupons; ++c) lines.push_back(gridColumn(state, kFirstCouponColumn + c));
    return lines;
}

std::string encodeTextLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += toCp1252(line) + "\r\n";
    return bytes;
}

std::vector<std::string> decodeTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.push_back(fromCp1252(bytes.substr(start, i - start)));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(fromCp1252(bytes.substr(start)));
    return lines;
}

std::optional<std::string> readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace andel
