// The desktop program: the nine windows are created in their order, then the event loop
// runs until the main window closes. The working directory is the current directory.
#include "online/online_file_window.h"
#include "platform/drive_map.h"
#include "register/new_customer_dialog.h"
#include "register/register_window.h"
#include "storage/delete_storage_dialog.h"
#include "storage/storage_browser_window.h"
#include "workbench/main_window.h"

#include <QApplication>
#include <QDialog>

#include <filesystem>

namespace {

// A window whose part of the program arrives in a later version: it exists under its
// class name and caption so the order of the windows stays whole.
std::unique_ptr<QDialog> windowShell(const char* className, const char* caption) {
    auto shell = std::make_unique<QDialog>();
    shell->setObjectName(QString::fromLatin1(className));
    shell->setWindowTitle(QString::fromUtf8(caption));
    return shell;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const andel::Workspace workspace(std::filesystem::current_path());

    andel::Tgridform mainWindow{workspace};
    andel::Messages& messages = mainWindow.messages();
    andel::Tkundekartotek customerRegister(workspace, messages, &mainWindow);
    andel::Tnykunde newCustomer(&mainWindow);
    andel::Thentrekker storageBrowser(workspace, messages, [&mainWindow, workspace] {
        return andel::DriveMap(workspace, andel::mainStore(workspace, mainWindow.messages())).drive('A');
    });
    andel::Tslettlagerfiler deleteStorage(&mainWindow);
    const auto printerChoice = windowShell("TForm1", "Skriver ut andelsbrev");
    const auto certificateLayout = windowShell("TAndelsform2", "Andelsbrev");
    const auto onlineDialog = windowShell("Tonlineform", "Onlinefil");
    andel::Tonlinefilform onlineFileWindow(workspace, &messages, &mainWindow);
    mainWindow.attachWindows(&customerRegister, &storageBrowser);

    mainWindow.show();
    return application.exec();
}
