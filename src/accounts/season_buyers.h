#pragma once
#include "books/buyer_key.h"
#include "books/ledger.h"

#include <cstdint>
#include <string>
#include <vector>

namespace andel {

// The season by buyer: how many different buyers, the biggest confirmed prize, and per
// buyer the shares bought, paid, won (confirmed) and paid out, sorted by name.
struct CustomerSeasonRow {
    std::string name, telephone, playerNumber;
    int shares = 0;
    std::int64_t paid = 0, won = 0, paidOut = 0;
};
struct CustomerSeason {
    int buyers = 0;
    std::int64_t biggestPrize = 0;
    std::string biggestPrizeSerial;
    GameWeek biggestPrizeWeek;
    std::vector<CustomerSeasonRow> customers;
};
CustomerSeason customerSeasonOf(const std::vector<Ledger>& ledgers);

}  // namespace andel
