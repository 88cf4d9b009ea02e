#pragma once
// Names made when an online file is made: the player's first and last name from the
// dialog's one name field, and the online file's own name.
#include "platform/clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace andel {

struct SplitName {
    std::string firstName;
    std::string lastName;
};

// Blanks separate the words. None gives "Ukjentfornavn" / "Ukjent etternavn"; one word is
// the last name; three give two and one; otherwise the first half of the words (rounded
// down) is the first name. Words are joined with single blanks.
SplitName splitPlayerName(std::string_view fullName);

// The player's part of the file name: blanks inside become "_", letters go to capitals
// with Æ, Ø and Å as E, O and A, everything but "-", digits, A-Z and "_" is dropped,
// and "A" is appended up to five characters. Never longer than kMaxFileNamePlayer.
std::string onlineFilePlayerName(std::string_view name);
inline constexpr std::size_t kMaxFileNamePlayer = 100;

// "KRYSSEN_" + rows + "_Rekker_" + player + "_Dato_DD-MM-YYYY_KL_hh-mm-ss.NTF".
std::string onlineFileName(std::string_view rowsText, std::string_view name, const LocalDateTime& madeAt);

// "Dato DD.MM.YYYY  Kl hh:mm:ss" of the file's last change, or "00.00.0000.00.00.00"
// when there is no such file.
std::string onlineFileDateText(const std::optional<LocalDateTime>& changedAt);

}  // namespace andel
