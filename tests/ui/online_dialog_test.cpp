// The online-file dialog `Tonlineform` and the make-online-file command as the main
// window runs it: controls filled, Enter in the name, placement, answers, and the whole
// road with the online-file window and the hourglass cursor.
#include "online/make_online_window.h"
#include "online/online_dialog.h"

#include "settings/serial_counter.h"
#include "storage/storage_fixture.h"
#include "support/file_permissions.h"
#include "support/online_drive.h"
#include "support/recording_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <filesystem>
#include <fstream>

using namespace andel;

namespace {

// Records each message with the cursor shown while it was up.
class CursorRecordingMessages : public test::RecordingMessages {
public:
    bool show(const Message& message) override {
        const QCursor* cursor = QApplication::overrideCursor();
        hourglass.push_back(cursor && cursor->shape() == Qt::WaitCursor);
        return RecordingMessages::show(message);
    }
    std::vector<bool> hourglass;
};

QStringList items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    return texts;
}

}  // namespace

class OnlineDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    std::unique_ptr<QWidget> mainWindow_;
    CursorRecordingMessages messages_;

    std::filesystem::path file(const char* name) const { return directory_->filePath(QString::fromUtf8(name)).toStdString(); }
    Workspace workspace() const { return Workspace(directory_->path().toStdString()); }
    template <typename T>
    static T* child(QWidget* parent, const char* name) {
        return parent->findChild<T*>(QString::fromLatin1(name));
    }
    // Answers the next modal dialog once it is up.
    void whenDialogOpens(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, this, [act] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            act(dialog);
        });
    }
    // Only the files made since the test began count: on Windows the folder is the real
    // drive's and may hold others.
    std::filesystem::path ntfDirectory() const { return test::onlineFolderOfDriveC(directory_->path().toStdString()); }
    std::vector<std::string> ntfDirectoryNames() const {
        std::vector<std::string> names;
        std::error_code error;
        for (std::filesystem::directory_iterator it(ntfDirectory(), error), end; !error && it != end; it.increment(error)) {
            names.push_back(it->path().filename().string());
        }
        return names;
    }
    std::vector<std::string> ntfFiles() const {
        std::vector<std::string> made;
        for (const std::string& name : ntfDirectoryNames()) {
            if (std::find(ntfBefore_.begin(), ntfBefore_.end(), name) == ntfBefore_.end()) made.push_back(name);
        }
        return made;
    }
    std::vector<std::string> ntfBefore_;

private slots:
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        messages_ = CursorRecordingMessages();
        std::filesystem::create_directories(file("c"));
        std::ofstream(file("config.kvs"), std::ios::binary) << "DRIVE_C=" << file("c").string() << "\r\nOnlinefilDrive=C\r\n";
        ntfBefore_ = ntfDirectoryNames();
        mainWindow_ = std::make_unique<QWidget>();
        mainWindow_->setGeometry(100, 80, 800, 600);
        mainWindow_->show();
    }
    void cleanup() { mainWindow_.reset(); }

    void everyControlIsFilled() {
        WorkbenchState state = test::syndicate();
        state.kupongtype = 1;
        state.pauseordiner = 2;
        Tonlineform dialog;
        dialog.fill(onlineDialogFill(state, {"D", true}));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Onlinefil"));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(child<QLineEdit>(&dialog, "Edit1")->text(), QStringLiteral("Kari Nordmann"));
        QCOMPARE(child<QLineEdit>(&dialog, "Edit2")->text(), QStringLiteral("123 456 789"));
        QCOMPARE(child<QLabel>(&dialog, "kupongtype")->text(), QStringLiteral("SØNDAGS-TIPPING"));
        QCOMPARE(child<QLabel>(&dialog, "pauseordiner")->text(), QStringLiteral("BEGGE"));
        QCOMPARE(child<QLabel>(&dialog, "rekkertotalt")->text(), QStringLiteral("2.916"));
        QCOMPARE(child<QLabel>(&dialog, "antallkuponger")->text(), QStringLiteral("9"));
        auto* drives = child<QComboBox>(&dialog, "combodrive");
        QCOMPARE(drives->count(), 26);
        QCOMPARE(items(drives).mid(0, 4), (QStringList{"A:\\NTFILE", "C:\\NTFILE", "B:\\NTFILE", "D:\\NTFILE"}));
        QCOMPARE(drives->itemText(25), QStringLiteral("Z:\\NTFILE"));
        QCOMPARE(drives->currentText(), QStringLiteral("D:\\NTFILE"));
        QCOMPARE(items(child<QComboBox>(&dialog, "combogangefelt")), (QStringList{"1", "2", "5", "10", "20"}));
        QCOMPARE(child<QComboBox>(&dialog, "combogangefelt")->currentText(), QStringLiteral("1"));
        QCOMPARE(items(child<QComboBox>(&dialog, "combouker")), (QStringList{"1", "5", "10"}));
        QCOMPARE(child<QComboBox>(&dialog, "combouker")->currentText(), QStringLiteral("1"));
        QCOMPARE(child<QPushButton>(&dialog, "BitBtn1")->text(), QStringLiteral("Lag onlinefil"));
        QCOMPARE(child<QPushButton>(&dialog, "BitBtn3")->text(), QStringLiteral("Avbryt"));
    }

    void enterTypesABlankAndMakesNothing() {
        Tonlineform dialog;
        dialog.fill(onlineDialogFill(test::syndicate(), {}));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* name = child<QLineEdit>(&dialog, "Edit1");
        name->setFocus();
        name->end(false);
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(name, Qt::Key_Enter);
        QCOMPARE(name->text(), QStringLiteral("Kari Nordmann  "));
        QTest::keyClick(child<QLineEdit>(&dialog, "Edit2"), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }

    void placedCentredSeventyPixelsBelowTheMainWindowsTop() {
        Tonlineform dialog(mainWindow_.get());
        dialog.placeOver(*mainWindow_);
        const QRect main = mainWindow_->frameGeometry();
        QCOMPARE(dialog.frameGeometry().top(), main.top() + 70);
        QVERIFY(std::abs(dialog.frameGeometry().center().x() - main.center().x()) <= 1);
    }

    void makeButtonAnswersAndCancelDoesNot() {
        Tonlineform dialog;
        dialog.fill(onlineDialogFill(test::syndicate(), {}));
        child<QLineEdit>(&dialog, "Edit1")->setText(QStringLiteral("Åse Ødegård"));
        child<QComboBox>(&dialog, "combodrive")->setCurrentIndex(0);
        child<QComboBox>(&dialog, "combogangefelt")->setCurrentText(QStringLiteral("10"));
        child<QComboBox>(&dialog, "combouker")->setCurrentText(QStringLiteral("5"));
        whenDialogOpens([](QWidget* open) { QTest::mouseClick(child<QPushButton>(open, "BitBtn1"), Qt::LeftButton); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        const OnlineDialogAnswers answers = dialog.answers();
        QCOMPARE(QString::fromStdString(answers.name), QStringLiteral("Åse Ødegård"));
        QCOMPARE(answers.playerNumber, std::string("123 456 789"));
        QCOMPARE(answers.directory, std::string("A:\\NTFILE"));
        QCOMPARE(answers.multiplier, std::string("10"));
        QCOMPARE(answers.weeks, std::string("5"));
        whenDialogOpens([](QWidget* open) { QTest::mouseClick(child<QPushButton>(open, "BitBtn3"), Qt::LeftButton); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

private:
    // Answers each opening of the online-file dialog in turn, by count; a dialog that opens
    // more often than there are steps is cancelled.
    void onEachDialog(std::vector<std::function<void(QWidget*)>> steps) {
        auto* poll = new QTimer(mainWindow_.get());
        connect(poll, &QTimer::timeout, this, [this, poll, steps, done = std::size_t{0}]() mutable {
            QWidget* open = QApplication::activeModalWidget();
            if (!open || !open->inherits("andel::Tonlineform") || open->property("answered").toBool()) return;
            open->setProperty("answered", true);
            ++dialogsOpened_;
            if (done < steps.size()) {
                steps[done++](open);
            } else {
                QTest::mouseClick(child<QPushButton>(open, "BitBtn3"), Qt::LeftButton);
            }
            open->setProperty("answered", false);
        });
        poll->start(20);
    }
    int dialogsOpened_ = 0;

private slots:
    // Letters never reach the player number; Nei to "Lage onlinefilen likevel?" (its
    // default) opens the dialog again with everything as typed, the name field in focus.
    void playerNumberTakesDigitsAndNeiKeepsWhatWasTyped() {
        WorkbenchState state = test::syndicate();
        messages_.answer = false;
        dialogsOpened_ = 0;
        QString typedName, typedNumber, focusAtSecond;
        onEachDialog({
            [&](QWidget* open) {
                auto* name = child<QLineEdit>(open, "Edit1");
                auto* number = child<QLineEdit>(open, "Edit2");
                QCOMPARE(open->focusWidget(), static_cast<QWidget*>(name));
                name->selectAll();
                QTest::keyClicks(name, QStringLiteral("Per Olsen"));
                number->setFocus();
                number->selectAll();
                QTest::keyClicks(number, QStringLiteral("12a34 5x"));
                QTest::mouseClick(child<QPushButton>(open, "BitBtn1"), Qt::LeftButton);
            },
            [&](QWidget* open) {
                typedName = child<QLineEdit>(open, "Edit1")->text();
                typedNumber = child<QLineEdit>(open, "Edit2")->text();
                focusAtSecond = open->focusWidget() ? open->focusWidget()->objectName() : QString();
                QTest::mouseClick(child<QPushButton>(open, "BitBtn3"), Qt::LeftButton);
            },
        });
        const MakeOnlineResult result = makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_);
        QCOMPARE(int(result.outcome), int(MakeOnlineOutcome::Refused));
        QCOMPARE(dialogsOpened_, 2);
        QCOMPARE(typedName, QStringLiteral("Per Olsen"));
        QCOMPARE(typedNumber, QStringLiteral("1234 5"));
        QCOMPARE(focusAtSecond, QStringLiteral("Edit1"));
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0].text, std::string("Spillenummeret har 5 siffer, ikke 9. Lage onlinefilen likevel?"));
        QCOMPARE(int(messages_.shown[0].defaultAnswer), int(MessageDefault::No));
        QVERIFY(ntfFiles().empty());
    }

    // A second online file for the same syndicate is asked for first, naming the one made;
    // Nei (the default) opens no dialog and makes nothing, Ja goes on as before.
    void secondFileForTheSameSyndicateIsAskedForFirst() {
        WorkbenchState state = test::syndicate();
        dialogsOpened_ = 0;
        const auto make = [](QWidget* open) { QTest::mouseClick(child<QPushButton>(open, "BitBtn1"), Qt::LeftButton); };
        onEachDialog({make, make});
        QCOMPARE(int(makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_).outcome),
                 int(MakeOnlineOutcome::Made));
        const std::string serial = state.online.serialNumber;
        messages_.shown.clear();
        messages_.answer = false;
        QCOMPARE(int(makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_).outcome),
                 int(MakeOnlineOutcome::Refused));
        QCOMPARE(dialogsOpened_, 1);
        QCOMPARE(ntfFiles().size(), std::size_t{1});
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        const Message& asked = messages_.shown[0];
        QVERIFY2(asked.text.rfind("Andelslaget har allerede en onlinefil:\rserienummer " + serial + ", laget ", 0) == 0,
                 asked.text.c_str());
        QVERIFY2(asked.text.find("spiller Kari Nordmann 123 456 789") != std::string::npos, asked.text.c_str());
        QCOMPARE(int(asked.defaultAnswer), int(MessageDefault::No));

        messages_.answer = true;
        QCOMPARE(int(makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_).outcome),
                 int(MakeOnlineOutcome::Made));
        QCOMPARE(dialogsOpened_, 2);
    }

    void wholeRoadFromTheWindowUnderTheHourglass() {
        WorkbenchState state = test::syndicate();
        whenDialogOpens([](QWidget* open) {
            QCOMPARE(child<QComboBox>(open, "combodrive")->currentText(), QStringLiteral("C:\\NTFILE"));
            child<QLineEdit>(open, "Edit1")->setText(QStringLiteral("Ola Nordmann"));
            QTest::mouseClick(child<QPushButton>(open, "BitBtn1"), Qt::LeftButton);
        });
        const MakeOnlineResult result = makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_);
        QCOMPARE(int(result.outcome), int(MakeOnlineOutcome::Made));
        QCOMPARE(ntfFiles().size(), std::size_t{1});
        QVERIFY(QString::fromStdString(ntfFiles()[0]).contains(QStringLiteral("_Rekker_OLA_NORDMANN_Dato_")));
        QCOMPARE(std::filesystem::file_size(result.written), std::uintmax_t{3500});
        QVERIFY(std::filesystem::exists(file("onlcopi/SE_1000.ntf")));
        QCOMPARE(state.online.availability, std::string("Her finner du onlinefilen"));
        QCOMPARE(state.xfornavn, std::string("Ola"));
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0].text, std::string("Intern lagring OK + Onlinefil OK"));
        QVERIFY(messages_.hourglass[0]);
        QVERIFY(!QApplication::overrideCursor());
    }

    void writerErrorRestoresTheCursorAndMakesNothing() {
        WorkbenchState state = test::syndicate();
        std::filesystem::create_directories(file("TPP.TMP/x"));  // the rows file cannot be written
        whenDialogOpens([](QWidget* open) { QTest::mouseClick(child<QPushButton>(open, "BitBtn1"), Qt::LeftButton); });
        const MakeOnlineResult result = makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_);
        QCOMPARE(int(result.outcome), int(MakeOnlineOutcome::NotMade));
        QVERIFY(ntfFiles().empty());
        QVERIFY(!std::filesystem::exists(file("onlcopi/SE_1000.ntf")));
        QCOMPARE(messages_.shown.back().text, std::string(kOnlineFileNotMadeMessage));
        QVERIFY(!QApplication::overrideCursor());
    }

    // The serial number cannot be advanced (read-only counter): nothing may be made, or the
    // next file would reuse the number and overwrite this one's backup copy.
    void failedSerialAdvanceStopsAndMakesNothing() {
#ifdef Q_OS_WIN
        // Wine run as root opens read-only files for writing: the case cannot be made there.
        QSKIP("a read-only counter as the permission bits make it");
#endif
        std::filesystem::create_directories(file("onlcopi"));
        std::ofstream(file("onlcopi/config.kvs"), std::ios::binary) << "UNIKTNUMMER_ONLINEFIL=1500\r\n";
        std::filesystem::permissions(file("onlcopi/config.kvs"), std::filesystem::perms::owner_read);
        WorkbenchState state = test::syndicate();
        state.online = {"C:\\NTFILE\\FORRIGE.NTF", "Dato 01.03.2009  Kl 10:00:00", "1200", "finner du her:"};
        whenDialogOpens([](QWidget* open) { QTest::mouseClick(child<QPushButton>(open, "BitBtn1"), Qt::LeftButton); });
        MakeOnlineResult result;
        {
            const test::HonourFilePermissions asAnOrdinaryUser;
            result = makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_);
        }
        std::filesystem::permissions(file("onlcopi/config.kvs"), std::filesystem::perms::owner_all);
        QCOMPARE(int(result.outcome), int(MakeOnlineOutcome::NotMade));
        QVERIFY(ntfFiles().empty());
        QVERIFY(!std::filesystem::exists(file("onlcopi/SE_1500.ntf")));
        QVERIFY(!std::filesystem::exists(file("pul1lgr")) || std::filesystem::is_empty(file("pul1lgr")));
        QVERIFY(state.online.pathAndName.empty() && state.online.serialNumber.empty());
        std::vector<std::string> texts;
        for (const Message& message : messages_.shown) texts.push_back(message.text);
        QCOMPARE(texts.size(), std::size_t{3});
        QCOMPARE(texts[0], "Klarte ikke SetString: filen eller katalogen er skrivebeskyttet\r" +
                               file("onlcopi/config.kvs").string());
        QCOMPARE(texts[1], std::string(kSerialNotTakenMessage));
        QCOMPARE(texts[2], std::string(kOnlineFileNotMadeMessage));
        QVERIFY(!QApplication::overrideCursor());
    }

    // A damaged counter is said before the count starts again at 1000.
    void damagedSerialCounterIsReportedThenCountsFromThousand() {
        std::filesystem::create_directories(file("onlcopi"));
        std::ofstream(file("onlcopi/config.kvs"), std::ios::binary) << "UNIKTNUMMER_ONLINEFIL=99999\r\n";
        WorkbenchState state = test::syndicate();
        whenDialogOpens([](QWidget* open) { QTest::mouseClick(child<QPushButton>(open, "BitBtn1"), Qt::LeftButton); });
        const MakeOnlineResult result = makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_);
        QCOMPARE(int(result.outcome), int(MakeOnlineOutcome::Made));
        QCOMPARE(messages_.shown.size(), std::size_t{2});
        QCOMPARE(messages_.shown[0].text, damagedSerialMessage("99999"));
        QCOMPARE(messages_.shown[1].text, std::string("Intern lagring OK + Onlinefil OK"));
        QCOMPARE(state.online.serialNumber, std::string("1000"));
        QVERIFY(std::filesystem::exists(file("onlcopi/SE_1000.ntf")));
    }

    void cancelAndUnregisteredMakeNothing() {
        WorkbenchState state = test::syndicate();
        whenDialogOpens([](QWidget* open) { QTest::mouseClick(child<QPushButton>(open, "BitBtn3"), Qt::LeftButton); });
        QCOMPARE(int(makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_).outcome),
                 int(MakeOnlineOutcome::Refused));
        QVERIFY(messages_.shown.empty());
        QVERIFY(!std::filesystem::exists(file("TPP.TMP")));

        state.spillenummer = "UREGISTRERT";
        QCOMPARE(int(makeOnlineFileFromWindow(mainWindow_.get(), state, workspace(), messages_).outcome),
                 int(MakeOnlineOutcome::Refused));
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(int(messages_.shown[0].placement), int(MessagePlacement::NearMousePointer));
        QCOMPARE(messages_.shown[0].offsetX, -200);
        QCOMPARE(messages_.shown[0].offsetY, -50);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(OnlineDialogTest)
#include "online_dialog_test.moc"
