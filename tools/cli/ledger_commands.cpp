// andelstipp-cli ledger open|list|show|set|pay|payout|export and season: the syndicates'
// accounts as the window "Andelsregnskap" keeps them.
#include "accounts/accounts_csv.h"
#include "accounts/accounts_report.h"
#include "accounts/ledger_edit.h"
#include "accounts/ledger_store.h"
#include "accounts/season.h"
#include "commands.h"
#include "platform/file_io.h"
#include "register/customer_register.h"
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

std::string serialArgument(const std::string& text) {
    if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        throw UsageError("SERIAL must be the four digits of an online file's serial number, not \"" + text + "\"");
    }
    return text;
}

// The ledger of the SERIAL argument; nothing (after its message) when there is none.
std::optional<Ledger> ledgerOf(const std::string& serial, Context& context) {
    auto ledger = findLedger(context.workspace, serial);
    if (!ledger) context.messages.inform("Fant ikke noe andelsregnskap med serienummer " + serial + ".");
    return ledger;
}

int shareArgument(const std::string& text, const Ledger& ledger) {
    const int shares = ledger.facts.shares;
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        throw UsageError("SHARE must be a number from 1 to " + std::to_string(shares) + ", not \"" + text + "\"");
    }
    const int share = std::stoi(text);
    if (const std::string refused = checkShare(ledger, share); !refused.empty()) throw UsageError(refused);
    return share;
}

std::optional<std::int64_t> amountOption(const Arguments& args) {
    const auto text = args.option("--belop");
    if (!text) return std::nullopt;
    const auto amount = parseWholeKroner(*text);
    if (!amount) throw UsageError(badAmountMessage(*text));
    return amount;
}

std::optional<LedgerDate> dateOption(const Arguments& args) {
    const auto text = args.option("--dato");
    if (!text) return std::nullopt;
    const auto date = parseLedgerDate(*text);
    if (!date) throw UsageError(badDateMessage(*text));
    return date;
}

void refuseOptions(const Arguments& args, const std::string& verb, const std::vector<std::string>& allowed) {
    for (const char* name : {"--navn", "--telefon", "--spillenummer", "--kunde", "--merknad", "--belop", "--dato", "--csv"}) {
        if (args.option(name) && std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            throw UsageError(std::string("option ") + name + " does not belong to " + verb);
        }
    }
}

// The register row as `register list` numbers it when sorted by surname.
ShareEntry customerRow(const std::string& text, Context& context) {
    SettingsStore settings = mainStore(context.workspace, context.messages);
    CustomerRegister reg;
    loadRegister(reg, context.workspace, settings);
    arrangeColumns(reg.table, kFirstCriterion);
    reg.criterion = kFirstCriterion;
    sortByCriterion(reg);
    const int rows = static_cast<int>(reg.table.rows.size());
    const int row = parseNumber(text, 1, rows, "--kunde");
    const ShareEntry buyer = buyerOf(rowToRecord(reg.table, static_cast<std::size_t>(row - 1)));
    if (!buyer.hasBuyer()) throw UsageError("--kunde " + text + " is an empty row of the register");
    return buyer;
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
    for (const Ledger& ledger : listing.ledgers) {
        const LedgerTotals totals = ledgerTotals(ledger, {});
        context.out << ledger.facts.serialNumber << ' ' << weekText(ledger.facts.week) << ' '
                    << couponTypeText(ledger.facts.couponType) << " shares " << totals.shares << " sold " << totals.sold
                    << " paid " << totals.paidShares << '\n';
    }
    return 0;
}

int show(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger show", {});
    const auto ledger = ledgerOf(serialArgument(args.positionals()[1]), context);
    if (!ledger) return 1;
    const LedgerWinnings winnings = fetchLedgerWinnings(context.workspace, ledger->facts);
    for (const auto& [key, value] : ledgerFacts(*ledger, winnings)) context.out << key << ' ' << value << '\n';
    for (std::size_t i = 0; i < ledger->entries.size(); ++i) {
        printFields(context.out, shareFields(static_cast<int>(i) + 1, ledger->entries[i], AmountStyle::Grouped));
    }
    return 0;
}

// set, pay and payout: load, check every argument, change, save; nothing is written
// when any check fails.
int change(const Arguments& args, Context& context, const std::string& verb) {
    args.expectPositionals(3, 3);
    if (verb == "set") refuseOptions(args, "ledger set", {"--navn", "--telefon", "--spillenummer", "--kunde", "--merknad"});
    else refuseOptions(args, "ledger " + verb, {"--belop", "--dato"});
    const std::string serial = serialArgument(args.positionals()[1]);
    auto ledger = ledgerOf(serial, context);
    if (!ledger) return 1;
    const int share = shareArgument(args.positionals()[2], *ledger);
    std::string refused;
    if (verb == "set") {
        BuyerChange change{args.option("--navn"), args.option("--telefon"), args.option("--spillenummer"),
                           args.option("--merknad")};
        if (const auto row = args.option("--kunde")) {
            const ShareEntry buyer = customerRow(*row, context);
            if (!change.name) change.name = buyer.name;
            if (!change.telephone) change.telephone = buyer.telephone;
            if (!change.playerNumber) change.playerNumber = buyer.playerNumber;
        }
        refused = setBuyer(*ledger, share, change);
    } else if (verb == "pay") {
        refused = markPaid(*ledger, share, amountOption(args), dateOption(args));
    } else {
        const auto amount = amountOption(args);
        const auto date = dateOption(args);
        refused = markPaidOut(*ledger, share, fetchLedgerWinnings(context.workspace, ledger->facts), amount, date);
    }
    if (!refused.empty()) {
        context.messages.inform(refused);
        return 1;
    }
    saveLedger(context.workspace, *ledger);
    return 0;
}

std::filesystem::path csvPath(const Arguments& args, bool required) {
    const auto file = args.option("--csv");
    if (!file || file->empty()) {
        if (required) throw UsageError("ledger export needs --csv FILE");
        return {};
    }
    return std::filesystem::path(std::u8string(file->begin(), file->end()));
}

int exportCsv(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    refuseOptions(args, "ledger export", {"--csv"});
    const std::filesystem::path file = csvPath(args, true);
    const auto ledger = ledgerOf(serialArgument(args.positionals()[1]), context);
    if (!ledger) return 1;
    replaceFile(file, ledgerCsv(*ledger));
    return 0;
}

}  // namespace

int runLedger(const Arguments& args, Context& context) {
    if (args.positionals().empty()) throw UsageError("ledger needs open, list, show, set, pay, payout or export");
    const std::string& verb = args.positionals()[0];
    if (verb == "open") return openForStorage(args, context);
    if (verb == "list") return list(args, context);
    if (verb == "show") return show(args, context);
    if (verb == "set" || verb == "pay" || verb == "payout") return change(args, context, verb);
    if (verb == "export") return exportCsv(args, context);
    throw UsageError("unknown ledger command " + verb);
}

int runSeason(const Arguments& args, Context& context) {
    args.expectPositionals(0, 0);
    const std::filesystem::path file = csvPath(args, false);
    const LedgerListing listing = listLedgers(context.workspace);
    reportDamaged(listing, context);
    RoundResults results(context.workspace);
    const Season season = seasonOf(listing.ledgers, [&](const SyndicateFacts& facts) {
        return fetchLedgerWinnings(results, facts);
    });
    if (!file.empty()) {
        replaceFile(file, seasonCsv(season));
        return 0;
    }
    for (const SeasonRow& row : season.rows) printFields(context.out, seasonFields(row, AmountStyle::Grouped));
    printFields(context.out, seasonTotalFields(season.totals, AmountStyle::Grouped));
    return 0;
}

}  // namespace andel::cli
