#include "accounts/share_table_panel.h"

#include "books/ledger.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <algorithm>

namespace andel {
namespace {

using Column = ShareTablePanel::Column;

// The cells typed in, in the order Tab visits them.
constexpr Column kTypedColumns[] = {Column::Name, Column::Telephone, Column::PlayerNumber, Column::Paid, Column::Note};

// "999.999.999": the largest amount of whole kroner, grouped. The amount's editor takes
// more: a longer amount is refused by the books with its reason, never cut.
constexpr int kAmountLength = 11;

// The longest text a typed column holds; 0 for a column that is not typed in.
constexpr int typedLength(int column) {
    switch (column) {
        case Column::Name: return static_cast<int>(kNameLength);
        case Column::Telephone: return static_cast<int>(kTelephoneLength);
        case Column::PlayerNumber: return static_cast<int>(kPlayerNumberLength);
        case Column::Paid: return kAmountLength;
        case Column::Note: return static_cast<int>(kNoteLength);
        default: return 0;
    }
}

// Typing stops where a text field ends, so nothing is cut or refused after the fact. An
// amount is taken as typed: a comma, a minus or too many digits reach the books, which
// say what is wrong with it, rather than being dropped into another amount.
class TypedCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && index.column() != Column::Paid) {
            line->setMaxLength(typedLength(index.column()));
        }
        return editor;
    }
};

}  // namespace

ShareTablePanel::ShareTablePanel(QWidget* parent) : QTableWidget(0, ColumnCount, parent) {
    setObjectName(QStringLiteral("andeler"));
    setHorizontalHeaderLabels({QStringLiteral("Andel"), QStringLiteral("Navn"), QStringLiteral("Telefon"),
                               QStringLiteral("Spillenummer"), QStringLiteral("Betalt"), QStringLiteral("Dato"),
                               QStringLiteral("Gevinst"), QStringLiteral("Utbetalt"), QStringLiteral("Dato"),
                               QStringLiteral("Merknad")});
    setItemDelegate(new TypedCellDelegate(this));
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    horizontalHeader()->setStretchLastSection(true);
    // Each column as wide as its heading (bold, and the winnings' with "(foreløpig)") or
    // its widest expected text; the note takes the rest.
    QFont headingFont = horizontalHeader()->font();
    headingFont.setBold(true);
    const QFontMetrics heading(headingFont), cells(font());
    const QString widest[ColumnCount] = {QStringLiteral("000"),        QString(42, QLatin1Char('n')),
                                         QStringLiteral("000-00000"),  QStringLiteral("000 000 000"),
                                         QStringLiteral("000.000"),    QStringLiteral("00.00.0000"),
                                         QStringLiteral("000.000.000"), QStringLiteral("000.000"),
                                         QStringLiteral("00.00.0000"), QStringLiteral("Merknad")};
    for (int c = 0; c < ColumnCount; ++c) {
        const QString caption = c == Winnings ? QStringLiteral("Gevinst (foreløpig)") : horizontalHeaderItem(c)->text();
        const int text = c == Name ? 150 : cells.horizontalAdvance(widest[c]);
        setColumnWidth(c, std::max(text, heading.horizontalAdvance(caption)) + 16);
    }
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(this, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!filling_) emit typed(row + 1, column, item(row, column)->text());
    });
}

void ShareTablePanel::showShares(std::vector<Fields> rows, bool typable, const QString& winningsHeading) {
    rows_ = std::move(rows);
    typable_ = typable;
    horizontalHeaderItem(Winnings)->setText(winningsHeading);
    if (static_cast<int>(rows_.size()) != rowCount() && editing()) {
        waiting_ = true;
        return;
    }
    fill();
}

void ShareTablePanel::fill() {
    waiting_ = false;
    filling_ = true;
    const int keepRow = currentRow();
    const bool newRows = static_cast<int>(rows_.size()) != rowCount();
    if (newRows) {
        setRowCount(0);
        setRowCount(static_cast<int>(rows_.size()));
    }
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem* cell = item(row, column);
            if (!cell) {
                cell = new QTableWidgetItem;
                if (column == Share || column == Paid || column == Winnings || column == PaidOut) {
                    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                }
                setItem(row, column, cell);
            }
            // Only what differs is set: an unchanged cell is left alone, its editor too.
            const QString text = QString::fromStdString(rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
            if (cell->text() != text) cell->setText(text);
            const bool editable = typable_ && typedLength(column) > 0;
            const Qt::ItemFlags flags = editable ? cell->flags() | Qt::ItemIsEditable : cell->flags() & ~Qt::ItemIsEditable;
            if (flags != cell->flags()) cell->setFlags(flags);
        }
    }
    if (newRows && rowCount() > 0) setCurrentCell(std::clamp(keepRow, 0, rowCount() - 1), Name);
    filling_ = false;
}

std::vector<int> ShareTablePanel::selectedShares() const {
    std::vector<int> shares;
    for (const QModelIndex& index : selectionModel()->selectedRows()) shares.push_back(index.row() + 1);
    std::sort(shares.begin(), shares.end());
    if (shares.empty() && currentShare() > 0) shares.push_back(currentShare());
    return shares;
}

QModelIndex ShareTablePanel::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action != MoveNext && action != MovePrevious) return QTableWidget::moveCursor(action, modifiers);
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return action == MoveNext && rowCount() > 0 ? model()->index(0, kTypedColumns[0]) : QModelIndex();
    }
    // The typed cells of the share's row; Tab leaves the table from the last of them and
    // Shift+Tab from the first, so the keyboard never has to walk every share to get out.
    if (action == MoveNext) {
        for (Column column : kTypedColumns) {
            if (column > current.column()) return model()->index(current.row(), column);
        }
    } else {
        for (auto at = std::rbegin(kTypedColumns); at != std::rend(kTypedColumns); ++at) {
            if (*at < current.column()) return model()->index(current.row(), *at);
        }
    }
    return {};
}

void ShareTablePanel::keyPressEvent(QKeyEvent* event) {
    // Enter on a share goes to the next share, as it does when it commits a typed cell.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !editing() && event->modifiers() == Qt::NoModifier) {
        nextShare();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ShareTablePanel::nextShare() {
    if (currentRow() + 1 < rowCount()) setCurrentCell(currentRow() + 1, std::max(currentColumn(), 0));
}

void ShareTablePanel::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Tab out of a row's last typed cell (or Shift+Tab out of its first) leaves the table.
    const bool tabbing = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    const bool leave = tabbing && !moveCursor(hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious, {}).isValid();
    QTableWidget::closeEditor(editor, leave ? QAbstractItemDelegate::NoHint : hint);
    if (leave) focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
    if (hint == QAbstractItemDelegate::SubmitModelCache) nextShare();  // Enter: committed, on to the next share
    // Tab has opened the next cell's editor by now; a waiting refresh waits on for it.
    if (waiting_ && !editing()) {
        QMetaObject::invokeMethod(this, [this] {
            if (waiting_ && !editing()) fill();
        }, Qt::QueuedConnection);
    }
}

}  // namespace andel
