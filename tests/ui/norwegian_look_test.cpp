// The look shared by every window: Qt's own dialogs answer in Bokmål (Nynorsk where the
// Bokmål catalogue has no text), the layout's fonts resolve to metric-compatible faces,
// long lists open as a scrolling list and texts too wide for their field are cut whole.
#include "widgets/fitting_panel.h"
#include "widgets/norwegian_look_panel.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QtTest>

class NorwegianLookTest : public QObject {
    Q_OBJECT

private:
    static QString labelText(QWidget& parent, const char* name) {
        auto* label = parent.findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QString();
    }

private slots:
    void initTestCase() {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QVERIFY(andel::installNorwegianTranslation(*qApp));
        andel::installLayoutFonts();
    }

    void messageBoxButtonsAreBokmaal() {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Lagre"), QStringLiteral("Lagre endringene?"),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Save)->text(), QStringLiteral("Lagre"));  // Nynorsk says "Lagra"
        QCOMPARE(box.button(QMessageBox::Discard)->text(), QStringLiteral("Forkast"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Avbryt"));
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Nei"));
    }

    // The file dialog of "Lagre som PDF...": its labels, buttons and column headings.
    void fileDialogIsBokmaal() {
        QFileDialog dialog(nullptr, QStringLiteral("Lagre andelsbrevene som PDF"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        QCOMPARE(labelText(dialog, "lookInLabel"), QStringLiteral("Se i:"));  // Nynorsk: "Leit i:"
        QCOMPARE(labelText(dialog, "fileNameLabel"), QStringLiteral("Fil&navn:"));  // Nynorsk: "Fil&namn:"
        QCOMPARE(labelText(dialog, "fileTypeLabel"), QStringLiteral("Filtype:"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->text(), QStringLiteral("&Lagre"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Avbryt"));
        auto* tree = dialog.findChild<QAbstractItemView*>(QStringLiteral("treeView"));
        QVERIFY(tree && tree->model());
        QCOMPARE(tree->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Navn"));
        QCOMPARE(tree->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Sist endret"));
    }

    void colourDialogAndPreviewToolsAreBokmaal() {
        QColorDialog colours;
        QCOMPARE(colours.windowTitle(), QStringLiteral("Velg farge"));

        QPrintPreviewDialog preview;
        QStringList texts;
        for (QAction* action : preview.findChildren<QAction*>()) texts << action->text();
        for (const char* expected : {"Zoom ut", "Zoom inn", "Skriv ut", "Sideoppsett", "Neste side", "Tilpass til siden"}) {
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
        }
        QVERIFY(!texts.contains(QStringLiteral("Zoom out")));
    }

    // The line edit's context menu, and a text only Qt's Nynorsk has.
    void contextMenuAndNynorskFallback() {
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("&Lim inn"));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("Merk alt"));
        QCOMPARE(QCoreApplication::translate("QFontDialog", "Select Font"), QStringLiteral("Vel skrift"));
    }

    // The layout's fonts become metric-compatible faces; none falls to DejaVu.
    void layoutFontsAreMetricCompatible_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("Tahoma") << "Tahoma" << "Liberation Sans";
        QTest::newRow("Courier New") << "Courier New" << "Liberation Mono";
        QTest::newRow("Copperplate Gothic Bold") << "Copperplate Gothic Bold" << "Liberation Serif";
    }
    void layoutFontsAreMetricCompatible() {
        QFETCH(QString, family);
        QFETCH(QString, resolved);
        QCOMPARE(QFontInfo(QFont(family, 10)).family(), resolved);
        QCOMPARE(QFontInfo(andel::windowFont()).family(), QStringLiteral("Liberation Sans"));
    }

    // About 1,700 weeks open as a list of twenty rows, scrolled to the current week.
    void longListsShowTwentyRowsAroundTheCurrentItem() {
        QWidget window;
        window.resize(400, 300);
        auto* weeks = new QComboBox(&window);
        for (int i = 0; i < 1700; ++i) weeks->addItem(QStringLiteral(" UKE %1 -%2").arg(i % 53 + 1).arg(2030 - i / 53));
        weeks->setCurrentIndex(900);
        andel::showListRows(*weeks);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        weeks->showPopup();
        QAbstractItemView* list = weeks->view();
        QTRY_VERIFY(list->isVisible());
        const int rowHeight = list->sizeHintForRow(0);
        const int rows = list->viewport()->height() / rowHeight;
        QVERIFY2(rows >= 18 && rows <= 21, qPrintable(QString::number(rows)));
        QVERIFY(list->viewport()->rect().contains(list->visualRect(weeks->model()->index(900, 0)).center()));
        weeks->hidePopup();
    }

    void tooWideTextIsCutWholeWithTheTextInItsTip() {
        QLabel label;
        label.setFont(andel::windowFont());
        label.setGeometry(0, 0, 120, 15);
        const QString path = QStringLiteral("C:\\NTFILE\\KRYSSEN_2.916_Rekker_KRISTOFFER_ALEKSANDER_JOHANNESSEN.NTF");
        andel::setFittedText(label, path);
        QVERIFY(label.text().endsWith(QChar(0x2026)));
        QVERIFY(path.startsWith(label.text().chopped(1)));
        QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= 120);
        QCOMPARE(label.toolTip(), path);

        andel::setFittedText(label, QStringLiteral("C:\\NTFILE"));
        QCOMPARE(label.text(), QStringLiteral("C:\\NTFILE"));
        QVERIFY(label.toolTip().isEmpty());

        // A narrow grid column keeps the whole letters that fit, with no mark.
        const QFontMetrics metrics(andel::windowFont());
        const int lor = metrics.horizontalAdvance(QStringLiteral("LØR"));
        QCOMPARE(andel::cutToWidth(metrics, QStringLiteral("LØRDAG"), lor), QStringLiteral("LØR"));
        QCOMPARE(andel::cutToWidth(metrics, QStringLiteral("LØRDAG"), lor + 1), QStringLiteral("LØR"));
        QCOMPARE(andel::cutToWidth(metrics, QStringLiteral("LØRDAG"), 1000), QStringLiteral("LØRDAG"));
    }
};

QTEST_MAIN(NorwegianLookTest)
#include "norwegian_look_test.moc"
