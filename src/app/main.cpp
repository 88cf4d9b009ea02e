// The desktop program: the main window and then the other eight windows are created in
// their order, then the event loop runs until the main window closes. The working
// directory is the current directory.
#include "main_window/main_window.h"
#include "widgets/norwegian_look_panel.h"

#include <QApplication>
#include <QMessageBox>

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    andel::preferNorwegianDates();
    QApplication application(argc, argv);
    andel::applyNorwegianLook(application);
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

    andel::Tgridform mainWindow{workspace};
    mainWindow.attachWindows();

    mainWindow.show();
    return application.exec();
}
