// The certificate print dialog `TForm1` and the command behind "Skriv ut andelsbrev":
// the controls, the printer choice with its waiting state, PDF output and the choices
// stored on every exit.
#include "printing/certificate_print_dialog.h"

#include "printing/certificate_output_panel.h"
#include "printing/certificate_print_window.h"
#include "printing/printing_fixture.h"
#include "support/recording_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>

using andel::PrintChoices;
using andel::TForm1;

class CertificatePrintDialogTest : public QObject {
    Q_OBJECT

private:
    andel::test::RecordingMessages messages_;

    template <class Widget>
    static Widget* child(QWidget& parent, const char* name) {
        return parent.findChild<Widget*>(QString::fromLatin1(name));
    }
    static QString readAll(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? QString::fromLatin1(in.readAll()) : QString();
    }

private slots:
    void init() { messages_.shown.clear(); }

    void controlsAndChoices() {
        TForm1 dialog(nullptr, &messages_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Skriver ut andelsbrev"));
        auto* margin = child<QComboBox>(dialog, "venstremarg");
        auto* adjust = child<QComboBox>(dialog, "finjusterhoyde");
        QVERIFY(margin && adjust && child<QLabel>(dialog, "skrivernavn"));
        QCOMPARE(margin->count(), 21);
        QCOMPARE(margin->itemText(0), QStringLiteral("00"));
        QCOMPARE(margin->itemText(20), QStringLiteral("20"));
        QCOMPARE(margin->currentIndex(), 0);
        QCOMPARE(adjust->itemText(1), QStringLiteral("1+"));
        QCOMPARE(adjust->currentIndex(), 0);
        QCOMPARE(child<QCheckBox>(dialog, "spargulfarge")->text(), QStringLiteral("Spar på gulfargen   "));
        QCOMPARE(child<QPushButton>(dialog, "startutskrift")->text(), QStringLiteral("Start utskrift"));
        QCOMPARE(child<QPushButton>(dialog, "avbryt")->text(), QStringLiteral("&Avbryt"));

        dialog.setChoices(PrintChoices{7, 1, true});
        QCOMPARE(margin->currentText(), QStringLiteral("07"));
        QVERIFY(dialog.choices() == (PrintChoices{7, 1, true}));
    }

    // While the printer set-up runs the buttons are off, the name field waits and the
    // hourglass shows; afterwards all is back. A click on the name field opens it too.
    void choosingAPrinterWaitsUnderTheHourglass() {
        TForm1 dialog(nullptr, &messages_);
        dialog.show();
        auto* name = child<QLabel>(dialog, "skrivernavn");
        auto* start = child<QPushButton>(dialog, "startutskrift");
        auto* cancel = child<QPushButton>(dialog, "avbryt");
        int runs = 0;
        dialog.setPrinterSetup([&](QPrinter&, QWidget*) {
            ++runs;
            [&] {
                QCOMPARE(name->text(), QStringLiteral("  Vent ser etter skrivere...."));
                QVERIFY(!start->isEnabled() && !cancel->isEnabled());
                QVERIFY(QApplication::overrideCursor());
                QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            }();
            return false;  // cancelled: the printer stays
        });
        child<QPushButton>(dialog, "velgskriver")->click();
        QTest::mouseClick(name, Qt::LeftButton);
        QCOMPARE(runs, 2);
        QCOMPARE(name->text(), andel::currentPrinterName());
        QVERIFY(start->isEnabled() && cancel->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void startWithoutAPrinterKeepsTheDialogOpen() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed here");
        TForm1 dialog(nullptr, &messages_);
        dialog.show();
        child<QPushButton>(dialog, "startutskrift")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(messages_.shown[0].text).startsWith(QStringLiteral("Ingen skriver er installert.")));
    }

    // The whole command: the dialog opens with the stored choices, writes the PDF of
    // every job with the choices standing, and stores them when cancelled.
    void theCommandStoresTheChoicesAndWritesThePdf() {
        QTemporaryDir directory;
        const std::string root = directory.path().toStdString();
        std::ofstream(root + "/config.kvs") << "VENSTREMARGKRYSSBALLEN=5\r\nTEGNJUSTERINGKRYSSBALLEN=1\r\n";
        QWidget mainWindow;
        andel::WorkbenchState state = andel::test::printableState(5);
        const QString pdf = directory.filePath(QStringLiteral("andelsbrev.pdf"));
        PrintChoices shown{};
        bool written = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = mainWindow.findChild<TForm1*>();
            if (!dialog) return;
            shown = dialog->choices();
            dialog->setChoices(PrintChoices{12, 0, true});
            written = dialog->saveAsPdf(pdf);
            child<QPushButton>(*dialog, "avbryt")->click();
        });
        andel::printCertificatesFromWindow(&mainWindow, state, andel::Workspace(root), messages_, [] {});
        QVERIFY(shown == (PrintChoices{5, 1, false}));
        QVERIFY(written);
        QCOMPARE(readAll(pdf).count(QRegularExpression(QStringLiteral("/Type /Page\\n"))), 6);
        const QString settings = readAll(directory.filePath(QStringLiteral("config.kvs")));
        QVERIFY2(settings.contains(QStringLiteral("VENSTREMARGKRYSSBALLEN=12")), qPrintable(settings));
        QVERIFY(settings.contains(QStringLiteral("TEGNJUSTERINGKRYSSBALLEN=0")));
        QVERIFY(messages_.shown.empty());
        QCOMPARE(QString::fromStdString(state.previewFileName), QStringLiteral("KRYSSEN_1042.NTF"));
    }

    void theCommandRefusesBeforeTheDialog() {
        QTemporaryDir directory;
        QWidget mainWindow;
        andel::WorkbenchState state = andel::test::printableState(5);
        state.online = {};
        int onlineFileCommands = 0;
        andel::printCertificatesFromWindow(&mainWindow, state, andel::Workspace(directory.path().toStdString()),
                                           messages_, [&] { ++onlineFileCommands; });
        QCOMPARE(onlineFileCommands, 1);
        QVERIFY(!mainWindow.findChild<TForm1*>());
        QVERIFY(!QFile::exists(directory.filePath(QStringLiteral("config.kvs"))));
    }
};

QTEST_MAIN(CertificatePrintDialogTest)
#include "certificate_print_dialog_test.moc"
