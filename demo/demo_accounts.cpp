#include "demo_accounts.h"

#include "accounts/ledger_edit.h"
#include "accounts/ledger_store.h"
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
    int sold = 0;
    for (const std::filesystem::path& file : storageFiles(*directory)) {
        WorkbenchState state = initialWorkbenchState();
        if (!loadStoredRows(state, *directory, pathText(file.filename()), quiet, [](const std::string&) { return true; }).loaded) continue;
        recomputeSystem(state);
        recomputePrice(state);
        const auto facts = syndicateFactsOf(state);
        if (!facts || fileExists(ledgerPath(demo, *facts))) continue;
        Ledger ledger = emptyLedger(*facts);
        // Two of every three shares sold, every other sold share paid.
        for (int share = 1; share <= facts->shares && !customers.empty(); ++share) {
            if (share % 3 == 0) continue;
            const ShareEntry buyer = buyerOf(customers[static_cast<std::size_t>(sold++) % customers.size()]);
            setBuyer(ledger, share, {buyer.name, buyer.telephone, buyer.playerNumber, std::nullopt});
            if (share % 2 == 1) markPaid(ledger, share, std::nullopt, std::nullopt);
        }
        saveLedger(demo, ledger);
    }
}

}  // namespace andel::demo
