#include "customers/customer_account.h"

#include "books/ledger_edit.h"
#include "model/text.h"
#include "register/row_order.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace andel {
namespace {

auto weekOrder(const GameWeek& week, const std::string& serial, int share) {
    return std::tuple(week.year, week.week, serial, share);
}

// "Kari Nordmann" is found under N, as in the register: the last word first, then the rest.
std::string surnameFirst(const std::string& name) {
    const std::string trimmed = trimBlanks(name);
    const std::size_t space = trimmed.find_last_of(' ');
    if (space == std::string::npos) return trimmed;
    return trimmed.substr(space + 1) + " " + trimBlanks(trimmed.substr(0, space));
}

}  // namespace

CustomerAccount accountOf(const std::string& customerKey, const std::vector<Ledger>& ledgers) {
    CustomerAccount account;
    for (const Ledger& ledger : ledgers) {
        const bool final = confirmedPartPerShare(ledger).has_value();
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            const ShareEntry& e = ledger.entries[i];
            if (customerKeyOf(e) != customerKey || !e.hasBuyer()) continue;
            std::int64_t fromBalance = 0, moved = 0;
            for (const BalanceLink& link : e.paidFromBalance) fromBalance += link.amount;
            for (const BalanceLink& link : e.toBalance) moved += link.amount;
            const std::int64_t paidOutCash = e.paidOut.value_or(0) - moved;
            if (ledger.voided) {
                account.spendable -= paidOutCash;  // the win went with the syndicate; the cash paid out did not
                continue;
            }
            const int share = static_cast<int>(i) + 1;
            const std::int64_t credited = creditedWinnings(ledger, share);
            const SyndicateFacts& f = ledger.facts;
            account.shares.push_back(AccountShare{f.serialNumber, f.week, f.couponType, share, f.pricePerShare, e.paid,
                                                  e.paidOn, final ? std::optional<std::int64_t>(credited) : std::nullopt,
                                                  e.paidOut, e.paidOutOn, !e.paidFromBalance.empty(), moved});
            account.unpaid += std::max<std::int64_t>(0, f.pricePerShare - e.paid.value_or(0));
            account.winningsDue += std::max<std::int64_t>(0, unspentWinnings(ledger, share));
            account.spendable += credited - paidOutCash - fromBalance;
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
    std::map<std::string, std::size_t> groups;  // customer key -> index
    for (const Ledger& ledger : ledgers) {
        if (ledger.voided) continue;
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            const ShareEntry& e = ledger.entries[i];
            if (!e.sold()) continue;
            const std::size_t group = groups.emplace(customerKeyOf(e), customers.size()).first->second;
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
        return compareText(surnameFirst(a.name), surnameFirst(b.name)) < 0;
    });
    return customers;
}

}  // namespace andel
