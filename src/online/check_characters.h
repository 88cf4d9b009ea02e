#pragma once
// The two check characters that close every record of the online file: the 16-bit word
// sum of positions 1-348, its bits 8-15 and 0-7. The operator's terminal takes only
// check characters from 32 to 127, so a record may have two bytes of its tag or serial
// field changed until both characters lie in that range.
#include <string>
#include <string_view>

namespace andel {

struct CheckCharacters {
    unsigned char first = 0;
    unsigned char second = 0;
    friend bool operator==(const CheckCharacters&, const CheckCharacters&) = default;
};

// Over positions 1-348 of a 350-byte record as they stand: no letter replacement, no search.
CheckCharacters computeCheckCharacters(std::string_view record);

// True when positions 349-350 hold the characters computed over positions 1-348.
bool checkCharactersMatch(std::string_view record);

// Stores the check characters in positions 349-350 of a 350-byte record. Unless
// `skipCharacterCheck`, Å, Æ, Ø become "A" and å, æ, ø "a" first, and positions 337/339
// and then 336/338 are searched for values that bring each character into 32-127.
void closeRecord(std::string& record, bool skipCharacterCheck);

}  // namespace andel
