#include "accounts/buyer_key.h"

#include "accounts/ledger_edit.h"
#include "model/text.h"

#include <algorithm>

namespace andel {
namespace {

std::string significantDigits(std::string_view text) {
    const std::string digits = digitsOnly(text);
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

}  // namespace

std::string comparableName(std::string_view name) {
    std::string single;
    for (char c : upperCase(std::string(name))) {
        if (c == ' ' && (single.empty() || single.back() == ' ')) continue;
        single += c;
    }
    if (!single.empty() && single.back() == ' ') single.pop_back();
    return single;
}

BuyerKey buyerKey(const ShareEntry& entry) {
    return {significantDigits(entry.playerNumber), comparableName(entry.name), digitsOnly(entry.telephone)};
}

BuyerKey customerKey(const Tkunderec& customer) { return buyerKey(buyerOf(customer)); }

bool sameBuyer(const BuyerKey& a, const BuyerKey& b) {
    if (!a.playerNumber.empty() && !b.playerNumber.empty()) return a.playerNumber == b.playerNumber;
    return !a.name.empty() && a.name == b.name && a.telephone == b.telephone;
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

}  // namespace andel
