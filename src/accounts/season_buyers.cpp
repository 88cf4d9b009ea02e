#include "accounts/season_buyers.h"

#include "books/buyer_key.h"
#include "books/ledger_fold.h"
#include "books/ledger_winnings.h"

#include <algorithm>
#include <map>

namespace andel {

CustomerSeason customerSeasonOf(const std::vector<Ledger>& ledgers) {
    CustomerSeason season;
    std::map<std::string, std::size_t> groups;  // customer key -> row
    for (const Ledger& ledger : ledgers) {
        if (ledger.voided) continue;
        const LedgerWinnings winnings = confirmedWinnings(ledger);
        if (winnings.confirmed && winnings.prize > season.biggestPrize) {
            season.biggestPrize = winnings.prize;
            season.biggestPrizeSerial = ledger.facts.serialNumber;
            season.biggestPrizeWeek = ledger.facts.week;
        }
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            const ShareEntry& e = ledger.entries[i];
            if (!e.sold()) continue;
            const std::size_t group = groups.emplace(customerKeyOf(e), season.customers.size()).first->second;
            if (group == season.customers.size()) season.customers.push_back(CustomerSeasonRow{e.name, e.telephone, e.playerNumber});
            CustomerSeasonRow& row = season.customers[group];
            if (row.telephone.empty()) row.telephone = e.telephone;
            if (row.playerNumber.empty()) row.playerNumber = e.playerNumber;
            ++row.shares;
            row.paid += e.paid.value_or(0);
            row.won += creditedWinnings(ledger, static_cast<int>(i) + 1);
            row.paidOut += e.paidOut.value_or(0);
        }
    }
    season.buyers = static_cast<int>(season.customers.size());
    std::stable_sort(season.customers.begin(), season.customers.end(), [](const CustomerSeasonRow& a, const CustomerSeasonRow& b) {
        return comparableName(a.name) < comparableName(b.name);
    });
    return season;
}

}  // namespace andel
