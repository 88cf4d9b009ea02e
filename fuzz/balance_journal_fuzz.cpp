// The journal of a payment from a buyer's balance, as the next change of any ledger reads
// it to finish a transfer a crash cut short: decoded from its bytes, and finished against
// a ledger folder that holds it. A journal that decodes must come back the same from its
// own encoding, or a transfer would be finished with other amounts than it was begun with.
#include "accounts/balance_transfer.h"
#include "accounts/ledger_store.h"
#include "fuzz_support.h"
#include "platform/io_error.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    if (const auto transfer = decodeTransfer(bytes)) {
        const auto again = decodeTransfer(encodeTransfer(*transfer));
        if (!again || !(*again == *transfer)) std::abort();
    }

    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    directory.put(std::string(kLedgerDirectory) + "/" + std::string(kTransferJournalName), bytes);
    try {
        finishPendingTransfer(workspace);
    } catch (const IoError&) {
    }
    return 0;
}
