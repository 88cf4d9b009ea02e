// andelstipp-cli certificates: the share certificates of a stored syndicate as one PDF,
// the pages the print dialog would print with the same choices.
#include "accounts/ledger_certificate.h"
#include "commands.h"
#include "gui_application.h"
#include "platform/clock.h"
#include "printing/certificate_command.h"
#include "printing/certificate_fill.h"
#include "printing/certificate_output_panel.h"
#include "stored_syndicate.h"
#include "workbench/recompute.h"
#include "workbench/startup.h"

namespace andel::cli {

int runCertificates(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    const auto pdf = args.option("--pdf");
    if (!pdf || pdf->empty()) throw UsageError("certificates needs --pdf OUT.pdf");
    PrintChoices choices;
    if (const auto margin = args.option("--margin")) choices.margin = parseNumber(*margin, 0, kMaxMargin, "--margin");
    if (const auto adjust = args.option("--juster")) choices.markAdjustment = parseNumber(*adjust, 0, 1, "--juster");
    choices.saveYellow = args.flag("--spar-gulfarge");

    WorkbenchState state = initialWorkbenchState();
    if (!loadStoredSyndicate(state, args.positionals()[0], context)) return 1;
    loadAgentProfile(state, context.workspace);
    switch (certificateRefusal(state)) {
        case CertificateRefusal::Unregistered: context.messages.inform(std::string(kUnregisteredRefusal)); return 1;
        case CertificateRefusal::NoOnlineFile: context.messages.inform(std::string(kNoOnlineFileRefusal)); return 1;
        case CertificateRefusal::None: break;
    }
    if (state.online.serialNumber.empty()) {
        context.messages.inform(std::string(kNoOnlineFileRefusal));
        return 1;
    }

    const auto application = guiApplication();
    CertificateTemplate page = fillCertificate(state, choices, localNow());
    const auto buyers = ledgerBuyers(state, context.workspace, context.messages);
    if (!buyers) return 1;
    page.buyers = *buyers;
    const QString file = QString::fromStdString(*pdf);
    writeCertificatesPdf(file, page, printJobs(page.shares));
    return 0;
}

}  // namespace andel::cli
