// A new agent's first sale without the mouse: the online file made once from the menu
// Vinduer, the ledger opened from the menu Fil, three shares sold from the register by
// name and all three paid at once, every step by a key.
#include "books/ledger_store.h"
#include "main_window/main_window.h"
#include "register/register_file.h"
#include "support/online_drive.h"
#include "support/keyboard_agent.h"
#include "support/recording_messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

using namespace andel;
using namespace andel::test;

class KeyboardCounterTest : public QObject {
    Q_OBJECT

private slots:
    void aNewAgentMakesTheFileOnceSellsThreeSharesAndTakesPaymentByKeyboard() {
        QTemporaryDir directory;
        const Workspace workspace(directory.path().toStdString());
        const std::filesystem::path root = workspace.root();
        std::filesystem::create_directories(root / "c");
        std::ofstream(root / "config.kvs", std::ios::binary)
            << "DRIVE_C=" << (root / "c").string() << "\r\nOnlinefilDrive=C\r\n"
            << "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\nTIPPERNUMMER=123456789\r\n";
        test::RecordingMessages messages;
        const char* names[][2] = {{"Ola", "Hansen"}, {"Kari", "Nordmann"}, {"Per", "Aas"}};
        for (const auto& [first, last] : names) {
            Tkunderec customer;
            customer.firstName = first;
            customer.lastName = last;
            QVERIFY(appendCustomer(workspace, customer, messages));
        }
        const auto onlineFiles = [&] {
            std::set<std::string> names;
            std::error_code error;
            for (std::filesystem::directory_iterator it(test::onlineFolderOfDriveC(root), error), end; !error && it != end;
                 it.increment(error)) {
                if (it->path().extension() == ".NTF") names.insert(it->path().filename().string());
            }
            return names;
        };
        const std::set<std::string> before = onlineFiles();  // on Windows drive C is the real one
        Tgridform window(workspace, &messages);
        window.attachWindows();
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        const auto modal = [](const char* className) {
            QWidget* up = QApplication::activeModalWidget();
            return up && up->inherits(className) && QApplication::activeWindow() == up ? up : nullptr;
        };
        const auto menu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
        const auto ledgerWindow = [&] {
            QWidget* active = QApplication::activeWindow();
            return active && active->inherits("andel::Tandelsregnskap") && !QApplication::activeModalWidget() ? active : nullptr;
        };
        const auto shares = [&] { return window.findChild<QTableWidget*>(QStringLiteral("andeler")); };
        const auto registerSearching = [&] {
            QWidget* reg = modal("andel::Tkundekartotek");
            return reg && focused() == reg->findChild<QLineEdit*>(QStringLiteral("sokefelt"));
        };
        const auto onTheShare = [&](int row) {
            return [&, row] { return ledgerWindow() && focused() == shares() && shares()->currentRow() == row; };
        };
        const auto sell = [&](int row, const char* name) {
            return std::vector<KeyboardAgent::Step>{
                {"the ledger on the share", onTheShare(row), [] { press(focused(), Qt::Key_V, Qt::AltModifier); }},
                {"the register's search", registerSearching, [name] {
                     QTest::keyClicks(focused(), QString::fromUtf8(name));
                     press(focused(), Qt::Key_Return);
                 }},
            };
        };
        std::vector<KeyboardAgent::Step> steps = {
            {"the main window", [&] { return QApplication::activeWindow() == &window; },
             [] { press(focused(), Qt::Key_V, Qt::AltModifier); }},
            {"the menu Vinduer", [&] { return menu() != nullptr; }, [&] { press(menu(), Qt::Key_O); }},
            {"the online-file dialog", [&] { return modal("andel::Tonlineform") && focused(); },
             [] {
                 if (tabTo("BitBtn1")) press(focused(), Qt::Key_Space);
             }},
            {"the file made", [&] { return !QApplication::activeModalWidget() && QApplication::activeWindow() == &window &&
                                           !window.findChild<QLabel*>(QStringLiteral("onlinefilserienummer"))->text().isEmpty(); },
             [] { press(focused(), Qt::Key_F, Qt::AltModifier); }},
            {"the menu Fil", [&] { return menu() != nullptr; }, [&] { press(menu(), Qt::Key_A); }},
        };
        for (const auto& [share, name] : {std::pair{0, "hansen"}, std::pair{1, "nord"}, std::pair{2, "aas"}}) {
            const int row = share;  // a lambda may not capture a structured binding (clang 14)
            for (auto& step : sell(row, name)) steps.push_back(step);
            if (row < 2) {
                steps.push_back({"the share sold", [&, row] { return onTheShare(row)() && !shares()->item(row, 1)->text().isEmpty(); },
                                 [] { press(focused(), Qt::Key_Down); }});
            }
        }
        steps.push_back({"the third share sold", [&] { return onTheShare(2)() && !shares()->item(2, 1)->text().isEmpty(); }, [] {
                             press(focused(), Qt::Key_Up, Qt::ShiftModifier);
                             press(focused(), Qt::Key_Up, Qt::ShiftModifier);
                             press(focused(), Qt::Key_B, Qt::AltModifier);
                         }});
        KeyboardAgent agent(std::move(steps));
        QTRY_VERIFY2_WITH_TIMEOUT(agent.done(), qPrintable(QStringLiteral("waiting for ") + agent.waitingFor()), 30000);

        const std::vector<Ledger> ledgers = listLedgers(workspace).ledgers;
        QCOMPARE(ledgers.size(), std::size_t{1});
        const std::string serial = ledgers[0].facts.serialNumber;
        QTRY_VERIFY(findLedger(workspace, serial)->entries[2].paid.has_value());
        const Ledger ledger = *findLedger(workspace, serial);
        const char* buyers[] = {"Ola Hansen", "Kari Nordmann", "Per Aas"};
        for (int share = 0; share < 3; ++share) {
            QCOMPARE(ledger.entries[static_cast<std::size_t>(share)].name, std::string(buyers[share]));
            QVERIFY(ledger.entries[static_cast<std::size_t>(share)].paid == ledger.facts.pricePerShare);
        }
        QVERIFY(!ledger.entries[3].sold());
        // One online file, and nothing the agent had to answer with the mouse.
        std::set<std::string> made = onlineFiles();
        for (const std::string& name : before) made.erase(name);
        QCOMPARE(made.size(), std::size_t{1});
        for (const Message& message : messages.shown) {
            QVERIFY2(message.buttons == MessageButtons::Ok, message.text.c_str());
        }
    }
};

QTEST_MAIN(KeyboardCounterTest)
#include "keyboard_counter_test.moc"
