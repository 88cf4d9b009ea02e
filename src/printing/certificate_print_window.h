#pragma once
// The certificate command of the main window ("&Skriv ut", "Skriv ut andelsbrev",
// "Andeslbrev") and `TAndelsform2`, the hidden template window it fills and prints.
#include "platform/message_box_dialog.h"
#include "platform/workspace.h"
#include "printing/certificate_template.h"
#include "printing/print_jobs.h"
#include "workbench/workbench_state.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace andel {

// The certificate's template: never shown, refilled by every run of the command; its
// button "Skriv Ut" (`Button2`) prints what it holds without the dialog.
class TAndelsform2 : public QWidget {
    Q_OBJECT
public:
    // Messages go to message boxes unless a sink is given.
    explicit TAndelsform2(QWidget* parent = nullptr, Messages* messages = nullptr);

    // The template and the jobs to print of it (every job when none are given).
    void fill(CertificateTemplate page, std::optional<std::vector<PrintJob>> jobs = std::nullopt) {
        jobs_ = jobs ? std::move(*jobs) : printJobs(page.shares);
        page_ = std::move(page);
    }
    const CertificateTemplate& contents() const { return page_; }
    // Every job of the template to the selected printer, each its own print job.
    bool printContents();

private:
    MessageBoxes messageBoxes_;
    Messages& messages_;
    CertificateTemplate page_;
    std::vector<PrintJob> jobs_;
};

// The whole command on the main window's state: refusals (starting `makeOnlineFile`
// when no online file is made), the print dialog `TForm1` with its stored choices
// (stored again on both exits), then every certificate, the main part and the list
// pages to the chosen printer. `buyers`, asked once before the dialog, fills the share
// list and the certificates' buyer names (none: the rows stay blank); nothing from it
// means it refused the printing (its message was shown) and no dialog opens. The state's command panel is hidden and the online
// file's directory and name are shown; the caller renders the window afterwards. The
// dialog and the template are children of `mainWindow`, made on first use unless the
// program made them at start.
void printCertificatesFromWindow(QWidget* mainWindow, WorkbenchState& state, const Workspace& workspace,
                                 Messages& messages, const std::function<void()>& makeOnlineFile,
                                 const std::function<std::optional<std::vector<ShareBuyer>>()>& buyers = {});

}  // namespace andel
