#include "customers/customer_account.h"

#include "accounts/ledger_edit.h"
#include "model/text.h"

#include <algorithm>
#include <tuple>

namespace andel {
namespace {

auto weekOrder(const GameWeek& week, const std::string& serial, int share) {
    return std::tuple(week.year, week.week, serial, share);
}

}  // namespace

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

}  // namespace andel
