// The agent identity kommlogo.KVS.
#include "fuzz_support.h"
#include "platform/io_error.h"
#include "settings/agent_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    directory.put("kommlogo.KVS", fuzz::bytesOf(data, size));
    try {
        (void)readAgentProfile(workspace);
    } catch (const IoError&) {
    }
    return 0;
}
