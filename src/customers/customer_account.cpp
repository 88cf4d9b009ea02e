#include "customers/customer_account.h"

#include "accounts/ledger_edit.h"
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
                                                  f.pricePerShare, e.paid, e.paidOn, part, e.paidOut, e.paidOutOn});
            account.unpaid += std::max<std::int64_t>(0, f.pricePerShare - e.paid.value_or(0));
            if (part) account.winningsDue += std::max<std::int64_t>(0, *part - e.paidOut.value_or(0));
        }
    }
    std::sort(account.shares.begin(), account.shares.end(), [](const AccountShare& a, const AccountShare& b) {
        return weekOrder(a.week, a.serialNumber, a.share) < weekOrder(b.week, b.serialNumber, b.share);
    });
    return account;
}

std::vector<OwingCustomer> owingCustomers(const std::vector<Ledger>& ledgers) {
    // Every buyer is met first, paid or not, so that a customer's name, telephone and
    // player number come from the fullest of their shares.
    std::vector<OwingCustomer> customers;
    std::vector<BuyerKey> keys;
    for (const Ledger& ledger : ledgers) {
        if (ledger.voided) continue;
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            const ShareEntry& e = ledger.entries[i];
            if (!e.sold()) continue;
            const BuyerKey key = buyerKey(e);
            auto found = std::find_if(keys.begin(), keys.end(), [&](const BuyerKey& k) { return sameBuyer(k, key); });
            if (found == keys.end()) {
                keys.push_back(key);
                customers.push_back(OwingCustomer{e.name, e.telephone, e.playerNumber, {}, 0});
                found = keys.end() - 1;
            }
            OwingCustomer& customer = customers[static_cast<std::size_t>(found - keys.begin())];
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

}  // namespace andel
