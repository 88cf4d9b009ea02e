#pragma once
// The make-online-file command of the main window: from the dialog's answers to the
// online file at the chosen directory, its backup copy, the next serial number, the
// online-file status and the syndicate stored in mode "ONLINE".
#include "online/online_conversion.h"
#include "online/online_dialog_fields.h"
#include "online/online_file_wait.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "workbench/workbench_state.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kUnregisteredOnlineMessage =
    "Du kan ikke levere inn som uregistrert spiller\rHent navn og spillenummer i kundekartoteket.";
inline constexpr std::string_view kNoRemovableDiskMessage = "Fant ingen flyttbar disk !";
inline constexpr std::string_view kDirectoryUnusableMessage = "Klarer ikke å gå til onlinekatalog";
inline constexpr std::string_view kRowsFileMissingMessage = "Fant ikke TPP.TMP, Kan ikke lage onlinefil";
inline constexpr std::string_view kUnplayableOnlineMessage =
    "Kan ikke lage onlinefil:\rKupongene har for mange eller for få rekker.\r"
    "Hver kupong må ha fra 3 til 486 rekker.";
inline constexpr std::string_view kOnlineFileHereText = "Her finner du onlinefilen";  // shown blue
inline constexpr std::string_view kSerialNotTakenMessage =
    "Klarte ikke å ta neste serienummer for onlinefilen (onlcopi\\config.kvs).";
// Held by the making in progress, in the working directory.
inline constexpr std::string_view kMakingLockFileName = "ONLINEFIL.LCK";
inline constexpr std::string_view kMakingBusyMessage =
    "En annen onlinefil lages nå i denne arbeidskatalogen.\rVent til den er ferdig, og prøv på nytt.";
inline constexpr std::string_view kWorkingDirectoryReadOnlyMessage =
    "Kan ikke lage onlinefil: arbeidskatalogen er skrivebeskyttet.";
// The one message that ends every stop after the online-file status was cleared.
inline constexpr std::string_view kOnlineFileNotMadeMessage =
    "Onlinefilen ble IKKE laget !\rRett feilen og prøv på nytt.";

// "ONLINEFIL-KATALOG\r" + directory + " er ikke tilgjengelig\r\r..." for a drive that is
// not there.
std::string driveUnavailableMessage(std::string_view directory);

// Runs the online-file writer on TPP.TMP of the working directory for the game TIPPING;
// every message it shows goes to the given sink. It may throw IoError.
using OnlineFileWriter = std::function<ConversionResult(Messages& messages)>;

struct MakeOnlineHooks {
    OnlineFileWriter writeOnlineFile;  // empty: the conversion itself, without a window
    FileWait fileWait;                 // the wait of at most 6000 ms for the written file
    std::function<LocalDateTime()> now = localNow;
    WaitFunction settingsWait = sleepMilliseconds;  // retries of the settings stores
    bool playerNumberConfirmed = false;  // the window asked confirmPlayerNumber itself
};

enum class MakeOnlineOutcome {
    Made,
    Refused,  // unregistered player or drive not available: nothing changed
    NotMade,  // stopped after the status was cleared: nothing delivered, nothing kept
};

struct MakeOnlineResult {
    MakeOnlineOutcome outcome = MakeOnlineOutcome::Refused;
    std::string onlineFile;               // directory + "\" + name, Windows form
    std::filesystem::path written;        // where the online file lies
    std::optional<std::filesystem::path> storageFile;  // the ONLINE storage file
};

// The online file holds the player number in nine digits: a longer one is refused, a
// shorter one asked about ("... Lage onlinefilen likevel?", No by default). True when the
// number may be used.
bool confirmPlayerNumber(const std::string& playerNumber, Messages& messages);

// Before the dialog: false, after its message, while the player number reads
// "UREGISTRERT" (near the mouse pointer) or while the coupons cannot be played.
bool mayMakeOnlineFile(const WorkbenchState& state, Messages& messages);

// The command after the dialog; it refuses coupons that cannot be played as
// mayMakeOnlineFile does, writing nothing. It holds kMakingLockFileName throughout: a second making
// in the same working directory waits up to 20 s for it, then is refused
// (kMakingBusyMessage) and changes nothing. The serial number is taken (read and
// advanced) in one step at the start. A serial number that cannot be taken, any message
// of the writer, a writer that fails, a file that has not appeared after 6000 ms, a
// backup copy or a storing that fails stops it: the file and the copy written in this run
// are removed, the serial number is given back, the status stays cleared and nothing is
// stored; the failed step's message and then kOnlineFileNotMadeMessage say so.
MakeOnlineResult makeOnlineFile(WorkbenchState& state, const OnlineDialogAnswers& answers, const Workspace& workspace,
                                Messages& messages, const MakeOnlineHooks& hooks = {});

}  // namespace andel
