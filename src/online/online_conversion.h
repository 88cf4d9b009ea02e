#pragma once
// The conversion the online-file window runs: from the intermediate rows file to the
// working file "TT.TMP" in the working directory and its copy at the destination.
#include "online/tipping_writer.h"
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
};

enum class ConversionOutcome {
    Written,       // TT.TMP written and copied to the destination
    InputMissing,  // "Fant ikke tippefilen" shown, nothing written
    UnknownGame,   // a game this program does not write: nothing done
    Failed,        // an input/output error was shown (set by the window, which catches it)
};

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::UnknownGame;
    std::string destinationText;             // Windows form, as the rows file names it
    std::filesystem::path destination;       // where the copy was written
    std::size_t records = 0;                 // header included
};

// Reads "SKIPCHARERROR" and "ONLINEUBLANK", reads the rows file, writes TT.TMP and copies
// it to the destination, replacing a file there. Each message is shown once per run.
// IoError when the rows file cannot be read, TT.TMP cannot be written, or the destination
// cannot be resolved (drive not available, no plain file name) or written; TT.TMP then
// stays.
ConversionResult runOnlineConversion(const Workspace& workspace, const ConversionRequest& request,
                                     Messages& messages, WriteProgress& progress,
                                     const WaitFunction& wait = sleepMilliseconds);

}  // namespace andel
