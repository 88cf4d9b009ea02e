#pragma once
// The shares of a ledger as the agent works them at the counter: a row per share; the
// name, telephone, player number, paid amount and note are typed in place. Tab and
// Shift+Tab go from one typed cell of a share to the next and leave the table after its
// last; Enter commits what is typed and goes to the next share, so a buyer is written
// down without the mouse. Several shares can be selected at once.
//
// The rows are refreshed in place. A refresh that changes the number of rows waits until
// no cell is being edited: an editor must never lose its cell under it.
#include "accounts/accounts_report.h"

#include <QTableWidget>

#include <vector>

namespace andel {

class ShareTablePanel : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Share, Name, Telephone, PlayerNumber, Paid, PaidOn, Winnings, PaidOut, PaidOutOn, Note, ColumnCount };

    explicit ShareTablePanel(QWidget* parent = nullptr);

    // One row of texts per share, in the columns' order; `typable` false (a voided ledger)
    // makes every cell read-only. The winnings' heading says whether they are a forecast.
    void showShares(std::vector<Fields> rows, bool typable, const QString& winningsHeading);
    // The selected shares numbered from 1 in order; the current share when none is selected.
    std::vector<int> selectedShares() const;
    // 0 when there is no current share.
    int currentShare() const { return currentRow() + 1; }
    bool editing() const { return state() == EditingState; }

signals:
    // The agent committed a typed cell of the share (numbered from 1).
    void typed(int share, int column, const QString& text);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void fill();
    void nextShare();

    std::vector<Fields> rows_;
    bool typable_ = false;
    bool filling_ = false;
    bool waiting_ = false;  // a refresh that changes the rows waits for the editor to close
};

}  // namespace andel
