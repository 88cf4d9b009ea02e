#include "online/rows_file_reader.h"

#include "model/codepage.h"
#include "model/text.h"
#include "online/game_rows.h"
#include "online/rows_file_body.h"

namespace andel {
namespace {

// Value line n (1-based) of the header, as raw bytes; "" beyond the end of the file.
std::string lineAt(const std::vector<std::string>& lines, std::size_t number) {
    return number <= lines.size() ? lines[number - 1] : std::string();
}

void readHeader(const std::vector<std::string>& lines, RowsFileInfo& result) {
    auto text = [&](std::size_t number) { return fromCp1252(lineAt(lines, number)); };
    result.onlineFileName = text(2);
    result.onlineDirectory = text(4);
    auto& t = result.info.texts;
    t[info::kNavn] = text(6);
    // Zeros in front count for nothing: "0123456789" is the nine-digit 123456789.
    t[info::kSpillenummer] = padLeftZero(withoutLeadingZeros(digitsOnly(text(8))), 9);
    t[info::kSpill] = text(10);
    t[info::kAntallUker] = text(12);
    t[info::kGangefelt] = text(14);
    t[info::kKupongtype] = text(16);
    t[info::kPause] = text(18);
    t[info::kRekkepris] = text(20);
    t[info::kMerkfil] = text(22);
    // The serial number as its value in four places; a longer one is refused, not cut.
    const std::string serial = fromCp1252(removeBlanks(lineAt(lines, 24)));
    const bool serialDigits = !serial.empty() && serial == digitsOnly(serial);
    t[info::kSerialNumber] = padLeftZero(serialDigits ? withoutLeadingZeros(serial) : serial, 4);
    t[info::kRekkeantallIalt] = padLeftZero(withoutLeadingZeros(digitsOnly(text(26))), 6);
    result.givenPlayerNumber = digitsOnly(text(8));
    result.givenRowCount = digitsOnly(text(26));
    result.givenSerialNumber = serialDigits ? serial : std::string();
}

void countTippingRows(const std::vector<std::string>& lines, Messages& messages, RowsFileInfo& result) {
    const RowsFileBody body = parseRowsFileBody(lines);
    if (!body.systemSectionFound) messages.inform("FEIL I ONLINEFIL, MMORDNE 1");
    if (!body.singleRowSectionFound) messages.inform("FEIL I ONLINEFIL, MMORDNE 2");

    std::int64_t systemCoupons = 0, systemRows = 0, singleRows = 0;
    for (const std::string& line : body.systemSectionLines) {
        if (!isSystemCouponLine(line)) continue;
        ++systemCoupons;
        systemRows += rowCountOf(line).value_or(0);
    }
    for (const auto& group : body.singleRowGroups) {
        for (const std::string& line : group) {
            const auto count = rowCountOf(line);
            if (!count || *count > 1) messages.inform("FEIL I ONLINEFIL, MMORDNE 3");
            if (count == 1) ++singleRows;
        }
    }
    const auto singleRowCoupons = static_cast<std::int64_t>(body.singleRowGroups.size());
    auto& t = result.info.texts;
    t[info::kSystemCoupons] = std::to_string(systemCoupons);
    t[info::kSingleRowCoupons] = std::to_string(singleRowCoupons);
    t[info::kSingleRows] = std::to_string(singleRows);
    t[info::kSystemRows] = std::to_string(systemRows);
    t[info::kTotalCoupons] = std::to_string(systemCoupons + singleRowCoupons);
}

void countGameRows(const OnlineGame& game, const std::vector<std::string>& lines, Messages& messages,
                   RowsFileInfo& result, std::size_t problemsShown) {
    const GameRows rows = readGameRows(game, lines);
    for (const std::string& message : gameRowsMessages(game, rows, problemsShown)) messages.inform(message);
    const auto coupons = static_cast<long>(rows.coupons.size());
    auto& t = result.info.texts;
    t[info::kSystemCoupons] = std::to_string(rows.systemCoupons);
    t[info::kSingleRowCoupons] = std::to_string(coupons - rows.systemCoupons);
    t[info::kSingleRows] = std::to_string(rows.singleRows);
    t[info::kSystemRows] = std::to_string(rows.systemRows);
    t[info::kTotalCoupons] = std::to_string(coupons);
    t[info::kTotalRows] = std::to_string(rows.systemRows + rows.singleRows);
    t[info::kTotalStake] = std::to_string(rows.stake);
}

}  // namespace

bool readRowsFile(const std::filesystem::path& file, Messages& messages, RowsFileInfo& result) {
    return readRowsFile(file, tippingGame(), messages, result);
}

bool readRowsFile(const std::filesystem::path& file, const OnlineGame& game, Messages& messages,
                  RowsFileInfo& result, std::size_t problemsShown) {
    const auto lines = loadRowsFileLines(file);
    if (!lines) {
        messages.inform("fant ikke filen");
        return false;
    }
    readHeader(*lines, result);
    // Only blanks may go besides the digits: a dropped letter would change whose number it is.
    const std::string playerNumber = removeBlanks(lineAt(*lines, 8));
    if (playerNumber != digitsOnly(playerNumber)) {
        messages.inform("FEIL I ONLINEFIL\rSpillenummeret har andre tegn enn sifre");
    }
    if (game.name == tippingGame().name) {
        countTippingRows(*lines, messages, result);
    } else {
        countGameRows(game, *lines, messages, result, problemsShown);
    }
    return true;
}

}  // namespace andel
