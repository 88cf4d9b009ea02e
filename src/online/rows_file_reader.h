#pragma once
// The reader of the intermediate rows file: the header values of a submission and the
// counts the online file's header needs before any coupon record is written.
#include "online/game_rows.h"
#include "online/online_games.h"
#include "platform/messages.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace andel {

// The header values: 18 texts (UTF-8) and 3 whole numbers, indexed as below. The TIPPING
// reader leaves texts 16 and 17 and the numbers untouched; the other games fill 16 and 17.
struct Tinforec {
    std::array<std::string, 18> texts;
    std::array<std::int64_t, 3> numbers{};
};

namespace info {
inline constexpr int kNavn = 0;
inline constexpr int kSpillenummer = 1;       // nine digits
inline constexpr int kSpill = 2;
inline constexpr int kAntallUker = 3;
inline constexpr int kGangefelt = 4;
inline constexpr int kKupongtype = 5;
inline constexpr int kPause = 6;
inline constexpr int kSystemCoupons = 7;      // decimal counts, 7 to 10 and 12
inline constexpr int kSingleRowCoupons = 8;
inline constexpr int kSingleRows = 9;
inline constexpr int kSystemRows = 10;        // sum of the system coupons' row counts
inline constexpr int kRekkeantallIalt = 11;   // six digits
inline constexpr int kTotalCoupons = 12;
inline constexpr int kRekkepris = 13;
inline constexpr int kMerkfil = 14;
inline constexpr int kSerialNumber = 15;      // four characters
inline constexpr int kTotalRows = 16;         // other games: system rows plus single rows
inline constexpr int kTotalStake = 17;        // other games: sum of the stakes (ODDS)
}  // namespace info

struct RowsFileInfo {
    std::string onlineFileName;
    std::string onlineDirectory;  // Windows form
    Tinforec info;
    // The digits of "#SPILLENUMMER", "#REKKEANTALLIALT" and the serial number as the file gives them: the
    // texts above are fitted to their fields, and a number that does not fit is refused.
    std::string givenPlayerNumber;
    std::string givenRowCount;
    std::string givenSerialNumber;  // the digits of "#FRIDISPOSISJONHEADER"; empty when not all digits
};

// Reads the file once; it is never changed. A missing file shows "fant ikke filen",
// leaves `result` as it was and answers false. Missing sections and single-row lines
// with a row count above 1 are reported and reading goes on. IoError when the file
// exists but cannot be read or is too large to be a rows file.
bool readRowsFile(const std::filesystem::path& file, Messages& messages, RowsFileInfo& result);

// The same for any game: the header is the same for all; the other games count their
// coupons from the sections they read and report missing sections and bad lines (naming
// `problemsShown` of them).
bool readRowsFile(const std::filesystem::path& file, const OnlineGame& game, Messages& messages,
                  RowsFileInfo& result, std::size_t problemsShown = kProblemsShownInMessage);

}  // namespace andel
