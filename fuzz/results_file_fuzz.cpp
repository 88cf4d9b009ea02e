// A round's results file and the team names taken from it.
#include "fuzz_support.h"
#include "platform/io_error.h"
#include "results/results_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    const GameWeek week{2, 2024, ""};
    directory.put(resultsFileRelativePath(CouponType::Saturday, week), fuzz::bytesOf(data, size));
    fuzz::QuietMessages messages;
    try {
        const ResultsFileRead read = readResultsFile(workspace, messages, CouponType::Saturday, week);
        (void)teamNamesOf(read.record);
        (void)readResultsTeamNames(workspace, messages, CouponType::Saturday, week);
    } catch (const IoError&) {
    }
    return 0;
}
