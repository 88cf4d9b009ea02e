// What the counter reads as text: a scanned share code, the raw printer's address from the
// settings, and any text laid out on a slip and turned into the receipt printer's bytes.
// A code that parses must write back to itself; a slip's rows never run past its width.
#include "fuzz_support.h"
#include "model/share_code.h"
#include "platform/raw_printer_port.h"
#include "printing/escpos.h"
#include "printing/slip.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    const std::string text(fuzz::bytesOf(data, size));
    if (const auto code = parseShareCode(text)) {
        if (parseShareCode(shareCodeText(*code)) != code) std::abort();
    }
    RawPrinterAddress address;
    (void)parseRawPrinterAddress(text, address);
    Slip slip;
    slip.heading(text).text(text).field(text, text).total(text, text).qr(text, text);
    for (const SlipRow& row : slipRows(slip)) {
        if (characterCount(row.text) > static_cast<std::size_t>(kSlipColumns)) std::abort();
    }
    (void)escposSlip(slip, true);
    return 0;
}
