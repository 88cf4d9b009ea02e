// "Kvitteringsskriver" as the agent uses it: an address typed and accepted is remembered in
// the settings, one that is no address is refused and the dialog stays, and "Prøv
// kasseskuffen" sends the drawer pulse to the printer typed.
#include "customers/receipt_printer_dialog.h"
#include "printing/escpos.h"
#include "settings/settings_store.h"
#include "support/fake_printer.h"
#include "support/recording_messages.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class ReceiptPrinterDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;
    andel::test::RecordingMessages messages_;
    andel::Workspace workspace() const { return andel::Workspace(directory_.path().toStdString()); }

    // Runs the agent's keys once the dialog is up; the dialog is closed whatever happens.
    void withDialog(const std::function<void(andel::Tkvitteringsskriver&)>& agent) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<andel::Tkvitteringsskriver*>(QApplication::activeModalWidget());
            if (!dialog) return;
            ran = true;
            agent(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        andel::chooseReceiptPrinter(nullptr, workspace(), messages_);
        QVERIFY(ran);
    }
    static void type(andel::Tkvitteringsskriver& dialog, const QString& address) {
        auto* raw = dialog.findChild<QLineEdit*>(QStringLiteral("raaskriver"));
        raw->selectAll();
        QTest::keyClicks(raw, address);
    }
    static void ok(andel::Tkvitteringsskriver& dialog) {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    std::string stored() {
        return andel::mainStore(workspace(), messages_).getString(andel::kKvitteringsskriverRaa).value;
    }

private slots:
    void anAddressIsCheckedThenRemembered() {
        withDialog([&](andel::Tkvitteringsskriver& dialog) {
            type(dialog, QStringLiteral("kasse skriver"));
            ok(dialog);
            QVERIFY(dialog.isVisible());  // refused: the agent types it again
            type(dialog, QStringLiteral("kasse:9101"));
            ok(dialog);
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY(messages_.shown[0].text.find("er ikke en adresse til en kvitteringsskriver") != std::string::npos);
        QCOMPARE(stored(), std::string("kasse:9101"));
        withDialog([&](andel::Tkvitteringsskriver& dialog) {
            QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("raaskriver"))->text(), QStringLiteral("kasse:9101"));
        });
    }

    void theDrawerIsTriedOnThePrinterTyped() {
        andel::test::FakePrinter printer;
        messages_.shown.clear();
        withDialog([&](andel::Tkvitteringsskriver& dialog) {
            type(dialog, QStringLiteral("127.0.0.1:%1").arg(printer.port()));
            dialog.findChild<QPushButton*>(QStringLiteral("provkasseskuff"))->click();
        });
        QCOMPARE(printer.nextJob(), std::string(andel::kEscposInit) + andel::escposDrawerPulse());
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0].text, std::string("Kasseskuffen fikk signal om å åpne seg."));
    }
};

QTEST_MAIN(ReceiptPrinterDialogTest)
#include "receipt_printer_dialog_test.moc"
