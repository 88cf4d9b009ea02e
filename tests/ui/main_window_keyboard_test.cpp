// The main window by keyboard alone: Tab reaches the stem grid and goes past the small
// arrow buttons, the stem is marked with arrows and H/U/B or 1/X/2, each menu letter is
// used once, and Systemanalyse has its own menu entry.
#include "main_window/main_window.h"

#include "support/recording_messages.h"

#include "settings/settings_store.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using andel::Tgridform;
using andel::Workspace;

namespace {

// The letter after "&" in a menu text, upper-cased; empty when there is none.
QString mnemonic(const QString& text) {
    const int at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toUpper() : QString();
}

}  // namespace

class MainWindowKeyboardTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;
    andel::test::RecordingMessages messages_;
    std::unique_ptr<Tgridform> window_;

private slots:
    void init() {
        window_ = std::make_unique<Tgridform>(Workspace(directory_.path().toStdString()), &messages_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // The bar names the deadline of the coupon type in hand, at once after a change of type.
    void theDeadlineFollowsTheCouponType() {
        andel::test::RecordingMessages quiet;
        auto settings = andel::mainStore(Workspace(directory_.path().toStdString()), quiet);
        settings.setString("SALGSFRIST_LORDAG", "LØRDAG 14:45");
        settings.setString("SALGSFRIST_SONDAG", "SØNDAG 16:30");
        window_ = std::make_unique<Tgridform>(Workspace(directory_.path().toStdString()), &messages_);
        window_->show();
        auto* deadline = window_->findChild<QLabel*>(QStringLiteral("salgsfrist"));
        QVERIFY2(deadline->toolTip().contains(QStringLiteral("14:45")), qPrintable(deadline->toolTip()));
        QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("UpDown2ned")), Qt::LeftButton);
        QVERIFY2(deadline->toolTip().contains(QStringLiteral("16:30")), qPrintable(deadline->toolTip()));
        settings.setString("SALGSFRIST_LORDAG", "");
        settings.setString("SALGSFRIST_SONDAG", "");
    }

    void everyMenuLetterIsUsedOnce() {
        QStringList titles;
        for (QAction* entry : window_->menuBar()->actions()) {
            titles << mnemonic(entry->text());
            QStringList letters;
            for (QAction* action : entry->menu()->actions()) {
                if (action->isSeparator()) continue;
                const QString letter = mnemonic(action->text());
                QVERIFY2(!letter.isEmpty(), qPrintable(action->text() + QStringLiteral(" has no letter")));
                QVERIFY2(!letters.contains(letter), qPrintable(entry->text() + QStringLiteral(": ") + letter +
                                                               QStringLiteral(" twice, at ") + action->text()));
                letters << letter;
            }
        }
        QCOMPARE(titles.removeDuplicates(), qsizetype(0));
    }

    void systemanalyseHasAMenuEntry() {
        auto* entry = window_->findChild<QAction*>(QStringLiteral("systemanalyse"));
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("&Systemanalyse..."));
        entry->trigger();
        QWidget* analysis = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->inherits("andel::Tsystemanalyse") && widget->isVisible()) analysis = widget;
        }
        QVERIFY2(analysis, "Systemanalyse did not open");
        analysis->close();
    }

    // Tab from the week display round the whole window: the stem grid and the panels that
    // act as buttons are reached once each, the arrow buttons beside the selectors never.
    void tabReachesTheStemGridAndGoesPastTheArrows() {
        auto* start = window_->findChild<QWidget*>(QStringLiteral("vistippeomgang"));
        start->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), start);
        QStringList reached;
        for (int step = 0; step < 80; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            if (focus == start) break;
            reached << focus->objectName();
        }
        const QString chain = reached.join(QLatin1Char(' '));
        for (const char* control : {"StringGrid1", "BitBtn5", "settdagenskupong", "velgspiller", "BitBtn2"}) {
            QVERIFY2(reached.contains(QString::fromLatin1(control)), qPrintable(control + (QStringLiteral(" not in ") + chain)));
        }
        QCOMPARE(reached.removeDuplicates(), qsizetype(0));  // no control keeps the Tab
        for (const QString& name : reached) {
            QVERIFY2(!name.startsWith(QStringLiteral("UpDown")), qPrintable(reached.join(QLatin1Char(' '))));
        }
    }

    // Match 5 of the default stem has all three signs: Down four times reaches it, U (or X)
    // takes its U away and puts it back, B (or 2) its B; Space marks the framed cell.
    void theStemIsMarkedByKeys() {
        auto* stem = window_->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        stem->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(stem));
        const auto cell = [this](int column, int row) { return window_->state().stemGrid.at(column, row); };
        for (int i = 0; i < 4; ++i) QTest::keyClick(stem, Qt::Key_Down);
        QCOMPARE(stem->currentRow(), 5);
        const std::string marked = cell(2, 5);
        QVERIFY(!marked.empty());
        const struct {
            Qt::Key key;
            int column;
            bool markedAfter;
        } steps[] = {{Qt::Key_U, 2, false}, {Qt::Key_X, 2, true}, {Qt::Key_B, 3, false}, {Qt::Key_2, 3, true}};
        for (const auto& step : steps) {
            QTest::keyClick(stem, step.key);
            QCOMPARE(!cell(step.column, 5).empty(), step.markedAfter);
            QCOMPARE(stem->currentColumn(), step.column);
        }
        QTest::keyClick(stem, Qt::Key_Left);
        QTest::keyClick(stem, Qt::Key_Space);
        QVERIFY(cell(2, 5).empty());
        QTest::keyClick(stem, Qt::Key_Space);
        QCOMPARE(cell(2, 5), marked);
        // "Resett" by Space: every sign of every match marked.
        QVERIFY(cell(2, 1).empty());
        auto* reset = window_->findChild<QWidget*>(QStringLiteral("BitBtn5"));
        reset->setFocus();
        QTest::keyClick(reset, Qt::Key_Space);
        QVERIFY(!cell(2, 1).empty());
        QVERIFY(messages_.shown.empty());
    }
};

QTEST_MAIN(MainWindowKeyboardTest)
#include "main_window_keyboard_test.moc"
