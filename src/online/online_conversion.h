#pragma once
// The conversion the online-file window runs: from the intermediate rows file to the
// working file "TT.TMP" in the working directory and its copy at the destination.
#include "online/game_rows.h"
#include "online/online_file_builder.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "settings/settings_store.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kWorkingFileName = "TT.TMP";
inline constexpr std::string_view kTippingGame = "TIPPING";

struct ConversionRequest {
    std::filesystem::path input;  // the intermediate rows file
    std::string game{kTippingGame};
    // Instead of the directory and name the rows file gives.
    std::optional<std::filesystem::path> destination;
    // Bad lines named in the message (the command-line tool names every one).
    std::size_t problemsShown = kProblemsShownInMessage;
};

enum class ConversionOutcome {
    Written,       // TT.TMP written and copied to the destination
    InputMissing,  // "Fant ikke tippefilen" shown, nothing written
    UnknownGame,   // a game this program does not write: nothing done
    Refused,       // the rows file cannot make a whole online file: shown, nothing written
    Failed,        // an input/output error was shown (set by the window, which catches it)
};

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::UnknownGame;
    std::string destinationText;             // Windows form, as the rows file names it
    std::filesystem::path destination;       // where the copy was written
    std::size_t records = 0;                 // header included
};

// The most coupon records an online file can number (running numbers are four digits).
inline constexpr long kMostCouponsInOnlineFile = 9999;

// Reads "SKIPCHARERROR" and "ONLINEUBLANK", reads the rows file, writes TT.TMP and copies
// it to the destination, replacing a file there. Each message is shown once per run.
// A rows file with more coupons than the running numbers count, a count, amount or
// number wider than its field in the records, or (other games than TIPPING) without a
// single coupon to write, is refused with a message before anything is written.
// IoError when the rows file cannot be read, TT.TMP cannot be written, or the destination
// cannot be resolved (drive not available, no plain file name) or written; TT.TMP then
// stays.
ConversionResult runOnlineConversion(const Workspace& workspace, const ConversionRequest& request,
                                     Messages& messages, WriteProgress& progress,
                                     const WaitFunction& wait = sleepMilliseconds);

}  // namespace andel
