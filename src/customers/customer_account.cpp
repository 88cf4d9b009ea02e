#include "customers/customer_account.h"

#include "accounts/ledger_edit.h"
#include "accounts/ledger_winnings.h"
#include "model/text.h"

#include <algorithm>
#include <tuple>

namespace andel {
namespace {

std::string significantDigits(std::string_view text) {
    const std::string digits = digitsOnly(text);
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

std::string comparableName(std::string_view name) {
    std::string single;
    for (char c : upperCase(std::string(name))) {
        if (c == ' ' && (single.empty() || single.back() == ' ')) continue;
        single += c;
    }
    if (!single.empty() && single.back() == ' ') single.pop_back();
    return single;
}

auto weekOrder(const GameWeek& week, const std::string& serial, int share) {
    return std::tuple(week.year, week.week, serial, share);
}

}  // namespace

BuyerKey buyerKey(const ShareEntry& entry) {
    return {significantDigits(entry.playerNumber), comparableName(entry.name), digitsOnly(entry.telephone)};
}

BuyerKey customerKey(const Tkunderec& customer) { return buyerKey(buyerOf(customer)); }

bool sameBuyer(const BuyerKey& a, const BuyerKey& b) {
    if (!a.playerNumber.empty() && !b.playerNumber.empty()) return a.playerNumber == b.playerNumber;
    return !a.name.empty() && a.name == b.name && a.telephone == b.telephone;
}

CustomerAccount accountOf(const BuyerKey& buyer, const std::vector<Ledger>& ledgers) {
    CustomerAccount account;
    for (const Ledger& ledger : ledgers) {
        if (ledger.voided) continue;
        const std::optional<std::int64_t> part = confirmedPartPerShare(ledger);
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            const ShareEntry& e = ledger.entries[i];
            if (!e.sold() || !sameBuyer(buyerKey(e), buyer)) continue;
            const SyndicateFacts& f = ledger.facts;
            account.shares.push_back(AccountShare{f.serialNumber, f.week, f.couponType, static_cast<int>(i) + 1,
                                                  f.pricePerShare, e.paid, e.paidOn, part, e.paidOut, e.paidOutOn,
                                                  !e.paidFromBalance.empty(), e.movedToBalance()});
            account.unpaid += std::max<std::int64_t>(0, f.pricePerShare - e.paid.value_or(0));
            if (part) account.winningsDue += std::max<std::int64_t>(0, *part - e.paidOut.value_or(0));
        }
    }
    std::sort(account.shares.begin(), account.shares.end(), [](const AccountShare& a, const AccountShare& b) {
        return weekOrder(a.week, a.serialNumber, a.share) < weekOrder(b.week, b.serialNumber, b.share);
    });
    return account;
}

BuyerGroups::BuyerGroups() = default;

std::size_t BuyerGroups::groupOf(const BuyerKey& key) {
    // The first group whose buyer is the same as this one, as a walk through the groups in
    // the order they were met would find it: by player number where both have one, else by
    // name and telephone.
    std::size_t found = keys_.size();
    if (!key.playerNumber.empty()) {
        if (const auto at = byPlayer_.find(key.playerNumber); at != byPlayer_.end()) found = at->second;
    }
    if (!key.name.empty()) {
        const auto range = byName_.equal_range(key.name + '\t' + key.telephone);
        for (auto at = range.first; at != range.second; ++at) {
            const bool numbered = !keys_[at->second].playerNumber.empty();
            if (!(numbered && !key.playerNumber.empty())) found = std::min(found, at->second);
        }
    }
    if (found < keys_.size()) return found;
    keys_.push_back(key);
    if (!key.playerNumber.empty()) byPlayer_.emplace(key.playerNumber, found);
    if (!key.name.empty()) byName_.emplace(key.name + '\t' + key.telephone, found);
    return found;
}

std::vector<OwingCustomer> owingCustomers(const std::vector<Ledger>& ledgers) {
    // Every buyer is met first, paid or not, so that a customer's name, telephone and
    // player number come from the fullest of their shares.
    std::vector<OwingCustomer> customers;
    BuyerGroups groups;
    for (const Ledger& ledger : ledgers) {
        if (ledger.voided) continue;
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            const ShareEntry& e = ledger.entries[i];
            if (!e.sold()) continue;
            const std::size_t group = groups.groupOf(buyerKey(e));
            if (group == customers.size()) customers.push_back(OwingCustomer{e.name, e.telephone, e.playerNumber, {}, 0});
            OwingCustomer& customer = customers[group];
            if (customer.telephone.empty()) customer.telephone = e.telephone;
            if (customer.playerNumber.empty()) customer.playerNumber = e.playerNumber;
            const std::int64_t missing = ledger.facts.pricePerShare - e.paid.value_or(0);
            if (missing <= 0) continue;
            customer.shares.push_back(OwingShare{ledger.facts.serialNumber, ledger.facts.week, static_cast<int>(i) + 1, missing});
            customer.total += missing;
        }
    }
    std::erase_if(customers, [](const OwingCustomer& c) { return c.shares.empty(); });
    for (OwingCustomer& customer : customers) {
        std::sort(customer.shares.begin(), customer.shares.end(), [](const OwingShare& a, const OwingShare& b) {
            return weekOrder(a.week, a.serialNumber, a.share) < weekOrder(b.week, b.serialNumber, b.share);
        });
    }
    std::stable_sort(customers.begin(), customers.end(), [](const OwingCustomer& a, const OwingCustomer& b) {
        return comparableName(a.name) < comparableName(b.name);
    });
    return customers;
}

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
