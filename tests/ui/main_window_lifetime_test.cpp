// The main window's life: file errors in any handler become messages and the program
// goes on; closing it closes every window of the program; a failed start-up never
// wipes the shared player; and the controls carry the names other programs' people use.
#include "main_window/main_window.h"

#include "handover/presence_files.h"
#include "platform/message_socket.h"
#include "storage/storage_load.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

using namespace andel;

namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

class MainWindowLifetimeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    std::unique_ptr<Tgridform> window_;
    test::RecordingMessages messages_;

    std::filesystem::path file(const char* name) const { return directory_->filePath(QString::fromUtf8(name)).toStdString(); }
    Workspace workspace() const { return Workspace(directory_->path().toStdString()); }
    template <typename T = QWidget>
    T* find(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no control %s", name);
        return child;
    }
    void openWindow() {
        messages_ = test::RecordingMessages();
        window_ = std::make_unique<Tgridform>(workspace(), &messages_);
        window_->attachWindows();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void sendToWindow(const std::string& line) {
        const auto handle = readHandleFile(workspace());
        QVERIFY(handle);
        std::string error;
        bool done = false;
        std::thread sender([&] {
            sendToMessageSocket(messageSocketPath(*handle), line, error);
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
        sender.join();
    }

private slots:
    void init() { directory_ = std::make_unique<QTemporaryDir>(); }
    void cleanup() { window_.reset(); }

    // tipperesultater/SONDAG is a plain file: every handler that reaches the results of a
    // Sunday round meets "Kan ikke opprette katalogen". Each shows it and the window goes on.
    void fileErrorsInHandlersBecomeMessages() {
        openWindow();
        auto* types = find<QComboBox>("KUPONGTYPE");
        // A stored Sunday syndicate, to be fetched once Sunday's results are blocked.
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);
        QTest::mousePress(find<QToolButton>("bildeknapp2"), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>("BitBtn27"), Qt::LeftButton);
        QTest::keyClick(types, Qt::Key_Up);
        std::filesystem::remove_all(file("tipperesultater/SONDAG"));
        std::ofstream(file("tipperesultater/SONDAG")) << "blocked";

        auto* weeks = find<QComboBox>("ukecombobox");
        auto* bases = find<QComboBox>("pauseordiner");
        const std::vector<std::pair<const char*, std::function<void()>>> handlers = {
            {"SØNDAG in the list", [&] {
                 types->setFocus();
                 QTest::keyClick(types, Qt::Key_Down);
             }},
            {"week list", [&] {
                 weeks->setFocus();
                 QTest::keyClick(weeks, Qt::Key_Down);
             }},
            {"week arrows", [&] { QTest::mouseClick(find<QAbstractButton>("UpDown1opp"), Qt::LeftButton); }},
            {"time basis list", [&] {
                 bases->setFocus();
                 QTest::keyClick(bases, Qt::Key_Down);
             }},
            {"time basis arrows", [&] { QTest::mouseClick(find<QAbstractButton>("UpDown3ned"), Qt::LeftButton); }},
            {"coupon type arrows", [&] {
                 QTest::mouseClick(find<QAbstractButton>("UpDown2opp"), Qt::LeftButton);  // LØRDAG: no error
                 QTest::mouseClick(find<QAbstractButton>("UpDown2ned"), Qt::LeftButton);
             }},
            {"Sett til dagens kupong", [&] { QTest::mouseClick(find("settdagenskupong"), Qt::LeftButton); }},
            {"fetching a stored syndicate", [&] {
                 QTest::mouseClick(find<QToolButton>("bildeknapp5"), Qt::LeftButton);
                 auto* table = window_->findChild<QTableWidget*>(QStringLiteral("lagertabell"));
                 QVERIFY(table && table->rowCount() == 1);
                 QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                                   table->visualRect(table->model()->index(0, 2)).center());
             }},
        };
        for (const auto& [name, handler] : handlers) {
            messages_.shown.clear();
            handler();
            QVERIFY2(!messages_.shown.empty(), name);
            QVERIFY2(messages_.shown.back().text.find("Kan ikke opprette katalogen") != std::string::npos, name);
            QVERIFY2(window_->isVisible(), name);
        }
    }

    // Closing the main window by any route closes the storage browser with it and tells
    // the program to end.
    void closingTheMainWindowClosesEveryWindow() {
        const std::vector<std::pair<const char*, std::function<void()>>> routes = {
            {"&Avslutt", [&] { window_->findChild<QAction*>(QStringLiteral("Avslutt1"))->trigger(); }},
            {"13319 with a non-zero parameter", [&] { sendToWindow("13319 1 0\n"); }},
            {"the window's close button", [&] { window_->close(); }},
        };
        for (const auto& [name, route] : routes) {
            openWindow();
            QSignalSpy closed(window_.get(), &Tgridform::programClosed);
            QTest::mouseClick(find<QToolButton>("bildeknapp5"), Qt::LeftButton);
            QWidget* browser = window_->findChild<QWidget*>(QStringLiteral("Thentrekker"));
            QVERIFY2(browser && browser->isVisible(), name);
            route();
            QTRY_VERIFY2(!window_->isVisible(), name);
            QVERIFY2(!browser->isVisible(), name);
            for (QWidget* top : QApplication::topLevelWidgets()) QVERIFY2(!top->isVisible(), name);
            QCOMPARE(closed.count(), 1);
            QVERIFY2(!std::filesystem::exists(file("Apulje1.tmp")), name);
            window_.reset();
        }
    }

    // A damaged identity file stops the start-up before the player is read: closing
    // keeps the shared player keys as they were.
    void failedStartUpKeepsThePlayerKeys() {
        const std::string settings = "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\nTIPPERNUMMER=123456789\r\n";
        std::ofstream(file("config.kvs"), std::ios::binary) << settings;
        std::ofstream(file("kommlogo.KVS"), std::ios::binary) << std::string(486, 'x');
        openWindow();
        QVERIFY(!messages_.shown.empty());
        window_->findChild<QAction*>(QStringLiteral("Avslutt1"))->trigger();
        const std::string after = readAll(file("config.kvs"));
        for (const char* kept : {"FORNAVN=Kari", "ETTERNAVN=Nordmann", "TIPPERNUMMER=123456789"}) {
            QVERIFY2(after.find(kept) != std::string::npos, after.c_str());
        }
    }

    // A stored syndicate whose stem is damaged is refused whole: its serial number and
    // online file never meet the coupons of another stem.
    void storedSyndicateWithADamagedStemIsRefused() {
        openWindow();
        QTest::mousePress(find<QToolButton>("bildeknapp2"), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>("BitBtn27"), Qt::LeftButton);
        std::filesystem::path stored;
        for (const auto& entry : std::filesystem::directory_iterator(file("pul1lgr"))) {
            if (entry.path().extension() == ".TXT") stored = entry.path();  // not the savers' lock file
        }
        std::string bytes = readAll(stored);
        const auto replaceValue = [&bytes](const std::string& key, const std::string& value) {
            const std::size_t at = bytes.find(key + "\r\n");
            QVERIFY(at != std::string::npos);
            const std::size_t start = at + key.size() + 2;
            bytes.replace(start, bytes.find("\r\n", start) - start, value);
        };
        replaceValue("#STAMME", "446677777778");
        replaceValue("#ONLINESERIENUMMER", "1234");
        replaceValue("#ONLINEFILPATHOGNAVN", "C:\\NTFILE\\KRYSSEN_2.916_Rekker_KARI.NTF");
        replaceValue("#SPILLENUMMER", "999 999 999");
        std::ofstream(stored, std::ios::binary) << bytes;
        QTest::mouseClick(find("BitBtn5"), Qt::LeftButton);  // another system in hand
        const WorkbenchState before = window_->state();

        messages_.shown.clear();
        QTest::mouseClick(find<QToolButton>("bildeknapp5"), Qt::LeftButton);
        auto* table = window_->findChild<QTableWidget*>(QStringLiteral("lagertabell"));
        QVERIFY(table && table->rowCount() == 1);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 2)).center());
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0].text, std::string(kBadStemMessage));
        QVERIFY(window_->state().stemGrid == before.stemGrid);
        QVERIFY(window_->state().couponGrid == before.couponGrid);
        QCOMPARE(find<QLabel>("onlinefilserienummer")->text(), QString());
        QCOMPARE(find<QLabel>("onlinefilpathogfilnavn")->text(), QString());
        QCOMPARE(find<QLabel>("spillenummer")->text(), QString::fromStdString(before.spillenummer));
    }

    void colourDialogThatCannotOpenIsReported() {
        openWindow();
        window_->useColourDialog([](const QColor&, QWidget*) { return ColourAnswer{ColourAnswer::Kind::Failed, {}}; });
        window_->findChild<QAction*>(QStringLiteral("Fargevalg1"))->trigger();
        QTest::mouseClick(find<QPushButton>("bakgrunnsfarge"), Qt::LeftButton);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0].text, std::string("Color selection dialog failed to load."));

        window_->useColourDialog([](const QColor&, QWidget*) { return ColourAnswer{ColourAnswer::Kind::Chosen, Qt::yellow}; });
        QTest::mouseClick(find<QPushButton>("textfarge"), Qt::LeftButton);
        QCOMPARE(window_->state().couponText, std::uint32_t{0x00FFFF});
    }

    void controlsCarryTheirNames() {
        openWindow();
        const char* names[] = {
            "lagandelbrev3", "SpeedButton4", "SpeedButton6", "BitBtn27", "BitBtn2", "lagonlinefil", "BitBtn5",
            "holdmeny", "lagandelsbrevbutton", "Skrivut1", "ukecombobox", "UpDown1", "KUPONGTYPE", "UpDown2",
            "pauseordiner", "UpDown3", "xfornavn", "etternavn", "spillenummer", "panel55", "antallandeler",
            "antallandeler2", "comborekkepris", "rekkertotalt", "panelinnsatstotalt", "panelinnsatstotalt2",
            "panelprisprandel", "panelprisprandel2", "panelsikre", "panelhalve", "StringGrid1", "StringGrid2",
            "PaintBox1", "vistippeomgang", "Panel7", "onlinefilpathogfilnavn", "onlinefildato",
            "onlinefilserienummer", "onlinefiltilgjengelig", "Label29", "Label32", "merinformasjonomonlinefilen",
            "holdpremiebox", "premietellingheader", "testgrid", "pr12", "pr11", "pr10", "premie12", "premie11",
            "premie10", "premietotalt", "premieprandel", "vispremiedetaljer", "Button3", "Button2",
            "premiedetaljer", "p0", "p12", "lukkpremiedetaljer", "Button1", "r1antall", "r9antall"};
        for (const char* name : names) QVERIFY2(window_->findChild<QObject*>(QString::fromLatin1(name)), name);
    }

    void previewGameDetailsFrameIsLightGrey() {
        openWindow();
        auto* frame = find<QWidget>("spilldetaljer");
        QCOMPARE(frame->parentWidget(), find<QWidget>("Panel7"));
        QVERIFY(frame->autoFillBackground());
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(240, 240, 240));
        QVERIFY(frame->geometry().contains(find<QWidget>("forhaandsvisninguke")->geometry()));
    }

    // 16 x 13 cells, the B column as wide as H and U and wholly inside the grid.
    void resultsGridCellsAreEqual() {
        openWindow();
        QTest::mouseClick(find<QAbstractButton>("premieknapp"), Qt::LeftButton);
        auto* results = find<QTableWidget>("testgrid");
        for (int column = 1; column <= 3; ++column) {
            for (int row : {1, 2, 4}) {
                const QRect cell = results->visualRect(results->model()->index(row, column));
                QCOMPARE(cell.size(), QSize(16, 13));
                QVERIFY2(results->viewport()->rect().contains(cell), qPrintable(QStringLiteral("%1 %2 %3 %4 in %5x%6").arg(cell.x()).arg(cell.y()).arg(cell.width()).arg(cell.height()).arg(results->viewport()->width()).arg(results->viewport()->height())));
            }
        }
    }
};

QTEST_MAIN(MainWindowLifetimeTest)
#include "main_window_lifetime_test.moc"
