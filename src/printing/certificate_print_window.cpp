#include "printing/certificate_print_window.h"

#include "platform/clock.h"
#include "platform/io_error.h"
#include "printing/certificate_command.h"
#include "printing/certificate_fill.h"
#include "printing/certificate_output_panel.h"
#include "printing/certificate_print_dialog.h"
#include "printing/print_jobs.h"
#include "settings/settings_store.h"
#include "widgets/child_window.h"

#include <QPushButton>

namespace andel {
namespace {

// The jobs the choices name; none for a choice of certificates the syndicate does not have.
std::vector<PrintJob> chosenJobs(const CertificateTemplate& page, const PrintChoices& choices) {
    const auto certificates = chosenCertificates(choices.certificates, page.shares);
    return certificates ? printJobs(page.shares, *certificates, choices.mainPart) : std::vector<PrintJob>();
}

template <class Window>
Window& childOf(QWidget* mainWindow, Messages& messages) {
    return childWindow<Window>(mainWindow, [&](QWidget* parent) { return new Window(parent, &messages); });
}

}  // namespace

TAndelsform2::TAndelsform2(QWidget* parent, Messages* messages)
    : QWidget(parent), messageBoxes_(this), messages_(messages ? *messages : messageBoxes_) {
    setObjectName(QStringLiteral("Andelsform2"));
    setWindowFlag(Qt::Window);
    setFixedSize(760, 1048);
    auto* print = new QPushButton(QStringLiteral("Skriv Ut"), this);
    print->setObjectName(QStringLiteral("Button2"));
    print->move(620, 8);
    connect(print, &QPushButton::clicked, this, &TAndelsform2::printContents);
}

bool TAndelsform2::printContents() {
    if (!printerReady()) {
        messages_.inform("Ingen skriver er installert.");
        return false;
    }
    return printCertificateJobs(selectedPrinter(), page_, jobs_, messages_);
}

void printCertificatesFromWindow(QWidget* mainWindow, WorkbenchState& state, const Workspace& workspace,
                                 Messages& messages, const std::function<void()>& makeOnlineFile,
                                 const std::function<std::optional<std::vector<ShareBuyer>>()>& buyers) {
    if (!beginCertificates(state, messages, makeOnlineFile)) return;
    try {
        const std::optional<std::vector<ShareBuyer>> asked = buyers ? buyers() : std::vector<ShareBuyer>();
        if (!asked) return;
        const std::vector<ShareBuyer>& sold = *asked;
        TForm1& dialog = childOf<TForm1>(mainWindow, messages);
        dialog.adjustSize();
        dialog.move(mainWindow->frameGeometry().center() - QPoint(dialog.width() / 2, dialog.height() / 2));
        dialog.showPrinterName();
        SettingsStore settings = mainStore(workspace, messages);
        PrintChoices stored = storedPrintChoices(settings);
        stored.saveYellow = dialog.choices().saveYellow;  // the tick stays from the last run
        dialog.setChoices(stored);

        const LocalDateTime now = localNow();
        const auto filled = [&](const PrintChoices& choices) {
            CertificateTemplate page = fillCertificate(state, choices, now);
            page.buyers = sold;
            return page;
        };
        dialog.setOutput(
            [&](QPagedPaintDevice& device, const PrintChoices& choices) {
                const CertificateTemplate page = filled(choices);
                paintCertificatePages(device, page, chosenJobs(page, choices));
            },
            [&](const QString& file, const PrintChoices& choices) {
                const CertificateTemplate page = filled(choices);
                const std::vector<PrintJob> jobs = chosenJobs(page, choices);
                if (jobs.empty()) {
                    messages.inform(unknownCertificatesMessage(choices.certificates, page.shares));
                    return false;
                }
                try {
                    writeCertificatesPdf(file, page, jobs);
                } catch (const IoError& error) {
                    messages.inform(error.what());
                    return false;
                }
                return true;
            });
        const bool accepted = dialog.exec() == QDialog::Accepted;
        dialog.setOutput({}, {});
        const PrintChoices choices = dialog.choices();
        storePrintChoices(settings, choices);
        if (!accepted) return;

        CertificateTemplate page = filled(choices);
        std::vector<PrintJob> jobs = chosenJobs(page, choices);
        if (jobs.empty()) {
            messages.inform(unknownCertificatesMessage(choices.certificates, page.shares));
            return;
        }
        TAndelsform2& layout = childOf<TAndelsform2>(mainWindow, messages);
        layout.fill(std::move(page), std::move(jobs));
        layout.printContents();
    } catch (const IoError& error) {
        messages.inform(error.what());
    }
}

}  // namespace andel
