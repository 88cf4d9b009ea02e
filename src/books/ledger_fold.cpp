#include "books/ledger_fold.h"

#include "books/buyer_key.h"
#include "books/ledger_edit.h"
#include "model/text.h"

#include <set>

namespace andel {
namespace {

std::int64_t kroner(std::int64_t ore) { return ore / kOrePerKrone; }

std::string field(const BookEvent& event, const std::string& key) {
    const auto at = event.detail.find(key);
    return at == event.detail.end() ? std::string() : at->second;
}

std::int64_t number(const std::string& text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > kLargestKroner * kOrePerKrone) return value;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<ConfirmedRound> roundOf(const BookEvent& event, const std::string& prefix) {
    const std::string signs = field(event, prefix + "signs");
    if (signs.empty()) return std::nullopt;
    return ConfirmedRound{signs, number(field(event, prefix + "p12")), number(field(event, prefix + "p11")),
                          number(field(event, prefix + "p10"))};
}

std::vector<int> shareList(const std::string& text) {
    std::vector<int> shares;
    std::string part;
    for (char c : text + " ") {
        if (c == ' ') {
            if (!part.empty()) shares.push_back(static_cast<int>(number(part)));
            part.clear();
        } else {
            part += c;
        }
    }
    return shares;
}

void apply(Ledger& ledger, const BookEvent& event, const std::map<std::int64_t, std::string>& serialOf) {
    const auto entryAt = [&](int share) -> ShareEntry* {
        if (share < 1 || share > static_cast<int>(ledger.entries.size())) return nullptr;
        return &ledger.entries[static_cast<std::size_t>(share - 1)];
    };
    ShareEntry* entry = entryAt(event.share);
    const std::int64_t amount = kroner(event.amountOre);
    switch (event.kind) {
        case EventKind::BuyerSet:
            if (!entry) return;
            entry->name = field(event, "name");
            entry->telephone = field(event, "telephone");
            entry->playerNumber = field(event, "player");
            entry->note = field(event, "note");
            entry->agentHeld = field(event, "agent") == "1";
            entry->customerKey = event.customer;
            return;
        case EventKind::PaymentCash:
        case EventKind::PaymentBalance:
            if (!entry) return;
            entry->paid = entry->paid.value_or(0) + amount;
            entry->paidOn = event.businessDate;
            for (const BalanceSource& source : event.sources) {
                const auto serial = serialOf.find(source.syndicate);
                entry->paidFromBalance.push_back(BalanceLink{serial == serialOf.end() ? std::string() : serial->second,
                                                             source.share, kroner(source.amountOre)});
            }
            return;
        case EventKind::PayoutCash:
            if (!entry) return;
            entry->paidOut = entry->paidOut.value_or(0) + amount;
            entry->paidOutOn = event.businessDate;
            return;
        case EventKind::ResultConfirmed: {
            auto full = roundOf(event, "");
            if (!full) return;
            ledger.confirmed = ConfirmedResult{event.businessDate, *full, roundOf(event, "half-")};
            return;
        }
        case EventKind::SaleClosed:
            ledger.saleClosed = event.businessDate;
            for (int share : shareList(field(event, "agent-shares"))) {
                if (ShareEntry* held = entryAt(share)) {
                    held->name = std::string(kAgentBuyerName);
                    held->agentHeld = true;
                    held->customerKey = std::string(kAgentCustomerKey);
                }
            }
            return;
        case EventKind::SaleReopened:
            ledger.saleClosed.reset();
            for (int share : shareList(field(event, "back-on-sale"))) {
                if (ShareEntry* back = entryAt(share)) {
                    ShareEntry onSale;
                    onSale.note = back->note;  // the agent's note stays
                    *back = onSale;
                }
            }
            return;
        case EventKind::LedgerVoided:
            ledger.voided = LedgerVoiding{event.businessDate, event.reason};
            return;
        case EventKind::LedgerOpened:
        case EventKind::RefundPaid:
        case EventKind::Reversal:
        case EventKind::CashDeposit:
        case EventKind::CashWithdrawal:
        case EventKind::DayClosed:
        case EventKind::DrawerOpened:
            return;
    }
}

std::string roundText(const ConfirmedRound& r) {
    return r.signs + ", premie 12 rette " + kronerText(r.prize12) + ", 11 rette " + kronerText(r.prize11) +
           ", 10 rette " + kronerText(r.prize10);
}

// The history lines a ledger file held when it was brought into the books: "DD.MM.YYYY
// text", separated by the unit separator (no text of the books holds a control character).
void addOldHistory(Ledger& ledger, const std::string& lines) {
    std::size_t start = 0;
    while (start < lines.size()) {
        const std::size_t end = std::min(lines.find('\x1f', start), lines.size());
        const std::string line = lines.substr(start, end - start);
        if (const auto on = parseLedgerDate(line.substr(0, 10)); on && line.size() > 11) {
            ledger.history.push_back(HistoryLine{*on, line.substr(11)});
        }
        start = end + 1;
    }
}

}  // namespace

std::string eventText(const BookEvent& event, const std::map<std::int64_t, std::string>& serialOf,
                      const BookEvent* reversed) {
    const std::string share = "andel " + std::to_string(event.share);
    const std::string amount = kronerText(kroner(event.amountOre));
    std::string text;
    switch (event.kind) {
        case EventKind::LedgerOpened:
            text = "Regnskapet opprettet";
            if (const std::string file = field(event, "old-file"); !file.empty()) text += " fra " + file;
            break;
        case EventKind::BuyerSet: {
            const std::string name = field(event, "name");
            text = name.empty() ? "Kjøperen av " + share + " fjernet" : "Kjøper av " + share + ": " + name;
            if (const std::string phone = field(event, "telephone"); !phone.empty()) text += ", tlf. " + phone;
            if (const std::string player = field(event, "player"); !player.empty()) text += ", spillenr. " + player;
            if (const std::string note = field(event, "note"); !note.empty()) text += " (" + note + ")";
            break;
        }
        case EventKind::PaymentCash: text = "Betaling kontant for " + share + ": " + amount; break;
        case EventKind::PaymentBalance: {
            text = "Betaling fra saldo for " + share + ": " + amount;
            for (const BalanceSource& source : event.sources) {
                const auto serial = serialOf.find(source.syndicate);
                text += "; fra andel " + std::to_string(source.share) + " i serienummer " +
                        (serial == serialOf.end() ? std::string("?") : serial->second) + " " +
                        kronerText(kroner(source.amountOre));
            }
            break;
        }
        case EventKind::PayoutCash: text = "Utbetaling kontant for " + share + ": " + amount; break;
        case EventKind::ResultConfirmed: {
            auto full = roundOf(event, "");
            text = "Resultat godkjent: " + (full ? roundText(*full) : std::string("?"));
            if (auto half = roundOf(event, "half-")) text += "; pause " + roundText(*half);
            break;
        }
        case EventKind::SaleClosed: {
            const std::string held = field(event, "agent-shares");
            text = held.empty() ? "Salget stengt; alle andeler er solgt" : "Salget stengt; kommisjonæren holder andel " + held;
            break;
        }
        case EventKind::SaleReopened: {
            text = "Salget åpnet igjen";
            if (const std::string back = field(event, "back-on-sale"); !back.empty()) text += "; andel " + back + " tilbake til salg";
            break;
        }
        case EventKind::LedgerVoided: text = "Andelslaget annullert"; break;
        case EventKind::RefundPaid: text = "Tilbakebetalt kontant: " + amount; break;
        case EventKind::Reversal:
            text = reversed ? "Angret: " + eventText(*reversed, serialOf) + " (" + ledgerDateText(reversed->businessDate) + ")"
                            : "Angret hendelse " + std::to_string(event.reverses);
            if (const auto day = parseIsoDate(field(event, "rettet_dag"))) text += ", rettelse av " + ledgerDateText(*day);
            break;
        case EventKind::CashDeposit: text = "Innskudd i kassen: " + amount + ", " + field(event, "merknad"); break;
        case EventKind::CashWithdrawal: text = "Uttak fra kassen: " + amount + ", " + field(event, "merknad"); break;
        case EventKind::DayClosed:
            text = "Dagsoppgjør nr " + field(event, "nr") + ": talt " + amount;
            break;
        case EventKind::DrawerOpened: text = "Kasseskuffen åpnet: " + field(event, "merknad"); break;
    }
    if (event.reverses != 0 && event.kind != EventKind::Reversal) text += " (erstatter hendelse " + std::to_string(event.reverses) + ")";
    if (!event.reason.empty()) text += ": " + event.reason;
    return text;
}

std::vector<std::string> eventTexts(const std::vector<BookEvent>& events, const std::map<std::int64_t, std::string>& serialOf) {
    std::map<std::int64_t, const BookEvent*> byId;
    for (const BookEvent& e : events) byId.emplace(e.id, &e);
    std::vector<std::string> texts;
    texts.reserve(events.size());
    for (const BookEvent& e : events) {
        const auto reversed = e.reverses ? byId.find(e.reverses) : byId.end();
        texts.push_back(eventText(e, serialOf, reversed == byId.end() ? nullptr : reversed->second));
    }
    return texts;
}

namespace {

Ledger fold(const LedgerEvents& input, bool history) {
    Ledger ledger = emptyLedger(input.facts);
    ledger.id = input.id;
    ledger.madeOn = input.madeOn;
    std::set<std::int64_t> reversed;
    for (const BookEvent& event : input.events) {
        if (event.reverses != 0) reversed.insert(event.reverses);
    }
    const std::vector<std::string> texts = history ? eventTexts(input.events, input.serialOf) : std::vector<std::string>{};
    for (std::size_t i = 0; i < input.events.size(); ++i) {
        const BookEvent& event = input.events[i];
        if (history) {
            ledger.history.push_back(HistoryLine{event.businessDate, texts[i]});
            if (event.kind == EventKind::LedgerOpened) addOldHistory(ledger, field(event, "old-history"));
        }
        if (!reversed.contains(event.id)) apply(ledger, event, input.serialOf);
    }
    for (const DrawnWinnings& drawn : input.drawn) {
        if (drawn.share < 1 || drawn.share > static_cast<int>(ledger.entries.size())) continue;
        ShareEntry& entry = ledger.entries[static_cast<std::size_t>(drawn.share - 1)];
        entry.toBalance.push_back(BalanceLink{drawn.payingSerial, drawn.payingShare, kroner(drawn.amountOre)});
        entry.paidOut = entry.paidOut.value_or(0) + kroner(drawn.amountOre);
        if (!entry.paidOutOn || isoDate(*entry.paidOutOn) < isoDate(drawn.on)) entry.paidOutOn = drawn.on;
    }
    return ledger;
}

}  // namespace

Ledger foldLedger(const LedgerEvents& input) { return fold(input, true); }
Ledger foldLedgerFigures(const LedgerEvents& input) { return fold(input, false); }

void foldEvent(Ledger& ledger, const BookEvent& event, const std::map<std::int64_t, std::string>& serialOf) {
    ledger.history.push_back(HistoryLine{event.businessDate, eventText(event, serialOf)});
    if (event.kind == EventKind::LedgerOpened) addOldHistory(ledger, field(event, "old-history"));
    apply(ledger, event, serialOf);
}

std::string drawerAccount() { return "kasse"; }
std::string receivableAccount(const std::string& customer) { return "fordring:" + customer; }
std::string balanceAccount(const std::string& customer) { return "saldo:" + customer; }
std::string refundAccount(const std::string& customer) { return "refusjon:" + customer; }
std::string salesAccount(std::int64_t syndicate) { return "salg:" + std::to_string(syndicate); }
std::string prizeAccount(std::int64_t syndicate) { return "premie:" + std::to_string(syndicate); }

std::int64_t creditedWinnings(const Ledger& ledger, int share) {
    if (ledger.voided || share < 1 || share > static_cast<int>(ledger.entries.size())) return 0;
    const ShareEntry& entry = ledger.entries[static_cast<std::size_t>(share - 1)];
    if (!entry.hasBuyer() || entry.paid.value_or(0) < ledger.facts.pricePerShare) return 0;
    return confirmedPartPerShare(ledger).value_or(0);
}

std::int64_t unspentWinnings(const Ledger& ledger, int share) {
    if (share < 1 || share > static_cast<int>(ledger.entries.size())) return 0;
    return creditedWinnings(ledger, share) - ledger.entries[static_cast<std::size_t>(share - 1)].paidOut.value_or(0);
}

void addLedgerBalances(const Ledger& ledger, Balances& balances) {
    const std::int64_t price = ledger.facts.pricePerShare * kOrePerKrone;
    const auto add = [&](const std::string& account, std::int64_t ore) {
        if (ore != 0) balances[account] += ore;
    };
    for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
        const ShareEntry& e = ledger.entries[i];
        std::int64_t fromBalance = 0;
        for (const BalanceLink& link : e.paidFromBalance) fromBalance += link.amount * kOrePerKrone;
        std::int64_t moved = 0;
        for (const BalanceLink& link : e.toBalance) moved += link.amount * kOrePerKrone;
        const std::int64_t paidCash = e.paid.value_or(0) * kOrePerKrone - fromBalance;
        const std::int64_t paidOutCash = e.paidOut.value_or(0) * kOrePerKrone - moved;
        const std::string& c = e.customerKey;
        add(drawerAccount(), paidCash - paidOutCash);
        if (ledger.voided) {
            add(refundAccount(c), -paidCash);
            add(balanceAccount(c), paidOutCash);
            continue;
        }
        const std::int64_t credited = creditedWinnings(ledger, static_cast<int>(i) + 1) * kOrePerKrone;
        if (e.hasBuyer()) {
            add(receivableAccount(c), price - paidCash - fromBalance);
            add(salesAccount(ledger.id), -price);
        } else {
            add(receivableAccount(c), -paidCash - fromBalance);  // money on a share nobody holds (old files)
        }
        add(balanceAccount(c), paidOutCash + fromBalance - credited);
        add(prizeAccount(ledger.id), credited);
    }
}

std::vector<Posting> postingsBetween(const Balances& before, const Balances& after) {
    std::map<std::string, std::int64_t> difference;
    for (const auto& [account, ore] : after) difference[account] += ore;
    for (const auto& [account, ore] : before) difference[account] -= ore;
    std::vector<Posting> postings;
    for (const auto& [account, ore] : difference) {
        if (ore != 0) postings.push_back(Posting{account, ore});
    }
    return postings;
}

}  // namespace andel
