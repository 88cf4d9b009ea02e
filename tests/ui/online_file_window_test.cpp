// The online-file window's wiring: "Les inn" runs the conversion, the panels show its
// progress, and the window closes when done.
#include "online/online_file_window.h"

#include "online/online_fixtures.h"
#include "support/online_drive.h"
#include "support/recording_messages.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>

using andel::ConversionOutcome;
using andel::Tonlinefilform;
using andel::Workspace;

class OnlineFileWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    andel::test::RecordingMessages messages_;
    std::unique_ptr<Tonlinefilform> window_;

    std::filesystem::path file(const char* name) const {
        return directory_->filePath(QString::fromUtf8(name)).toStdString();
    }
    void write(const char* name, const std::string& bytes) const {
        std::filesystem::create_directories(file(name).parent_path());
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    QString text(const char* name) const {
        auto* label = window_->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }
    QStringList shown() const {
        QStringList texts;
        for (const auto& message : messages_.shown) texts << QString::fromStdString(message.text);
        return texts;
    }
    std::filesystem::path written(const char* name) const {
        return andel::test::onlineFolderOfDriveC(directory_->path().toStdString()) / name;
    }
    void clickReadIn() {
        QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    }

private slots:
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        messages_.shown.clear();
        write("config.kvs", "DRIVE_C=" + file("c").string() + "\r\n");
        std::filesystem::create_directories(written(""));
        write("TPP.TMP", andel::test::defaultRowsFileText());
        window_ = std::make_unique<Tonlinefilform>(Workspace(directory_->path().toStdString()), &messages_);
        window_->setInputFile("TPP.TMP");
        window_->setGame("TIPPING");
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void readInWritesTheFileShowsProgressAndCloses() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Onlinefil"));
        QCOMPARE(text("Label1"), QStringLiteral("Vent...lager onlinefil"));
        QVERIFY(window_->findChild<QListWidget*>(QStringLiteral("ListBox1"))->isHidden());
        clickReadIn();
        QCOMPARE(window_->lastResult().outcome, ConversionOutcome::Written);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QCOMPARE(std::filesystem::file_size(written("KRYSSEN_2916_Rekker_KARI_NORDMANN.NTF")), std::uintmax_t{3500});
        QCOMPARE(text("spilltype"), QStringLiteral("LØRDAG-TIPPING"));
        QCOMPARE(text("kupongerialt"), QStringLiteral("9"));
        QCOMPARE(text("skrevettilno"), QStringLiteral("9"));
        QCOMPARE(text("prosentwindow"), QStringLiteral("100%"));
        QCOMPARE(window_->findChild<QFrame*>(QStringLiteral("panel6"))->width(), 200);
        auto* bar = window_->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        QCOMPARE(bar->maximum(), 9);
        QCOMPARE(bar->value(), 9);
        QVERIFY(shown().isEmpty());
    }

    // EXTRA lists its records in the hidden ListBox1; Les inn is pressed from the keyboard.
    void extraIsWrittenAndListed() {
        std::vector<std::string> values = andel::test::defaultHeaderValues();
        values[0] = "EXTRA.NTF";
        values[4] = "EXTRA";
        write("TPP.TMP", andel::test::joinLines(andel::test::rowsFileLines(
                             values, {"#SYSTEMKUPONGER", "0008 02 07 11 15 22 28 31 35", "#ENKELREKKER",
                                      "0001 03 06 12 17 21 29 34", "0001 05 10 14 19 23 26 36"})));
        window_->setGame("EXTRA");
        auto* readIn = window_->findChild<QPushButton*>(QStringLiteral("Button1"));
        readIn->setFocus();
        QTest::keyClick(readIn, Qt::Key_Space);
        QCOMPARE(window_->lastResult().outcome, ConversionOutcome::Written);
        QVERIFY(!window_->isVisible());
        QCOMPARE(std::filesystem::file_size(written("EXTRA.NTF")), std::uintmax_t{3 * 350});
        QCOMPARE(text("spilltype"), QStringLiteral("LØRDAG-EXTRA"));
        QCOMPARE(text("kupongerialt"), QStringLiteral("2"));
        QCOMPARE(text("skrevettilno"), QStringLiteral("2"));
        QCOMPARE(text("prosentwindow"), QStringLiteral("100%"));
        auto* list = window_->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QVERIFY(list->isHidden());
        QCOMPARE(list->count(), 28 + 4 + 5);
        QCOMPARE(list->item(0)->text(), QStringLiteral("HEADER:"));
        QCOMPARE(list->item(14)->text(), QStringLiteral("H14  :000010"));
        QCOMPARE(list->item(27)->text(), QStringLiteral("FORTSETTER MED REKKENE"));
        QCOMPARE(list->item(31)->text(), QStringLiteral("NESTE SYSTEMKUPONG:"));
        QCOMPARE(list->item(36)->text(), QStringLiteral("NESTE ENKELREKKEKUPONG:"));
        QVERIFY(shown().isEmpty());

        // A second run starts a fresh list.
        window_->show();
        window_->run();
        QCOMPARE(list->count(), 28 + 4 + 5);
    }

    void anotherGameLeavesTheWindowOpen() {
        window_->setGame("KENO");
        clickReadIn();
        QCOMPARE(window_->lastResult().outcome, ConversionOutcome::UnknownGame);
        QVERIFY(window_->isVisible());
        QVERIFY(!std::filesystem::exists(file("TT.TMP")));
        QCOMPARE(text("spilltype"), QString());
    }

    void missingInputAndUnwritableDestinationAreShown() {
        window_->setInputFile("MANGLER.TMP");
        QCOMPARE(window_->run().outcome, ConversionOutcome::InputMissing);
        QCOMPARE(shown(), QStringList{QStringLiteral("Fant ikke tippefilen")});
        QVERIFY(!std::filesystem::exists(file("TT.TMP")));

#ifdef Q_OS_WIN
        QSKIP("the real C:\\NTFILE is not the test's to remove");
#endif
        messages_.shown.clear();
        std::filesystem::remove(file("c/NTFILE"));
        window_->setInputFile("TPP.TMP");
        window_->show();
        QCOMPARE(window_->run().outcome, ConversionOutcome::Failed);
        QCOMPARE(shown().size(), 1);
        QVERIFY(shown()[0].startsWith(QStringLiteral("Kan ikke skrive onlinefilen til C:\\NTFILE\\")));
        QCOMPARE(std::filesystem::file_size(file("TT.TMP")), std::uintmax_t{3500});
    }
};

QTEST_MAIN(OnlineFileWindowTest)
#include "online_file_window_test.moc"
