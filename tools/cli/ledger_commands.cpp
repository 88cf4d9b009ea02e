// andelstipp-cli ledger open|list|show|set|pay|payout|undo|confirm|void|close|reopen|export and season:
// the syndicates' accounts as the window "Andelsregnskap" keeps them. Every change runs
// under the ledger lock on the ledger as it stands then, so the window and other runs of
// the tool never lose each other's changes.
#include "accounts/accounts_csv.h"
#include "accounts/accounts_xlsx.h"
#include "accounts/accounts_report.h"
#include "accounts/ledger_edit.h"
#include "accounts/ledger_store.h"
#include "accounts/season.h"
#include "commands.h"
#include "accounts/balance_payment.h"
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
                             "--grunn", "--resultat", "--p12", "--p11", "--p10", "--betaling", "--utbetaling", "--fra-saldo"}) {
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

// Runs the change under the ledger lock.
int applyChange(const std::string& serial, const LedgerStep& step, Context& context) {
    return refusalExit(changeLedger(context.workspace, serial, step).refused, context);
}

// close and reopen: the sale of a ledger.
int saleCommand(const Arguments& args, Context& context, bool close) {
    args.expectPositionals(2, 2);
    refuseOptions(args, close ? "ledger close" : "ledger reopen", {});
    const std::string serial = serialArgument(args.positionals()[1]);
    if (!ledgerOf(serial, context)) return 1;
    const LedgerDate today = todayLedgerDate();
    return applyChange(serial, [&](Ledger& l) { return close ? closeSale(l, today) : reopenSale(l, today); }, context);
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

// set, pay, payout and undo: every argument is checked against the ledger first (a bad one
// exits 2 with nothing written), then the change runs under the lock.
int changeShare(const Arguments& args, Context& context, const std::string& verb) {
    args.expectPositionals(3, 3);
    if (verb == "set") refuseOptions(args, "ledger set", {"--navn", "--telefon", "--spillenummer", "--kunde", "--merknad"});
    else if (verb == "undo") refuseOptions(args, "ledger undo", {"--betaling", "--utbetaling"});
    else if (verb == "pay") refuseOptions(args, "ledger pay", {"--belop", "--dato", "--fra-saldo"});
    else refuseOptions(args, "ledger " + verb, {"--belop", "--dato"});
    const std::string serial = serialArgument(args.positionals()[1]);
    const auto ledger = ledgerOf(serial, context);
    if (!ledger) return 1;
    const int share = shareArgument(args.positionals()[2], *ledger);
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
        return applyChange(serial, [&](Ledger& l) { return setBuyer(l, share, change); }, context);
    }
    if (verb == "undo") {
        const bool payment = args.flag("--betaling"), payout = args.flag("--utbetaling");
        if (payment == payout) throw UsageError("ledger undo needs either --betaling or --utbetaling");
        const LedgerDate today = todayLedgerDate();
        // A payment from the balance is undone on both sides: the win gets its money back.
        if (payment && !ledger->entries[static_cast<std::size_t>(share - 1)].paidFromBalance.empty()) {
            return refusalExit(undoBalancePayment(context.workspace, serial, share, today), context);
        }
        return applyChange(serial, [&](Ledger& l) {
            return payment ? undoPayment(l, share, today) : undoPayout(l, share, today);
        }, context);
    }
    if (verb == "pay" && args.flag("--fra-saldo")) {
        if (args.option("--belop") || args.option("--dato")) throw UsageError("ledger pay --fra-saldo pays the price today; --belop and --dato do not belong to it");
        return refusalExit(payFromBalance(context.workspace, serial, share, todayLedgerDate()), context);
    }
    const auto amount = kronerOption(args, "--belop");
    const auto date = dateOption(args, "--dato");
    if (verb == "pay") {
        if (amount) {
            if (const std::string problem = paymentAmountProblem(*ledger, *amount); !problem.empty()) throw UsageError(problem);
        }
        return applyChange(serial, [&](Ledger& l) { return markPaid(l, share, amount, date); }, context);
    }
    // A payout's amount is checked against the confirmed part once there is one; before
    // that the refusal says the result is not confirmed.
    if (amount && confirmedPartPerShare(*ledger)) {
        if (const std::string problem = payoutAmountProblem(*ledger, *amount); !problem.empty()) throw UsageError(problem);
    }
    return applyChange(serial, [&](Ledger& l) { return markPaidOut(l, share, amount, date); }, context);
}

int confirm(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger confirm", {"--resultat", "--p12", "--p11", "--p10"});
    const std::string serial = serialArgument(args.positionals()[1]);
    const auto signs = args.option("--resultat");
    if (signs && (signs->size() != 12 || signs->find_first_not_of("1X2") != std::string::npos)) {
        throw UsageError("--resultat must be twelve signs 1, X and 2, not \"" + *signs + "\"");
    }
    const auto p12 = kronerOption(args, "--p12"), p11 = kronerOption(args, "--p11"), p10 = kronerOption(args, "--p10");
    const auto ledger = ledgerOf(serial, context);
    if (!ledger) return 1;
    RoundResults results(context.workspace);
    const HistoryRounds history = historyRounds(results, ledger->facts);
    // What is given by hand replaces what the history gives.
    std::optional<ConfirmedRound> fullTime = history.fullTime;
    if (signs) {
        if (!fullTime) fullTime = ConfirmedRound{};
        fullTime->signs = *signs;
    }
    if (fullTime) {
        fullTime->prize12 = p12.value_or(fullTime->prize12);
        fullTime->prize11 = p11.value_or(fullTime->prize11);
        fullTime->prize10 = p10.value_or(fullTime->prize10);
    }
    const bool both = ledger->facts.timeBasis == TimeBasis::Both;
    if (!fullTime || (both && !history.halfTime)) {
        context.messages.inform(std::string(kResultNotReady) + ": " +
                                (fullTime ? "pauseresultatet er ikke kjent i tippehistorikken."
                                          : "rundens resultat er ikke kjent; gi det med --resultat."));
        return 1;
    }
    const ConfirmedResult result{todayLedgerDate(), *fullTime, both ? history.halfTime : std::nullopt};
    return applyChange(serial, [&](Ledger& l) { return confirmResult(l, result); }, context);
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
    const LedgerDate today = todayLedgerDate();
    return applyChange(serial, [&](Ledger& l) { return voidLedger(l, *reason, today); }, context);
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
        throw UsageError("ledger needs open, list, show, set, pay, payout, undo, confirm, void, close, reopen or export");
    }
    const std::string& verb = args.positionals()[0];
    if (verb == "open") return openForStorage(args, context);
    if (verb == "list") return list(args, context);
    if (verb == "show") return show(args, context);
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
