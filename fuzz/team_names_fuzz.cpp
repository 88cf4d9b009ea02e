// The yearly team-names file, loaded for each coupon day of a week as the main window
// does. The input's first byte picks the week.
#include "fuzz_support.h"
#include "handover/team_names_file.h"
#include "platform/io_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    if (size == 0) return 0;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    const GameWeek week{1 + data[0] % 53, 2024, ""};
    directory.put(teamNamesFileName(week.year), fuzz::bytesOf(data + 1, size - 1));
    fuzz::QuietMessages messages;
    try {
        for (CouponType type : {CouponType::Saturday, CouponType::Sunday, CouponType::Midweek}) {
            (void)loadTeamNames(workspace, messages, week, type);
        }
    } catch (const IoError&) {
    }
    return 0;
}
