#include "online/online_file_audit.h"

#include "online/check_characters.h"
#include "model/codepage.h"
#include "online/header_record.h"
#include "online/online_games.h"

#include <algorithm>

namespace andel {

std::string OnlineFileInspection::lengthProblem() const {
    if (leftoverBytes != 0) {
        return "Onlinefilen har " + std::to_string(leftoverBytes) +
               " byte etter siste hele post: lengden er ikke et helt antall poster på 350 byte";
    }
    if (checksOk.empty()) return "Onlinefilen er tom";
    return {};
}

bool OnlineFileInspection::allOk() const {
    return lengthProblem().empty() && std::all_of(checksOk.begin(), checksOk.end(), [](bool ok) { return ok; });
}

OnlineFileInspection inspectOnlineFile(std::string_view bytes) {
    OnlineFileInspection inspection;
    const std::size_t records = bytes.size() / kRecordBytes;
    inspection.leftoverBytes = bytes.size() % kRecordBytes;
    if (records > 0) inspection.headerDump = HeaderRecord::fromBytes(bytes.substr(0, kRecordBytes))->dump();
    for (std::size_t n = 0; n < records; ++n) {
        const std::string_view record = bytes.substr(n * kRecordBytes, kRecordBytes);
        inspection.checksOk.push_back(checkCharactersMatch(record));
        if (n == 0) continue;
        const std::string_view code = record.substr(4, 2);
        const OnlineGame* game = gameOfCouponCode(code);
        inspection.couponGames.push_back(fromCp1252(code) + " " + (game ? std::string(game->name) : "ukjent"));
    }
    return inspection;
}

}  // namespace andel
