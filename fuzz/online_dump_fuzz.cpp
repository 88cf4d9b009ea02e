// The check of an online file before delivery (`andelstipp-cli dump`).
#include "fuzz_support.h"
#include "online/online_file_audit.h"
#include "online/online_record.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const andel::OnlineFileInspection inspection = andel::inspectOnlineFile(andel::fuzz::bytesOf(data, size));
    if (inspection.checksOk.size() != size / andel::kRecordBytes) std::abort();
    if (inspection.leftoverBytes != size % andel::kRecordBytes) std::abort();
    (void)inspection.lengthProblem();
    (void)inspection.allOk();
    return 0;
}
