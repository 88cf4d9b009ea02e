// The desktop program: the windows are created in their order, then the event loop runs
// until the main window closes. The working directory is the current directory.
#include "workbench/main_window.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    andel::Tgridform mainWindow{andel::Workspace(std::filesystem::current_path())};
    mainWindow.show();
    return application.exec();
}
