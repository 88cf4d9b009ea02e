// A storage file listed by the storage browser in every order, then loaded into the main
// window's state and its system recomputed, as `storage list` and `storage show` do.
#include "fuzz_support.h"
#include "platform/io_error.h"
#include "storage/storage_browser.h"
#include "storage/storage_load.h"
#include "workbench/recompute.h"

namespace {
constexpr const char* kFileName = "DATO-06012024-101500.TXT";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    directory.put(std::string(kStorageDirectoryName) + "/" + kFileName, fuzz::bytesOf(data, size));
    fuzz::QuietMessages messages;
    try {
        StorageBrowser browser;
        if (listStorage(browser, StorageSource::HardDisk, workspace, std::nullopt)) {
            for (StorageOrder order : {StorageOrder::LastSaved, StorageOrder::LastName, StorageOrder::FirstName,
                                       StorageOrder::PlayerNumber, StorageOrder::RowCount, StorageOrder::StorageType}) {
                sortStorage(browser.table, order);
            }
        }
        WorkbenchState state = initialWorkbenchState();
        const auto loaded = loadStoredRows(state, workspace.file(std::string(kStorageDirectoryName)), kFileName,
                                           messages, [](const std::string&) { return false; });
        if (loaded.loaded) {
            recomputeSystem(state);
            recomputePrice(state);
        }
    } catch (const IoError&) {
    }
    return 0;
}
