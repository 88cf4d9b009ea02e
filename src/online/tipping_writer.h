#pragma once
// The TIPPING coupons: one coupon record per system coupon line and per group of single
// rows, written as far as they go, so the file is always whole records.
#include "online/online_file_builder.h"
#include "online/rows_file_reader.h"
#include "platform/messages.h"

#include <string>
#include <vector>

namespace andel {

using TippingOptions = WriterOptions;

// Appends the coupon records of the rows file's "#SYSTEMKUPONGER" and "#ENKELREKKER";
// bad lines are reported, a file without sections gives none.
void writeTippingCoupons(OnlineFileBuilder& builder, const std::vector<std::string>& rowsFileLines,
                         Messages& messages);

// The whole TIPPING online file from the reader's header values and the rows file's lines.
std::string buildTippingFile(const Tinforec& info, const std::vector<std::string>& rowsFileLines,
                             const TippingOptions& options, Messages& messages, WriteProgress& progress);

}  // namespace andel
