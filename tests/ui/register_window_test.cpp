// The register window's wiring: holding, choosing, searching, adding and deleting reach
// the register and the table shows the result.
#include "register/register_window.h"

#include "register/new_customer_dialog.h"
#include "register/register_file.h"
#include "support/recording_messages.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace andel;

class RegisterWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    test::RecordingMessages messages_;
    std::unique_ptr<Tkundekartotek> window_;

    Workspace workspace() const { return Workspace(directory_->path().toStdString()); }
    QTableWidget* table() const { return window_->findChild<QTableWidget*>(QStringLiteral("kundetabell")); }
    void clickRow(int row) {
        const QPoint centre = table()->visualRect(table()->model()->index(row, 1)).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, centre);
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
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        messages_.shown.clear();
        for (const Tkunderec& c : {customer("Ola", "HANSEN", 12345), customer("Kari", "Nordmann", 123456789),
                                   customer("Åse", "Berg", 5)}) {
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

    void addAndDeleteCustomers() {
        window_->setCustomerEditor([](CustomerFields& fields) {
            fields.fornavn = "Per";
            fields.etternavn = "Aas";
            return true;
        });
        window_->findChild<QToolButton*>(QStringLiteral("nykunde"))->click();
        QCOMPARE(table()->rowCount(), 4);
        QCOMPARE(table()->item(0, 1)->text(), QStringLiteral(" Aas"));

        messages_.answer = false;
        window_->findChild<QToolButton*>(QStringLiteral("slettkunde"))->click();
        QCOMPARE(messages_.shown.back().text, std::string("Vil du slette den kunden du står på nå ?"));
        QCOMPARE(table()->rowCount(), 4);
        messages_.answer = true;
        window_->findChild<QToolButton*>(QStringLiteral("slettkunde"))->click();
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(readCustomers(workspace()).size(), std::size_t{3});
    }

    void newCustomerDialogKeepsEnterAndLimits() {
        Tnykunde dialog;
        dialog.setFields(newCustomerFields(std::chrono::year{2009} / 3 / 7));
        dialog.show();
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("dag"))->maxLength(), 2);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("aar"))->text(), QStringLiteral("2009"));
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("fornavn")), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(RegisterWindowTest)
#include "register_window_test.moc"
