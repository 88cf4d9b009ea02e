#pragma once
// A ledger inside a write: its events, the view folded from them, and the recording of a
// new event with the postings that take the view's balances from before to after. The
// rules and the migration record every event of a syndicate through it.
#include "books/journal.h"

#include <initializer_list>
#include <string>

namespace andel {

class LedgerInHand {
public:
    LedgerInHand(Journal& journal, std::int64_t id);
    const Ledger& view() const { return view_; }
    Journal& journal() const { return journal_; }
    const ShareEntry& entry(int share) const { return view_.entries[static_cast<std::size_t>(share - 1)]; }
    const std::vector<BookEvent>& events() const { return events_.events; }

    // The newest event of the kinds on the share (0: the whole syndicate) that no later
    // event reverses; the pointer holds until the next record().
    const BookEvent* newestStanding(int share, std::initializer_list<EventKind> kinds) const;
    bool reversed(std::int64_t id) const;

    // Records the event for the syndicate, by the agent; returns its id.
    std::int64_t record(BookEvent event, const std::string& agent);

private:
    Journal& journal_;
    LedgerEvents events_;
    Ledger view_;
};

}  // namespace andel
