// The online file of the main window: made through the real dialog, forgotten by every
// change of the syndicate, and never made for coupons that cannot be played, whichever
// control starts the command. Its ledger: voided on Ja when the file is made again or
// its stored syndicate is deleted, and no certificates once the week arrow moved.
#include "main_window/main_window.h"

#include "accounts/deleted_syndicate.h"
#include "books/ledger_store.h"
#include "books/ledger_winnings.h"
#include "accounts/season.h"
#include "online/make_online_file.h"
#include "printing/certificate_command.h"
#include "support/modal_answer.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace andel;

namespace {

// Records, with each message, what the bottom bar showed while the message was up.
class BottomBarRecordingMessages : public test::RecordingMessages {
public:
    bool show(const Message& message) override {
        const QLabel* label = window ? window->findChild<QLabel*>(QStringLiteral("onlinefilpathogfilnavn")) : nullptr;
        bottomBar.push_back(label ? label->text() : QString());
        const bool answered = RecordingMessages::show(message);
        // "Lage en ny onlinefil likevel?" has its own answer: these tests make files again on purpose.
        if (message.text.find("Lage en ny onlinefil likevel?") != std::string::npos) return anotherFile;
        return answered;
    }
    QWidget* window = nullptr;
    bool anotherFile = true;
    QStringList bottomBar;
};

// The files of a directory but the lock file its writers share.
std::size_t filesIn(const std::filesystem::path& directory) {
    std::error_code error;
    std::size_t count = 0;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() != ".LCK") ++count;
    }
    return count;
}

}  // namespace

class MainWindowOnlineFileTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    std::unique_ptr<Tgridform> window_;
    BottomBarRecordingMessages messages_;
    int dialogsOpened_ = 0;
    int printDialogsOpened_ = 0;

    std::filesystem::path file(const char* name) const { return directory_->filePath(QString::fromUtf8(name)).toStdString(); }
    template <typename T = QWidget>
    T* find(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no control %s", name);
        return child;
    }
    QString bottomBar() const { return find<QLabel>("onlinefilpathogfilnavn")->text(); }
    QTableWidget* grid(const char* name) const { return find<QTableWidget>(name); }
    QPoint cellCentre(QTableWidget* table, int row, int column) const {
        return table->visualRect(table->model()->index(row, column)).center();
    }

    // Answers "Lag onlinefil" in the online-file dialog whenever it opens, as an agent
    // who wants the file would; the printer choice is counted and closed.
    void answerDialogsWithMake() {
        QTimer* answer = new QTimer(window_.get());
        connect(answer, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog && dialog->inherits("andel::TForm1")) {
                ++printDialogsOpened_;
                dialog->close();
            }
            if (!dialog || !dialog->inherits("andel::Tonlineform")) return;
            ++dialogsOpened_;
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        });
        answer->start(20);
    }

    Workspace workspace() const { return Workspace(directory_->path().toStdString()); }
    std::string serialNumber() const { return find<QLabel>("onlinefilserienummer")->text().toStdString(); }
    std::vector<std::string> seasonSerials() const {
        RoundResults results(workspace());
        const Season season =
            seasonOf(listLedgers(workspace()).ledgers, [&](const Ledger& l) { return ledgerResult(results, l).winnings; });
        std::vector<std::string> serials;
        for (const SeasonRow& row : season.rows) serials.push_back(row.serialNumber);
        return serials;
    }
    // The last question asked (the one about the earlier file comes before the ledger's).
    const Message* question() const {
        const Message* last = nullptr;
        for (const Message& message : messages_.shown) {
            if (message.buttons == MessageButtons::YesNo) last = &message;
        }
        return last;
    }
    // The question whether to void a ledger (after it, a Ja asks to put the online file away).
    const Message* voidingQuestion() const {
        for (const Message& message : messages_.shown) {
            if (message.buttons == MessageButtons::YesNo && message.text.find("annulleres?") != std::string::npos) return &message;
        }
        return nullptr;
    }
    // After a voiding: the online file asked about and, on Ja, moved into ANNULLERT.
    void expectTheOnlineFilePutAway(bool yes) const {
        const Message* move = question();
        QVERIFY(move);
        QVERIFY2(move->text.find("Skal den flyttes til mappen ANNULLERT") != std::string::npos, move->text.c_str());
        QVERIFY2(!yes || messages_.shown.back().text.starts_with("Onlinefilen er flyttet til "), messages_.shown.back().text.c_str());
    }

    void makeOnlineFile() {
        messages_.shown.clear();
        messages_.bottomBar.clear();
        QTest::mouseClick(find<QAbstractButton>("BitBtn2"), Qt::LeftButton);
        QVERIFY2(!bottomBar().isEmpty(), "no online file was made");
    }

    void stepArrow(const char* arrows, const char* direction) {
        QTest::mouseClick(find<QAbstractButton>((std::string(arrows) + direction).c_str()), Qt::LeftButton);
    }

private slots:
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        std::filesystem::create_directories(file("c"));
        std::ofstream(file("config.kvs"), std::ios::binary)
            << "DRIVE_C=" << file("c").string() << "\r\nOnlinefilDrive=C\r\nREKKEPRIS_MIDTUKE=2\r\n"
            << "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\nTIPPERNUMMER=123456789\r\n";
        messages_ = BottomBarRecordingMessages();
        dialogsOpened_ = 0;
        printDialogsOpened_ = 0;
        window_ = std::make_unique<Tgridform>(Workspace(directory_->path().toStdString()), &messages_);
        messages_.window = window_.get();
        window_->attachWindows();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        answerDialogsWithMake();
    }
    void cleanup() { window_.reset(); }

    // The message that ends the command appears over a window that already names the file.
    void madeFileIsShownBeforeItsMessage() {
        makeOnlineFile();
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0].text, std::string("Intern lagring OK + Onlinefil OK"));
        QCOMPARE(messages_.bottomBar.at(0), bottomBar());
        QVERIFY(bottomBar().startsWith(QStringLiteral("C:\\NTFILE\\KRYSSEN_2.916_Rekker_KARI_NORDMANN_")));
        QCOMPARE(find<QLabel>("onlinefilserienummer")->text(), QStringLiteral("1000"));
    }

    // Every change of the syndicate forgets the file, however the agent makes it.
    void everyChangeOfTheSyndicateForgetsTheOnlineFile() {
        const std::vector<std::pair<const char*, std::function<void()>>> changes = {
            {"stem cell", [&] {
                 QTableWidget* stem = grid("StringGrid1");
                 QTest::mouseClick(stem->viewport(), Qt::LeftButton, {}, cellCentre(stem, 5, 3));
             }},
            {"drag in the coupon grid", [&] {
                 QTableWidget* coupons = grid("StringGrid2");
                 QWidget* viewport = coupons->viewport();
                 QTest::mousePress(viewport, Qt::LeftButton, {}, cellCentre(coupons, 1, 1));
                 QMouseEvent move(QEvent::MouseMove, cellCentre(coupons, 5, 1),
                                  viewport->mapToGlobal(cellCentre(coupons, 5, 1)), Qt::NoButton, Qt::LeftButton,
                                  Qt::NoModifier);
                 QApplication::sendEvent(viewport, &move);
                 QTest::mouseRelease(viewport, Qt::LeftButton, {}, cellCentre(coupons, 5, 1));
             }},
            {"coupon type arrow", [&] { stepArrow("UpDown2", "ned"); }},
            {"coupon type list", [&] {
                 auto* types = find<QComboBox>("KUPONGTYPE");
                 types->setFocus();
                 QTest::keyClick(types, Qt::Key_End);
             }},
            {"time basis arrow", [&] { stepArrow("UpDown3", "ned"); }},
            {"time basis list", [&] {
                 auto* bases = find<QComboBox>("pauseordiner");
                 bases->setFocus();
                 QTest::keyClick(bases, Qt::Key_Down);
             }},
            {"number of shares", [&] {
                 auto* shares = find<QComboBox>("antallandeler");
                 shares->setFocus();
                 QTest::keyClick(shares, Qt::Key_Down);
             }},
            {"number of shares in the preview", [&] {
                 QTest::mousePress(find<QAbstractButton>("bildeknapp2"), Qt::LeftButton);
                 QTest::mouseClick(find<QAbstractButton>("forhaandsvisning"), Qt::LeftButton);
                 auto* shares = find<QComboBox>("antallandeler2");
                 QVERIFY(shares->isVisible());
                 shares->setFocus();
                 QTest::keyClick(shares, Qt::Key_Up);
             }},
            {"Resett", [&] { QTest::mouseClick(find("BitBtn5"), Qt::LeftButton); }},  // last: unplayable after it
        };
        // The week is not part of the syndicate: its arrows keep the file.
        makeOnlineFile();
        stepArrow("UpDown1", "ned");
        QVERIFY(!bottomBar().isEmpty());
        for (const auto& [name, change] : changes) {
            makeOnlineFile();
            QVERIFY2(!bottomBar().isEmpty(), name);
            change();
            QVERIFY2(bottomBar().isEmpty(), name);
            QVERIFY2(find<QLabel>("onlinefilserienummer")->text().isEmpty(), name);
            QVERIFY2(find<QLabel>("Label29")->text().isEmpty(), name);
        }
    }

    // The online file made again for the same syndicate and week: the earlier file's ledger
    // is voided when the agent answers Ja, kept on Nei; the season counts the syndicate once.
    void makingTheFileAgainOffersToVoidTheEarlierLedger_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nei") << false;
    }
    void makingTheFileAgainOffersToVoidTheEarlierLedger() {
        QFETCH(bool, yes);
        makeOnlineFile();
        const std::string first = serialNumber();
        QVERIFY(findLedger(workspace(), first));
        QCOMPARE(seasonSerials(), std::vector<std::string>{first});
        messages_.answer = yes;
        makeOnlineFile();
        QCOMPARE(dialogsOpened_, 2);
        const std::string second = serialNumber();
        QVERIFY(second != first);
        const Message* asked = voidingQuestion();
        QVERIFY(asked);
        QVERIFY2(asked->text.find("serienummer " + first) != std::string::npos, asked->text.c_str());
        QVERIFY(!findLedger(workspace(), second)->voided);
        const std::optional<Ledger> earlier = findLedger(workspace(), first);
        QCOMPARE(earlier->voided.has_value(), yes);
        if (!yes) return;
        QCOMPARE(earlier->voided->reason, "Erstattet av onlinefilen med serienummer " + second);
        expectTheOnlineFilePutAway(true);
        QCOMPARE(seasonSerials(), std::vector<std::string>{second});
        // The storage list marks the voided syndicate, and a third making asks about the
        // second file only.
        QTest::mouseClick(find<QToolButton>("bildeknapp5"), Qt::LeftButton);
        auto* table = find<QWidget>("Thentrekker")->findChild<QTableWidget*>(QStringLiteral("lagertabell"));
        QStringList kinds;
        for (int row = 0; row < table->rowCount(); ++row) {
            kinds << table->item(row, 10)->text().trimmed() + QLatin1Char('=') + table->item(row, 7)->text().trimmed();
        }
        kinds.sort();
        QCOMPARE(kinds, (QStringList{QString::fromStdString(first) + QStringLiteral("=ANNULLERT"),
                                     QString::fromStdString(second) + QStringLiteral("=ONLINE")}));
        messages_.anotherFile = false;
        messages_.shown.clear();
        QTest::mouseClick(find<QAbstractButton>("BitBtn2"), Qt::LeftButton);
        QCOMPARE(dialogsOpened_, 2);
        QVERIFY(question());
        QVERIFY2(question()->text.find("serienummer " + second) != std::string::npos, question()->text.c_str());
        QVERIFY2(question()->text.find("serienummer " + first) == std::string::npos, question()->text.c_str());
    }

    // Making the online file for a syndicate that has one asks first; Nei opens no dialog.
    void makingTheFileAgainAsksFirstNamingTheFileMade() {
        makeOnlineFile();
        const std::string serial = serialNumber();
        messages_.anotherFile = false;
        messages_.shown.clear();
        QTest::mouseClick(find<QAbstractButton>("BitBtn2"), Qt::LeftButton);
        QCOMPARE(dialogsOpened_, 1);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY2(messages_.shown[0].text.find("serienummer " + serial) != std::string::npos,
                 messages_.shown[0].text.c_str());
        QCOMPARE(int(messages_.shown[0].defaultAnswer), int(MessageDefault::No));
        QCOMPARE(filesIn(file("pul1lgr")), std::size_t{1});
    }

    // The syndicate marked again by hand has no online file in the window, but one was made:
    // printing offers that file and prints for it; no second file is made.
    void printingWithoutTheFileOffersTheOneMade() {
        makeOnlineFile();
        const std::string first = serialNumber();
        stepArrow("UpDown2", "ned");
        stepArrow("UpDown2", "opp");
        QVERIFY(bottomBar().isEmpty());
        messages_.shown.clear();
        window_->findChild<QAction*>(QStringLiteral("Skrivut1"))->trigger();
        QCOMPARE(dialogsOpened_, 1);
        QCOMPARE(printDialogsOpened_, 1);
        QCOMPARE(serialNumber(), first);
        QVERIFY(!messages_.shown.empty());
        const std::string& asked = messages_.shown[0].text;
        QVERIFY2(asked.rfind("Andelslaget har allerede en onlinefil:\rserienummer " + first, 0) == 0, asked.c_str());
        QVERIFY2(asked.find("Skrive ut andelsbrevene for den?") != std::string::npos, asked.c_str());
        QCOMPARE(filesIn(file("pul1lgr")), std::size_t{1});
    }

    // After a restart the window shows the syndicate the agent made the file of last.
    void aRestartShowsTheLastSyndicate() {
        QTest::mouseClick(find<QAbstractButton>("UpDown2ned"), Qt::LeftButton);  // SØNDAG
        makeOnlineFile();
        const std::string serial = serialNumber();
        const QString week = find<QComboBox>("ukecombobox")->currentText();
        window_ = std::make_unique<Tgridform>(workspace(), &messages_);
        window_->show();
        QCOMPARE(serialNumber(), serial);
        QCOMPARE(find<QComboBox>("KUPONGTYPE")->currentIndex(), 1);
        QCOMPARE(find<QComboBox>("ukecombobox")->currentText(), week);
        QVERIFY(bottomBar().startsWith(QStringLiteral("C:\\NTFILE\\KRYSSEN_")));
    }

    // Deleting the stored syndicate of a made online file in the storage browser asks
    // whether its ledger shall be voided; the files are deleted either way.
    void deletingTheStoredSyndicateOffersToVoidItsLedger_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nei") << false;
    }
    void deletingTheStoredSyndicateOffersToVoidItsLedger() {
        QFETCH(bool, yes);
        makeOnlineFile();
        const std::string serial = serialNumber();
        QCOMPARE(filesIn(file("pul1lgr")), std::size_t{1});
        QTest::mouseClick(find<QToolButton>("bildeknapp5"), Qt::LeftButton);
        auto* browser = find<QWidget>("Thentrekker");
        QVERIFY(QTest::qWaitForWindowExposed(browser));
        browser->findChild<QCheckBox*>(QStringLiteral("holdforsletting"))->setChecked(true);
        auto* table = browser->findChild<QTableWidget*>(QStringLiteral("lagertabell"));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 0, 2));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("SLETT:"));

        messages_.shown.clear();
        messages_.answer = yes;
        test::ModalAnswer slett("andel::Tslettlagerfiler", [](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("slett")), Qt::LeftButton);
        });
        QTest::mouseClick(browser->findChild<QToolButton*>(QStringLiteral("slettmerkede")), Qt::LeftButton);
        QVERIFY2(slett.result().empty(), slett.result().c_str());
        QCOMPARE(filesIn(file("pul1lgr")), std::size_t{0});
        QCOMPARE(messages_.shown.size(), yes ? std::size_t{3} : std::size_t{1});  // Ja: the online file asked about and moved
        if (yes) expectTheOnlineFilePutAway(true);
        const Message* asked = voidingQuestion();
        QVERIFY(asked);
        QVERIFY2(asked->text.find("serienummer " + serial) != std::string::npos, asked->text.c_str());
        const std::optional<Ledger> ledger = findLedger(workspace(), serial);
        QCOMPARE(ledger->voided.has_value(), yes);
        if (yes) QCOMPARE(ledger->voided->reason, std::string(kDeletedSyndicateReason));
    }

    // One click on the week arrow after the online file was made: the print command
    // refuses with a message naming both weeks, and no printer choice opens.
    void certificatesAreRefusedAfterTheWeekArrowMoved() {
        makeOnlineFile();
        const QString made = find<QComboBox>("ukecombobox")->currentText().trimmed();
        stepArrow("UpDown1", "ned");
        const QString now = find<QComboBox>("ukecombobox")->currentText().trimmed();
        QVERIFY(made != now);
        messages_.shown.clear();
        window_->findChild<QAction*>(QStringLiteral("Skrivut1"))->trigger();
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        const std::string& told = messages_.shown[0].text;
        QVERIFY2(told.find(made.toStdString()) != std::string::npos, told.c_str());
        QVERIFY2(told.find(now.toStdString()) != std::string::npos, told.c_str());
        QVERIFY2(told.find("skrives ikke ut") != std::string::npos, told.c_str());
        QCOMPARE(printDialogsOpened_, 0);
    }

    // The coupon-type arrows switch the row price as the list does.
    void couponTypeArrowsSwitchTheRowPrice() {
        auto* rowPrice = find<QComboBox>("comborekkepris");
        stepArrow("UpDown2", "ned");
        stepArrow("UpDown2", "ned");
        QCOMPARE(find<QComboBox>("KUPONGTYPE")->currentText(), QStringLiteral("MIDTUKE"));
        QCOMPARE(rowPrice->currentIndex(), 1);
        QCOMPARE(find<QLabel>("panelinnsatstotalt")->text(), QStringLiteral("5.832"));
        stepArrow("UpDown2", "opp");
        QCOMPARE(rowPrice->currentIndex(), 0);
        QCOMPARE(find<QLabel>("panelinnsatstotalt")->text(), QStringLiteral("2.916"));
    }

    // After "Resett" the coupons hold 6.561 rows: no control makes an online file of them.
    void unplayableCouponsAreRefusedByEveryControl() {
        QTest::mouseClick(find("BitBtn5"), Qt::LeftButton);
        QVERIFY(!find<QAbstractButton>("BitBtn2")->isEnabled());
        QAction* print = window_->findChild<QAction*>(QStringLiteral("Skrivut1"));
        QVERIFY(print);
        const std::vector<std::pair<const char*, std::function<void()>>> starts = {
            {"lagandelbrev3", [&] { QTest::mouseClick(find<QAbstractButton>("lagandelbrev3"), Qt::LeftButton); }},
            {"Skrivut1", [&] { print->trigger(); }},
            {"lagonlinefil", [&] { QTest::mouseClick(find<QAbstractButton>("lagonlinefil"), Qt::LeftButton); }},
            {"BitBtn2", [&] { QTest::mouseClick(find<QAbstractButton>("BitBtn2"), Qt::LeftButton); }},
        };
        for (const auto& [name, start] : starts) {
            messages_.shown.clear();
            start();
            QCOMPARE(dialogsOpened_, 0);
            std::vector<std::string> texts;
            for (const Message& message : messages_.shown) texts.push_back(message.text);
            if (std::string(name) == "lagandelbrev3" || std::string(name) == "Skrivut1") {
                QCOMPARE(texts, (std::vector<std::string>{std::string(kNoOnlineFileRefusal),
                                                          std::string(kUnplayableOnlineMessage)}));
            } else if (std::string(name) == "lagonlinefil") {
                QCOMPARE(texts, std::vector<std::string>{std::string(kUnplayableOnlineMessage)});
            } else {
                QVERIFY2(texts.empty(), name);  // disabled
            }
        }
        QCOMPARE(filesIn(file("c/NTFILE")), std::size_t{0});
        QCOMPARE(filesIn(file("onlcopi")), std::size_t{0});
        QCOMPARE(filesIn(file("pul1lgr")), std::size_t{0});
        QVERIFY(bottomBar().isEmpty());
    }
};

QTEST_MAIN(MainWindowOnlineFileTest)
#include "main_window_online_file_test.moc"
