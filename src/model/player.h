#pragma once
// The player the syndicate is registered to.
#include <string>
#include <string_view>

namespace andel {

struct Player {
    std::string firstName;
    std::string lastName;
    std::string number;  // "spillenummer"
};

// A player number reading "UREGISTRERT" means no registered player is tied to the
// syndicate: rows cannot be stored nor certificates made.
inline constexpr std::string_view kUnregistered = "UREGISTRERT";
bool isUnregistered(std::string_view playerNumber);

// "Navn på andelslaget": first name + " " + last name + " " + player number.
std::string syndicateName(const Player& player);

}  // namespace andel
