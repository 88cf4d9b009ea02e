#pragma once
// Who a share's buyer or a register customer is, in comparable form: the same buyer by
// player number when both have one, else by name and telephone. A payment from a buyer's
// balance, their account and the season by buyer all find shares of one buyer this way.
#include "accounts/ledger.h"
#include "register/customer_record.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace andel {

struct BuyerKey {
    std::string playerNumber;  // digits without leading zeros; "" when none
    std::string name;          // upper case, single blanks
    std::string telephone;     // digits
};
BuyerKey buyerKey(const ShareEntry& entry);
BuyerKey customerKey(const Tkunderec& customer);
bool sameBuyer(const BuyerKey& a, const BuyerKey& b);

// A name as buyers are compared and sorted: upper case, single blanks.
std::string comparableName(std::string_view name);

// Numbers the buyers in the order they are met, so that shares of one buyer come
// together: a lookup, not a walk over every buyer met so far.
class BuyerGroups {
public:
    BuyerGroups();
    // The buyer's number; the next new number for a buyer not met before.
    std::size_t groupOf(const BuyerKey& key);

private:
    std::vector<BuyerKey> keys_;
    std::unordered_map<std::string, std::size_t> byPlayer_;
    std::unordered_multimap<std::string, std::size_t> byName_;
};

}  // namespace andel
