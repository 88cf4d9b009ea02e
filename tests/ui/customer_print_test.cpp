// The print commands for the windows' buttons: a customer's statement and the receipts of
// a ledger's shares through the print choice, saved as PDF or printed to a chosen PDF
// printer, and the receipts refused before the choice opens.
#include "customers/customer_print_window.h"

#include "accounts/accounts_fixture.h"
#include "books/ledger_store.h"
#include "books/old_ledger_files.h"
#include "printing/document_print_dialog.h"
#include "support/recording_messages.h"
#include "widgets/norwegian_look_panel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class CustomerPrintTest : public QObject {
    Q_OBJECT

private:
    andel::test::RecordingMessages messages_;

    QString shownText(std::size_t i) const { return QString::fromStdString(messages_.shown.at(i).text); }
    static int pdfPages(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? int(QString::fromLatin1(in.readAll()).count(QRegularExpression(QStringLiteral("/Type /Page\\n"))))
                                            : -1;
    }

    // Two weekly ledgers of 20 shares; Kari holds shares 1 to 3 of each, and pays the first.
    static andel::Ledger weekLedger(int week) {
        andel::SyndicateFacts facts = andel::test::smallSyndicate(20, std::to_string(1000 + week), {week, 2026, {}});
        facts.pricePerShare = 146;
        andel::Ledger ledger = andel::emptyLedger(facts);
        for (int s = 0; s < 3; ++s) {
            ledger.entries[static_cast<std::size_t>(s)].name = "Kari Nordmann";
            ledger.entries[static_cast<std::size_t>(s)].playerNumber = "123456789";
        }
        ledger.entries[0].paid = 146;
        return ledger;
    }
    static andel::ShareEntry kari() {
        andel::ShareEntry who;
        who.name = "Kari Nordmann";
        who.playerNumber = "123 456 789";
        return who;
    }

private slots:
    void initTestCase() { andel::installLayoutFonts(); }
    void init() { messages_.shown.clear(); }

    // "Lagre som PDF..." writes the statement's pages; the agent is told where.
    void theStatementIsSavedAsPdfFromThePrintChoice() {
        QTemporaryDir directory;
        const andel::Workspace workspace(directory.path().toStdString());
        andel::saveLedger(workspace, weekLedger(10));
        andel::saveLedger(workspace, weekLedger(12));
        QWidget window;
        const QString pdf = directory.filePath(QStringLiteral("kontoutskrift.pdf"));
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = window.findChild<andel::DocumentPrintDialog*>();
            if (!dialog) return;
            title = dialog->windowTitle();
            dialog->saveAsPdf(pdf);
            dialog->findChild<QPushButton*>(QStringLiteral("avbryt"))->click();
        });
        andel::printCustomerStatement(&window, workspace, kari(), {}, messages_);
        QCOMPARE(title, QStringLiteral("Skriver ut kontoutskrift"));
        QCOMPARE(pdfPages(pdf), 1);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(shownText(0), QStringLiteral("Kontoutskriften er lagret i\r") + QDir::toNativeSeparators(pdf));
    }

    // "Start utskrift" on a PDF printer: one job holds every page of the slips.
    void theReceiptsPrintToTheChosenPrinter() {
        QTemporaryDir directory;
        const andel::Workspace workspace(directory.path().toStdString());
        const QString pdf = directory.filePath(QStringLiteral("skriver.pdf"));
        QWidget window;
        QTimer::singleShot(0, [&] {
            auto* dialog = window.findChild<andel::DocumentPrintDialog*>();
            if (!dialog) return;
            dialog->setPrinterSetup([&](QPrinter& printer, QWidget*) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                return true;
            });
            dialog->findChild<QPushButton*>(QStringLiteral("velgskriver"))->click();
            dialog->findChild<QPushButton*>(QStringLiteral("startutskrift"))->click();
        });
        andel::Ledger paid = weekLedger(10);
        for (int s = 1; s < 3; ++s) paid.entries[static_cast<std::size_t>(s)].paid = 146;
        andel::printShareReceipts(&window, workspace, paid, {1, 2, 3}, messages_);
        andel::selectedPrinter().setOutputFileName(QString());
        QCOMPARE(pdfPages(pdf), 1);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(shownText(0), QStringLiteral("Kvitteringene er skrevet til\r") + QDir::toNativeSeparators(pdf));
    }

    // A share nobody bought, or one not paid yet, gets no receipt: the print choice never opens.
    void aShareNotSoldOrNotPaidIsRefusedBeforeTheChoice() {
        const struct {
            std::vector<int> shares;
            QString refusal;
        } cases[] = {
            {{1, 7}, QStringLiteral("Andel 7 har ingen kjøper: kvittering skrives bare for en solgt andel.")},
            {{1, 2}, QStringLiteral("Andel 2 er ikke betalt: kvittering skrives først når andelen er betalt.")},
        };
        for (const auto& c : cases) {
            QTemporaryDir directory;
            QWidget window;
            bool opened = false;
            QTimer::singleShot(0, [&] {
                if (auto* dialog = window.findChild<andel::DocumentPrintDialog*>()) {
                    opened = true;
                    dialog->reject();
                }
            });
            messages_.shown.clear();
            andel::printShareReceipts(&window, andel::Workspace(directory.path().toStdString()), weekLedger(10), c.shares, messages_);
            QVERIFY(!opened);
            QCOMPARE(messages_.shown.size(), std::size_t{1});
            QCOMPARE(shownText(0), c.refusal);
        }
    }
};

QTEST_MAIN(CustomerPrintTest)
#include "customer_print_test.moc"
