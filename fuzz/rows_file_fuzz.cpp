// The intermediate rows file as the online-file window reads it, and the TIPPING writer
// behind it: whatever the file holds, the online file is whole records.
#include "fuzz_support.h"
#include "online/online_record.h"
#include "online/rows_file.h"
#include "online/rows_file_body.h"
#include "online/rows_file_reader.h"
#include "online/tipping_writer.h"
#include "platform/io_error.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    directory.reset();
    const auto file = directory.put(std::string(kRowsFileName), fuzz::bytesOf(data, size));
    fuzz::QuietMessages messages;
    WriteProgress progress;
    try {
        RowsFileInfo rows;
        if (!readRowsFile(file, messages, rows)) return 0;
        const auto lines = loadRowsFileLines(file);
        if (!lines) return 0;
        for (const bool skipCheck : {false, true}) {
            const std::string bytes = buildTippingFile(rows.info, *lines, {'0', skipCheck}, messages, progress);
            if (bytes.empty() || bytes.size() % kRecordBytes != 0) std::abort();
        }
    } catch (const IoError&) {
    }
    return 0;
}
