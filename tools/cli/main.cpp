// andelstipp-cli: the program's own rules for scripts and for support, without windows.
#include "cli_support.h"
#include "commands.h"
#include "platform/io_error.h"
#include "platform/process_io.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace andel::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"system",
         "andelstipp-cli system MASKS [--basis ORDINÆR|PAUSE|BEGGE] [--row-price N] [--shares N]\n"
         "  Analyses a stem (12 digits 1-7, H = 4, U = 2, B = 1, at least four 7s) and\n"
         "  prints the nine coupons, the row counts, the stake and the price per share.",
         runSystem, {"--basis", "--row-price", "--shares"}, {}},
        {"week",
         "andelstipp-cli week [YYYY-MM-DD]\n"
         "  Prints the game-week text of the date (default today) as the selector shows it.",
         runWeek, {}, {}},
        {"ntf",
         "andelstipp-cli ntf TPPFILE [--out FILE] [--game TIPPING|LOTTO|VIKING-LOTTO|EXTRA|ODDSBOMBEN|ODDS] [--list]\n"
         "  Writes the online file of the game (default TIPPING) from an intermediate rows file:\n"
         "  TT.TMP in the working directory, copied to FILE (default: the directory and name the\n"
         "  rows file gives). --list prints the record list of EXTRA and ODDSBOMBEN.",
         runNtf, {"--out", "--game"}, {"--list"}},
        {"dump",
         "andelstipp-cli dump FILE\n"
         "  Prints the header record of an online file, checks every record's check characters\n"
         "  and names the game of every coupon record (\"record 2 game 53 EXTRA\").",
         runDump, {}, {}},
        {"teams",
         "andelstipp-cli teams --type LØRDAG|SØNDAG|MIDTUKE --week TEXT\n"
         "  Prints the team names of a game week (\" UKE 05 -2000\") from the results file and\n"
         "  the file of team names KUP_<year>.TXT (created when missing), and whether its block was found.",
         runTeams, {"--type", "--week"}, {}},
        {"result",
         "andelstipp-cli result --type LØRDAG|SØNDAG|MIDTUKE --basis ORDINÆR|PAUSE|BEGGE --week TEXT\n"
         "  Prints the round's result and prize forecasts from tippehistorikk/.",
         runResult, {"--type", "--basis", "--week"}, {}},
        {"prize",
         "andelstipp-cli prize RESULT COUPON... [--p12 TEXT] [--p11 TEXT] [--p10 TEXT] [--shares N]\n"
         "  Counts the rows of one to nine coupons (12 digits 0-7 each) against the result masks\n"
         "  and prints the rows per number of right, the best count, the wrong signs and the prizes.",
         runPrize, {"--p12", "--p11", "--p10", "--shares"}, {}},
        {"register",
         "andelstipp-cli register list [--sort 1|2|3|4]\n"
         "andelstipp-cli register add --fornavn TEXT [--etternavn TEXT] [--spillenummer TEXT] [--dato DD.MM.YYYY]\n"
         "                            [--telefon1 TEXT] [--telefon2 TEXT] [--fax TEXT] [--annen TEXT]\n"
         "andelstipp-cli register delete ROW [--sort 1|2|3|4]\n"
         "  Lists, adds to and deletes from the customer register WTOM.KVS as the register window does.",
         runRegister, {"--sort", "--fornavn", "--etternavn", "--spillenummer", "--dato", "--telefon1", "--telefon2", "--fax", "--annen"}, {}},
        {"storage",
         "andelstipp-cli storage list [--source harddisk|diskett]\n"
         "andelstipp-cli storage show FILE\n"
         "  Lists the row storage newest first, or loads a stored syndicate of pul1lgr/ and prints it.",
         runStorage, {"--source"}, {}},
        {"customer",
         "andelstipp-cli customer list\n"
         "andelstipp-cli customer show ROW|--spillenummer N\n"
         "andelstipp-cli customer history ROW|--spillenummer N\n"
         "andelstipp-cli customer refund ROW|--spillenummer N [--belop N]\n"
         "andelstipp-cli customer statement ROW|--spillenummer N --pdf FILE [--fra DD.MM.YYYY] [--til DD.MM.YYYY]\n"
         "                                   [--per DD.MM.YYYY]\n"
         "  Each register customer's shares across the ledgers that are not voided (ROW as `register\n"
         "  list` numbers it): list gives one line per customer with the number of shares and the\n"
         "  balance; show gives the account, one line per share, then unpaid, winnings-due and balance\n"
         "  (confirmed winnings not yet paid out less prices not yet paid); statement writes the\n"
         "  customer's statement (\"Kontoutskrift\") as an A4 PDF: the shares whose round is played\n"
         "  from --fra to --til (both included, either left open), each with the balance after it;\n"
         "  --per gives the figures as they stood at the end of that day.",
         runCustomer, {"--spillenummer", "--pdf", "--fra", "--til", "--per", "--belop"}, {}},
        {"receipt",
         "andelstipp-cli receipt SERIAL SHARE[,SHARE...] --pdf FILE [--slip]\n"
         "  Writes a receipt (\"Kvittering for andel\") for each sold share of the ledger as an A4\n"
         "  PDF, three slips to a page: the syndicate, the share, the buyer, the price, the payment\n"
         "  and the system's guarantee. --slip writes them as receipt printer slips instead: a page\n"
         "  80 mm wide per share, as long as its content, with the share's code as a QR code.",
         runReceipt, {"--pdf"}, {"--slip"}},
        {"payout-slip",
         "andelstipp-cli payout-slip SERIAL SHARE --pdf FILE\n"
         "  Writes the payout slip (\"Utbetaling av gevinst\") of a share that has been paid out as a\n"
         "  receipt printer slip, 80 mm wide: who, which share, the amount, the day and the share's code.",
         runPayoutSlip, {"--pdf"}, {}},
        {"owing",
         "andelstipp-cli owing [--csv FILE | --xlsx FILE]\n"
         "  Every sold share not paid in full in a ledger that is not voided, by customer (name,\n"
         "  telephone, player number, serial, week, share, what is missing), then the total.\n"
         "  The agent's own shares of a closed sale are left out.",
         runOwing, {"--csv", "--xlsx"}, {}},
        {"rows",
         "andelstipp-cli rows STORAGEFILE [--layout e|plain] [--out FILE]\n"
         "  The stored syndicate's rows, the nine coupons expanded to single rows in coupon order:\n"
         "  \"E,1,X,2,...\" lines under a heading line (game, week, coupon type, number of rows), or\n"
         "  plain lines of twelve signs. Windows-1252 with CR LF, to FILE or standard output.",
         runRows, {"--layout", "--out"}, {}},
        {"check",
         "andelstipp-cli check ROWFILE RESULT [--p12 N] [--p11 N] [--p10 N]\n"
         "  Counts the rows of any row file against RESULT (twelve signs 1, X and 2) as the prize\n"
         "  panel does: one row a line, the signs 1, X and 2 in order, everything else ignored; a\n"
         "  line without twelve signs is named on stderr and skipped. Prints \"right K N\" from 12\n"
         "  down to 0, \"rows N\" and \"total\" (the prize with the given prizes per row).",
         runCheck, {"--p12", "--p11", "--p10"}, {}},
        {"analyse",
         "andelstipp-cli analyse STEM\n"
         "  What the stem's system gives under every outcome in which the sure and half-guarded\n"
         "  picks are right (all-right), and in which exactly one or two of them go wrong: the\n"
         "  outcomes, how many give a best row of 12, 11 and 10 right (and fewer), the average\n"
         "  rows with 12, 11 and 10 right, and whether the guarantee of 11 right holds.",
         runAnalyse, {}, {}},
        {"send",
         "andelstipp-cli send NUMBER [WPARAM LPARAM]\n"
         "  Sends the window message 13319 (bring to front, or close when a parameter's low\n"
         "  16 bits are not 0) or 12707 (take the register's customer) to the running program.",
         runSend, {}, {}},
        {"make-online",
         "andelstipp-cli make-online STORAGEFILE --navn TEXT --spillenummer TEXT --katalog DIR\n"
         "                           [--gangefelt 1|2|5|10|20] [--uker 1|5|10] [--annuller-tidligere]\n"
         "  Makes the online file of a stored syndicate of pul1lgr/ as the main window does (DIR such\n"
         "  as \"C:\\NTFILE\", through the drive map) and prints its path in the Windows form. An\n"
         "  earlier ledger of the same syndicate is named with how to void it; --annuller-tidligere\n"
         "  voids it and moves its online file into the subfolder ANNULLERT.",
         runMakeOnline, {"--navn", "--spillenummer", "--katalog", "--gangefelt", "--uker"}, {"--annuller-tidligere"}},
        {"certificates",
         "andelstipp-cli certificates STORAGEFILE --pdf OUT.pdf [--margin 0..20] [--juster 0|1] [--spar-gulfarge]\n"
         "  Prints the share certificates of a stored syndicate of pul1lgr/ into one PDF, a page per\n"
         "  print job: certificates 1 to N, the main part and the list pages.",
         runCertificates, {"--pdf", "--margin", "--juster"}, {"--spar-gulfarge"}},
        {"ledger",
         "andelstipp-cli ledger open STORAGEFILE\n"
         "andelstipp-cli ledger list\n"
         "andelstipp-cli ledger show SERIAL | history SERIAL\n"
         "andelstipp-cli ledger set SERIAL SHARE [--navn TEXT] [--telefon TEXT] [--spillenummer TEXT] [--kunde ROW]\n"
         "                                       [--merknad TEXT] [--grunn TEXT]\n"
         "andelstipp-cli ledger pay SERIAL SHARE [--belop N] [--dato DD.MM.YYYY] [--grunn TEXT] | --fra-saldo\n"
         "andelstipp-cli ledger confirm SERIAL [--resultat SIGNS] [--p12 N] [--p11 N] [--p10 N]\n"
         "                                     [--pause-resultat SIGNS] [--pause-p12 N] [--pause-p11 N] [--pause-p10 N] [--grunn TEXT]\n"
         "andelstipp-cli ledger payout SERIAL SHARE [--belop N] [--dato DD.MM.YYYY]\n"
         "andelstipp-cli ledger undo SERIAL SHARE --betaling|--utbetaling [--grunn TEXT]\n"
         "andelstipp-cli ledger void SERIAL --grunn TEXT\n"
         "andelstipp-cli ledger close SERIAL | reopen SERIAL\n"
         "andelstipp-cli ledger export SERIAL --csv FILE | --xlsx FILE\n"
         "  The syndicates' accounts in the books andelsregnskap/regnskap.db: who holds each share,\n"
         "  who has paid, what each share won and what was paid out, every event kept. Payments add\n"
         "  up to the price; only a fully paid share wins and is paid out, after the round's result\n"
         "  was confirmed as final; an undo is a reversing event (--grunn gives its reason), and a\n"
         "  payment, a new buyer or a new result after the result was confirmed is a correction that\n"
         "  needs --grunn. --kunde takes the buyer from the register row as `register list --sort 1`\n"
         "  numbers it; amounts are whole kroner. --fra-saldo pays the share's price from its buyer's\n"
         "  balance (oldest winnings first). close gives the unsold shares to the agent\n"
         "  (\"Kommisjonær\") and takes no new buyers until reopen. history lists every event.",
         runLedger,
         {"--navn", "--telefon", "--spillenummer", "--kunde", "--merknad", "--belop", "--dato", "--csv", "--xlsx", "--grunn",
          "--resultat", "--p12", "--p11", "--p10", "--pause-resultat", "--pause-p12", "--pause-p11", "--pause-p10"},
         {"--betaling", "--utbetaling", "--fra-saldo"}},
        {"books",
         "andelstipp-cli books check\n"
         "andelstipp-cli books backup FILE\n"
         "andelstipp-cli books export --csv FILE | --xlsx FILE [--fra DD.MM.YYYY] [--til DD.MM.YYYY]\n"
         "  The books andelsregnskap/regnskap.db: check runs the database's integrity check and the\n"
         "  balance check (every event's postings sum to zero, every account equals the events) and\n"
         "  names the newest good backup when they fail; backup copies the books to FILE; export\n"
         "  writes every event of the period with its postings, for the accountant.",
         runBooks, {"--csv", "--xlsx", "--fra", "--til"}, {}},
        {"day",
         "andelstipp-cli day report [--dato DD.MM.YYYY]\n"
         "andelstipp-cli day close --talt N [--grunn TEXT]\n"
         "andelstipp-cli day deposit N --merknad TEXT\n"
         "andelstipp-cli day withdraw N --merknad TEXT\n"
         "andelstipp-cli day list\n"
         "andelstipp-cli day show N [--pdf FILE [--slip]]\n"
         "  The cash drawer and the day's settlement (\"Dagsoppgjør\"): report gives the days since the\n"
         "  last settlement (or the day --dato) with the opening float, cash in and out by syndicate,\n"
         "  deposits, withdrawals and refunds, the movements that moved no cash, and what the drawer\n"
         "  should hold; close records the counted cash against it (a difference needs --grunn), gives\n"
         "  the settlement the next number and closes the days; list gives every settlement, show one\n"
         "  (--pdf writes it on A4 pages, with --slip as one receipt printer slip 80 mm wide).",
         runDay, {"--dato", "--talt", "--grunn", "--merknad", "--pdf"}, {"--slip"}},
        {"share",
         "andelstipp-cli share CODE\n"
         "  The share a certificate's or receipt's code names (\"AN 1042 017 42\", blanks optional), one\n"
         "  fact a line, tab-separated: code, serial, week, share and shares, buyer (name, telephone,\n"
         "  player number), price, paid and its date, winnings (and confirmed, forecast or unknown),\n"
         "  paid-out and its date, state (open, final, voided), voided (no, or its date and reason)\n"
         "  and next (pay, payout or none). A voided syndicate is said so on stderr. Exit 1 for a\n"
         "  code that is not a share's or whose check digits do not fit.",
         runShare, {}, {}},
        {"season",
         "andelstipp-cli season [--csv FILE | --xlsx FILE]\n"
         "  One line per syndicate with a ledger that is not voided, oldest week first, then the total:\n"
         "  serial, week, type, rows, stake, shares sold, 12, 11 and 10 right, prize, prize per share,\n"
         "  paid back in percent and the result in kroner. The total's percentage and result count the\n"
         "  rounds with a result only; its last field is \"open N\", the rounds still without one.\n"
         "  --xlsx writes an Excel workbook with typed cells, totals and a chart of stake and prize.",
         runSeason, {"--csv", "--xlsx"}, {}},
    };
    return list;
}

namespace {

void printUsage(std::ostream& out) {
    out << "Usage: andelstipp-cli [--dir DIR] SUBCOMMAND [ARGUMENTS]\n"
           "  --dir DIR   the working directory (default: the current directory)\n"
           "  STORAGEFILE is a stored syndicate: a file name in pul1lgr/, or a path such as\n"
           "  pul1lgr/NAME, taken from the working directory.\n\n";
    for (const Command& command : commands()) out << command.usage << "\n\n";
}

// The working directory: --dir when given (it must exist: nothing is ever made in a
// directory mistyped), else the current directory, which may have been deleted under us.
Workspace workingDirectory(const std::optional<std::string>& dir) {
    if (dir) {
        const std::filesystem::path path(std::u8string(dir->begin(), dir->end()));
        std::error_code error;
        if (!std::filesystem::is_directory(path, error)) {
            // A path the system cannot take (too long, no access) is a failure to reach it,
            // not a mistyped name.
            if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
                throw IoError("--dir " + *dir + ": " + error.message());
            }
            throw UsageError("--dir " + *dir + ": no such directory");
        }
        return Workspace(path);
    }
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    if (error || !std::filesystem::is_directory(current, error)) {
        throw IoError("the current directory no longer exists; give the working directory with --dir DIR");
    }
    return Workspace(current);
}

int run(std::vector<std::string> args) {
    std::optional<std::string> dir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dir") {
            if (i + 1 >= args.size()) throw UsageError("option --dir needs a value");
            dir = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
            break;
        }
    }
    if (args.empty()) throw UsageError("no subcommand (try --help)");
    if (args[0] == "--help" || args[0] == "-h") {
        printUsage(std::cout);
        return 0;
    }
    for (const Command& command : commands()) {
        if (args[0] != command.name) continue;
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const std::string& arg : rest) {
            if (arg == "--help" || arg == "-h") {
                std::cout << "Usage: " << command.usage << '\n';
                return 0;
            }
        }
        Context context{workingDirectory(dir), {}, std::cout};
        return command.run(Arguments(rest, command.options, command.flags), context);
    }
    throw UsageError("unknown subcommand " + args[0]);
}

}  // namespace
}  // namespace andel::cli

int main(int argc, char** argv) {
    andel::useBinaryStandardStreams();
    try {
        return andel::cli::run(andel::utf8Arguments(argc, argv));
    } catch (const andel::cli::UsageError& error) {
        std::cerr << "andelstipp-cli: " << andel::cli::oneLine(error.what()) << '\n';
        return 2;
    } catch (const andel::IoError& error) {
        std::cerr << "andelstipp-cli: " << andel::cli::oneLine(error.what()) << '\n';
        return 1;
    } catch (const std::filesystem::filesystem_error& error) {
        std::cerr << "andelstipp-cli: " << error.what() << '\n';
        return 1;
    }
}
