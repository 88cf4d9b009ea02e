#pragma once
// An online file checked before it is delivered: the header's dump and, per record,
// whether its stored check characters are those of its positions 1-348, and the game
// of each coupon record.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

struct OnlineFileInspection {
    std::vector<std::string> headerDump;  // empty when the file holds no whole record
    std::vector<bool> checksOk;           // one per whole record, the header first
    // Per coupon record (records 2 on): its game code and the game's name, or "ukjent".
    std::vector<std::string> couponGames;
    std::size_t leftoverBytes = 0;        // bytes after the last whole record
    // The problem with the file's length in Norwegian; empty when there is none.
    std::string lengthProblem() const;
    bool allOk() const;
};

OnlineFileInspection inspectOnlineFile(std::string_view bytes);

}  // namespace andel
