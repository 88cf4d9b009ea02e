#pragma once
// Loading a storage file back into the main window's state, by position.
#include "platform/messages.h"
#include "workbench/workbench_state.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

inline constexpr std::string_view kLoadFailedMessage = "klarte ikke å lese inn rekkene";
inline constexpr std::string_view kBadCouponLineMessage = "feil ved innlesning av lagrede rekker";
inline constexpr std::string_view kBadStemMessage =
    "feil ved innlesning av lagrede rekker\rStammen i lagerfilen er skadet.\rIngenting er hentet inn.";
inline constexpr std::string_view kOnlineFileMissing = "Ikke tilgjengelig!";  // shown red
inline constexpr std::string_view kOnlineFileFound = "finner du her:";        // shown blue

// The values of a storage file as read by position; missing lines read as empty.
struct StoredRows {
    std::string uke, serialNumber, fornavn, etternavn, spillenummer;
    std::string kupongtype, spilltype, version;
    std::string stamme, markering, prioritet, utgang1, utgang2;
    std::string antallandeler, onlinePath, onlineDate;
    std::vector<std::string> couponLines;  // the lines after "#REKKER" (at most nine)
};
StoredRows parseStoredRows(const std::vector<std::string>& lines);

// The main window's answer to "does the online file at this path (Windows form) exist".
using OnlineFileProbe = std::function<bool(const std::string& pathAndName)>;

struct LoadResult {
    bool loaded = false;
    int couponsRead = 0;  // coupon columns filled from the file
};

// Loads directory/fileName into the state: player fields and `panel55`, the round, coupon
// type, time basis and share selectors, the stem grid and coupon grid columns, the online
// file's fields and its availability. A missing file shows "klarte ikke å lese inn
// rekkene" and leaves the state as it was. A version other than "07.OKT-2008" makes the
// player "UREGISTRERT" and the online file unavailable, with the long message. A stored
// stem that is not a valid stem refuses the load: one message, nothing changes. Coupon
// lines of a wrong length are reported and used as far as they go. The caller then runs
// recomputeSystem and the main window's refreshes.
LoadResult loadStoredRows(WorkbenchState& state, const std::filesystem::path& directory, const std::string& fileName,
                          Messages& messages, const OnlineFileProbe& onlineFileExists);

// Selects the game-week item whose trimmed text is `text` trimmed; a week not in the
// list is inserted at its place (newest first). An empty text changes nothing.
void selectGameWeekText(WorkbenchState& state, const std::string& text);

}  // namespace andel
