#include "register_rows.h"

#include "model/text.h"
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

std::optional<Tkunderec> chosenCustomer(const Arguments& args, const std::string& command, Context& context) {
    const auto number = args.option("--spillenummer");
    if ((args.positionals().size() == 2) == number.has_value()) throw UsageError(command + " needs ROW or --spillenummer N");
    const std::vector<Tkunderec> customers = customersBySurname(context);
    if (number) {
        const std::string digits = digitsOnly(*number);
        if (digits.empty() || digits.size() > 9) throw UsageError("--spillenummer must be at most nine digits, not \"" + *number + "\"");
        std::optional<Tkunderec> customer;
        for (const Tkunderec& c : customers) {
            if (c.playerNumber != 0 && c.playerNumber == std::stoul(digits)) customer = c;
        }
        if (!customer) context.messages.inform("Fant ingen kunde med spillenummer " + *number + " i kundekartoteket.");
        return customer;
    }
    const int row = parseNumber(args.positionals()[1], 1, static_cast<int>(std::max<std::size_t>(customers.size(), 1)), "ROW");
    if (customers.empty()) {
        context.messages.inform("Kundekartoteket er tomt.");
        return std::nullopt;
    }
    return customers[static_cast<std::size_t>(row - 1)];
}

}  // namespace andel::cli
