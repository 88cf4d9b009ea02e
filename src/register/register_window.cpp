#include "register/register_window.h"


#include "widgets/window_parts_panel.h"

#include "model/text.h"
#include "platform/clock.h"
#include "platform/io_error.h"
#include "register/new_customer_dialog.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QProxyStyle>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace andel {
namespace {

// The labels over the table and the column header each stands for.
const std::pair<const char*, std::string_view> kHeaderLabels[] = {
    {"Fornavn", kFirstNameHeader}, {"Etternavn", kLastNameHeader}, {"Spillenummer", kPlayerNumberHeader},
    {"Reg.dato", kRegDateHeader},  {"Telefon", kTelephoneHeader}};

// The letter keys show their hint at once, so the hint follows the mouse from key to key.
class ImmediateHints : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        return hint == SH_ToolTip_WakeUpDelay ? 0 : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

Tkundekartotek::Tkundekartotek(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages),
      settings_(mainStore(workspace_, messages_)) {
    setObjectName(QStringLiteral("Tkundekartotek"));
    setWindowTitle(QStringLiteral("Kundekartotek"));
    editor_ = [this](CustomerFields& fields) {
        if (!newCustomer_) useNewCustomerDialog(new Tnykunde(this));
        newCustomer_->setFields(fields);
        if (newCustomer_->exec() != QDialog::Accepted) return false;
        fields = newCustomer_->fields();
        return true;
    };
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(new QMenuBar(this));
    auto* bar = new QHBoxLayout;
    QToolButton* close = pictureButton(this, QStyle::SP_DialogCloseButton, "lukk");
    QToolButton* add = pictureButton(this, QStyle::SP_FileDialogNewFolder, "nykunde");
    QToolButton* change = pictureButton(this, QStyle::SP_FileDialogDetailedView, "endrekunde");
    QToolButton* remove = pictureButton(this, QStyle::SP_TrashIcon, "slettkunde");
    hold_ = new QCheckBox(QStringLiteral("Hold for redigeing"), this);
    hold_->setObjectName(QStringLiteral("holdforredigering"));
    QFont bold = hold_->font();
    bold.setBold(true);
    hold_->setFont(bold);
    auto* account = new QPushButton(QStringLiteral("&Kundekonto..."), this);
    account->setObjectName(QStringLiteral("kundekonto"));
    account->setAutoDefault(false);
    account->setToolTip(QStringLiteral("Kundens andeler i alle andelslag, og saldoen"));
    for (QWidget* w : std::initializer_list<QWidget*>{close, add, change, remove, account}) bar->addWidget(w);
    bar->addWidget(hold_, 1);
    layout->addLayout(bar);
    layout->addWidget(buildKeyboard());
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("sokefelt"));
    search_->installEventFilter(this);
    layout->addWidget(search_);

    labelBar_ = new QWidget(this);
    labelBar_->setFixedHeight(18);
    for (const auto& [text, header] : kHeaderLabels) {
        auto* label = new QLabel(QString::fromUtf8(text), labelBar_);
        label->setFont(bold);
        headerLabels_.push_back(label);
    }
    layout->addWidget(labelBar_);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("kundetabell"));
    table_->setColumnCount(kCustomerColumns);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(16);
    table_->horizontalHeader()->setMinimumSectionSize(0);
    table_->horizontalHeader()->setSectionsMovable(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);  // Tab leaves the rows; the arrow keys move through them
    // The customer the search found stays plainly marked while the agent types on in the
    // search field (Windows' own style greys a selection out of focus).
    QPalette marked = table_->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        marked.setColor(QPalette::Inactive, role, marked.color(QPalette::Active, role));
    }
    table_->setPalette(marked);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(11);
    courier.setStyleHint(QFont::TypeWriter);
    table_->setFont(courier);
    layout->addWidget(table_);

    buildMenu();
    connect(close, &QToolButton::clicked, this, &QDialog::reject);
    connect(add, &QToolButton::clicked, this, [this] { editCustomer(false); });
    connect(change, &QToolButton::clicked, this, [this] { editCustomer(true); });
    connect(remove, &QToolButton::clicked, this, &Tkundekartotek::deleteSelected);
    connect(account, &QPushButton::clicked, this, [this] { guarded([this] { showAccount(); }); });
    connect(hold_, &QCheckBox::toggled, this, [this](bool on) { register_.hold = on; });
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) { rowClicked(row); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { rowClicked(row); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& now) {
        if (!rendering_ && now.isValid()) moveCursor(register_, static_cast<std::size_t>(now.row()));
    });
    table_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, this, &Tkundekartotek::searchChanged);

    // From the search field one Tab reaches the rows, then the check box and the buttons.
    setTabOrder(search_, table_);
    setTabOrder(table_, hold_);
    setTabOrder(hold_, close);
    setTabOrder(close, add);
    setTabOrder(add, change);
    setTabOrder(change, remove);
    setTabOrder(remove, account);
    account->setEnabled(false);  // until the program gives the account window

    hold_->setChecked(true);
    resize(600, 420);
    guarded([this] { loadRegister(register_, workspace_, settings_); });
    render();
}

void Tkundekartotek::showAccount() {
    if (!openAccount_ || register_.cursorRow >= register_.table.rows.size()) return;
    openAccount_(this, rowToRecord(register_.table, register_.cursorRow));
}

void Tkundekartotek::setAccountOpener(AccountOpener opener) {
    openAccount_ = std::move(opener);
    if (auto* button = findChild<QPushButton*>(QStringLiteral("kundekonto"))) button->setEnabled(static_cast<bool>(openAccount_));
}

void Tkundekartotek::useNewCustomerDialog(Tnykunde* dialog) {
    newCustomer_ = dialog;
    if (dialog) dialog->useMessages(&messages_);
}

void Tkundekartotek::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const IoError& error) {
        messages_.inform(error.what());
    }
}

QWidget* Tkundekartotek::buildKeyboard() {
    auto* keys = new QWidget(this);
    auto* row = new QHBoxLayout(keys);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    QStringList letters{QStringLiteral(" ")};
    for (char c = 'A'; c <= 'Z'; ++c) letters << QString(QChar(c));
    auto* hints = new ImmediateHints;
    hints->setParent(keys);
    letters << QStringLiteral("Æ") << QStringLiteral("Ø") << QStringLiteral("Å") << QStringLiteral("<");
    for (const QString& letter : letters) {
        auto* key = new QToolButton(keys);
        key->setObjectName(QStringLiteral("tast") + (letter == QStringLiteral(" ") ? QStringLiteral("mellomrom") : letter));
        key->setText(letter);
        key->setToolTip(letter);
        key->setStyle(hints);
        key->setAutoRaise(true);  // raised under the mouse, flat when it leaves, lowered when pressed
        key->setFixedSize(18, 18);
        key->setFocusPolicy(Qt::NoFocus);  // typed letters reach the search field; Tab skips the keys
        key->setVisible(letter != QStringLiteral("<"));
        row->addWidget(key);
        connect(key, &QToolButton::pressed, this, [this, letter] {
            if (letter == QStringLiteral("<")) {
                search_->backspace();
            } else {
                search_->insert(letter);
            }
        });
    }
    row->addStretch();
    return keys;
}

void Tkundekartotek::buildMenu() {
    QMenu* sorting = findChild<QMenuBar*>()->addMenu(QStringLiteral("&Sortering"));
    const char* entries[] = {"&Etternavn", "&Fornavn", "&Spillenummer", "&Dato på spillekort"};
    for (int criterion = kFirstCriterion; criterion <= kLastCriterion; ++criterion) {
        QAction* entry = sorting->addAction(QString::fromUtf8(entries[criterion - 1]));
        entry->setCheckable(true);
        sortEntries_.push_back(entry);
        connect(entry, &QAction::triggered, this, [this, criterion] {
            guarded([&] { chooseCriterion(register_, criterion, settings_); });
            render();
        });
    }
    sortEntries_.front()->setChecked(true);
}

void Tkundekartotek::render() {
    const QScopedValueRollback quiet(rendering_, true);
    const CustomerTable& table = register_.table;
    table_->setRowCount(static_cast<int>(table.rows.size()));
    for (int column = 0; column < kCustomerColumns; ++column) {
        table_->setColumnWidth(column, table.widths[column]);
        table_->setColumnHidden(column, table.widths[column] == 0);
        for (std::size_t row = 0; row < table.rows.size(); ++row) {
            const QString text = QString::fromStdString(table.rows[row][column]);
            QTableWidgetItem* item = table_->item(static_cast<int>(row), column);
            if (!item) table_->setItem(static_cast<int>(row), column, item = new QTableWidgetItem);
            if (item->text() != text) item->setText(text);
        }
    }
    if (isCriterion(register_.criterion)) {
        for (int i = 0; i < static_cast<int>(sortEntries_.size()); ++i) sortEntries_[i]->setChecked(i + 1 == register_.criterion);
    }
    const QSignalBlocker quietTable(table_);
    table_->selectRow(static_cast<int>(register_.cursorRow));
    placeHeaderLabels();
}

void Tkundekartotek::placeHeaderLabels() {
    // The " Telefon " column reaches the table's right edge.
    const int telephone = register_.table.column(kTelephoneHeader);
    int used = 0;
    for (int column = 0; column < kCustomerColumns; ++column) {
        if (column != telephone && !table_->isColumnHidden(column)) used += table_->columnWidth(column);
    }
    const int room = table_->viewport()->width() - used;
    if (room > register_.table.widths[telephone]) table_->setColumnWidth(telephone, room);
    for (std::size_t i = 0; i < headerLabels_.size(); ++i) {
        const int column = register_.table.column(kHeaderLabels[i].second);
        headerLabels_[i]->move(table_->columnViewportPosition(column) + 10 + table_->frameWidth(), 0);
        headerLabels_[i]->adjustSize();
    }
}

void Tkundekartotek::placeForChoosing(const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    setGeometry(main.center().x() - width() / 2, main.top() + 45, width(), main.height() - 85);
    hold_->setChecked(false);
}

void Tkundekartotek::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    guarded([this] { activateRegister(register_, settings_); });
    search_->clear();
    render();
    search_->setFocus();
}

bool Tkundekartotek::typeIntoSearch(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (key.key() == Qt::Key_Backspace) {
        search_->backspace();
        return true;
    }
    const QString text = key.text();
    // A blank separates the words of one search ("hansen o"); it never starts one.
    const bool wordBreak = text == QStringLiteral(" ") && !search_->text().isEmpty();
    if (text.size() != 1 || !(text.front().isLetterOrNumber() || wordBreak)) return false;
    search_->insert(text);
    return true;
}

void Tkundekartotek::keyPressEvent(QKeyEvent* event) {
    // Keys the buttons and the check box leave alone arrive here.
    if (!typeIntoSearch(*event)) QDialog::keyPressEvent(event);
}

bool Tkundekartotek::moveHighlight(const QKeyEvent& key) {
    const int rows = table_->rowCount();
    const int page = std::max(1, table_->viewport()->height() / std::max(1, table_->verticalHeader()->defaultSectionSize()));
    int step = 0;
    switch (key.key()) {
        case Qt::Key_Down: step = 1; break;
        case Qt::Key_Up: step = -1; break;
        case Qt::Key_PageDown: step = page; break;
        case Qt::Key_PageUp: step = -page; break;
        default: return false;
    }
    if (rows == 0) return true;
    const int row = std::clamp(static_cast<int>(register_.cursorRow) + step, 0, rows - 1);
    table_->selectRow(row);  // moves the register's cursor through currentRowChanged
    table_->scrollToItem(table_->item(row, 0));
    return true;
}

bool Tkundekartotek::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::MouseButtonPress) search_->clear();
    if ((watched == search_ || watched == table_) && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            guarded([this] { rowClicked(static_cast<int>(register_.cursorRow)); });
            return true;
        }
        if (watched == search_ && moveHighlight(key)) return true;
    }
    // The table would take letters for its own row search: they belong to the search field.
    if (watched == table_ && event->type() == QEvent::KeyPress && typeIntoSearch(static_cast<QKeyEvent&>(*event))) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tkundekartotek::rowClicked(int row) {
    if (row < 0 || row >= table_->rowCount()) return;
    selectRow(register_, static_cast<std::size_t>(row));
    if (!register_.hold) accept();
}

void Tkundekartotek::searchChanged(const QString& text) {
    const QString upper = QString::fromStdString(upperCase(text.toStdString()));
    if (upper != text) {
        search_->setText(upper);  // runs this again with the upper-cased text
        return;
    }
    if (!searchCustomer(register_, upper.toStdString())) {
        search_->clear();
        return;
    }
    const QSignalBlocker quiet(table_);
    table_->selectRow(static_cast<int>(register_.cursorRow));
}

void Tkundekartotek::editCustomer(bool change) {
    const std::size_t row = register_.cursorRow;
    CustomerFields fields = change ? fieldsFromRow(register_.table, row) : newCustomerFields(localToday());
    if (!editor_(fields)) return;
    if (const auto problem = fieldsProblem(fields)) {
        messages_.inform(problem->message);
        return;
    }
    guarded([&] {
        if (change) {
            changeCustomer(register_, row, customerFromFields(fields), workspace_, settings_, messages_);
        } else {
            addCustomer(register_, customerFromFields(fields), workspace_, settings_, messages_);
        }
    });
    render();
}

void Tkundekartotek::deleteSelected() {
    const Message question{std::string(kDeleteCustomerQuestion), MessageButtons::YesNo, MessagePlacement::Centred,
                           MessageIcon::Information};
    if (!messages_.show(question)) return;
    guarded([this] { deleteCustomerRow(register_, register_.cursorRow, workspace_, messages_); });
    render();
}

}  // namespace andel
