// andelstipp-cli certificates: the share certificates of a stored syndicate as one PDF,
// the pages the print dialog would print with the same choices.
#include "accounts/ledger_certificate.h"
#include "commands.h"
#include "platform/clock.h"
#include "printing/certificate_command.h"
#include "printing/certificate_fill.h"
#include "printing/certificate_output_panel.h"
#include "stored_syndicate.h"
#include "widgets/norwegian_look_panel.h"
#include "workbench/recompute.h"
#include "workbench/startup.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace andel::cli {
namespace {

// Qt's own notes (no runtime directory and the like) would mix with the messages on
// stderr; only its critical errors pass.
void criticalOnly(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// Painting text needs a GUI application; without a display it paints offscreen.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(criticalOnly);
    static int argc = 1;
    static char name[] = "andelstipp-cli";
    static char* argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    installNorwegianTranslation(*application);
    return application;
}

}  // namespace

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
    installLayoutFonts();
    CertificateTemplate page = fillCertificate(state, choices, localNow());
    const auto buyers = ledgerBuyers(state, context.workspace, context.messages);
    if (!buyers) return 1;
    page.buyers = *buyers;
    const QString file = QString::fromStdString(*pdf);
    writeCertificatesPdf(file, page, printJobs(page.shares));
    return 0;
}

}  // namespace andel::cli
