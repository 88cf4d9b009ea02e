#include "accounts/season_buyers.h"

#include "accounts/ledger_winnings.h"

#include <algorithm>

namespace andel {

CustomerSeason customerSeasonOf(const std::vector<Ledger>& ledgers) {
    CustomerSeason season;
    BuyerGroups groups;
    for (const Ledger& ledger : ledgers) {
        if (ledger.voided) continue;
        const LedgerWinnings winnings = confirmedWinnings(ledger);
        if (winnings.confirmed && winnings.prize > season.biggestPrize) {
            season.biggestPrize = winnings.prize;
            season.biggestPrizeSerial = ledger.facts.serialNumber;
            season.biggestPrizeWeek = ledger.facts.week;
        }
        for (const ShareEntry& e : ledger.entries) {
            if (!e.sold()) continue;
            const std::size_t group = groups.groupOf(buyerKey(e));
            if (group == season.customers.size()) season.customers.push_back(CustomerSeasonRow{e.name, e.telephone, e.playerNumber});
            CustomerSeasonRow& row = season.customers[group];
            if (row.telephone.empty()) row.telephone = e.telephone;
            if (row.playerNumber.empty()) row.playerNumber = e.playerNumber;
            ++row.shares;
            row.paid += e.paid.value_or(0);
            if (winnings.confirmed) row.won += winnings.perShare;
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
