// andelstipp-cli customer list|show and owing: each register customer's shares across the
// ledgers with the balance, and every sold share not yet paid, by customer.
#include "accounts/accounts_csv.h"
#include "books/ledger_edit.h"
#include "books/books_rules.h"
#include "books/journal.h"
#include "books/ledger_store.h"
#include "accounts/accounts_report.h"
#include "commands.h"
#include "customers/customer_account.h"
#include "customers/owing_report.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "register_rows.h"

#include <ostream>

namespace andel::cli {
namespace {

std::string optionalKroner(const std::optional<std::int64_t>& amount) {
    return amount ? formatAmount(*amount) : std::string();
}

void printFields(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "\t" : "") << fields[i];
    out << '\n';
}

std::vector<Ledger> readableLedgers(Context& context) {
    LedgerListing listing = listLedgers(context.workspace);
    for (const std::string& damaged : listing.damaged) context.messages.inform(damaged);
    return std::move(listing.ledgers);
}

std::int64_t refundsOwed(const std::string& key, Context& context) {
    Journal journal(context.workspace, &context.messages);
    return journal.read([&] { return customerMoney(journal, key); }).refundsOwed;
}

// Every event of the customer, oldest first, as `ledger history` lists a ledger's.
int history(const Arguments& args, Context& context) {
    args.expectPositionals(1, 2);
    const std::optional<Tkunderec> customer = chosenCustomer(args, "customer history", context);
    if (!customer) return 1;
    Journal journal(context.workspace, &context.messages);
    journal.read([&] {
        const auto serials = journal.serialNumbers();
        for (const Fields& row : eventRows(journal.eventsOfCustomer(customerKeyOf(*customer)), serials)) printFields(context.out, row);
    });
    return 0;
}

// Pays back in cash what the customer is owed after a voiding.
int refund(const Arguments& args, Context& context) {
    args.expectPositionals(1, 2);
    const std::optional<Tkunderec> customer = chosenCustomer(args, "customer refund", context);
    if (!customer) return 1;
    std::optional<std::int64_t> amount;
    if (const auto text = args.option("--belop")) {
        amount = parseWholeKroner(*text);
        if (!amount || *amount < 1) throw UsageError(badAmountMessage(*text));
    }
    Journal journal(context.workspace, &context.messages);
    const std::string refused = payRefundInBooks(journal, clerkOf(context.workspace), customerKeyOf(*customer), amount);
    if (refused.empty()) return 0;
    context.messages.inform(refused);
    return 1;
}

int list(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    const std::vector<Ledger> ledgers = readableLedgers(context);
    const std::vector<Tkunderec> customers = customersBySurname(context);
    for (std::size_t row = 0; row < customers.size(); ++row) {
        const ShareEntry who = buyerOf(customers[row]);
        const CustomerAccount account = accountOf(customerKeyOf(customers[row]), ledgers);
        printFields(context.out, {std::to_string(row + 1), who.name, who.telephone, who.playerNumber,
                                  "shares " + std::to_string(account.shares.size()), "balance " + formatAmount(account.balance())});
    }
    return 0;
}

int show(const Arguments& args, Context& context) {
    args.expectPositionals(1, 2);
    const std::optional<Tkunderec> customer = chosenCustomer(args, "customer show", context);
    if (!customer) return 1;
    const ShareEntry who = buyerOf(*customer);
    CustomerAccount account = accountOf(customerKeyOf(*customer), readableLedgers(context));
    account.refundsOwed = refundsOwed(customerKeyOf(*customer), context);
    context.out << "name " << who.name << '\n' << "telephone " << who.telephone << '\n' << "player " << who.playerNumber << '\n';
    for (const AccountShare& s : account.shares) {
        printFields(context.out, {s.serialNumber, weekText(s.week), std::string(couponTypeText(s.couponType)),
                                  std::to_string(s.share), formatAmount(s.price), optionalKroner(s.paid),
                                  optionalKroner(s.winnings), optionalKroner(s.paidOut)});
    }
    context.out << "unpaid " << formatAmount(account.unpaid) << '\n'
                << "winnings-due " << formatAmount(account.winningsDue) << '\n'
                << "balance " << formatAmount(account.balance()) << '\n';
    if (account.refundsOwed != 0) context.out << "refunds-owed " << formatAmount(account.refundsOwed) << '\n';
    return 0;
}

}  // namespace

int runCustomer(const Arguments& args, Context& context) {
    if (args.positionals().empty()) throw UsageError("customer needs list, show, history, refund or statement");
    const std::string& verb = args.positionals()[0];
    if (verb == "list") {
        if (args.option("--spillenummer")) throw UsageError("option --spillenummer does not belong to customer list");
        return list(args, context);
    }
    if (verb != "statement") {
        for (const char* name : {"--pdf", "--fra", "--til", "--per"}) {
            if (args.option(name)) throw UsageError(std::string("option ") + name + " does not belong to customer " + verb);
        }
    }
    if (verb != "refund" && args.option("--belop")) throw UsageError("option --belop does not belong to customer " + verb);
    if (verb == "show") return show(args, context);
    if (verb == "history") return history(args, context);
    if (verb == "refund") return refund(args, context);
    if (verb == "statement") return runCustomerStatement(args, context);
    throw UsageError("unknown customer command " + verb);
}

int runOwing(const Arguments& args, Context& context) {
    args.expectPositionals(0, 0);
    const auto csv = args.option("--csv"), xlsx = args.option("--xlsx");
    if (csv && xlsx) throw UsageError("owing takes --csv FILE or --xlsx FILE, not both");
    if ((csv && csv->empty()) || (xlsx && xlsx->empty())) throw UsageError("owing: the file name is empty");
    const std::vector<OwingCustomer> customers = owingCustomers(readableLedgers(context));
    const auto path = [](const std::string& text) { return std::filesystem::path(std::u8string(text.begin(), text.end())); };
    if (csv) {
        replaceFile(path(*csv), owingCsv(customers));
        return 0;
    }
    if (xlsx) {
        writeOwingWorkbook(path(*xlsx), customers);
        return 0;
    }
    for (const Fields& row : owingRows(customers, AmountStyle::Grouped)) printFields(context.out, row);
    context.out << "total " << formatAmount(owingTotal(customers)) << '\n';
    return 0;
}

}  // namespace andel::cli
