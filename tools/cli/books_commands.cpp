// andelstipp-cli books check|backup|export: the books themselves, for support and for the
// agent's accountant.
#include "accounts/books_export.h"
#include "books/books_backup.h"
#include "books/books_check.h"
#include "books/journal.h"
#include "commands.h"
#include "ledger_arguments.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <ostream>

namespace andel::cli {
namespace {

std::filesystem::path pathArgument(const std::string& text) {
    if (text.empty()) throw UsageError("the file name is empty");
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

int check(Context& context) {
    std::unique_ptr<Journal> journal;
    try {
        journal = std::make_unique<Journal>(context.workspace, &context.messages);
    } catch (const IoError& damaged) {
        context.messages.inform(damaged.what());
        return 1;
    }
    const BooksCheck check = checkBooks(*journal);
    if (!check.ok()) {
        for (const std::string& problem : check.problems) context.messages.inform(problem);
        context.messages.inform("Regnskapet er ikke i orden." + newestBackupText(context.workspace));
        return 1;
    }
    context.out << "events " << check.events << '\n' << "accounts " << check.accounts << '\n' << "ok\n";
    return 0;
}

}  // namespace

int runBooks(const Arguments& args, Context& context) {
    if (args.positionals().empty()) throw UsageError("books needs check, backup or export");
    const std::string& verb = args.positionals()[0];
    if (verb == "check") {
        args.expectPositionals(1, 1);
        return check(context);
    }
    if (verb == "backup") {
        args.expectPositionals(2, 2);
        Journal journal(context.workspace, &context.messages);
        backupBooks(journal.database(), pathArgument(args.positionals()[1]));
        return 0;
    }
    if (verb == "export") {
        args.expectPositionals(1, 1);
        const auto csv = args.option("--csv"), xlsx = args.option("--xlsx");
        if (csv.has_value() == xlsx.has_value()) throw UsageError("books export needs --csv FILE or --xlsx FILE");
        const auto from = dateOption(args, "--fra"), to = dateOption(args, "--til");
        if (from && to && isoDate(*from) > isoDate(*to)) throw UsageError("--fra must not be after --til");
        Journal journal(context.workspace, &context.messages);
        const std::vector<Fields> rows = booksExportRows(journal, from, to);
        if (csv) replaceFile(pathArgument(*csv), booksExportCsv(rows));
        else writeBooksWorkbook(pathArgument(*xlsx), rows);
        return 0;
    }
    throw UsageError("unknown books command " + verb);
}

}  // namespace andel::cli
