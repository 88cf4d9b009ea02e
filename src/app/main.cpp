// The desktop program: the main window and then the other eight windows are created in
// their order, then the event loop runs until the main window closes. The working
// directory is the current directory.
#include "main_window/main_window.h"
#include "widgets/norwegian_look_panel.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
    andel::preferNorwegianDates();
    QApplication application(argc, argv);
    andel::applyNorwegianLook(application);
    const andel::Workspace workspace(std::filesystem::current_path());

    andel::Tgridform mainWindow{workspace};
    mainWindow.attachWindows();

    mainWindow.show();
    return application.exec();
}
