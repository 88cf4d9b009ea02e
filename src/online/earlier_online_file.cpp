#include "online/earlier_online_file.h"

#include "model/text.h"
#include "platform/file_io.h"
#include "storage/storage_directory.h"
#include "storage/storage_file.h"
#include "storage/storage_listing.h"
#include "storage/storage_load.h"

#include <algorithm>

namespace andel {
namespace {

constexpr std::size_t kStorageKeysBytes = 4096;  // the pairs before the coupons
constexpr std::size_t kModeLine = 16, kSavedLine = 2;

std::string lineOf(const std::vector<std::string>& lines, std::size_t number) {
    return number <= lines.size() ? lines[number - 1] : std::string();
}

// "Dato 07.03.2009  Kl 09:05:03" -> "07.03.2009 kl 09:05:03"; else the storing time
// "2009.03.07.09:05:03" in the same form.
std::string madeAtText(const std::string& onlineDate, const std::string& savedAt) {
    const std::string date = trimBlanks(onlineDate);
    if (date.rfind("Dato ", 0) == 0 && date.find("  Kl ") == 15) return date.substr(5, 10) + " kl " + date.substr(20);
    if (savedAt.size() >= 19) return savedAt.substr(8, 2) + "." + savedAt.substr(5, 2) + "." + savedAt.substr(0, 4) + " kl " + savedAt.substr(11, 8);
    return savedAt;
}

bool sameSyndicate(const StoredRows& a, const StoredRows& b) {
    return trimBlanks(a.uke) == trimBlanks(b.uke) && trimBlanks(a.kupongtype) == trimBlanks(b.kupongtype) &&
           trimBlanks(a.spilltype) == trimBlanks(b.spilltype) && trimBlanks(a.stamme) == trimBlanks(b.stamme);
}

}  // namespace

std::vector<EarlierOnlineFile> earlierOnlineFiles(const Workspace& workspace, const WorkbenchState& state,
                                                  const VoidedSerial& voided) {
    // The syndicate in hand as the storage would hold it, so both sides read alike.
    const StoredRows current = parseStoredRows(storageFileLines(state, StorageMode::Online, "", LocalDateTime{}));
    std::vector<std::pair<std::string, EarlierOnlineFile>> found;
    const auto directory = enterStorageDirectory(workspace.root());
    if (!directory) return {};
    for (const auto& file : storageFiles(*directory)) {
        const auto bytes = readFilePrefix(file, kStorageKeysBytes);
        if (!bytes) continue;
        const std::vector<std::string> lines = decodeTextLines(*bytes);
        const StoredRows stored = parseStoredRows(lines);
        const std::string serial = trimBlanks(stored.serialNumber);
        if (trimBlanks(lineOf(lines, kModeLine)) != "ONLINE" || serial.empty()) continue;
        if (!sameSyndicate(stored, current) || (voided && voided(serial))) continue;
        const std::string player = trimBlanks(trimBlanks(stored.fornavn) + " " + trimBlanks(stored.etternavn)) +
                                   (trimBlanks(stored.spillenummer).empty() ? "" : " " + trimBlanks(stored.spillenummer));
        const std::string savedAt = lineOf(lines, kSavedLine);
        found.emplace_back(savedAt, EarlierOnlineFile{serial, madeAtText(stored.onlineDate, savedAt), player,
                                                      trimBlanks(stored.onlinePath), pathText(file.filename())});
    }
    // The storing time "YYYY.MM.DD.hh:mm:ss" sorts as text.
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<EarlierOnlineFile> earlier;
    for (auto& entry : found) earlier.push_back(std::move(entry.second));
    return earlier;
}

std::string earlierOnlineFileLine(const EarlierOnlineFile& file) {
    return "serienummer " + file.serialNumber + ", laget " + file.madeAt +
           (file.player.empty() ? std::string() : ", spiller " + file.player);
}

Message earlierOnlineFileQuestion(const std::vector<EarlierOnlineFile>& earlier) {
    std::string text = earlier.size() == 1 ? "Andelslaget har allerede en onlinefil:"
                                           : "Andelslaget har allerede " + std::to_string(earlier.size()) + " onlinefiler:";
    for (const EarlierOnlineFile& file : earlier) {
        text += "\r" + earlierOnlineFileLine(file);
    }
    text += "\r\rLage en ny onlinefil likevel?";
    Message question{text, MessageButtons::YesNo, MessagePlacement::OverMainWindow};
    question.defaultAnswer = MessageDefault::No;
    return question;
}

Message printForEarlierFileQuestion(const EarlierOnlineFile& earlier) {
    return Message{"Andelslaget har allerede en onlinefil:\r" + earlierOnlineFileLine(earlier) +
                       "\r\rSkrive ut andelsbrevene for den?",
                   MessageButtons::YesNo, MessagePlacement::OverMainWindow};
}

bool mayMakeAnotherOnlineFile(const Workspace& workspace, const WorkbenchState& state, Messages& messages,
                              const VoidedSerial& voided) {
    const std::vector<EarlierOnlineFile> earlier = earlierOnlineFiles(workspace, state, voided);
    return earlier.empty() || messages.show(earlierOnlineFileQuestion(earlier));
}

}  // namespace andel
