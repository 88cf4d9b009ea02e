#pragma once
// "Eksporter til regneark..." of the ledger and season windows: the save dialog offers a
// CSV file and an Excel workbook, and the agent is told where the file went, or why it
// could not be written (the file that was there before is then left whole).
#include "platform/messages.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace andel {

struct AccountsExportChoice {
    QString file;
    bool workbook = false;  // an Excel workbook, else CSV
};
// By default a save dialog offering both kinds; nothing when the agent cancels.
using AccountsExportChooser = std::function<std::optional<AccountsExportChoice>(const QString& suggested)>;
AccountsExportChooser accountsExportDialog(QWidget* parent);

// The two ways of writing one export.
struct AccountsExportWriters {
    std::function<std::string()> csv;
    std::function<void(const std::filesystem::path&)> workbook;
};

// Asks for the file (`suggested` without its ending) and writes it.
void exportAccounts(const QString& suggested, const AccountsExportChooser& choose, const AccountsExportWriters& write,
                    Messages& messages);

}  // namespace andel
