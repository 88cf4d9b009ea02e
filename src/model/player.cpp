#include "model/player.h"

#include "model/text.h"

namespace andel {

bool isUnregistered(std::string_view playerNumber) { return trimBlanks(playerNumber) == kUnregistered; }

std::string syndicateName(const Player& player) {
    return player.firstName + " " + player.lastName + " " + player.number;
}

}  // namespace andel
