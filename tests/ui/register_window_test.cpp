// The register window's wiring: holding, choosing, searching, adding and deleting reach
// the register and the table shows the result; the new-customer dialog as the agent meets
// it through the register's button.
#include "register/register_window.h"

#include "register/new_customer_dialog.h"
#include "register/register_file.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

using namespace andel;

class RegisterWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    test::RecordingMessages messages_;
    std::unique_ptr<Tkundekartotek> window_;

    Workspace workspace() const { return Workspace(directory_->path().toStdString()); }
    QTableWidget* table() const { return window_->findChild<QTableWidget*>(QStringLiteral("kundetabell")); }
    QLineEdit* search() const { return window_->findChild<QLineEdit*>(QStringLiteral("sokefelt")); }
    QToolButton* button(const char* name) const { return window_->findChild<QToolButton*>(QString::fromLatin1(name)); }
    QPoint rowCentre(int row) const { return table()->visualRect(table()->model()->index(row, 1)).center(); }
    void clickRow(int row) { QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    std::vector<std::string> lastNamesInFile() const {
        std::vector<std::string> names;
        for (const Tkunderec& c : readCustomers(workspace())) names.push_back(c.lastName);
        return names;
    }
    // Runs `step` on the new-customer dialog once the register has opened it modally,
    // then closes it. When it does not come up within five seconds, whatever modal window
    // is open is closed and `missedDialog_` fails the test, so nothing waits for ever.
    bool missedDialog_ = false;
    void onNewCustomerDialog(std::function<void(Tnykunde&)> step) {
        auto* poll = new QTimer(this);
        auto waited = std::make_shared<QElapsedTimer>();
        waited->start();
        connect(poll, &QTimer::timeout, this, [this, poll, waited, step] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<Tnykunde*>(modal);
            if (!dialog && waited->elapsed() < 5000) return;
            poll->stop();
            poll->deleteLater();
            if (!dialog) {
                missedDialog_ = true;
                if (modal) modal->close();
                return;
            }
            step(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        poll->start(10);
    }
    static QLineEdit* field(Tnykunde& dialog, const char* name) {
        return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static Tkunderec customer(const char* first, const char* last, std::uint32_t number) {
        Tkunderec c;
        c.firstName = first;
        c.lastName = last;
        c.playerNumber = number;
        c.day = 7;
        c.month = 3;
        c.year = 2009;
        c.telephone1 = 55314207;
        return c;
    }

private slots:
    void cleanup() { QVERIFY2(!missedDialog_, "the new-customer dialog did not open"); }

    void init() {
        missedDialog_ = false;
        directory_ = std::make_unique<QTemporaryDir>();
        messages_.shown.clear();
        for (const Tkunderec& c : {customer("Ola", "HANSEN", 12345), customer("Kari", "Nordmann", 123456789),
                                   customer("Åse", "Berg", 5), customer("Per", "Olsen", 77)}) {
            appendCustomer(workspace(), c, messages_);
        }
        mainStore(workspace(), messages_).setString(kQtomSortkriterie, "1");  // last name, as chosen before
        window_ = std::make_unique<Tkundekartotek>(workspace(), messages_);
        window_->show();
    }

    void holdSelectsAndAClickChooses() {
        QCOMPARE(table()->item(0, 1)->text(), QStringLiteral(" Berg"));  // sorted by last name on activation
        QCOMPARE(table()->font().family(), QStringLiteral("Courier New"));
        clickRow(1);
        QVERIFY(window_->isVisible());
        window_->findChild<QCheckBox*>(QStringLiteral("holdforredigering"))->setChecked(false);
        clickRow(2);
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QCOMPARE(window_->currentCustomer()->firstName, std::string("Kari"));
        QCOMPARE(window_->currentCustomer()->playerNumber, std::string("123 456 789"));
    }

    // The agent at the counter never needs the mouse: search, arrow keys from the search
    // field, Enter to choose; the rows are one Tab from the search field.
    void keyboardSearchesMovesAndChoosesTheHighlightedCustomer() {
        window_->findChild<QCheckBox*>(QStringLiteral("holdforredigering"))->setChecked(false);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), static_cast<QWidget*>(search()), 5000);
        QTest::keyClick(search(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(table()));
        QTest::keyClick(table(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(search()));

        QTest::keyClicks(search(), QStringLiteral("ber"));  // Berg, HANSEN, Nordmann, Olsen
        QCOMPARE(table()->currentRow(), 0);
        QTest::keyClick(search(), Qt::Key_Down);
        QTest::keyClick(search(), Qt::Key_Down);
        QTest::keyClick(search(), Qt::Key_Down);
        QTest::keyClick(search(), Qt::Key_Up);
        QCOMPARE(table()->currentRow(), 2);
        QCOMPARE(search()->text(), QStringLiteral("BER"));
        QVERIFY(window_->isVisible());
        QTest::keyClick(search(), Qt::Key_Return);
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QCOMPARE(window_->currentCustomer()->firstName, std::string("Kari"));
    }

    void enterInTheTableAndADoubleClickChoose() {
        window_->findChild<QCheckBox*>(QStringLiteral("holdforredigering"))->setChecked(false);
        table()->setFocus();
        table()->selectRow(3);
        QTest::keyClick(table(), Qt::Key_Enter);
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QCOMPARE(window_->currentCustomer()->firstName, std::string("Per"));

        window_->show();
        window_->findChild<QCheckBox*>(QStringLiteral("holdforredigering"))->setChecked(true);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, rowCentre(1));
        QVERIFY2(window_->isVisible(), "held for editing: a double-click does not choose");
        QCOMPARE(table()->currentRow(), 1);
    }

    void searchUpperCasesSelectsWithoutChoosingAndClearsOnNoMatch() {
        window_->findChild<QCheckBox*>(QStringLiteral("holdforredigering"))->setChecked(false);
        auto* search = window_->findChild<QLineEdit*>(QStringLiteral("sokefelt"));
        QTest::keyClicks(search, QStringLiteral("han"));
        QCOMPARE(search->text(), QStringLiteral("HAN"));
        QCOMPARE(table()->currentRow(), 1);
        QVERIFY(window_->isVisible());
        window_->findChild<QToolButton*>(QStringLiteral("tastX"))->click();
        QCOMPARE(search->text(), QString());
    }

    // Every word typed counts and a blank never starts a new search: "hansen o" stays on Ola
    // Hansen, whom Enter then chooses (Olsen, whose first letter is the O, is not chosen).
    void wordsTypedWithBlanksFindTheOneCustomerAllFit() {
        appendCustomer(workspace(), customer("Kari", "Hansen", 999), messages_);
        window_ = std::make_unique<Tkundekartotek>(workspace(), messages_);
        window_->show();
        window_->findChild<QCheckBox*>(QStringLiteral("holdforredigering"))->setChecked(false);
        QTest::keyClicks(search(), QStringLiteral("hansen o"));
        QCOMPARE(search()->text(), QStringLiteral("HANSEN O"));
        QTest::keyClick(search(), Qt::Key_Return);
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QCOMPARE(window_->currentCustomer()->firstName, std::string("Ola"));
        QCOMPARE(window_->currentCustomer()->lastName, std::string("HANSEN"));
    }

    void addAndDeleteCustomers() {
        window_->setCustomerEditor([](CustomerFields& fields) {
            fields.fornavn = "Per";
            fields.etternavn = "Aas";
            return true;
        });
        window_->findChild<QToolButton*>(QStringLiteral("nykunde"))->click();
        QCOMPARE(table()->rowCount(), 5);
        QCOMPARE(table()->item(0, 1)->text(), QStringLiteral(" Aas"));

        messages_.answer = false;
        window_->findChild<QToolButton*>(QStringLiteral("slettkunde"))->click();
        QCOMPARE(messages_.shown.back().text, std::string("Vil du slette den kunden du står på nå ?"));
        QVERIFY(messages_.shown.back().icon == MessageIcon::Information);
        QCOMPARE(table()->rowCount(), 5);
        messages_.answer = true;
        window_->findChild<QToolButton*>(QStringLiteral("slettkunde"))->click();
        QCOMPARE(table()->rowCount(), 4);
        QCOMPARE(readCustomers(workspace()).size(), std::size_t{4});
    }

    // Delete and change act on the highlighted row however the highlight got there,
    // never on the row clicked last (Hansen, row 1).
    void deleteAndChangeActOnTheHighlightedRow_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("change");
        for (const bool change : {false, true}) {
            for (const char* way : {"arrow keys", "mouse drag", "click"}) {
                QTest::newRow(QByteArray(way) + (change ? ", change" : ", delete")) << QString::fromLatin1(way) << change;
            }
        }
    }
    void deleteAndChangeActOnTheHighlightedRow() {
        QFETCH(QString, way);
        QFETCH(bool, change);
        clickRow(1);
        QCOMPARE(table()->item(1, 1)->text(), QStringLiteral(" HANSEN"));
        if (way == QLatin1String("arrow keys")) {
            QTest::keyClick(table(), Qt::Key_Down);
            QTest::keyClick(table(), Qt::Key_Down);
        } else if (way == QLatin1String("mouse drag")) {
            QTest::mousePress(table()->viewport(), Qt::LeftButton, {}, rowCentre(1));
            QTest::mouseMove(table()->viewport(), rowCentre(2));
            QTest::mouseMove(table()->viewport(), rowCentre(3));
            QTest::mouseRelease(table()->viewport(), Qt::LeftButton, {}, rowCentre(3));
        } else {
            clickRow(3);
        }
        QCOMPARE(table()->currentRow(), 3);
        QCOMPARE(table()->item(3, 1)->text(), QStringLiteral(" Olsen"));
        std::string edited;
        window_->setCustomerEditor([&edited](CustomerFields& fields) {
            edited = fields.etternavn;
            fields.etternavn = "Olsvik";
            return true;
        });
        messages_.answer = true;  // "Ja"
        button(change ? "endrekunde" : "slettkunde")->click();
        const std::vector<std::string> expected =
            change ? std::vector<std::string>{"HANSEN", "Nordmann", "Berg", "Olsvik"}
                   : std::vector<std::string>{"HANSEN", "Nordmann", "Berg"};
        QCOMPARE(lastNamesInFile(), expected);
        if (change) QCOMPARE(edited, std::string("Olsen"));
    }

    void lettersTypedAnywhereGoToTheSearchFieldWhateverTheCase() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        clickRow(0);
        QTest::keyClicks(table(), QStringLiteral("ol"));
        QCOMPARE(search()->text(), QStringLiteral("OL"));
        QCOMPARE(table()->currentRow(), 3);
        search()->clear();
        auto* hold = window_->findChild<QCheckBox*>(QStringLiteral("holdforredigering"));
        QTest::keyClicks(hold, QStringLiteral("nord"));  // stored as "Nordmann"
        QCOMPARE(search()->text(), QStringLiteral("NORD"));
        QCOMPARE(table()->currentRow(), 2);
        QVERIFY(hold->isChecked());
        QVERIFY(window_->isVisible());
    }

    void registerOpensSortedByTheTickedCriterion_data() {
        QTest::addColumn<QString>("setting");  // "-": no setting
        for (const char* setting : {"-", "0", "tre", "9"}) QTest::newRow(setting) << QString::fromLatin1(setting);
    }
    void registerOpensSortedByTheTickedCriterion() {
        QFETCH(QString, setting);
        window_.reset();
        if (setting == QLatin1String("-")) {
            std::filesystem::remove(workspace().file("config.kvs"));
        } else {
            mainStore(workspace(), messages_).setString(kQtomSortkriterie, setting.toStdString());
        }
        window_ = std::make_unique<Tkundekartotek>(workspace(), messages_);
        window_->show();
        QStringList lastNames;
        for (int row = 0; row < table()->rowCount(); ++row) lastNames << table()->item(row, 1)->text();
        QCOMPARE(lastNames, (QStringList{" Berg", " HANSEN", " Nordmann", " Olsen"}));
        for (QAction* entry : window_->findChildren<QAction*>()) {
            if (entry->isCheckable()) QCOMPARE(entry->isChecked(), entry->text() == QStringLiteral("&Etternavn"));
        }
    }

    void letterKeysShowTheirHintAtOnce() {
        QToolButton* key = button("tastA");
        QCOMPARE(key->toolTip(), QStringLiteral("A"));
        QCOMPARE(key->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, key), 0);
    }

    // What does not fit the record is refused with a message, and nothing is written.
    void fieldsThatDoNotFitAreRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("line break in a name") << "fornavn" << "Kari\rX"
                                              << "Fornavn kan ikke inneholde linjeskift eller andre kontrolltegn.";
        QTest::newRow("line feed in other information")
            << "annen" << "Kiosk\nX" << "Annen identifikasjon kan ikke inneholde linjeskift eller andre kontrolltegn.";
        QTest::newRow("ten-digit player number")
            << "spillenummer" << "4000000001" << "Spillenummer 4000000001 har for mange siffer: høyst 9.";
        QTest::newRow("13-digit telephone")
            << "telefon1" << "1234567890123"
            << "Telefon privat 1234567890123 er for stort. Kundekartoteket har plass til høyst 4294967295.";
        QTest::newRow("letters in a number") << "telefax1" << "55a31" << "Telefax kan bare inneholde sifre: \"55a31\"";
        QTest::newRow("31.02.2020") << "dato" << "31.02.2020" << "Reg. dato spillekort 31.02.2020 finnes ikke.";
        QTest::newRow("99.99.9999") << "dato" << "99.99.9999" << "Reg. dato spillekort 99.99.9999 finnes ikke.";
    }
    void fieldsThatDoNotFitAreRefused() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        const std::string before = lastNamesInFile().back();
        window_->setCustomerEditor([&](CustomerFields& fields) {
            fields.fornavn = "Kari";
            fields.etternavn = "Nordmann";
            const std::string text = value.toStdString();
            if (field == QLatin1String("dato")) {
                fields.dag = text.substr(0, 2);
                fields.mnd = text.substr(3, 2);
                fields.aar = text.substr(6, 4);
            }
            for (auto [name, target] : {std::pair{"fornavn", &fields.fornavn}, std::pair{"annen", &fields.annen},
                                        std::pair{"spillenummer", &fields.spillenummer},
                                        std::pair{"telefon1", &fields.telefon1}, std::pair{"telefax1", &fields.telefax1}}) {
                if (field == QLatin1String(name)) *target = text;
            }
            return true;
        });
        const auto sizeBefore = readCustomers(workspace()).size();
        messages_.shown.clear();
        button("nykunde")->click();
        QCOMPARE(readCustomers(workspace()).size(), sizeBefore);
        QCOMPARE(lastNamesInFile().back(), before);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(messages_.shown.back().text), message);
    }

    void newCustomerDialogSitsHigherOnlyTheFirstTimeAndNeverAboveTheScreen() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        window_->setGeometry(screen.left() + 20, screen.top() + 150, 600, 420);
        QPoint first, second;
        int expectedTop = 0;
        onNewCustomerDialog([&](Tnykunde& dialog) {
            first = dialog.pos();
            expectedTop = window_->y() + window_->height() / 2 - dialog.height() / 2 - 60;
        });
        button("nykunde")->click();
        onNewCustomerDialog([&](Tnykunde& dialog) { second = dialog.pos(); });
        button("nykunde")->click();
        QCOMPARE(first.y(), expectedTop);
        QCOMPARE(second, first);

        // Over a window at the top of the screen it would go above the screen's top edge.
        QWidget high;
        high.setGeometry(screen.left(), screen.top(), 500, 200);
        high.show();
        Tnykunde dialog(&high);
        dialog.show();
        QCOMPARE(dialog.y(), screen.top());
    }

    void newCustomerDialogTabsInScreenOrderAndSaysWhatItRefuses() {
        QStringList order;
        bool openAfterRefusal = false;
        onNewCustomerDialog([&](Tnykunde& dialog) {
            field(dialog, "fornavn")->setFocus();
            for (int i = 0; i < 10; ++i) {
                order << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClicks(field(dialog, "fornavn"), QStringLiteral("Per"));
            QTest::keyClicks(field(dialog, "spillenummer"), QStringLiteral("12a3"));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
            openAfterRefusal = dialog.isVisible();
            QCOMPARE(QApplication::focusWidget(), field(dialog, "spillenummer"));
        });
        messages_.shown.clear();
        button("nykunde")->click();
        QCOMPARE(order, (QStringList{"fornavn", "etternavn", "spillenummer", "dag", "mnd", "aar", "telefon1",
                                     "telefon2", "telefax1", "annen"}));
        QVERIFY(openAfterRefusal);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown.back().text, std::string("Spillenummer kan bare inneholde sifre: \"12a3\""));
        QCOMPARE(readCustomers(workspace()).size(), std::size_t{4});
    }

    // Typing stops at what the record holds, and a customer without a first name is not stored.
    void newCustomerDialogStopsAtTheRecordAndRefusesAnEmptyCustomer() {
        QString first, last, number;
        bool openAfterRefusal = false;
        onNewCustomerDialog([&](Tnykunde& dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
            openAfterRefusal = dialog.isVisible();
            QTest::keyClicks(field(dialog, "fornavn"), QStringLiteral("Fridtjof-Helmer"));
            QTest::keyClicks(field(dialog, "etternavn"), QStringLiteral("Ødegård-Kristiansen-Berg"));
            QTest::keyClicks(field(dialog, "spillenummer"), QStringLiteral("400 000 000 1"));
            first = field(dialog, "fornavn")->text();
            last = field(dialog, "etternavn")->text();
            number = field(dialog, "spillenummer")->text();
        });
        messages_.shown.clear();
        button("nykunde")->click();
        QVERIFY(openAfterRefusal);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown.back().text, std::string("Skriv spillerens fornavn."));
        QCOMPARE(first, QStringLiteral("Fridtjof-Hel"));
        QCOMPARE(last, QStringLiteral("Ødegård-Kristiansen-"));
        QCOMPARE(number, QStringLiteral("400 000 000"));
        QCOMPARE(readCustomers(workspace()).size(), std::size_t{4});
    }

    // A working directory whose path the system cannot take is reported, not shown as an
    // empty register.
    void pathLongerThanTheSystemAllowsIsReported() {
        messages_.shown.clear();
        const Tkundekartotek unreachable{Workspace(workspace().root() / std::string(300, 'k')), messages_};
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown.back().text, std::string("Kan ikke lese kundekartoteket WTOM.KVS: stien til "
                                                          "arbeidskatalogen er lengre enn systemet tillater."));
    }
};

QTEST_MAIN(RegisterWindowTest)
#include "register_window_test.moc"
