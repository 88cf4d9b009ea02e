#include "books/buyer_key.h"

#include "books/ledger_edit.h"
#include "model/text.h"


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

std::string customerKeyOf(std::string_view name, std::string_view telephone, std::string_view playerNumber) {
    if (std::string player = significantDigits(playerNumber); !player.empty()) return "P:" + player;
    const std::string compared = comparableName(name), phone = digitsOnly(telephone);
    if (compared.empty() && phone.empty()) return {};
    return "N:" + compared + "|" + phone;
}

std::string customerKeyOf(const Tkunderec& customer) { return customerKeyOf(buyerOf(customer)); }

std::string customerKeyOf(const ShareEntry& entry) {
    if (!entry.customerKey.empty()) return entry.customerKey;
    if (entry.agentHeld) return std::string(kAgentCustomerKey);
    return customerKeyOf(entry.name, entry.telephone, entry.playerNumber);
}

}  // namespace andel
