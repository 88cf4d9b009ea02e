// The journal of a payment from a buyer's balance that the old ledger files left behind,
// as the books' first use reads it to finish a transfer a crash cut short: decoded from
// its bytes, and brought into the books beside two ledger files it may name. A journal
// that decodes must come back the same from its own encoding, and whatever the books take
// in must balance.
#include "books/balance_transfer.h"
#include "books/books_check.h"
#include "books/journal.h"
#include "books/old_ledger_files.h"
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
    // Share 1 of 1000 won; share 2 of 1001 is the one a transfer would pay.
    for (const char* serial : {"1000", "1001"}) {
        SyndicateFacts facts;
        facts.serialNumber = serial;
        facts.week = {serial[3] == '0' ? 48 : 49, 2026, {}};
        facts.shares = 3;
        facts.pricePerShare = 100;
        facts.stake = 300;
        Ledger ledger = emptyLedger(facts);
        ledger.entries[0].name = "Kari";
        ledger.entries[0].paid = 100;
        ledger.entries[1].name = "Kari";
        if (serial[3] == '0') ledger.confirmed = ConfirmedResult{{1, 12, 2026}, {"111111111111", 0, 0, 0}, std::nullopt};
        directory.put(std::string(kLedgerDirectory) + "/" + ledgerFileName(facts), encodeLedger(ledger));
    }
    try {
        Journal journal(workspace);
        if (!checkBooks(journal).ok()) std::abort();
    } catch (const IoError&) {
    }
    return 0;
}
