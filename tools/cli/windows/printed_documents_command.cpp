// andelstipp-cli customer statement and receipt in the Windows build of the tool:
// painting the pages needs Qt, which only the desktop program carries there.
#include "commands.h"

#include <iostream>

namespace andel::cli {
namespace {

int needsDesktopProgram(const char* command, const char* what) {
    std::cerr << "andelstipp-cli: " << command << " needs the desktop program on Windows: print " << what
              << " from andelstipp.exe (this tool is built without Qt)\n";
    return 1;
}

}  // namespace

int runCustomerStatement(const Arguments&, Context&) { return needsDesktopProgram("customer statement", "the statement"); }
int runReceipt(const Arguments&, Context&) { return needsDesktopProgram("receipt", "the receipts"); }
int runPayoutSlip(const Arguments&, Context&) { return needsDesktopProgram("payout-slip", "the payout slip"); }
int writeDayReportPdf(const std::string&, const DayReport&, bool, Context&) {
    return needsDesktopProgram("day show --pdf", "the settlement");
}

}  // namespace andel::cli
