// The certificate print dialog `TForm1` and the command behind "Skriv ut andelsbrev":
// the controls, the printer choice with its waiting state, PDF output and the choices
// stored on every exit.
#include "printing/certificate_print_dialog.h"

#include "printing/certificate_output_panel.h"
#include "printing/certificate_print_window.h"
#include "platform/io_error.h"
#include "printing/printing_fixture.h"
#include "support/recording_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QtTest>

#include <fstream>

using andel::PrintChoices;
using andel::TForm1;

class CertificatePrintDialogTest : public QObject {
    Q_OBJECT

private:
    andel::test::RecordingMessages messages_;

    QString shownText(std::size_t i) const { return QString::fromStdString(messages_.shown.at(i).text); }

    template <class Widget>
    static Widget* child(QWidget& parent, const char* name) {
        return parent.findChild<Widget*>(QString::fromLatin1(name));
    }
    static QString readAll(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? QString::fromLatin1(in.readAll()) : QString();
    }

    // "Velg skriver..." answered with a PDF file, as an agent who chooses one.
    static void choosePdfPrinter(TForm1& dialog, const QString& pdf) {
        dialog.setPrinterSetup([pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        child<QPushButton>(dialog, "velgskriver")->click();
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
        std::ofstream(root + "/config.kvs", std::ios::binary) << "VENSTREMARGKRYSSBALLEN=5\r\nTEGNJUSTERINGKRYSSBALLEN=1\r\n";
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
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(shownText(0), QStringLiteral("Andelsbrevene er lagret i\r") + QDir::toNativeSeparators(pdf));
        QCOMPARE(QString::fromStdString(state.previewFileName), QStringLiteral("KRYSSEN_1042.NTF"));
    }

    // One certificate printed again: the agent types its number and takes away the main
    // part; a number the syndicate does not have prints nothing and says so.
    void chosenCertificatesAreTheOnlyPagesPrinted_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("mainPart");
        QTest::addColumn<int>("pages");
        QTest::newRow("certificate 2 alone") << QStringLiteral("2") << false << 1;
        QTest::newRow("2 to 3 and the main part") << QStringLiteral("2-3") << true << 3;
        QTest::newRow("every one") << QString() << true << 6;
        QTest::newRow("a letter is not taken") << QStringLiteral("2x") << false << 1;
        QTest::newRow("certificate 9 of 5") << QStringLiteral("9") << true << 0;
    }
    void chosenCertificatesAreTheOnlyPagesPrinted() {
        QFETCH(QString, typed);
        QFETCH(bool, mainPart);
        QFETCH(int, pages);
        QTemporaryDir directory;
        QWidget mainWindow;
        andel::WorkbenchState state = andel::test::printableState(5);
        const QString pdf = directory.filePath(QStringLiteral("valgt.pdf"));
        QTimer::singleShot(0, [&] {
            auto* dialog = mainWindow.findChild<TForm1*>();
            if (!dialog) return;
            choosePdfPrinter(*dialog, pdf);
            auto* certificates = dialog->findChild<QLineEdit*>(QStringLiteral("andelsbrev"));
            certificates->setFocus();
            QTest::keyClicks(certificates, typed);
            auto* withMainPart = dialog->findChild<QCheckBox*>(QStringLiteral("hoveddel"));
            if (withMainPart->isChecked() != mainPart) QTest::mouseClick(withMainPart, Qt::LeftButton);
            child<QPushButton>(*dialog, "startutskrift")->click();
        });
        andel::printCertificatesFromWindow(&mainWindow, state, andel::Workspace(directory.path().toStdString()),
                                           messages_, [] {});
        andel::selectedPrinter().setOutputFileName(QString());
        QCOMPARE(readAll(pdf).count(QRegularExpression(QStringLiteral("/Type /Page\\n"))), pages);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        if (pages == 0) {
            QCOMPARE(shownText(0), QStringLiteral("Andelsbrev \"9\" finnes ikke: andelslaget har 5 andeler. Skriv for "
                                                  "eksempel 2 eller 1-3."));
        }
    }

    void aPdfThatCannotBeWrittenSaysWhy() {
        QTemporaryDir directory;
        TForm1 dialog(nullptr, &messages_);
        const QString pdf = directory.filePath(QStringLiteral("finnes/ikke/andelsbrev.pdf"));
        dialog.setOutput({}, [&](const QString& file, const PrintChoices&) {
            try {
                andel::CertificateTemplate page;
                andel::writeCertificatesPdf(file, page, {});
            } catch (const andel::IoError& error) {
                messages_.inform(error.what());
                return false;
            }
            return true;
        });
        QVERIFY(!dialog.saveAsPdf(pdf));
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY2(shownText(0).startsWith(QStringLiteral("Kan ikke lagre ") + QDir::toNativeSeparators(pdf) + QStringLiteral("\r")),
                 qPrintable(shownText(0)));
        QVERIFY(!QFile::exists(pdf));
    }

    // "Velg skriver..." choosing a PDF file makes it the printer: its name shows, and
    // "Start utskrift" prints every job of the command into it and says where it went.
    void aChosenPdfPrinterTakesTheWholeCommand() {
        QTemporaryDir directory;
        QWidget mainWindow;
        andel::WorkbenchState state = andel::test::printableState(5);
        const QString pdf = directory.filePath(QStringLiteral("valgt.pdf"));
        QString shownName;
        QTimer::singleShot(0, [&] {
            auto* dialog = mainWindow.findChild<TForm1*>();
            if (!dialog) return;
            choosePdfPrinter(*dialog, pdf);
            shownName = child<QLabel>(*dialog, "skrivernavn")->text();
            child<QPushButton>(*dialog, "startutskrift")->click();
        });
        andel::printCertificatesFromWindow(&mainWindow, state, andel::Workspace(directory.path().toStdString()),
                                           messages_, [] {});
        andel::selectedPrinter().setOutputFileName(QString());
        QCOMPARE(shownName, QStringLiteral("PDF-fil: ") + QDir::toNativeSeparators(pdf));
        QCOMPARE(readAll(pdf).count(QRegularExpression(QStringLiteral("/Type /Page\\n"))), 6);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(shownText(0), QStringLiteral("Andelsbrevene er skrevet til\r") + QDir::toNativeSeparators(pdf));
    }

    // The preview's print button is "Start utskrift", not a second dialog of Qt's own.
    void thePreviewPrintsThroughStartUtskrift() {
        QTemporaryDir directory;
        andel::selectedPrinter().setOutputFormat(QPrinter::PdfFormat);
        andel::selectedPrinter().setOutputFileName(directory.filePath(QStringLiteral("forhandsvist.pdf")));
        TForm1 dialog(nullptr, &messages_);
        int painted = 0;
        dialog.setOutput([&](QPagedPaintDevice&, const PrintChoices&) { ++painted; }, {});
        dialog.show();
        bool qtsOwnDialog = false;
        QTimer::singleShot(0, [&] {
            auto* preview = dialog.findChild<QPrintPreviewDialog*>();
            QAction* print = nullptr;
            for (QAction* action : preview ? preview->findChildren<QAction*>() : QList<QAction*>()) {
                if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print")) print = action;
            }
            if (!print) {
                if (preview) preview->reject();
                return;
            }
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal && (qobject_cast<QFileDialog*>(modal) || qobject_cast<QPrintDialog*>(modal))) {
                    qtsOwnDialog = true;
                    modal->close();
                }
            });
            print->trigger();
        });
        child<QPushButton>(dialog, "forhandsvis")->click();
        andel::selectedPrinter().setOutputFileName(QString());
        QVERIFY(!qtsOwnDialog);
        QVERIFY(painted >= 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    // The preview opens with the page at its whole width in a window of most of the screen,
    // not a whole page shrunk to a third of its size.
    void thePreviewOpensAtPageWidth() {
        QTemporaryDir directory;
        andel::selectedPrinter().setOutputFormat(QPrinter::PdfFormat);
        andel::selectedPrinter().setOutputFileName(directory.filePath(QStringLiteral("forhandsvist.pdf")));
        TForm1 dialog(nullptr, &messages_);
        dialog.setOutput([&](QPagedPaintDevice&, const PrintChoices&) {}, {});
        dialog.show();
        int zoomMode = -1;
        QSize size;
        QTimer::singleShot(0, [&] {
            auto* preview = dialog.findChild<QPrintPreviewDialog*>();
            auto* pages = preview ? preview->findChild<QPrintPreviewWidget*>() : nullptr;
            if (pages) zoomMode = pages->zoomMode();
            if (preview) size = preview->size();
            if (preview) preview->reject();
        });
        child<QPushButton>(dialog, "forhandsvis")->click();
        andel::selectedPrinter().setOutputFileName(QString());
        QCOMPARE(zoomMode, int(QPrintPreviewWidget::FitToWidth));
        const QRect area = dialog.screen()->availableGeometry();
        QVERIFY2(size.width() >= area.width() * 3 / 4, qPrintable(QStringLiteral("%1 wide").arg(size.width())));
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
