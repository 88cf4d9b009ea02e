#include "storage/storage_load.h"

#include "workbench/selectors.h"

#include "model/coupon_type.h"
#include "model/game_week.h"
#include "model/player.h"
#include "model/stem.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "storage/storage_file.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <charconv>

namespace andel {
namespace {

// A storage file is about 1 KB; anything past this cannot belong to it.
constexpr std::size_t kMaxStorageBytes = 1024u * 1024u;
constexpr int kPairsBeforeCoupons = 24;  // pairs read by position before "#REKKER"

std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
        out.push_back(text.substr(i, length));
        i += length;
    }
    return out;
}

// Rows 1-12 of a grid column from the characters of a stored value, as far as it goes.
void putColumn(WorkbenchState& state, int column, const std::string& value) {
    const std::vector<std::string> chars = characters(value);
    for (std::size_t m = 0; m < chars.size() && m < kMatches; ++m) {
        state.couponGrid.at(column, static_cast<int>(m) + 1) = chars[m];
    }
}

// The stored stem when it is one (twelve masks 1-7, at least four fully guarded).
std::optional<Stem> storedStem(const std::string& digits) {
    if (digits.size() != kMatches) return std::nullopt;
    Stem stem;
    for (int m = 0; m < kMatches; ++m) {
        if (digits[m] < '1' || digits[m] > '7') return std::nullopt;
        stem.masks[m] = static_cast<SignMask>(digits[m] - '0');
    }
    return keepsInvariants(stem) ? std::optional<Stem>(stem) : std::nullopt;
}

template <typename Enum>
void selectByText(int& index, const std::string& value, std::string_view (*text)(Enum), int count) {
    for (int i = 0; i < count; ++i) {
        if (text(static_cast<Enum>(i)) == trimBlanks(value)) index = i;
    }
}

std::string versionConflictText(const StoredRows& rows) {
    return rows.fornavn + " " + rows.etternavn + "\r" + rows.spillenummer + "\r\r" +
           "P.G.A konflikt mellom gammel og\rny versjon settes spillenummeret på dette\r"
           "andelsbrevet til uregistrert.\r\r"
           "Hvis du skal kjøre de samme rekkene en gang til må du hente inn\r"
           "navn og spillenummer på nytt fra kundekartoteket.\r\r";
}

void putShares(WorkbenchState& state, const std::string& text) {
    const std::string digits = trimBlanks(text);
    int index = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size()) return;
    if (index < 0 || index >= static_cast<int>(state.shareItems.size())) return;
    state.antallandeler = state.antallandeler2 = index;
}

}  // namespace

StoredRows parseStoredRows(const std::vector<std::string>& lines) {
    const auto value = [&](int pair) {
        const std::size_t at = static_cast<std::size_t>(2 * pair - 1);
        return at < lines.size() ? lines[at] : std::string();
    };
    StoredRows rows;
    rows.uke = value(2);
    rows.serialNumber = value(3);
    rows.fornavn = value(4);
    rows.etternavn = value(5);
    rows.spillenummer = value(6);
    rows.version = value(11);
    rows.kupongtype = value(15);
    rows.spilltype = value(16);
    rows.stamme = value(17);
    rows.markering = value(18);
    rows.prioritet = value(19);
    rows.utgang1 = value(20);
    rows.utgang2 = value(21);
    rows.antallandeler = value(22);
    rows.onlinePath = value(23);
    rows.onlineDate = value(24);
    std::size_t at = 2 * kPairsBeforeCoupons;
    while (at < lines.size() && lines[at] != "#REKKER") ++at;
    for (++at; at < lines.size() && rows.couponLines.size() < kCoupons; ++at) rows.couponLines.push_back(lines[at]);
    return rows;
}

LoadResult loadStoredRows(WorkbenchState& state, const std::filesystem::path& directory, const std::string& fileName,
                          Messages& messages, const OnlineFileProbe& onlineFileExists) {
    const std::filesystem::path path = directory / std::filesystem::path(std::u8string(fileName.begin(), fileName.end()));
    const std::optional<std::string> bytes = fileExists(path) ? readFilePrefix(path, kMaxStorageBytes) : std::nullopt;
    if (!bytes) {
        messages.inform(std::string(kLoadFailedMessage));
        return {};
    }
    StoredRows rows = parseStoredRows(decodeTextLines(*bytes));
    // The stored coupons and online file belong to the stored stem: without it nothing of
    // the file is taken, so the window never pairs an online file with another system.
    const std::optional<Stem> stem = storedStem(rows.stamme);
    if (!stem) {
        messages.inform(std::string(kBadStemMessage));
        return {};
    }
    if (trimBlanks(rows.version) != kStorageVersion) {
        messages.inform(versionConflictText(rows), MessagePlacement::FromMainWindowCorner, 100, 130);
        rows.spillenummer = std::string(kUnregistered);
        rows.onlinePath += "X";  // the stored online file is no longer found
    }

    putStem(state, *stem);
    putColumn(state, 3, rows.stamme);
    putColumn(state, 1, rows.markering);
    putColumn(state, 2, rows.prioritet);
    putColumn(state, 4, rows.utgang1);
    putColumn(state, 4, rows.utgang2);
    LoadResult result{true, 0};
    for (const std::string& line : rows.couponLines) {
        if (characters(line).size() != kMatches) messages.inform(std::string(kBadCouponLineMessage));
        putColumn(state, kFirstCouponColumn + result.couponsRead++, line);
    }

    state.xfornavn = rows.fornavn;
    state.etternavn = rows.etternavn;
    state.spillenummer = rows.spillenummer;
    state.panel55 = syndicateName(Player{rows.fornavn, rows.etternavn, rows.spillenummer});
    selectGameWeekText(state, rows.uke);
    selectByText<CouponType>(state.kupongtype, rows.kupongtype, couponTypeText, kCouponTypeCount);
    selectByText<TimeBasis>(state.pauseordiner, rows.spilltype, timeBasisText, kTimeBasisCount);
    putShares(state, rows.antallandeler);

    const std::string serial = trimBlanks(rows.serialNumber);
    if (serial.empty() || serial == "0000") {
        forgetOnlineFile(state);
    } else {
        state.online.serialNumber = rows.serialNumber;
        state.online.pathAndName = rows.onlinePath;
        state.online.date = rows.onlineDate;
        const bool available = !rows.onlinePath.empty() && onlineFileExists && onlineFileExists(rows.onlinePath);
        state.online.availability = std::string(available ? kOnlineFileFound : kOnlineFileMissing);
    }
    return result;
}

void selectGameWeekText(WorkbenchState& state, const std::string& text) {
    const std::string wanted = trimBlanks(text);
    if (wanted.empty()) return;
    auto& items = state.ukecomboboxItems;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (trimBlanks(items[i]) == wanted) {
            state.ukecombobox = static_cast<int>(i);
            return;
        }
    }
    const std::size_t at = newestFirstPosition(items, parseGameWeek(wanted));
    items.insert(items.begin() + static_cast<long>(at), " " + wanted);
    state.ukecombobox = static_cast<int>(at);
}

}  // namespace andel
