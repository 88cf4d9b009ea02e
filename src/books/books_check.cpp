#include "books/books_check.h"

#include "books/cash_day.h"
#include "books/journal.h"
#include "model/text.h"

namespace andel {

BooksCheck checkBooks(Journal& journal) {
    BooksCheck check;
    SqliteDatabase& db = journal.database();
    journal.read([&] {
        SqliteStatement integrity(db, "PRAGMA integrity_check");
        while (integrity.step()) {
            if (const std::string line = integrity.text(0); line != "ok") check.problems.push_back("Databasen: " + line);
        }
        if (!check.problems.empty()) return;
        SqliteStatement count(db, "SELECT count(*) FROM event");
        count.step();
        check.events = static_cast<int>(count.integer(0));
        SqliteStatement unbalanced(db, "SELECT event, sum(amount_ore) FROM posting GROUP BY event HAVING sum(amount_ore) != 0");
        while (unbalanced.step()) {
            check.problems.push_back("Hendelse " + std::to_string(unbalanced.integer(0)) + " går ikke i balanse: " +
                                     std::to_string(unbalanced.integer(1)) + " øre.");
        }
        // What the accounts hold by the fold of the events: the syndicates' views, and the
        // events of a customer alone.
        Balances folded;
        const std::vector<Ledger> fresh = journal.foldEveryLedger(), kept = journal.ledgers();
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            addLedgerBalances(fresh[i], folded);
            if (i >= kept.size() || !(kept[i] == fresh[i])) {
                check.problems.push_back("Andelslaget " + fresh[i].facts.serialNumber + " " + weekText(fresh[i].facts.week) +
                                         ": de lagrede tallene stemmer ikke med hendelsene.");
            }
        }
        for (const BookEvent& e : journal.allEvents()) {
            addCashEventBalances(e, folded);
            if (e.kind != EventKind::RefundPaid) continue;
            folded[drawerAccount()] -= e.amountOre;
            folded[refundAccount(e.customer)] += e.amountOre;
        }
        const Balances posted = journal.accountSums();
        check.accounts = static_cast<int>(posted.size());
        for (const Posting& difference : postingsBetween(posted, folded)) {
            const auto at = posted.find(difference.account);
            const std::int64_t was = at == posted.end() ? 0 : at->second;
            check.problems.push_back("Konto " + difference.account + ": posteringene gir " + std::to_string(was) +
                                     " øre, hendelsene " + std::to_string(was + difference.amountOre) + " øre.");
        }
    });
    return check;
}

}  // namespace andel
