// A pools history file searched for a round, and the round's result and forecasts taken
// from the line found. The input's first line names the round ("WW YYYY").
#include "fuzz_support.h"
#include "platform/io_error.h"
#include "results/pools_history.h"
#include "results/round_result.h"

#include <charconv>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    const auto [round, file] = fuzz::splitFirstLine(fuzz::bytesOf(data, size));
    int week = 1, year = 2024;
    const auto parsed = std::from_chars(round.data(), round.data() + round.size(), week);
    if (parsed.ptr != round.data() + round.size()) std::from_chars(parsed.ptr + 1, round.data() + round.size(), year);
    directory.put("tippehistorikk/lf.txt", file);
    fuzz::QuietMessages messages;
    try {
        const HistoryLookup lookup = lookupHistory(workspace, messages, "tmpstat.kvs", week, year);
        ResultMasks grid{};
        applyRoundResult(roundResultOf(lookup), grid);
    } catch (const IoError&) {
    }
    return 0;
}
