#include "gui_application.h"

#include "widgets/norwegian_look_panel.h"

#include <cstdio>

namespace andel::cli {
namespace {

// Qt's own notes (no runtime directory and the like) would mix with the messages on
// stderr; only its critical errors pass.
void criticalOnly(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

std::unique_ptr<QGuiApplication> guiApplication() {
    std::unique_ptr<QGuiApplication> application;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(criticalOnly);
        static int argc = 1;
        static char name[] = "andelstipp-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
        installNorwegianTranslation(*application);
    }
    installLayoutFonts();
    return application;
}

}  // namespace andel::cli
