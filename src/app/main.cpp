// The desktop program: the main window and then the other eight windows are created in
// their order, then the event loop runs until the main window closes, and with it every
// window of the program. A request of the system to end the program closes the main
// window the same way, so the close steps run. The working directory is the current
// directory, and one copy runs in it: a second start brings the first to the front.
#include "handover/program_copy.h"
#include "main_window/main_window.h"
#include "platform/file_lock.h"
#include "platform/termination_listener.h"
#include "widgets/norwegian_look_panel.h"

#include <QApplication>
#include <QMessageBox>

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    andel::preferNorwegianDates();
    QApplication application(argc, argv);
    andel::applyNorwegianLook(application);
    // Listening from the start. A request that comes before the main window is up closes
    // the box the start-up waits on and is carried out once the window stands.
    andel::TerminationListener termination;
    andel::Tgridform* mainWindowUp = nullptr;
    bool terminationAsked = false;
    QObject::connect(&termination, &andel::TerminationListener::terminationRequested, &application, [&] {
        terminationAsked = true;
        if (mainWindowUp) {
            mainWindowUp->close();
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    // The directory the program was started in may have been deleted meanwhile: say so
    // rather than start on files that cannot be there.
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error || !std::filesystem::is_directory(current, error)) {
        const QString text = QStringLiteral("Arbeidskatalogen finnes ikke lenger.\nStart programmet på nytt fra "
                                            "katalogen der tippeprogrammet ligger.");
        std::cerr << "andelstipp: " << text.toStdString() << '\n';
        QMessageBox::critical(nullptr, QStringLiteral("Kvasar - Andelstippemodul"), text);
        return 1;
    }
    const andel::Workspace workspace(current);
    // One copy per working directory: a second start shows the running one and ends.
    const andel::WorkingDirectoryClaim claim = andel::claimWorkingDirectory(workspace);
    if (claim.anotherCopyRuns) {
        if (!andel::bringRunningCopyToFront(workspace, andel::sleepMilliseconds)) {
            std::cerr << "andelstipp: programmet kjører allerede i " << workspace.displayName() << '\n';
        }
        return 0;
    }

    andel::Tgridform mainWindow{workspace};
    mainWindow.attachWindows();
    QObject::connect(&mainWindow, &andel::Tgridform::programClosed, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    mainWindowUp = &mainWindow;

    mainWindow.show();
    if (terminationAsked) mainWindow.close();  // asked while the windows were made
    return application.exec();
}
