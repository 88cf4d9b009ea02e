#include "books/ledger_in_hand.h"

#include <algorithm>
#include <limits>

namespace andel {

LedgerInHand::LedgerInHand(Journal& journal, std::int64_t id)
    : journal_(journal), events_(journal.eventsOf(id)), view_(foldLedger(events_)) {}

const BookEvent* LedgerInHand::newestStanding(int share, std::initializer_list<EventKind> kinds) const {
    for (auto e = events_.events.rbegin(); e != events_.events.rend(); ++e) {
        if (e->share != share || std::find(kinds.begin(), kinds.end(), e->kind) == kinds.end()) continue;
        if (!reversed(e->id)) return &*e;
    }
    return nullptr;
}

bool LedgerInHand::reversed(std::int64_t id) const {
    return std::any_of(events_.events.begin(), events_.events.end(), [&](const BookEvent& e) { return e.reverses == id; });
}

std::int64_t LedgerInHand::record(BookEvent event, const std::string& agent) {
    event.syndicate = view_.id;
    event.agent = agent;
    Balances before, after;
    addLedgerBalances(view_, before);
    event.id = std::numeric_limits<std::int64_t>::max();  // none reverses it yet
    for (const BalanceSource& source : event.sources) {
        if (!events_.serialOf.contains(source.syndicate)) events_.serialOf.emplace(source.syndicate, journal_.serialOf(source.syndicate));
    }
    events_.events.push_back(event);
    // An undo or a correction changes what stands before it: fold again; anything else adds on.
    if (event.reverses != 0) view_ = foldLedger(events_);
    else foldEvent(view_, event, events_.serialOf);
    addLedgerBalances(view_, after);
    const std::int64_t id = journal_.append(event, postingsBetween(before, after));
    events_.events.back().id = id;
    return id;
}

}  // namespace andel
