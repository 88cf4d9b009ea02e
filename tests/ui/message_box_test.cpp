// Message boxes as the agent meets them: a box belongs to the window that asked and gives
// the keyboard back to the control in use; a question whose Yes makes something starts on
// Nei; the title is never shortened.
#include "platform/message_box_dialog.h"

#include "support/modal_answer.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace andel;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    // The main window owns the messages; the agent works in another window (the ledger).
    void theBoxBelongsToTheWindowInUseAndHandsTheKeyboardBack_data() {
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("expected");
        QTest::newRow("Nei by default, Enter") << int(MessageDefault::No) << int(Qt::Key_Return) << false;
        QTest::newRow("Nei by default, Space") << int(MessageDefault::No) << int(Qt::Key_Space) << false;
        QTest::newRow("Ja by default, Enter") << int(MessageDefault::Yes) << int(Qt::Key_Return) << true;
    }
    void theBoxBelongsToTheWindowInUseAndHandsTheKeyboardBack() {
        QFETCH(int, defaultAnswer);
        QFETCH(int, key);
        QFETCH(bool, expected);
        QMainWindow mainWindow;
        mainWindow.setGeometry(50, 50, 640, 480);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        QWidget ledger;
        ledger.setWindowTitle(QStringLiteral("Andelsregnskap"));
        auto* layout = new QVBoxLayout(&ledger);
        auto* other = new QLineEdit(&ledger);
        auto* buyer = new QLineEdit(&ledger);
        layout->addWidget(other);
        layout->addWidget(buyer);
        ledger.show();
        ledger.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ledger));
        buyer->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(buyer));

        MessageBoxes boxes(&mainWindow);
        QWidget* owner = nullptr;
        QString startedOn;
        test::ModalAnswer answer("QMessageBox", [&](QWidget* box) {
            owner = box->parentWidget();
            QWidget* focus = box->focusWidget();
            startedOn = focus ? qobject_cast<QAbstractButton*>(focus) ? qobject_cast<QAbstractButton*>(focus)->text()
                                                                      : focus->metaObject()->className()
                              : QString();
            QTest::keyClick(focus ? focus : box, Qt::Key(key));
        });
        Message question{"Lage en ny onlinefil likevel?", MessageButtons::YesNo};
        question.defaultAnswer = MessageDefault(defaultAnswer);
        QCOMPARE(boxes.show(question), expected);
        QVERIFY2(answer.result().empty(), answer.result().c_str());
        QCOMPARE(owner, &ledger);
        QCOMPARE(startedOn, defaultAnswer == int(MessageDefault::No) ? QStringLiteral("&Nei") : QStringLiteral("&Ja"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(buyer));
    }

    void theTitleIsNeverShortened() {
        QMainWindow mainWindow;
        mainWindow.show();
        MessageBoxes boxes(&mainWindow);
        int width = 0, titleWidth = 0;
        test::ModalAnswer answer("QMessageBox", [&](QWidget* box) {
            width = box->width();
            titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
            QTest::keyClick(box, Qt::Key_Return);
        });
        boxes.inform("OK");
        QVERIFY2(answer.result().empty(), answer.result().c_str());
        QVERIFY2(width >= titleWidth + 100, qPrintable(QStringLiteral("%1 for a title of %2").arg(width).arg(titleWidth)));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
