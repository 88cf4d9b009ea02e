#include "register_rows.h"

#include "register/customer_register.h"

namespace andel::cli {

std::vector<Tkunderec> customersBySurname(Context& context) {
    SettingsStore settings = mainStore(context.workspace, context.messages);
    CustomerRegister reg;
    loadRegister(reg, context.workspace, settings);
    arrangeColumns(reg.table, kFirstCriterion);
    reg.criterion = kFirstCriterion;
    sortByCriterion(reg);
    std::vector<Tkunderec> customers;
    for (std::size_t row = 0; row < reg.table.rows.size(); ++row) customers.push_back(rowToRecord(reg.table, row));
    return customers;
}

}  // namespace andel::cli
