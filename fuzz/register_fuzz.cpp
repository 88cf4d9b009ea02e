// WTOM.KVS loaded into the register table and sorted by every criterion, as
// `register list` and the register window do.
#include "fuzz_support.h"
#include "platform/io_error.h"
#include "register/customer_register.h"
#include "register/register_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    directory.put(std::string(kRegisterFileName), fuzz::bytesOf(data, size));
    fuzz::QuietMessages messages;
    SettingsStore settings = mainStore(workspace, messages, [](int) {});
    try {
        CustomerRegister reg;
        loadRegister(reg, workspace, settings);
        for (int criterion = kFirstCriterion; criterion <= kLastCriterion; ++criterion) {
            reg.criterion = criterion;
            arrangeColumns(reg.table, criterion);
            sortByCriterion(reg);
        }
        if (!reg.table.rows.empty()) selectRow(reg, reg.table.rows.size() - 1);
        searchCustomer(reg, size > 3 ? fuzz::bytesOf(data, 3) : "A");
    } catch (const IoError&) {
    }
    return 0;
}
