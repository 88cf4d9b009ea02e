#include "accounts/ledger_edit.h"

#include "accounts/ledger_winnings.h"
#include "model/text.h"
#include "register/customer_cells.h"

namespace andel {
namespace {

ShareEntry& entryOf(Ledger& ledger, int share) { return ledger.entries[static_cast<std::size_t>(share - 1)]; }

std::string shareName(int share) { return "Andel " + std::to_string(share); }

// "kr 21 02.12.2026" for a recorded amount and its date.
std::string recorded(const std::optional<std::int64_t>& amount, const std::optional<LedgerDate>& on) {
    return (on ? ledgerDateText(*on) : std::string("(uten dato)")) + ", " + kronerText(amount.value_or(0));
}

std::string roundText(const ConfirmedRound& r) {
    return r.signs + ", premie 12 rette " + kronerText(r.prize12) + ", 11 rette " + kronerText(r.prize11) +
           ", 10 rette " + kronerText(r.prize10);
}

std::string resultText(const ConfirmedResult& result) {
    std::string text = roundText(result.fullTime);
    if (result.halfTime) text += "; pause " + roundText(*result.halfTime);
    return text;
}

// Every change but voiding starts here: the share must exist and the ledger be live.
std::string refuseChange(const Ledger& ledger, int share) {
    if (std::string refused = refuseVoided(ledger); !refused.empty()) return refused;
    return checkShare(ledger, share);
}

}  // namespace

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

std::string setBuyer(Ledger& ledger, int share, const BuyerChange& change) {
    if (std::string refused = refuseChange(ledger, share); !refused.empty()) return refused;
    if (std::string problem = buyerChangeProblem(change); !problem.empty()) return problem;
    ShareEntry entry = entryOf(ledger, share);
    const auto changes = [](const std::optional<std::string>& text, const std::string& now) {
        return text && cleanFieldText(*text) != now;
    };
    if (ledger.saleClosed && (changes(change.name, entry.name) || changes(change.telephone, entry.telephone) ||
                              changes(change.playerNumber, entry.playerNumber))) {
        return "Salget ble stengt " + ledgerDateText(*ledger.saleClosed) +
               ": åpne salget igjen før andelen får en ny kjøper.";
    }
    if (change.name) entry.name = cleanFieldText(*change.name);
    if (change.telephone) entry.telephone = cleanFieldText(*change.telephone);
    if (change.playerNumber) entry.playerNumber = cleanFieldText(*change.playerNumber);
    if (change.note) entry.note = cleanFieldText(*change.note);
    // Money recorded on a share stays with a buyer.
    if (!entry.hasBuyer() && (entry.paid || entry.paidOut)) {
        return shareName(share) + " ble betalt " + recorded(entry.paid, entry.paidOn) +
               ": angre betalingen før kjøperen fjernes.";
    }
    entryOf(ledger, share) = std::move(entry);
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

std::string markPaid(Ledger& ledger, int share, std::optional<std::int64_t> amount, std::optional<LedgerDate> date) {
    if (std::string refused = refuseChange(ledger, share); !refused.empty()) return refused;
    ShareEntry& entry = entryOf(ledger, share);
    if (!entry.hasBuyer()) return shareName(share) + " har ingen kjøper: velg kjøperen før andelen merkes betalt.";
    if (entry.paid) return shareName(share) + " ble betalt " + recorded(entry.paid, entry.paidOn) + ".";
    const std::int64_t paid = amount.value_or(ledger.facts.pricePerShare);
    if (std::string problem = paymentAmountProblem(ledger, paid); !problem.empty()) return problem;
    entry.paid = paid;
    entry.paidOn = date.value_or(todayLedgerDate());
    return {};
}

std::string markSharesPaid(Ledger& ledger, const std::vector<int>& shares, const LedgerDate& today) {
    // A voided ledger refuses them all for one reason: said once.
    if (std::string refused = refuseVoided(ledger); !refused.empty()) return refused;
    std::string refusals;
    for (int share : shares) {
        std::string refused = markPaid(ledger, share, std::nullopt, today);
        if (refused.empty()) continue;
        if (!refused.starts_with(shareName(share) + " ")) refused = shareName(share) + ": " + refused;
        refusals += (refusals.empty() ? "" : "\r") + refused;
    }
    return refusals;
}

std::string payTypedAmount(Ledger& ledger, int share, std::string_view typed, const LedgerDate& today) {
    if (std::string refused = refuseChange(ledger, share); !refused.empty()) return refused;
    const ShareEntry& entry = entryOf(ledger, share);
    const std::string text = trimBlanks(typed);
    const std::optional<std::int64_t> amount = text.empty() ? std::nullopt : parseWholeKroner(text);
    if (!text.empty() && !amount) return badAmountMessage(text);
    if (entry.paid == amount) return {};
    if (entry.paid) {
        return shareName(share) + " ble betalt " + recorded(entry.paid, entry.paidOn) +
               ": angre betalingen først for å føre et annet beløp.";
    }
    if (!amount) return {};
    return markPaid(ledger, share, amount, today);
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

std::string markPaidOut(Ledger& ledger, int share, std::optional<std::int64_t> amount, std::optional<LedgerDate> date) {
    if (std::string refused = refuseChange(ledger, share); !refused.empty()) return refused;
    const auto part = confirmedPartPerShare(ledger);
    if (!part) return std::string(kPayoutBeforeConfirmed);
    ShareEntry& entry = entryOf(ledger, share);
    if (!entry.hasBuyer()) return shareName(share) + " har ingen kjøper: ingen gevinst skal utbetales.";
    if (!entry.paid) return shareName(share) + " er ikke betalt: bare en betalt andel får gevinsten utbetalt.";
    // What went to the buyer's other shares leaves the rest of the win to be paid in cash, once.
    if (entry.paidOutInCash() > 0) return shareName(share) + " ble utbetalt " + recorded(entry.paidOut, entry.paidOutOn);
    const std::int64_t moved = entry.movedToBalance();
    if (moved > 0 && moved >= *part) {
        return shareName(share) + " har brukt hele gevinsten, " + kronerText(moved) + ", til å betale andre andeler.";
    }
    if (*part == 0 && !amount) return shareName(share) + " har ingen gevinst å utbetale.";
    const std::int64_t paidOut = amount.value_or(*part - moved);
    if (std::string problem = payoutAmountProblem(ledger, paidOut + moved); !problem.empty()) {
        return moved ? "Beløpet " + kronerText(paidOut) + " er mer enn det som er igjen av gevinsten, " +
                           kronerText(*part - moved) + "."
                     : problem;
    }
    entry.paidOut = paidOut + moved;
    entry.paidOutOn = date.value_or(todayLedgerDate());
    return {};
}

std::string undoPayment(Ledger& ledger, int share, const LedgerDate& today) {
    if (std::string refused = refuseChange(ledger, share); !refused.empty()) return refused;
    ShareEntry& entry = entryOf(ledger, share);
    if (!entry.paid) return shareName(share) + " er ikke merket betalt; ingenting å angre.";
    if (!entry.paidFromBalance.empty()) {
        return shareName(share) + " ble betalt fra kundens saldo " + recorded(entry.paid, entry.paidOn) +
               ": angre betalingen fra saldo, så føres gevinsten tilbake.";
    }
    if (entry.paidOut) {
        return shareName(share) + " ble utbetalt " + recorded(entry.paidOut, entry.paidOutOn) +
               ": angre utbetalingen før betalingen.";
    }
    ledger.history.push_back(
        HistoryLine{today, "Angret betaling av andel " + std::to_string(share) + ": " + recorded(entry.paid, entry.paidOn)});
    entry.paid.reset();
    entry.paidOn.reset();
    return {};
}

std::string undoPayout(Ledger& ledger, int share, const LedgerDate& today) {
    if (std::string refused = refuseChange(ledger, share); !refused.empty()) return refused;
    ShareEntry& entry = entryOf(ledger, share);
    if (!entry.paidOut) return shareName(share) + " er ikke merket utbetalt; ingenting å angre.";
    const std::int64_t moved = entry.movedToBalance();
    if (entry.paidOutInCash() <= 0) {
        const BalanceLink& first = entry.toBalance.front();
        return "Gevinsten til andel " + std::to_string(share) + " betalte andel " + std::to_string(first.share) +
               " i serienummer " + first.serialNumber + " (" + kronerText(first.amount) +
               "): angre den betalingen fra saldo først.";
    }
    ledger.history.push_back(HistoryLine{today, "Angret utbetaling av andel " + std::to_string(share) + ": " +
                                                    recorded(entry.paidOutInCash(), entry.paidOutOn)});
    if (moved > 0) {
        entry.paidOut = moved;  // what paid the buyer's other shares stays
    } else {
        entry.paidOut.reset();
        entry.paidOutOn.reset();
    }
    return {};
}

std::string closeSale(Ledger& ledger, const LedgerDate& today) {
    if (std::string refused = refuseVoided(ledger); !refused.empty()) return refused;
    if (ledger.saleClosed) return "Salget ble stengt " + ledgerDateText(*ledger.saleClosed) + ".";
    std::string held;
    for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
        ShareEntry& entry = ledger.entries[i];
        if (entry.hasBuyer()) continue;
        entry.name = std::string(kAgentBuyerName);
        entry.agentHeld = true;
        held += (held.empty() ? "" : ", ") + std::to_string(i + 1);
    }
    ledger.saleClosed = today;
    ledger.history.push_back(HistoryLine{
        today, held.empty() ? "Salget stengt; alle andeler er solgt." : "Salget stengt; kommisjonæren holder andel " + held + "."});
    return {};
}

std::string reopenSale(Ledger& ledger, const LedgerDate& today) {
    if (std::string refused = refuseVoided(ledger); !refused.empty()) return refused;
    if (!ledger.saleClosed) return "Salget for serienummer " + ledger.facts.serialNumber + " er ikke stengt.";
    // The agent's shares go back on sale, except one with money recorded on it: that
    // money stays with the agent until it is undone.
    std::string back, kept;
    for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
        ShareEntry& entry = ledger.entries[i];
        if (!entry.agentHeld) continue;
        std::string& list = entry.paid || entry.paidOut ? kept : back;
        list += (list.empty() ? "" : ", ") + std::to_string(i + 1);
        if (entry.paid || entry.paidOut) continue;
        entry = ShareEntry{};
    }
    std::string line = "Salget åpnet igjen (stengt " + ledgerDateText(*ledger.saleClosed) + ")";
    if (!back.empty()) line += "; andel " + back + " tilbake til salg";
    if (!kept.empty()) line += "; kommisjonæren beholder andel " + kept + " (betalt)";
    ledger.saleClosed.reset();
    ledger.history.push_back(HistoryLine{today, line + "."});
    return {};
}

std::string confirmResult(Ledger& ledger, const ConfirmedResult& result) {
    if (std::string refused = refuseVoided(ledger); !refused.empty()) return refused;
    const bool both = ledger.facts.timeBasis == TimeBasis::Both;
    if (both && !result.halfTime) return "Andelslaget spiller BEGGE: pauseresultatet må godkjennes sammen med fulltid.";
    for (const ConfirmedRound* round : {&result.fullTime, result.halfTime ? &*result.halfTime : nullptr}) {
        if (!round) continue;
        if (round->signs.size() != static_cast<std::size_t>(kMatches) ||
            round->signs.find_first_not_of("1X2") != std::string::npos) {
            return "Resultatet \"" + round->signs + "\" er ikke tolv tegn 1, X og 2.";
        }
        for (std::int64_t prize : {round->prize12, round->prize11, round->prize10}) {
            if (prize < 0 || prize > 999'999'999) return "En premie må være fra kr 0 til kr 999.999.999.";
        }
    }
    ConfirmedResult kept = result;
    if (!both) kept.halfTime.reset();
    if (ledger.confirmed && ledger.confirmed->fullTime == kept.fullTime && ledger.confirmed->halfTime == kept.halfTime) {
        return {};
    }
    std::string line = "Resultat godkjent: " + resultText(kept);
    if (ledger.confirmed) {
        line += " (erstatter " + resultText(*ledger.confirmed) + ", godkjent " + ledgerDateText(ledger.confirmed->on) + ")";
    }
    ledger.history.push_back(HistoryLine{kept.on, line});
    ledger.confirmed = kept;
    return {};
}

std::string voidLedger(Ledger& ledger, const std::string& reason, const LedgerDate& today) {
    if (std::string refused = refuseVoided(ledger); !refused.empty()) {
        return "Andelsregnskapet for serienummer " + ledger.facts.serialNumber + " er allerede annullert " +
               ledgerDateText(ledger.voided->on) + " (" + ledger.voided->reason + ").";
    }
    const std::string clean = cleanFieldText(reason);
    if (clean.empty()) return "Skriv grunnen til at andelslaget annulleres.";
    if (std::string problem = fieldProblem("Grunnen", clean, kReasonLength); !problem.empty()) return problem;
    ledger.voided = LedgerVoiding{today, clean};
    ledger.history.push_back(HistoryLine{today, "Andelslaget annullert: " + clean});
    return {};
}

}  // namespace andel
