#pragma once
// The subcommands of andelstipp-cli.
#include "books/cash_day.h"
#include "cli_support.h"

#include <string>
#include <vector>

namespace andel::cli {

struct Command {
    const char* name;
    const char* usage;  // printed by --help
    int (*run)(const Arguments& args, Context& context);
    std::vector<std::string> options;
    std::vector<std::string> flags;
};

const std::vector<Command>& commands();

int runSystem(const Arguments& args, Context& context);
int runWeek(const Arguments& args, Context& context);
int runTeams(const Arguments&, Context&), runResult(const Arguments&, Context&), runPrize(const Arguments&, Context&);
int runNtf(const Arguments& args, Context& context), runDump(const Arguments& args, Context& context);
int runRegister(const Arguments& args, Context& context), runStorage(const Arguments& args, Context& context);
int runSend(const Arguments& args, Context& context);
int runMakeOnline(const Arguments& args, Context& context);
int runCertificates(const Arguments& args, Context& context);
int runLedger(const Arguments& args, Context& context), runSeason(const Arguments& args, Context& context);
int runRows(const Arguments& args, Context& context), runCheck(const Arguments& args, Context& context);
int runAnalyse(const Arguments& args, Context& context);
int runCustomer(const Arguments& args, Context& context), runOwing(const Arguments& args, Context& context);
int runCustomerStatement(const Arguments& args, Context& context), runReceipt(const Arguments& args, Context& context);
int runBooks(const Arguments& args, Context& context), runDay(const Arguments& args, Context& context);
// The settlement's report as a PDF: A4 pages, or one receipt printer slip.
int writeDayReportPdf(const std::string& file, const DayReport& report, bool slip, Context& context);
int runShare(const Arguments& args, Context& context), runPayoutSlip(const Arguments& args, Context& context);

}  // namespace andel::cli
