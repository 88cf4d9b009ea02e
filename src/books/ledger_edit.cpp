#include "books/ledger_edit.h"

#include "books/ledger_winnings.h"
#include "model/text.h"
#include "register/customer_cells.h"

namespace andel {

std::string kronerText(std::int64_t amount) { return "kr " + formatAmount(amount); }

ShareEntry buyerOf(const Tkunderec& customer) {
    ShareEntry buyer;
    buyer.name = trimBlanks(trimBlanks(customer.firstName) + " " + trimBlanks(customer.lastName));
    const std::uint32_t phone = customer.telephone1 ? customer.telephone1 : customer.telephone2;
    if (phone) buyer.telephone = trimBlanks(phoneCell(phone));
    if (customer.playerNumber) buyer.playerNumber = groupedPlayerNumber(std::to_string(customer.playerNumber));
    return buyer;
}

std::string checkShare(const Ledger& ledger, int share) {
    if (share < 1 || share > static_cast<int>(ledger.entries.size())) {
        return badShareMessage(share, static_cast<int>(ledger.entries.size()));
    }
    return {};
}

std::string refuseVoided(const Ledger& ledger) {
    if (!ledger.voided) return {};
    return "Andelsregnskapet for serienummer " + ledger.facts.serialNumber + " ble annullert " +
           ledgerDateText(ledger.voided->on) + " (" + ledger.voided->reason + ") og kan ikke endres.";
}

std::string buyerChangeProblem(const BuyerChange& change) {
    const struct {
        const std::optional<std::string>& text;
        const char* caption;
        std::size_t limit;
    } fields[] = {{change.name, "Navnet", kNameLength},
                  {change.telephone, "Telefonnummeret", kTelephoneLength},
                  {change.playerNumber, "Spillenummeret", kPlayerNumberLength},
                  {change.note, "Merknaden", kNoteLength}};
    for (const auto& field : fields) {
        if (!field.text) continue;
        if (std::string problem = fieldProblem(field.caption, cleanFieldText(*field.text), field.limit); !problem.empty()) {
            return problem;
        }
    }
    return {};
}


std::string paymentAmountProblem(const Ledger& ledger, std::int64_t amount) {
    if (amount < 1) return "Beløpet må være minst kr 1.";
    if (amount > ledger.facts.pricePerShare) {
        return "Beløpet " + kronerText(amount) + " er mer enn prisen pr andel, " + kronerText(ledger.facts.pricePerShare) +
               ".";
    }
    return {};
}




std::optional<std::int64_t> confirmedPartPerShare(const Ledger& ledger) {
    const LedgerWinnings winnings = confirmedWinnings(ledger);
    if (!winnings.confirmed) return std::nullopt;
    return winnings.perShare;
}

std::string payoutAmountProblem(const Ledger& ledger, std::int64_t amount) {
    const std::int64_t part = confirmedPartPerShare(ledger).value_or(0);
    if (amount < 1) return "Beløpet må være minst kr 1.";
    if (amount > part) {
        return "Beløpet " + kronerText(amount) + " er mer enn andelens del av premien, " + kronerText(part) + ".";
    }
    return {};
}








}  // namespace andel
