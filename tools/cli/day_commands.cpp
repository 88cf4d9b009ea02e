// andelstipp-cli day report|close|deposit|withdraw|list|show: the cash drawer and the day's
// settlement, from the same books and rules as the window's Kasse menu.
#include "books/books_rules.h"
#include "books/cash_day.h"
#include "books/journal.h"
#include "books/ledger_edit.h"
#include "commands.h"
#include "ledger_arguments.h"
#include "model/text.h"

#include <algorithm>
#include <ostream>

namespace andel::cli {
namespace {

// Øre as the tool writes amounts: whole kroner grouped by ".", the øre after "," when any.
std::string amount(std::int64_t ore) { return oreText(ore).substr(3); }

void printReport(const DayReport& report, Context& context) {
    std::ostream& out = context.out;
    out << "from " << ledgerDateText(report.from) << '\n' << "to " << ledgerDateText(report.to) << '\n';
    out << "state " << (report.settlement ? "closed " + std::to_string(report.settlement->number) : std::string("open")) << '\n';
    out << "opening " << amount(report.openingOre) << '\n';
    for (const SyndicateCash& cash : report.syndicates) {
        if (cash.inOre) out << "in\t" << cash.serial << '\t' << weekText(cash.week) << '\t' << amount(cash.inOre) << '\n';
        if (cash.outOre) out << "out\t" << cash.serial << '\t' << weekText(cash.week) << '\t' << amount(cash.outOre) << '\n';
    }
    for (const CashMovement& m : report.movements) {
        out << "movement\t" << ledgerDateText(m.on) << '\t' << m.what << '\t' << amount(m.amountOre) << '\t' << m.note << '\n';
    }
    for (const CashMovement& m : report.nonCash) {
        out << "non-cash\t" << ledgerDateText(m.on) << '\t' << m.what << '\t' << m.serial << '\t' << m.share << '\t'
            << amount(m.amountOre) << '\n';
    }
    out << "cash-in " << amount(report.cashInOre) << '\n' << "cash-out " << amount(report.cashOutOre) << '\n'
        << "refunds " << amount(report.refundsOre) << '\n' << "deposits " << amount(report.depositsOre) << '\n'
        << "withdrawals " << amount(report.withdrawalsOre) << '\n' << "expected " << amount(report.expectedOre()) << '\n';
    if (const auto& s = report.settlement) {
        out << "counted " << amount(s->countedOre) << '\n' << "difference " << amount(s->differenceOre) << '\n';
        if (!s->reason.empty()) out << "reason " << s->reason << '\n';
    }
}

std::int64_t kronerOption(const Arguments& args, const std::string& name, std::int64_t least) {
    const auto text = args.option(name);
    if (!text) throw UsageError("day needs " + name + " N");
    const auto kroner = parseWholeKroner(*text);
    if (!kroner || *kroner < least) throw UsageError(badAmountMessage(*text));
    return *kroner;
}

int refusalOrZero(const std::string& refused, Context& context) {
    if (refused.empty()) return 0;
    context.messages.inform(refused);
    return 1;
}

int settlementNumber(const std::string& text) { return parseNumber(text, 1, 1'000'000, "the settlement's number"); }

}  // namespace

int runDay(const Arguments& args, Context& context) {
    if (args.positionals().empty()) throw UsageError("day needs report, close, deposit, withdraw, list or show");
    const std::string& verb = args.positionals()[0];
    const auto only = [&](std::initializer_list<const char*> allowed) {
        for (const char* name : {"--dato", "--talt", "--grunn", "--merknad", "--pdf"}) {
            if (args.option(name) && std::find_if(allowed.begin(), allowed.end(), [&](const char* a) { return std::string(a) == name; }) ==
                                         allowed.end()) {
                throw UsageError(std::string("option ") + name + " does not belong to day " + verb);
            }
        }
        if (args.flag("--slip") && verb != "show") throw UsageError("option --slip does not belong to day " + verb);
    };
    Journal journal(context.workspace, &context.messages);
    const Clerk clerk = clerkOf(context.workspace);
    if (verb == "report") {
        args.expectPositionals(1, 1);
        only({"--dato"});
        const auto day = dateOption(args, "--dato");
        printReport(journal.read([&] { return day ? dayReport(journal, *day, *day) : openDaysReport(journal, clerk.today); }), context);
        return 0;
    }
    if (verb == "close") {
        args.expectPositionals(1, 1);
        only({"--talt", "--grunn"});
        int number = 0;
        const std::string reason = args.option("--grunn").value_or("");
        const std::string refused = closeDayInBooks(journal, clerk, kronerOption(args, "--talt", 0), reason, {}, &number);
        if (!refused.empty()) return refusalOrZero(refused, context);
        printReport(journal.read([&] {
                        const DaySettlement settled = *daySettlement(journal, number);
                        return dayReport(journal, settled.from, settled.day);
                    }),
                    context);
        return 0;
    }
    if (verb == "deposit" || verb == "withdraw") {
        args.expectPositionals(2, 2);
        only({"--merknad"});
        const auto kroner = parseWholeKroner(args.positionals()[1]);
        if (!kroner || *kroner < 1) throw UsageError(badAmountMessage(args.positionals()[1]));
        const std::string note = args.option("--merknad").value_or("");
        return refusalOrZero(verb == "deposit" ? depositInBooks(journal, clerk, *kroner, note)
                                               : withdrawInBooks(journal, clerk, *kroner, note),
                             context);
    }
    if (verb == "list") {
        args.expectPositionals(1, 1);
        only({});
        for (const DaySettlement& s : journal.read([&] { return daySettlements(journal); })) {
            context.out << s.number << '\t' << ledgerDateText(s.from) << '\t' << ledgerDateText(s.day) << '\t' << amount(s.expectedOre)
                        << '\t' << amount(s.countedOre) << '\t' << amount(s.differenceOre) << '\t' << s.agent << '\n';
        }
        return 0;
    }
    if (verb == "show") {
        args.expectPositionals(2, 2);
        only({"--pdf"});
        const int number = settlementNumber(args.positionals()[1]);
        const auto report = journal.read([&]() -> std::optional<DayReport> {
            const auto settled = daySettlement(journal, number);
            if (!settled) return std::nullopt;
            return dayReport(journal, settled->from, settled->day);
        });
        if (!report) return refusalOrZero("Det finnes ikke noe dagsoppgjør nr " + std::to_string(number) + ".", context);
        if (const auto pdf = args.option("--pdf")) {
            if (pdf->empty()) throw UsageError("--pdf needs a file name");
            return writeDayReportPdf(*pdf, *report, args.flag("--slip"), context);
        }
        if (args.flag("--slip")) throw UsageError("--slip needs --pdf FILE");
        printReport(*report, context);
        return 0;
    }
    throw UsageError("unknown day command " + verb);
}

}  // namespace andel::cli
