#pragma once
// The code that names one share on its certificate and its slips: "AN" + the serial number
// (four digits) + the share number (three digits) + two check digits. The check digits are
// ISO 7064 MOD 97-10 over the serial, the share and the syndicate's game week, so every
// mistyped digit and every swap of two neighbouring digits is refused, and a code of
// another week's syndicate of the same serial number never opens this one. Only letters
// and digits: a scanner set to another keyboard layout types them the same.
#include "model/game_week.h"

#include <optional>
#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kShareCodePrefix = "AN";
inline constexpr std::size_t kShareCodeLength = 2 + 4 + 3 + 2;

struct ShareCode {
    std::string serialNumber;  // four digits
    int share = 0;             // 1 to 999
    int check = 0;             // 0 to 99 as written
    friend bool operator==(const ShareCode&, const ShareCode&) = default;
};

// The two check digits of a serial number, share and week (2 to 98).
int shareCodeCheck(std::string_view serialNumber, int share, const GameWeek& week);

// "AN1042017" + check; "" for a serial that is not four digits or a share outside 1 to 999.
std::string shareCodeText(std::string_view serialNumber, int share, const GameWeek& week);

// A parsed code written back in its compact form, check digits as they were given.
std::string shareCodeText(const ShareCode& code);

// The code as people read it on paper: "AN 1042 017 42".
std::string spacedShareCodeText(std::string_view code);

// The code's parts when the text has its form (blanks and dashes between the parts and
// lower-case letters are taken, as a person may type them); nothing for anything else.
// Whether the check digits fit is for shareCodeFits, which needs the syndicate's week.
std::optional<ShareCode> parseShareCode(std::string_view text);

bool shareCodeFits(const ShareCode& code, const GameWeek& week);

}  // namespace andel
