#pragma once
// The TIPPING writer: the online file of a submission, one header record and one coupon
// record per system coupon and per group of single rows, each closed by its check
// characters.
#include "online/rows_file_reader.h"
#include "platform/messages.h"

#include <string>
#include <vector>

namespace andel {

// What the online-file window shows while the file is written.
class WriteProgress {
public:
    virtual ~WriteProgress() = default;
    // The coupon type, "-" and the game ("LØRDAG-TIPPING").
    virtual void gameShown(const std::string& text) { (void)text; }
    // Before the first coupon record: the number of coupons the header announces.
    virtual void started(long totalCoupons) { (void)totalCoupons; }
    // After each coupon record: records written so far and written × 100 / total.
    virtual void recordWritten(long written, int percent) { (void)written, (void)percent; }
};

struct TippingOptions {
    char fill = '0';
    bool skipCharacterCheck = false;
};

// The bytes of the online file from the reader's header values and the rows file's
// lines. Bad lines are reported and written as far as they go, so the file is always
// whole records; a file without sections holds only the header record.
std::string buildTippingFile(const Tinforec& info, const std::vector<std::string>& rowsFileLines,
                             const TippingOptions& options, Messages& messages, WriteProgress& progress);

}  // namespace andel
