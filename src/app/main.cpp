// The desktop program: the main window and then the other eight windows are created in
// their order, then the event loop runs until the main window closes, and with it every
// window of the program. A request of the system to end the program closes the main
// window the same way, so the close steps run. The working directory is the current
// directory.
#include "main_window/main_window.h"
#include "platform/termination_listener.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Listening from the start: a request that comes while the windows are made is
    // answered once the event loop runs.
    andel::TerminationListener termination;
    const andel::Workspace workspace(std::filesystem::current_path());

    andel::Tgridform mainWindow{workspace};
    mainWindow.attachWindows();
    QObject::connect(&mainWindow, &andel::Tgridform::programClosed, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&termination, &andel::TerminationListener::terminationRequested, &mainWindow, &QWidget::close);

    mainWindow.show();
    return application.exec();
}
