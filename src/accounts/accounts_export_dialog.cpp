#include "accounts/accounts_export_dialog.h"

#include "platform/file_io.h"
#include "platform/io_error.h"

#include <QFileDialog>

namespace andel {
namespace {

const QString kCsvFilter = QStringLiteral("Regneark, CSV (*.csv)");
const QString kWorkbookFilter = QStringLiteral("Excel-arbeidsbok (*.xlsx)");

const QString kCsvEnding = QStringLiteral(".csv");
const QString kWorkbookEnding = QStringLiteral(".xlsx");

// The file's ending decides the kind; a name without either ending gets the one of the
// kind chosen in the dialog.
AccountsExportChoice choiceOf(const QString& file, bool workbookChosen) {
    if (file.endsWith(kWorkbookEnding, Qt::CaseInsensitive)) return {file, true};
    if (file.endsWith(kCsvEnding, Qt::CaseInsensitive)) return {file, false};
    return {file + (workbookChosen ? kWorkbookEnding : kCsvEnding), workbookChosen};
}

// What is known of why a file cannot be written beyond the writer's own words.
std::string whyNot(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path directory = file.parent_path();
    if (!directory.empty() && !std::filesystem::is_directory(directory, error)) {
        return "\rMappen " + pathText(directory) + " finnes ikke.";
    }
    return {};
}

}  // namespace

AccountsExportChooser accountsExportDialog(QWidget* parent) {
    return [parent](const QString& suggested) -> std::optional<AccountsExportChoice> {
        QString filter = kCsvFilter;
        const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Eksporter til regneark"), suggested,
                                                          kCsvFilter + QStringLiteral(";;") + kWorkbookFilter, &filter);
        if (file.isEmpty()) return std::nullopt;
        return choiceOf(file, filter == kWorkbookFilter);
    };
}

void exportAccounts(const QString& suggested, const AccountsExportChooser& choose, const AccountsExportWriters& write,
                    Messages& messages) {
    const std::optional<AccountsExportChoice> choice = choose(suggested);
    if (!choice) return;
    const std::filesystem::path file = std::filesystem::absolute(std::filesystem::path(choice->file.toStdU16String()));
    try {
        if (choice->workbook) write.workbook(file);
        else replaceFile(file, write.csv());
    } catch (const IoError& error) {
        messages.inform("Eksporten ble ikke lagret.\r" + std::string(error.what()) + whyNot(file));
        return;
    }
    messages.inform("Lagret i\r" + pathText(file));
}

}  // namespace andel
