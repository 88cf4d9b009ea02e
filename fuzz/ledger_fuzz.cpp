// A share ledger read as the ledger window, the season and `ledger list` read it: decoded
// from its bytes, and listed from the ledger folder. A ledger that decodes must come back
// the same from its own encoding, or a save after an edit would change what it did not touch.
#include "books/ledger_file.h"
#include "books/ledger_store.h"
#include "fuzz_support.h"
#include "platform/io_error.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const DecodedLedger decoded = decodeLedger(bytes);
    if (decoded.ledger) {
        const DecodedLedger again = decodeLedger(encodeLedger(*decoded.ledger));
        if (!again.ledger || !(*again.ledger == *decoded.ledger)) std::abort();
    }

    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    directory.put(std::string(kLedgerDirectory) + "/REGNSKAP_1042_UKE_50_2026.TXT", bytes);
    try {
        listLedgers(workspace);
        findLedger(workspace, "1042");
    } catch (const IoError&) {
    }
    return 0;
}
