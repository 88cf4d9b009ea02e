// andelstipp-cli register list|add|delete: the customer register as the register window
// shows and changes it.
#include "commands.h"
#include "platform/clock.h"
#include "register/customer_fields.h"
#include "register/customer_register.h"

#include <ostream>
#include <regex>

namespace andel::cli {
namespace {

const std::vector<std::string> kAddOptions = {"--fornavn", "--etternavn", "--spillenummer", "--dato",
                                              "--telefon1", "--telefon2",  "--fax",          "--annen"};

void refuseOptions(const Arguments& args, const std::vector<std::string>& names, const std::string& verb) {
    for (const std::string& name : names) {
        if (args.option(name)) throw UsageError("option " + name + " does not belong to register " + verb);
    }
}

// The register loaded, arranged and sorted as `register list` shows it. An explicit
// criterion is stored as the window stores a menu choice.
CustomerRegister sortedRegister(const Arguments& args, Context& context, SettingsStore& settings) {
    CustomerRegister reg;
    loadRegister(reg, context.workspace, settings);
    if (const auto sort = args.option("--sort")) {
        chooseCriterion(reg, parseNumber(*sort, kFirstCriterion, kLastCriterion, "--sort"), settings);
    } else {
        const int stored = storedCriterion(settings);
        reg.criterion = isCriterion(stored) ? stored : kFirstCriterion;
        arrangeColumns(reg.table, reg.criterion);
        sortByCriterion(reg);
    }
    return reg;
}

int listRegister(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    refuseOptions(args, kAddOptions, "list");
    SettingsStore settings = mainStore(context.workspace, context.messages);
    const CustomerRegister reg = sortedRegister(args, context, settings);
    for (const auto& row : reg.table.rows) {
        for (int column = 1; column < kCustomerColumns; ++column) context.out << (column > 1 ? "|" : "") << row[column];
        context.out << '\n';
    }
    return 0;
}

int addToRegister(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    if (args.option("--sort")) throw UsageError("option --sort does not belong to register add");
    const auto firstName = args.option("--fornavn");
    if (!firstName) throw UsageError("register add needs --fornavn");
    CustomerFields fields = newCustomerFields(localToday());
    if (const auto date = args.option("--dato")) {
        static const std::regex form(R"((\d{1,2})\.(\d{1,2})\.(\d{4}))");
        std::smatch parts;
        if (!std::regex_match(*date, parts, form)) throw UsageError("--dato must be DD.MM.YYYY, not \"" + *date + "\"");
        fields.dag = parts[1];
        fields.mnd = parts[2];
        fields.aar = parts[3];
    }
    fields.fornavn = *firstName;
    fields.etternavn = args.option("--etternavn").value_or("");
    fields.spillenummer = args.option("--spillenummer").value_or("");
    fields.telefon1 = args.option("--telefon1").value_or("");
    fields.telefon2 = args.option("--telefon2").value_or("");
    fields.telefax1 = args.option("--fax").value_or("");
    fields.annen = args.option("--annen").value_or("");
    // What the new-customer dialog would refuse is a bad argument: nothing is written.
    if (const auto problem = fieldsProblem(fields)) throw UsageError(problem->message);
    return appendCustomer(context.workspace, customerFromFields(fields), context.messages) ? 0 : 1;
}

int deleteFromRegister(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, kAddOptions, "delete");
    SettingsStore settings = mainStore(context.workspace, context.messages);
    const CustomerRegister reg = sortedRegister(args, context, settings);
    const int rows = static_cast<int>(reg.table.rows.size());
    const int row = parseNumber(args.positionals()[1], 1, rows, "ROW");
    return deleteCustomer(context.workspace, rowToRecord(reg.table, static_cast<std::size_t>(row - 1)),
                          context.messages)
               ? 0
               : 1;
}

}  // namespace

int runRegister(const Arguments& args, Context& context) {
    const std::string verb = args.positionals().empty() ? std::string() : args.positionals()[0];
    if (verb == "list") return listRegister(args, context);
    if (verb == "add") return addToRegister(args, context);
    if (verb == "delete") return deleteFromRegister(args, context);
    throw UsageError(verb.empty() ? "register needs list, add or delete" : "unknown register command " + verb);
}

}  // namespace andel::cli
