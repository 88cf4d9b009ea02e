#include "demo_accounts.h"

#include "books/books_rules.h"
#include "books/journal.h"
#include "books/ledger_edit.h"
#include "platform/file_io.h"
#include "register/register_file.h"
#include "storage/storage_directory.h"
#include "storage/storage_listing.h"
#include "storage/storage_load.h"
#include "workbench/recompute.h"

namespace andel::demo {
namespace {

class Quiet : public Messages {
public:
    bool show(const Message&) override { return false; }
};

}  // namespace

void writeDemoAccounts(const Workspace& demo) {
    const std::optional<std::filesystem::path> directory = enterStorageDirectory(demo.root());
    if (!directory) return;
    const std::vector<Tkunderec> customers = readCustomers(demo);
    Quiet quiet;
    Journal journal(demo);
    const Clerk clerk = clerkOf(demo);
    int sold = 0;
    for (const std::filesystem::path& file : storageFiles(*directory)) {
        WorkbenchState state = initialWorkbenchState();
        if (!loadStoredRows(state, *directory, pathText(file.filename()), quiet, [](const std::string&) { return true; }).loaded) continue;
        recomputeSystem(state);
        recomputePrice(state);
        const auto facts = syndicateFactsOf(state);
        if (!facts || openLedgerInBooks(journal, clerk, *facts).opening != LedgerOpening::Created) continue;
        // Two of every three shares sold, every other sold share paid.
        const std::string& serial = facts->serialNumber;
        for (int share = 1; share <= facts->shares && !customers.empty(); ++share) {
            if (share % 3 == 0) continue;
            const ShareEntry buyer = buyerOf(customers[static_cast<std::size_t>(sold++) % customers.size()]);
            setBuyerInBooks(journal, clerk, serial, share, {buyer.name, buyer.telephone, buyer.playerNumber, std::nullopt});
            if (share % 2 == 1) payInBooks(journal, clerk, serial, share, std::nullopt, std::nullopt);
        }
    }
}

}  // namespace andel::demo
