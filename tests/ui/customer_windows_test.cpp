// The customers' side as the agent works it at the counter: a buyer's account opened from
// the register by keyboard, a share paid from the balance of winnings (both ledgers
// change), the sale closed from the ledger window with the agent holding what is unsold,
// the list of who owes, the season by buyer and the sale's deadlines.
#include "books/ledger_edit.h"
#include "books/books_rules.h"
#include "books/journal.h"
#include "books/ledger_store.h"
#include "accounts/ledger_window.h"
#include "accounts/sale_deadline.h"
#include "accounts/sale_deadline_dialog.h"
#include "accounts/season_window.h"
#include "customers/customer_account_window.h"
#include "customers/customer_documents_panel.h"
#include "customers/owing_window.h"
#include "main_window/program_window.h"
#include "register/register_file.h"
#include "register/register_window.h"
#include "support/modal_answer.h"
#include "support/put_ledgers.h"
#include "support/recording_messages.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QtTest>

using namespace andel;

class CustomerWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    test::RecordingMessages messages_;

    Workspace workspace() const { return Workspace(directory_->path().toStdString()); }
    template <class T = QWidget>
    T* child(QObject* parent, const char* name) const {
        T* found = parent->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no child %s", name);
        return found;
    }
    static SyndicateFacts facts(const std::string& serial, int week, std::int64_t price) {
        SyndicateFacts f;
        f.serialNumber = serial;
        f.week = GameWeek{week, 2026, {}};
        f.rows = 1;
        f.stake = price * 4;
        f.shares = 4;
        f.pricePerShare = price;
        f.onlineFile = "C:\\NTFILE\\KRYSSEN.NTF";
        for (int m = 0; m < kMatches; ++m) f.coupons[0].masks[m] = kHome;
        return f;
    }
    static ShareEntry kari(std::optional<std::int64_t> paid = {}) {
        ShareEntry e;
        e.name = "Kari Nordmann";
        e.telephone = "223-34455";
        e.playerNumber = "123 456 789";
        e.paid = paid;
        return e;
    }
    Ledger stored(const std::string& serial) const { return *findLedger(workspace(), serial); }
    // Tab from `from` until the widget of that name has the focus (at most twelve presses).
    static bool tabTo(QWidget* from, const char* name) {
        for (int presses = 0; presses < 12; ++presses) {
            QWidget* focus = QApplication::focusWidget();
            if (focus && focus->objectName() == QLatin1String(name)) return true;
            QTest::keyClick(focus ? focus : from, Qt::Key_Tab);
        }
        return false;
    }

private slots:
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        messages_.shown.clear();
        messages_.answer = true;
        Tkunderec k;
        k.firstName = "Kari";
        k.lastName = "Nordmann";
        k.playerNumber = 123456789;
        k.telephone1 = 22334455;
        Tkunderec per;
        per.firstName = "Per";
        per.lastName = "Aas";
        for (const Tkunderec& c : {per, k}) appendCustomer(workspace(), c, messages_);
        // Kari won 400 a share in week 48 and holds an unpaid share at 150 in week 49.
        Ledger won = emptyLedger(facts("1000", 48, 100));
        won.entries[0] = kari(100);
        won.confirmed = ConfirmedResult{{1, 12, 2026}, {"111111111111", 1600, 0, 0}, std::nullopt};
        Ledger next = emptyLedger(facts("1001", 49, 150));
        next.entries[1] = kari();
        next.entries[2].name = "Per Aas";
        test::putLedgers(workspace(), {won, next});
    }

    void registerByKeyboardOpensTheAccountAndPaysFromTheBalance() {
        Tkundekartotek reg(workspace(), messages_);
        reg.setAccountOpener([this](QWidget* parent, const Tkunderec& customer) {
            showCustomerAccount(parent, workspace(), messages_, buyerOf(customer));
        });
        reg.show();
        QApplication::setActiveWindow(&reg);
        QVERIFY(QTest::qWaitForWindowActive(&reg));
        auto* search = child<QLineEdit>(&reg, "sokefelt");
        search->setFocus();
        QTest::keyClicks(search, QStringLiteral("nord"));
        QVERIFY(tabTo(search, "kundekonto"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        auto* account = reg.findChild<Tkundekonto*>();
        QVERIFY(account && account->isVisible());
        QApplication::setActiveWindow(account);
        QVERIFY(QTest::qWaitForWindowActive(account));
        QVERIFY2(child<QLabel>(account, "kunde")->text().startsWith(QStringLiteral("Kari Nordmann")),
                 qPrintable(child<QLabel>(account, "kunde")->text()));
        auto* table = child<QTableWidget>(account, "konto");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->currentRow(), 1);  // the unpaid share is the one asked about
        QCOMPARE(child<QLabel>(account, "saldo")->text(), QStringLiteral("kr 400"));  // what the balance may pay
        QCOMPARE(child<QLabel>(account, "ubetalt")->text(), QStringLiteral("kr 150"));

        table->setFocus();
        QVERIFY(tabTo(table, "betalfrasaldo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY(messages_.shown[0].text.find("Betale andel 2 i serienummer 1001") != std::string::npos);
        QCOMPARE(stored("1001").entries[1].paid, std::optional<std::int64_t>(150));
        QCOMPARE(stored("1001").entries[1].paidFromBalance.size(), std::size_t{1});
        QCOMPARE(stored("1000").entries[0].paidOut, std::optional<std::int64_t>(150));
        QCOMPARE(child<QLabel>(account, "saldo")->text(), QStringLiteral("kr 250"));
        QCOMPARE(child<QLabel>(account, "ubetalt")->text(), QStringLiteral("kr 0"));
        QVERIFY(table->item(1, 8)->text().contains(QStringLiteral("betalt fra saldo")));

        // Undone from the account: the win has its money back.
        table->setCurrentCell(1, 0);
        QTest::mouseClick(child<QPushButton>(account, "angrefrasaldo"), Qt::LeftButton);
        QVERIFY(!stored("1001").entries[1].paid);
        QVERIFY(!stored("1000").entries[0].paidOut);

        // A refusal names the amounts and changes nothing.
        messages_.shown.clear();
        Ledger dear = stored("1001");
        {
            Journal journal(workspace());
            QCOMPARE(payoutInBooks(journal, clerkOf(workspace()), "1000", 1, std::int64_t{300}, std::nullopt), std::string());
        }
        account->showBuyer(kari());
        table->setCurrentCell(1, 0);
        QTest::mouseClick(child<QPushButton>(account, "betalfrasaldo"), Qt::LeftButton);
        QCOMPARE(messages_.shown.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(messages_.shown[1].text),
                 QStringLiteral("Saldoen til Kari Nordmann er kr 100, men andel 2 koster kr 150: saldoen er for liten."));
        QCOMPARE(stored("1001"), dear);
    }

    // Kundekonto's period fields show a date typed, and the "DD.MM.ÅÅÅÅ" they start with,
    // whole inside the frame the style draws.
    void theDateFieldsShowTheWholeDate() {
        Tkundekonto account(workspace(), messages_);
        account.show();
        QVERIFY(QTest::qWaitForWindowExposed(&account));
        for (const char* name : {"fradato", "tildato"}) {
            auto* field = child<QLineEdit>(&account, name);
            // Where the line edit draws its text: the style's contents less 2 pixels a side.
            QStyleOptionFrame option;
            option.initFrom(field);
            option.rect = field->rect();
            option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
            option.state |= QStyle::State_Sunken;
            const int room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field).width() - 4;
            for (const QString& text : {field->placeholderText(), QStringLiteral("28.12.2026")}) {
                QVERIFY2(field->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text + " in " + QString::number(room)));
            }
            QCOMPARE(field->placeholderText(), QStringLiteral("DD.MM.ÅÅÅÅ"));
        }
    }

    // An open account follows the books, whoever writes them; a payment from the balance
    // asked about on figures that changed before the answer is not made.
    void theAccountFollowsTheBooksAndActsOnlyOnWhatItShowed() {
        struct ChangingMessages : Messages {
            std::vector<Message> shown;
            std::function<void()> meanwhile;  // run while the question is open
            bool show(const Message& message) override {
                shown.push_back(message);
                if (message.buttons == MessageButtons::YesNo && meanwhile) std::exchange(meanwhile, {})();
                return true;
            }
        } messages;
        Tkundekonto account(workspace(), messages);
        account.showBuyer(kari());
        account.show();
        QVERIFY(QTest::qWaitForWindowExposed(&account));
        const auto label = [&](const char* name) { return child<QLabel>(&account, name)->text(); };
        QCOMPARE(label("ubetalt"), QStringLiteral("kr 150"));
        const auto elsewhere = [&](const std::function<std::string(Journal&, const Clerk&)>& change) {
            Journal journal(workspace());
            QCOMPARE(change(journal, clerkOf(workspace())), std::string());
        };
        elsewhere([](Journal& j, const Clerk& c) { return payInBooks(j, c, "1001", 2, {}, {}); });
        QTRY_COMPARE(label("ubetalt"), QStringLiteral("kr 0"));
        elsewhere([](Journal& j, const Clerk& c) { return undoPaymentInBooks(j, c, "1001", 2, "feil"); });
        QTRY_COMPARE(label("ubetalt"), QStringLiteral("kr 150"));
        auto* table = child<QTableWidget>(&account, "konto");
        QCOMPARE(table->currentRow(), 1);

        // Paid in cash elsewhere while "Betale andel 2 ... fra saldoen?" is open: not paid twice.
        messages.meanwhile = [&] { elsewhere([](Journal& j, const Clerk& c) { return payInBooks(j, c, "1001", 2, {}, {}); }); };
        QTest::mouseClick(child<QPushButton>(&account, "betalfrasaldo"), Qt::LeftButton);
        QCOMPARE(messages.shown.size(), std::size_t{2});
        QVERIFY2(messages.shown[1].text.starts_with("Kundekontoen ble endret i et annet vindu eller program"), messages.shown[1].text.c_str());
        QVERIFY(stored("1001").entries[1].paidFromBalance.empty());
        QVERIFY(!stored("1000").entries[0].paidOut);
        QCOMPARE(label("ubetalt"), QStringLiteral("kr 0"));
        QCOMPARE(label("saldo"), QStringLiteral("kr 400"));
    }

    // What a voiding left owed is paid back from Kundekonto, the amount taken as typed: a
    // comma, a minus or too many digits are refused with what is wrong and pay nothing.
    void aVoidingsMoneyIsPaidBackAsTyped() {
        {
            Journal journal(workspace());
            QCOMPARE(voidInBooks(journal, clerkOf(workspace()), "1000", "feil spillenummer"), std::string());
        }
        Tkundekonto account(workspace(), messages_);
        account.showBuyer(kari());
        account.show();
        QVERIFY(QTest::qWaitForWindowExposed(&account));
        const auto owed = [&] { return child<QLabel>(&account, "tilbakebetaling")->text(); };
        QCOMPARE(owed(), QStringLiteral("kr 100"));
        auto* refund = child<QPushButton>(&account, "betaltilbake");
        QVERIFY(refund->isEnabled());
        const struct {
            QString typed;
            std::string told;  // the one message, or the start of the question
            QString owedAfter;
        } cases[] = {
            {QStringLiteral("1,46"), "Beløpet \"1,46\" har komma: skriv hele kroner, uten øre.", QStringLiteral("kr 100")},
            {QStringLiteral("-50"), "Beløpet \"-50\" har minus: et beløp skrives uten fortegn.", QStringLiteral("kr 100")},
            {QStringLiteral("1234567890"), "Beløpet \"1234567890\" er for stort: høyst 999.999.999 kroner.", QStringLiteral("kr 100")},
            {QStringLiteral("40"), "Betale tilbake kr 40 kontant til Kari Nordmann?", QStringLiteral("kr 60")},
        };
        for (const auto& c : cases) {
            messages_.shown.clear();
            // The whole of what is owed is offered; the agent types over it and presses Enter.
            test::ModalAnswer amount("QInputDialog", [&](QWidget* dialog) {
                auto* field = dialog->findChild<QLineEdit*>();
                QCOMPARE(field->text(), QStringLiteral("100"));
                field->selectAll();
                QTest::keyClicks(field, c.typed);
                QTest::keyClick(field, Qt::Key_Return);
            });
            QTest::mouseClick(refund, Qt::LeftButton);
            QVERIFY2(amount.result().empty(), amount.result().c_str());
            QCOMPARE(messages_.shown.size(), std::size_t{1});
            QVERIFY2(messages_.shown[0].text == c.told, messages_.shown[0].text.c_str());
            QCOMPARE(owed(), c.owedAfter);
        }
        QVERIFY(messages_.shown[0].defaultAnswer == MessageDefault::No);
    }

    void closingTheSaleGivesTheUnsoldSharesToTheAgent() {
        Tandelsregnskap window(workspace(), messages_);
        window.setCustomerLinks(customerLinks(workspace(), messages_));
        window.reload("1001");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* close = child<QPushButton>(&window, "stengsalg");
        auto* reopen = child<QPushButton>(&window, "apnesalg");
        QVERIFY(close->isEnabled() && !reopen->isEnabled());
        QTest::mouseClick(close, Qt::LeftButton);
        const Ledger closed = stored("1001");
        QVERIFY(closed.saleClosed);
        for (int share : {1, 4}) {
            QVERIFY(closed.entries[share - 1].agentHeld);
            QCOMPARE(closed.entries[share - 1].name, std::string(kAgentBuyerName));
        }
        QVERIFY(!closed.entries[1].agentHeld);
        QVERIFY(!close->isEnabled() && reopen->isEnabled());
        QVERIFY(child<QLabel>(&window, "andelslagfakta")->text().contains(QStringLiteral("Salget stengt")));

        // The owing list leaves the agent out; the account opens from a sold share.
        QTest::mouseClick(child<QPushButton>(&window, "hvemskylder"), Qt::LeftButton);
        auto* owing = window.findChild<Tutestaaende*>();
        QVERIFY(owing && owing->isVisible());
        auto* rows = child<QTableView>(owing, "utestaende")->model();
        QCOMPARE(rows->rowCount(), 2);  // Per and Kari, not the agent
        // By surname, as the register: Aas before Nordmann.
        QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("Per Aas"));
        QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("Kari Nordmann"));
        QCOMPARE(rows->index(1, 6).data().toString(), QStringLiteral("150"));
        QVERIFY(child<QLabel>(owing, "sum")->text().startsWith(QStringLiteral("Sum utestående kr 300 fra 2 kunder")));

        // Printed: a second page once the lines pass a page, the total under the last line.
        OwingSheet sheet{{}, 0, 70, LedgerDate{11, 12, 2026}};
        for (int i = 0; i < 70; ++i) sheet.rows.push_back({"Kunde " + std::to_string(i), "", "", "1001", "UKE 49 -2026", "2", "150"});
        sheet.total = 70 * 150;
        QCOMPARE(owingPageCount(0), std::size_t{1});
        QCOMPARE(owingPageCount(kOwingLinesPerPage - 1), std::size_t{1});
        QCOMPARE(owingPageCount(kOwingLinesPerPage), std::size_t{2});  // the total needs its own line
        const QString pdf = directory_->filePath(QStringLiteral("utestaende.pdf"));
        writeDocumentPdf(pdf, owingDocument(sheet));
#ifdef Q_OS_WIN
        // Windows has no pdftotext: the pages are counted in the file.
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("/Type /Page\n"), 2);
#else
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(20000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains(QStringLiteral("UTESTÅENDE")) && printed.contains(QStringLiteral("Kunde 69")) &&
                     printed.contains(QStringLiteral("Side 2 av 2")) && printed.contains(QStringLiteral("kr 10.500")),
                 qPrintable(printed.right(400)));
        QVERIFY(!printed.section(QStringLiteral("Side 1 av 2"), 0, 0).contains(QStringLiteral("Kunde 52")));
#endif

        QTest::mouseClick(reopen, Qt::LeftButton);
        QVERIFY(!stored("1001").saleClosed);
        QCOMPARE(stored("1001").entries[0], ShareEntry{});
        const std::vector<HistoryLine> history = stored("1001").history;
        QVERIFY(history.size() >= 2);
        QVERIFY2(history[history.size() - 2].text.starts_with("Salget stengt"), history[history.size() - 2].text.c_str());
        QVERIFY2(history.back().text.starts_with("Salget åpnet igjen"), history.back().text.c_str());
    }

    void seasonShowsEachBuyer() {
        Tsesong season(workspace(), messages_);
        season.reload();
        auto* buyers = child<QTableWidget>(&season, "kjopertabell");
        QCOMPARE(buyers->rowCount(), 2);
        QCOMPARE(buyers->item(0, 0)->text(), QStringLiteral("Kari Nordmann"));
        QCOMPARE(buyers->item(0, 3)->text(), QStringLiteral("2"));
        QCOMPARE(buyers->item(0, 5)->text(), QStringLiteral("400"));
        QVERIFY(child<QLabel>(&season, "sesongsum")->text().contains(QStringLiteral("2 ulike kjøpere")));
        QVERIFY(child<QLabel>(&season, "sesongsum")->text().contains(QStringLiteral("Største godkjente premie kr 1.600")));
    }

    void deadlinesAreSetPerCouponTypeAndShownInTheLedger() {
        Tsalgsfrister dialog;
        dialog.setDeadlines({SaleDeadline{6, 14, 45}, std::nullopt, std::nullopt});
        auto* sunday = child<QComboBox>(&dialog, "dag1");
        QVERIFY(!child<QTimeEdit>(&dialog, "klokke1")->isEnabled());
        sunday->setCurrentIndex(7);
        QVERIFY(child<QTimeEdit>(&dialog, "klokke1")->isEnabled());
        child<QTimeEdit>(&dialog, "klokke1")->setTime(QTime(12, 30));
        const auto chosen = dialog.deadlines();
        QCOMPARE(chosen[0], std::optional<SaleDeadline>(SaleDeadline{6, 14, 45}));
        QCOMPARE(chosen[1], std::optional<SaleDeadline>(SaleDeadline{7, 12, 30}));
        QVERIFY(!chosen[2]);

        SettingsStore settings = mainStore(workspace(), messages_);
        QVERIFY(storeSaleDeadline(settings, CouponType::Saturday, SaleDeadline{6, 14, 45}));
        Tandelsregnskap window(workspace(), messages_);
        window.reload("1001");
        QVERIFY(child<QLabel>(&window, "andelslagfakta")->text().contains(QStringLiteral("Salgsfristen gikk ut lørdag 05.12.2026 kl. 14:45")));
    }
};

QTEST_MAIN(CustomerWindowsTest)
#include "customer_windows_test.moc"
