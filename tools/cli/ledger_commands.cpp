// andelstipp-cli ledger open|list|show|history|set|pay|payout|undo|confirm|void|close|reopen|export
// and season: the syndicates' accounts in the books, through the same money rules the
// window "Andelsregnskap" calls. Each change is one transaction of the books, checked
// there against the books as they stand, so no run of the tool or the window loses
// another's change.
#include "accounts/accounts_csv.h"
#include "accounts/accounts_xlsx.h"
#include "accounts/accounts_report.h"
#include "books/ledger_edit.h"
#include "books/books_rules.h"
#include "books/journal.h"
#include "books/ledger_store.h"
#include "accounts/season.h"
#include "commands.h"
#include "ledger_arguments.h"
#include "platform/file_io.h"
#include "register_rows.h"
#include "stored_syndicate.h"
#include "workbench/recompute.h"

#include <ostream>

namespace andel::cli {
namespace {

void printFields(std::ostream& out, const Fields& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "\t" : "") << fields[i];
    out << '\n';
}

void reportDamaged(const LedgerListing& listing, Context& context) {
    for (const std::string& message : listing.damaged) context.messages.inform(message);
}

std::optional<std::int64_t> kronerOption(const Arguments& args, const std::string& name) {
    const auto text = args.option(name);
    if (!text) return std::nullopt;
    const auto amount = parseWholeKroner(*text);
    if (!amount) throw UsageError(badAmountMessage(*text));
    return amount;
}

void refuseOptions(const Arguments& args, const std::string& verb, const std::vector<std::string>& allowed) {
    for (const char* name : {"--navn", "--telefon", "--spillenummer", "--kunde", "--merknad", "--belop", "--dato", "--csv", "--xlsx",
                             "--grunn", "--resultat", "--p12", "--p11", "--p10", "--pause-resultat", "--pause-p12", "--pause-p11",
                             "--pause-p10", "--betaling", "--utbetaling", "--fra-saldo"}) {
        if ((args.option(name) || args.flag(name)) && std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            throw UsageError(std::string("option ") + name + " does not belong to " + verb);
        }
    }
}

// The register row as `register list` numbers it when sorted by surname.
ShareEntry customerRow(const std::string& text, Context& context) {
    const std::vector<Tkunderec> customers = customersBySurname(context);
    const int row = parseNumber(text, 1, static_cast<int>(customers.size()), "--kunde");
    const ShareEntry buyer = buyerOf(customers[static_cast<std::size_t>(row - 1)]);
    if (!buyer.hasBuyer()) throw UsageError("--kunde " + text + " is an empty row of the register");
    return buyer;
}

// A refusal is printed and exits 1.
int refusalExit(const std::string& refused, Context& context) {
    if (refused.empty()) return 0;
    context.messages.inform(refused);
    return 1;
}

// Runs one money command on the books.
template <class Command>
int inBooks(Context& context, Command&& command) {
    Journal journal(context.workspace, &context.messages);
    return refusalExit(command(journal, clerkOf(context.workspace)), context);
}

std::string reasonOption(const Arguments& args) {
    const auto reason = args.option("--grunn");
    if (!reason) return {};
    const std::string clean = cleanFieldText(*reason);
    if (clean.empty()) throw UsageError("--grunn needs a text");
    if (const std::string problem = fieldProblem("Grunnen", clean, kReasonLength); !problem.empty()) throw UsageError(problem);
    return clean;
}

// close and reopen: the sale of a ledger.
int saleCommand(const Arguments& args, Context& context, bool close) {
    args.expectPositionals(2, 2);
    refuseOptions(args, close ? "ledger close" : "ledger reopen", {});
    const std::string serial = serialArgument(args.positionals()[1]);
    if (!ledgerOf(serial, context)) return 1;
    return inBooks(context, [&](Journal& j, const Clerk& c) {
        return close ? closeSaleInBooks(j, c, serial) : reopenSaleInBooks(j, c, serial);
    });
}

int openForStorage(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger open", {});
    WorkbenchState state = initialWorkbenchState();
    if (!loadStoredSyndicate(state, args.positionals()[1], context)) return 1;
    const auto facts = syndicateFactsOf(state);
    if (!facts) {
        context.messages.inform("Andelslaget har ingen onlinefil.\rLag onlinefilen først; da lages regnskapet.");
        return 1;
    }
    const LedgerOpening opening = openLedger(context.workspace, *facts, context.messages);
    if (opening != LedgerOpening::Created && opening != LedgerOpening::Existing) return 1;
    context.out << facts->serialNumber << '\n';
    return 0;
}

int list(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    refuseOptions(args, "ledger list", {});
    const LedgerListing listing = listLedgers(context.workspace);
    reportDamaged(listing, context);
    for (const Ledger& ledger : listing.ledgers) printFields(context.out, ledgerListFields(ledger));
    return 0;
}

int show(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger show", {});
    const auto ledger = ledgerOf(serialArgument(args.positionals()[1]), context);
    if (!ledger) return 1;
    for (const auto& [key, value] : ledgerFacts(*ledger, ledgerResult(context.workspace, *ledger))) {
        context.out << key << ' ' << value << '\n';
    }
    for (std::size_t i = 0; i < ledger->entries.size(); ++i) {
        printFields(context.out, shareFields(static_cast<int>(i) + 1, ledger->entries[i], AmountStyle::Grouped));
    }
    return 0;
}

// set, pay, payout and undo: every argument is checked first (a bad one exits 2 with
// nothing written), then the money rules decide on the books as they stand.
int changeShare(const Arguments& args, Context& context, const std::string& verb) {
    args.expectPositionals(3, 3);
    if (verb == "set") refuseOptions(args, "ledger set", {"--navn", "--telefon", "--spillenummer", "--kunde", "--merknad", "--grunn"});
    else if (verb == "undo") refuseOptions(args, "ledger undo", {"--betaling", "--utbetaling", "--grunn"});
    else if (verb == "pay") refuseOptions(args, "ledger pay", {"--belop", "--dato", "--fra-saldo", "--grunn"});
    else refuseOptions(args, "ledger " + verb, {"--belop", "--dato"});
    const std::string serial = serialArgument(args.positionals()[1]);
    const auto ledger = ledgerOf(serial, context);
    if (!ledger) return 1;
    const int share = shareArgument(args.positionals()[2], *ledger);
    const std::string reason = reasonOption(args);
    if (verb == "set") {
        BuyerChange change{args.option("--navn"), args.option("--telefon"), args.option("--spillenummer"),
                           args.option("--merknad")};
        if (const auto row = args.option("--kunde")) {
            const ShareEntry buyer = customerRow(*row, context);
            if (!change.name) change.name = buyer.name;
            if (!change.telephone) change.telephone = buyer.telephone;
            if (!change.playerNumber) change.playerNumber = buyer.playerNumber;
        }
        if (const std::string problem = buyerChangeProblem(change); !problem.empty()) throw UsageError(problem);
        return inBooks(context, [&](Journal& j, const Clerk& c) { return setBuyerInBooks(j, c, serial, share, change, reason); });
    }
    if (verb == "undo") {
        const bool payment = args.flag("--betaling"), payout = args.flag("--utbetaling");
        if (payment == payout) throw UsageError("ledger undo needs either --betaling or --utbetaling");
        return inBooks(context, [&](Journal& j, const Clerk& c) {
            return payment ? undoPaymentInBooks(j, c, serial, share, reason) : undoPayoutInBooks(j, c, serial, share, reason);
        });
    }
    if (verb == "pay" && args.flag("--fra-saldo")) {
        if (args.option("--belop") || args.option("--dato")) throw UsageError("ledger pay --fra-saldo pays the price today; --belop and --dato do not belong to it");
        return inBooks(context, [&](Journal& j, const Clerk& c) { return payFromBalanceInBooks(j, c, serial, share); });
    }
    const auto amount = kronerOption(args, "--belop");
    const auto date = dateOption(args, "--dato");
    if (amount && *amount < 1) throw UsageError("Beløpet må være minst kr 1.");
    if (verb == "pay") {
        if (amount) {
            if (const std::string problem = paymentAmountProblem(*ledger, *amount); !problem.empty()) throw UsageError(problem);
        }
        return inBooks(context, [&](Journal& j, const Clerk& c) { return payInBooks(j, c, serial, share, amount, date, reason); });
    }
    // A payout's amount is checked against the confirmed part once there is one; before
    // that the refusal says the result is not confirmed.
    if (amount && confirmedPartPerShare(*ledger)) {
        if (const std::string problem = payoutAmountProblem(*ledger, *amount); !problem.empty()) throw UsageError(problem);
    }
    return inBooks(context, [&](Journal& j, const Clerk& c) { return payoutInBooks(j, c, serial, share, amount, date); });
}

// A result given with --resultat (or --pause-resultat) and its prizes, over what the
// history gives.
std::optional<ConfirmedRound> givenRound(const Arguments& args, const std::string& prefix, std::optional<ConfirmedRound> round) {
    const std::string signsOption = prefix + "resultat";
    const auto signs = args.option(signsOption);
    if (signs && (signs->size() != 12 || signs->find_first_not_of("1X2") != std::string::npos)) {
        throw UsageError(signsOption + " must be twelve signs 1, X and 2, not \"" + *signs + "\"");
    }
    const std::string p = prefix == "--" ? "--p" : prefix + "p";
    const auto p12 = kronerOption(args, p + "12"), p11 = kronerOption(args, p + "11"), p10 = kronerOption(args, p + "10");
    if (signs) {
        if (!round) round = ConfirmedRound{};
        round->signs = *signs;
    }
    if (round) {
        round->prize12 = p12.value_or(round->prize12);
        round->prize11 = p11.value_or(round->prize11);
        round->prize10 = p10.value_or(round->prize10);
    }
    return round;
}

int confirm(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger confirm",
                  {"--resultat", "--p12", "--p11", "--p10", "--pause-resultat", "--pause-p12", "--pause-p11", "--pause-p10", "--grunn"});
    const std::string serial = serialArgument(args.positionals()[1]);
    const std::string reason = reasonOption(args);
    const auto ledger = ledgerOf(serial, context);
    if (!ledger) return 1;
    RoundResults results(context.workspace);
    const HistoryRounds history = historyRounds(results, ledger->facts);
    // What is given by hand replaces what the history gives.
    const std::optional<ConfirmedRound> fullTime = givenRound(args, "--", history.fullTime);
    const std::optional<ConfirmedRound> halfTime = givenRound(args, "--pause-", history.halfTime);
    const bool both = ledger->facts.timeBasis == TimeBasis::Both;
    if (!both && args.option("--pause-resultat")) throw UsageError("--pause-resultat belongs to a BEGGE syndicate only");
    if (!fullTime || (both && !halfTime)) {
        context.messages.inform(std::string(kResultNotReady) + ": " +
                                (fullTime ? "pauseresultatet er ikke kjent i tippehistorikken; gi det med --pause-resultat."
                                          : "rundens resultat er ikke kjent; gi det med --resultat."));
        return 1;
    }
    const ConfirmedResult result{todayLedgerDate(), *fullTime, both ? halfTime : std::nullopt};
    if (ledger->confirmed && !reason.empty()) {
        if (const std::string warning = resultCorrectionWarning(*ledger, result); !warning.empty()) context.messages.inform(warning);
    }
    return inBooks(context, [&](Journal& j, const Clerk& c) { return confirmInBooks(j, c, serial, result, reason); });
}

int voidCommand(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger void", {"--grunn"});
    const std::string serial = serialArgument(args.positionals()[1]);
    const auto reason = args.option("--grunn");
    if (!reason || cleanFieldText(*reason).empty()) throw UsageError("ledger void needs --grunn TEXT");
    if (const std::string problem = fieldProblem("Grunnen", cleanFieldText(*reason), kReasonLength); !problem.empty()) {
        throw UsageError(problem);
    }
    if (!ledgerOf(serial, context)) return 1;
    // The tool cannot be asked: a voided syndicate's online file is always put away where the terminal cannot play it.
    return voidLedgerAndOnlineFile(context.workspace, serial, *reason, context.messages, false) ? 0 : 1;
}

// Every event of the ledger, oldest first: the business day, the time it was recorded,
// who recorded it, what happened, and the event it reverses.
int history(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger history", {});
    const auto ledger = ledgerOf(serialArgument(args.positionals()[1]), context);
    if (!ledger) return 1;
    Journal journal(context.workspace, &context.messages);
    journal.read([&] {
        const auto serials = journal.serialNumbers();
        for (const Fields& row : eventRows(journal.eventsOfSyndicate(ledger->id), serials)) printFields(context.out, row);
    });
    return 0;
}

// Where an export goes: --csv FILE or --xlsx FILE, never both.
struct ExportTarget {
    std::filesystem::path file;
    bool workbook = false;
};
std::optional<ExportTarget> exportTarget(const Arguments& args, const std::string& verb) {
    const auto csv = args.option("--csv"), xlsx = args.option("--xlsx");
    if (csv && xlsx) throw UsageError(verb + " takes --csv FILE or --xlsx FILE, not both");
    const auto& file = csv ? csv : xlsx;
    if (!file) return std::nullopt;
    if (file->empty()) throw UsageError(verb + ": the file name is empty");
    return ExportTarget{std::filesystem::path(std::u8string(file->begin(), file->end())), xlsx.has_value()};
}

int exportLedger(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger export", {"--csv", "--xlsx"});
    const auto target = exportTarget(args, "ledger export");
    if (!target) throw UsageError("ledger export needs --csv FILE or --xlsx FILE");
    const auto ledger = ledgerOf(serialArgument(args.positionals()[1]), context);
    if (!ledger) return 1;
    if (target->workbook) writeLedgerWorkbook(target->file, *ledger, ledgerResult(context.workspace, *ledger));
    else replaceFile(target->file, ledgerCsv(*ledger, ledgerResult(context.workspace, *ledger)));
    return 0;
}

}  // namespace

int runLedger(const Arguments& args, Context& context) {
    if (args.positionals().empty()) {
        throw UsageError("ledger needs open, list, show, history, set, pay, payout, undo, confirm, void, close, reopen or export");
    }
    const std::string& verb = args.positionals()[0];
    if (verb == "open") return openForStorage(args, context);
    if (verb == "list") return list(args, context);
    if (verb == "show") return show(args, context);
    if (verb == "history") return history(args, context);
    if (verb == "set" || verb == "pay" || verb == "payout" || verb == "undo") return changeShare(args, context, verb);
    if (verb == "confirm") return confirm(args, context);
    if (verb == "void") return voidCommand(args, context);
    if (verb == "close" || verb == "reopen") return saleCommand(args, context, verb == "close");
    if (verb == "export") return exportLedger(args, context);
    throw UsageError("unknown ledger command " + verb);
}

int runSeason(const Arguments& args, Context& context) {
    args.expectPositionals(0, 0);
    const auto target = exportTarget(args, "season");
    const LedgerListing listing = listLedgers(context.workspace);
    reportDamaged(listing, context);
    RoundResults results(context.workspace);
    const Season season =
        seasonOf(listing.ledgers, [&](const Ledger& ledger) { return ledgerResult(results, ledger).winnings; });
    if (target) {
        if (target->workbook) writeSeasonWorkbook(target->file, season);
        else replaceFile(target->file, seasonCsv(season));
        return 0;
    }
    for (const SeasonRow& row : season.rows) printFields(context.out, seasonFields(row, AmountStyle::Grouped));
    printFields(context.out, seasonTotalFields(season.totals, AmountStyle::Grouped));
    return 0;
}

}  // namespace andel::cli
