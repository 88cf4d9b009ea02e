#include "books/books_rules.h"

#include "books/buyer_key.h"
#include "books/ledger_in_hand.h"
#include "books/ledger_store.h"
#include "books/ledger_winnings.h"
#include "model/text.h"
#include "settings/agent_profile.h"

#include <algorithm>

namespace andel {
namespace {

std::string shareName(int share) { return "Andel " + std::to_string(share); }

std::string recorded(const std::optional<std::int64_t>& amount, const std::optional<LedgerDate>& on) {
    return (on ? ledgerDateText(*on) : std::string("(uten dato)")) + ", " + kronerText(amount.value_or(0));
}

std::string defaultReason(const std::string& reason, const std::string& fallback) {
    const std::string clean = cleanFieldText(reason);
    return clean.empty() ? fallback : clean;
}

// Runs `step` on the serial number's ledger inside one write; a missing ledger, a voided
// one (unless `whenVoided`: the voiding says it its own way) and a share out of range (when
// `share` is given) are refused first.
template <class Step>
std::string changeInBooks(Journal& journal, const std::string& serial, std::optional<int> share, Step&& step,
                          bool whenVoided = false) {
    std::string refused;
    journal.write([&] {
        const auto ledger = journal.ledger(serial);
        if (!ledger) {
            refused = noLedgerMessage(serial);
            return;
        }
        LedgerInHand hand(journal, ledger->id);
        if (!whenVoided) refused = refuseVoided(hand.view());
        if (refused.empty() && share) refused = checkShare(hand.view(), *share);
        if (refused.empty()) refused = step(hand);
    });
    return refused;
}

std::int64_t balanceOf(Journal& journal, const std::string& customer) {
    return -journal.accountSum(balanceAccount(customer)) / kOrePerKrone;
}

std::string buyerName(const ShareEntry& entry) {
    return entry.name.empty() ? (entry.telephone.empty() ? entry.playerNumber : entry.telephone) : entry.name;
}

// A money event of one share, dated and owned by the customer it moves money for.
BookEvent shareEvent(EventKind kind, const LedgerDate& on, int share, const std::string& customer, std::int64_t kroner) {
    BookEvent event;
    event.kind = kind;
    event.businessDate = on;
    event.share = share;
    event.customer = customer;
    event.amountOre = kroner * kOrePerKrone;
    return event;
}

// The refusal of an undo while the share's winnings paid another share from the balance.
std::string paidAnotherShare(int share, const ShareEntry& entry) {
    const BalanceLink& first = entry.toBalance.front();
    return "Gevinsten til andel " + std::to_string(share) + " betalte andel " + std::to_string(first.share) +
           " i serienummer " + first.serialNumber + " (" + kronerText(first.amount) + "): angre den betalingen fra saldo først.";
}

// The clerk on the day the books record on: today, or the day after the last settlement
// once today is settled.
Clerk onOpenDay(Journal& journal, const Clerk& clerk) {
    Clerk open = clerk;
    open.today = journal.openDay(clerk.today);
    return open;
}

// A day a settlement closed takes no event, whatever date is typed.
std::string closedDayProblem(Journal& journal, const LedgerDate& date) {
    SqliteStatement s(journal.database(), "SELECT min(number) FROM settlement WHERE day >= ?");
    s.bind(1, isoDate(date));
    if (!s.step() || !s.optionalInteger(0)) return {};
    return "Dagen " + ledgerDateText(date) + " er avsluttet med dagsoppgjør nr " + std::to_string(*s.optionalInteger(0)) +
           " og endres ikke: før det på en åpen dag, fra " + ledgerDateText(journal.openDay(date)) + ".";
}

// The event that undoes `reversed`, with the agent's reason or one that names what it undid.
BookEvent reversalOf(const BookEvent& reversed, const Clerk& clerk, const std::string& reason, const std::string& what) {
    BookEvent undo = shareEvent(EventKind::Reversal, clerk.today, reversed.share, reversed.customer, 0);
    undo.amountOre = reversed.amountOre;
    undo.reverses = reversed.id;
    undo.reason = defaultReason(reason, "Angret " + what + " " + ledgerDateText(reversed.businessDate));
    return undo;
}

}  // namespace

Clerk clerkOf(const Workspace& workspace) {
    Clerk clerk;
    clerk.today = todayLedgerDate();
    try {
        const AgentProfileRead agent = readAgentProfile(workspace);
        clerk.agent = trimBlanks(agent.profile.agentNumber);
        if (const std::string company = trimBlanks(agent.profile.companyName); !company.empty()) {
            clerk.agent += (clerk.agent.empty() ? "" : " ") + company;
        }
    } catch (const std::exception&) {
        clerk.agent = "ukjent kommisjonær";  // an unreadable identity file must not stop the books
    }
    return clerk;
}

std::string dateProblem(const LedgerDate& date, const Ledger& ledger, const LedgerDate& today) {
    if (isoDate(date) > isoDate(today)) {
        return "Datoen " + ledgerDateText(date) + " er etter dagens dato, " + ledgerDateText(today) + ".";
    }
    if (isoDate(date) < isoDate(ledger.madeOn)) {
        return "Datoen " + ledgerDateText(date) + " er før andelslaget ble laget, " + ledgerDateText(ledger.madeOn) + ".";
    }
    return {};
}

OpenedLedger openLedgerInBooks(Journal& journal, const Clerk& atCounter, const SyndicateFacts& facts) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    OpenedLedger opened;
    journal.write([&] {
        if (const auto id = journal.syndicateOf(facts)) {
            const auto existing = journal.ledgerById(*id);
            opened.refused = ledgerMismatch(*existing, facts);
            opened.opening = opened.refused.empty() ? LedgerOpening::Existing : LedgerOpening::Refused;
            return;
        }
        journal.insertSyndicate(facts, clerk.today, clerk.agent);
        opened.opening = LedgerOpening::Created;
    });
    return opened;
}

std::string setBuyerInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, int share,
                            const BuyerChange& change, const std::string& reason) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    if (std::string problem = buyerChangeProblem(change); !problem.empty()) return problem;
    return changeInBooks(journal, serial, share, [&](LedgerInHand& hand) -> std::string {
        const Ledger& ledger = hand.view();
        const ShareEntry& now = hand.entry(share);
        ShareEntry next = now;
        if (change.name) next.name = cleanFieldText(*change.name);
        if (change.telephone) next.telephone = cleanFieldText(*change.telephone);
        if (change.playerNumber) next.playerNumber = cleanFieldText(*change.playerNumber);
        if (change.note) next.note = cleanFieldText(*change.note);
        const bool buyerChanges = next.name != now.name || next.telephone != now.telephone || next.playerNumber != now.playerNumber;
        if (!buyerChanges && next.note == now.note) return {};
        if (buyerChanges) {
            next.agentHeld = false;
            next.customerKey.clear();  // the new buyer's key comes from the new name, telephone and number
            const bool correction = !cleanFieldText(reason).empty();
            if (ledger.saleClosed && !correction) {
                return "Salget ble stengt " + ledgerDateText(*ledger.saleClosed) +
                       ": åpne salget igjen før andelen får en ny kjøper.";
            }
            if (ledger.confirmed && !correction) {
                return "Resultatet ble godkjent " + ledgerDateText(ledger.confirmed->on) +
                       ": en ny kjøper føres nå bare som en rettelse med grunn.";
            }
            // Money stays with the buyer it was recorded for.
            if (now.paid.value_or(0) > 0) {
                return shareName(share) + " ble betalt " + recorded(now.paid, now.paidOn) +
                       ": angre betalingen før kjøperen endres.";
            }
            if (now.paidOut.value_or(0) > 0) {
                return shareName(share) + " ble utbetalt " + recorded(now.paidOut, now.paidOutOn) +
                       ": angre utbetalingen før kjøperen endres.";
            }
        }
        BookEvent event;
        event.kind = EventKind::BuyerSet;
        event.businessDate = clerk.today;
        event.share = share;
        event.customer = customerKeyOf(next);
        event.detail = {{"name", next.name}, {"telephone", next.telephone}, {"player", next.playerNumber},
                        {"note", next.note}, {"agent", next.agentHeld ? "1" : "0"}};
        if (const BookEvent* earlier = hand.newestStanding(share, {EventKind::BuyerSet})) event.reverses = earlier->id;
        event.reason = cleanFieldText(reason);
        hand.record(event, clerk.agent);
        return {};
    });
}

namespace {

std::string payOne(LedgerInHand& hand, const Clerk& clerk, int share, std::optional<std::int64_t> amount,
                   std::optional<LedgerDate> date, const std::string& reason) {
    const Ledger& ledger = hand.view();
    const ShareEntry& entry = hand.entry(share);
    if (!entry.hasBuyer()) return shareName(share) + " har ingen kjøper: velg kjøperen før andelen merkes betalt.";
    if (ledger.confirmed && cleanFieldText(reason).empty()) {
        return "Resultatet ble godkjent " + ledgerDateText(ledger.confirmed->on) +
               ": en betaling føres nå bare som en rettelse med grunn.";
    }
    const std::int64_t remaining = ledger.facts.pricePerShare - entry.paid.value_or(0);
    if (remaining <= 0) return shareName(share) + " ble betalt " + recorded(entry.paid, entry.paidOn) + ".";
    const std::int64_t paying = amount.value_or(remaining);
    if (paying < 1) return "Beløpet må være minst kr 1.";
    if (paying > remaining) {
        return "Beløpet " + kronerText(paying) + " er mer enn det som mangler av prisen, " + kronerText(remaining) +
               (entry.paid ? " (betalt " + recorded(entry.paid, entry.paidOn) + ")." : ".");
    }
    const LedgerDate on = date.value_or(clerk.today);
    if (std::string problem = dateProblem(on, ledger, clerk.today); !problem.empty()) return problem;
    if (std::string problem = closedDayProblem(hand.journal(), on); !problem.empty()) return problem;
    BookEvent event = shareEvent(EventKind::PaymentCash, on, share, entry.customerKey, paying);
    event.reason = cleanFieldText(reason);
    hand.record(event, clerk.agent);
    return {};
}

}  // namespace

std::string payInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, int share,
                       std::optional<std::int64_t> amount, std::optional<LedgerDate> date, const std::string& reason) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, share,
                         [&](LedgerInHand& hand) { return payOne(hand, clerk, share, amount, date, reason); });
}

std::string payTypedInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, int share, std::string_view typed) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    const std::string text = trimBlanks(std::string(typed));
    if (text.empty()) return {};
    const std::optional<std::int64_t> total = parseWholeKroner(text);
    if (!total) return badAmountMessage(text);
    return changeInBooks(journal, serial, share, [&](LedgerInHand& hand) -> std::string {
        const ShareEntry& entry = hand.entry(share);
        const std::int64_t paid = entry.paid.value_or(0);
        if (*total == paid) return {};
        if (*total < paid) {
            return shareName(share) + " ble betalt " + recorded(entry.paid, entry.paidOn) +
                   ": angre betalingen først for å føre et mindre beløp.";
        }
        return payOne(hand, clerk, share, *total - paid, std::nullopt, {});
    });
}

std::string paySharesInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, const std::vector<int>& shares) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, std::nullopt, [&](LedgerInHand& hand) {
        std::string refusals;
        for (int share : shares) {
            std::string refused = checkShare(hand.view(), share);
            if (refused.empty()) refused = payOne(hand, clerk, share, std::nullopt, std::nullopt, {});
            if (refused.empty()) continue;
            if (!refused.starts_with(shareName(share) + " ")) refused = shareName(share) + ": " + refused;
            refusals += (refusals.empty() ? "" : "\r") + refused;
        }
        return refusals;
    });
}

std::string payFromBalanceInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, int share) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, share, [&](LedgerInHand& hand) -> std::string {
        const Ledger& ledger = hand.view();
        const ShareEntry& entry = hand.entry(share);
        if (!entry.hasBuyer()) return shareName(share) + " har ingen kjøper: velg kjøperen før andelen betales fra saldo.";
        if (entry.agentHeld) return shareName(share) + " er kommisjonærens egen andel og betales ikke fra en kundes saldo.";
        if (ledger.confirmed) {
            return "Resultatet ble godkjent " + ledgerDateText(ledger.confirmed->on) +
                   ": andelen kan ikke lenger betales fra saldo.";
        }
        const std::int64_t remaining = ledger.facts.pricePerShare - entry.paid.value_or(0);
        if (remaining <= 0) return shareName(share) + " ble betalt " + recorded(entry.paid, entry.paidOn) + ".";
        const std::int64_t balance = balanceOf(journal, entry.customerKey);
        if (balance < remaining) {
            return "Saldoen til " + buyerName(entry) + " er " + kronerText(balance) + ", men andel " + std::to_string(share) +
                   " koster " + kronerText(remaining) + ": saldoen er for liten.";
        }
        // The oldest winnings pay first.
        std::vector<Ledger> theirs = journal.ledgersOfCustomer(entry.customerKey);
        std::reverse(theirs.begin(), theirs.end());
        BookEvent event = shareEvent(EventKind::PaymentBalance, clerk.today, share, entry.customerKey, remaining);
        std::int64_t left = remaining;
        for (const Ledger& other : theirs) {
            for (int s = 1; s <= static_cast<int>(other.entries.size()) && left > 0; ++s) {
                if (other.entries[static_cast<std::size_t>(s - 1)].customerKey != entry.customerKey) continue;
                if (other.id == ledger.id && s == share) continue;
                const std::int64_t take = std::min(left, unspentWinnings(other, s));
                if (take <= 0) continue;
                event.sources.push_back(BalanceSource{other.id, s, take * kOrePerKrone});
                left -= take;
            }
        }
        if (left > 0) return "Saldoen til " + buyerName(entry) + " dekker ikke andel " + std::to_string(share) + ".";
        hand.record(event, clerk.agent);
        return {};
    });
}

std::string payoutInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, int share,
                          std::optional<std::int64_t> amount, std::optional<LedgerDate> date) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, share, [&](LedgerInHand& hand) -> std::string {
        const Ledger& ledger = hand.view();
        const ShareEntry& entry = hand.entry(share);
        if (!ledger.confirmed) return std::string(kPayoutBeforeConfirmed);
        if (!entry.hasBuyer()) return shareName(share) + " har ingen kjøper: ingen gevinst skal utbetales.";
        if (entry.paid.value_or(0) < ledger.facts.pricePerShare) {
            return shareName(share) + " er ikke betalt fullt ut (" + kronerText(entry.paid.value_or(0)) + " av " +
                   kronerText(ledger.facts.pricePerShare) + "): bare en fullt betalt andel får gevinsten utbetalt.";
        }
        const std::int64_t unspent = unspentWinnings(ledger, share);
        if (unspent <= 0) {
            if (entry.paidOut.value_or(0) > 0) return shareName(share) + " ble utbetalt " + recorded(entry.paidOut, entry.paidOutOn);
            return shareName(share) + " har ingen gevinst å utbetale.";
        }
        const std::int64_t balance = balanceOf(journal, entry.customerKey);
        const std::int64_t available = std::min(unspent, balance);
        if (available <= 0) {
            return buyerName(entry) + " skylder " + kronerText(-balance) +
                   " etter en rettet premie: gevinsten går til gjelden og kan ikke utbetales.";
        }
        const std::int64_t paying = amount.value_or(available);
        if (paying < 1) return "Beløpet må være minst kr 1.";
        if (paying > available) {
            return "Beløpet " + kronerText(paying) + " er mer enn det som er igjen å utbetale, " + kronerText(available) + ".";
        }
        const LedgerDate on = date.value_or(clerk.today);
        if (std::string problem = dateProblem(on, ledger, clerk.today); !problem.empty()) return problem;
        if (std::string problem = closedDayProblem(hand.journal(), on); !problem.empty()) return problem;
        hand.record(shareEvent(EventKind::PayoutCash, on, share, entry.customerKey, paying), clerk.agent);
        return {};
    });
}

std::string undoPaymentInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, int share,
                               const std::string& reason) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, share, [&](LedgerInHand& hand) -> std::string {
        const ShareEntry& entry = hand.entry(share);
        const BookEvent* payment = hand.newestStanding(share, {EventKind::PaymentCash, EventKind::PaymentBalance});
        if (!payment) return shareName(share) + " er ikke merket betalt; ingenting å angre.";
        if (!entry.toBalance.empty()) return paidAnotherShare(share, entry);
        if (entry.paidOut.value_or(0) > 0) {
            return shareName(share) + " ble utbetalt " + recorded(entry.paidOut, entry.paidOutOn) +
                   ": angre utbetalingen før betalingen.";
        }
        const BookEvent undo = reversalOf(*payment, clerk, reason, "betaling");
        hand.record(undo, clerk.agent);
        return {};
    });
}

std::string undoPayoutInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, int share,
                              const std::string& reason) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, share, [&](LedgerInHand& hand) -> std::string {
        const ShareEntry& entry = hand.entry(share);
        const BookEvent* payout = hand.newestStanding(share, {EventKind::PayoutCash});
        if (!payout) {
            if (!entry.toBalance.empty()) return paidAnotherShare(share, entry);
            return shareName(share) + " er ikke merket utbetalt; ingenting å angre.";
        }
        const BookEvent undo = reversalOf(*payout, clerk, reason, "utbetaling");
        hand.record(undo, clerk.agent);
        return {};
    });
}

std::optional<BookEvent> undoableEvent(Journal& journal, const std::string& serial, int share, bool payout) {
    return journal.read([&]() -> std::optional<BookEvent> {
        const auto ledger = journal.ledger(serial);
        if (!ledger) return std::nullopt;
        const LedgerInHand hand(journal, ledger->id);
        const BookEvent* event = payout ? hand.newestStanding(share, {EventKind::PayoutCash})
                                        : hand.newestStanding(share, {EventKind::PaymentCash, EventKind::PaymentBalance});
        if (!event) return std::nullopt;
        return *event;
    });
}

std::string closeSaleInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, std::nullopt, [&](LedgerInHand& hand) -> std::string {
        const Ledger& ledger = hand.view();
        if (ledger.saleClosed) return "Salget ble stengt " + ledgerDateText(*ledger.saleClosed) + ".";
        std::string held;
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            if (!ledger.entries[i].hasBuyer()) held += (held.empty() ? "" : " ") + std::to_string(i + 1);
        }
        BookEvent event;
        event.kind = EventKind::SaleClosed;
        event.businessDate = clerk.today;
        event.detail = {{"agent-shares", held}};
        hand.record(event, clerk.agent);
        return {};
    });
}

std::string reopenSaleInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, std::nullopt, [&](LedgerInHand& hand) -> std::string {
        const Ledger& ledger = hand.view();
        if (!ledger.saleClosed) return "Salget for serienummer " + ledger.facts.serialNumber + " er ikke stengt.";
        // The agent keeps a share with money recorded on it until that money is undone.
        std::string back;
        for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
            const ShareEntry& e = ledger.entries[i];
            if (e.agentHeld && !e.paid && !e.paidOut) back += (back.empty() ? "" : " ") + std::to_string(i + 1);
        }
        BookEvent event;
        event.kind = EventKind::SaleReopened;
        event.businessDate = clerk.today;
        event.detail = {{"back-on-sale", back}};
        hand.record(event, clerk.agent);
        return {};
    });
}

std::string confirmInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, const ConfirmedResult& result,
                           const std::string& reason) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    return changeInBooks(journal, serial, std::nullopt, [&](LedgerInHand& hand) -> std::string {
        const Ledger& ledger = hand.view();
        const bool both = ledger.facts.timeBasis == TimeBasis::Both;
        if (both && !result.halfTime) return "Andelslaget spiller BEGGE: pauseresultatet må godkjennes sammen med fulltid.";
        for (const ConfirmedRound* round : {&result.fullTime, result.halfTime ? &*result.halfTime : nullptr}) {
            if (!round) continue;
            if (round->signs.size() != static_cast<std::size_t>(kMatches) ||
                round->signs.find_first_not_of("1X2") != std::string::npos) {
                return "Resultatet \"" + round->signs + "\" er ikke tolv tegn 1, X og 2.";
            }
            for (std::int64_t prize : {round->prize12, round->prize11, round->prize10}) {
                if (prize < 0 || prize > kLargestKroner) return "En premie må være fra kr 0 til kr 999.999.999.";
            }
        }
        const std::optional<ConfirmedRound> half = both ? result.halfTime : std::nullopt;
        if (ledger.confirmed && ledger.confirmed->fullTime == result.fullTime && ledger.confirmed->halfTime == half) return {};
        if (ledger.confirmed && cleanFieldText(reason).empty()) {
            return "Resultatet ble godkjent " + ledgerDateText(ledger.confirmed->on) +
                   ": en rettelse av resultatet trenger en grunn.";
        }
        BookEvent event;
        event.kind = EventKind::ResultConfirmed;
        event.businessDate = clerk.today;
        const auto put = [&](const std::string& prefix, const ConfirmedRound& r) {
            event.detail[prefix + "signs"] = r.signs;
            event.detail[prefix + "p12"] = std::to_string(r.prize12);
            event.detail[prefix + "p11"] = std::to_string(r.prize11);
            event.detail[prefix + "p10"] = std::to_string(r.prize10);
        };
        put("", result.fullTime);
        if (half) put("half-", *half);
        if (const BookEvent* earlier = hand.newestStanding(0, {EventKind::ResultConfirmed})) event.reverses = earlier->id;
        event.reason = cleanFieldText(reason);
        hand.record(event, clerk.agent);
        return {};
    });
}

std::string voidInBooks(Journal& journal, const Clerk& atCounter, const std::string& serial, const std::string& reason) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    const std::string clean = cleanFieldText(reason);
    if (clean.empty()) return "Skriv grunnen til at andelslaget annulleres.";
    if (std::string problem = fieldProblem("Grunnen", clean, kReasonLength); !problem.empty()) return problem;
    return changeInBooks(
        journal, serial, std::nullopt,
        [&](LedgerInHand& hand) -> std::string {
            if (const auto& voided = hand.view().voided) {
                return "Andelsregnskapet for serienummer " + serial + " er allerede annullert " + ledgerDateText(voided->on) +
                       " (" + voided->reason + ").";
            }
            BookEvent event;
            event.kind = EventKind::LedgerVoided;
            event.businessDate = clerk.today;
            event.reason = clean;
            hand.record(event, clerk.agent);
            return {};
        },
        true);
}

std::string payRefundInBooks(Journal& journal, const Clerk& atCounter, const std::string& customerKey,
                             std::optional<std::int64_t> amount) {
    const Clerk clerk = onOpenDay(journal, atCounter);
    std::string refused;
    journal.write([&] {
        const std::int64_t owed = -journal.accountSum(refundAccount(customerKey)) / kOrePerKrone;
        if (owed <= 0) {
            refused = "Kunden har ingenting til gode fra annullerte andelslag.";
            return;
        }
        const std::int64_t paying = amount.value_or(owed);
        if (paying < 1 || paying > owed) {
            refused = "Beløpet " + kronerText(paying) + " må være fra kr 1 til det kunden har til gode, " + kronerText(owed) + ".";
            return;
        }
        BookEvent event;
        event.kind = EventKind::RefundPaid;
        event.businessDate = clerk.today;
        event.agent = clerk.agent;
        event.customer = customerKey;
        event.amountOre = paying * kOrePerKrone;
        journal.append(event, {Posting{drawerAccount(), -event.amountOre}, Posting{refundAccount(customerKey), event.amountOre}});
    });
    return refused;
}

std::string resultCorrectionWarning(const Ledger& ledger, const ConfirmedResult& result) {
    const LedgerWinnings next = winningsOn(ledger.facts, result.fullTime, result.halfTime);
    std::string over;
    for (std::size_t i = 0; i < ledger.entries.size(); ++i) {
        const std::int64_t out = ledger.entries[i].paidOut.value_or(0);
        if (out > next.perShare) {
            over += "\rAndel " + std::to_string(i + 1) + " er utbetalt " + kronerText(out) + ": kunden skylder da " +
                    kronerText(out - next.perShare) + ".";
        }
    }
    if (over.empty()) return {};
    return "Med dette resultatet blir premien pr andel " + kronerText(next.perShare) + "." + over +
           "\rGjelden trekkes fra kundens andre gevinster.";
}

CustomerMoney customerMoney(Journal& journal, const std::string& customerKey) {
    CustomerMoney money;
    money.balance = -journal.accountSum(balanceAccount(customerKey)) / kOrePerKrone;
    money.unpaid = journal.accountSum(receivableAccount(customerKey)) / kOrePerKrone;
    money.refundsOwed = -journal.accountSum(refundAccount(customerKey)) / kOrePerKrone;
    return money;
}

}  // namespace andel
