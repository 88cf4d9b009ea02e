#pragma once
// `Tdagsoppgjor` ("Dagsoppgjør"): the drawer counted note by note (or as one sum) against
// what it should hold, the difference shown while the agent types, a reason when it is not
// 0, and the day closed through the books' one rule.
#include "books/cash_day.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace andel {

class Tdagsoppgjor : public QDialog {
    Q_OBJECT
public:
    Tdagsoppgjor(Workspace workspace, Messages& messages, QWidget* parent = nullptr);

    // Reads what the drawer should hold now.
    void reload();
    // The settlement's number once the day was closed here.
    int settled() const { return settled_; }

private:
    std::optional<std::int64_t> countedKroner() const;  // nothing while a field holds no whole kroner
    void renderDifference();
    void closeDay();

    Workspace workspace_;
    Messages& messages_;
    DayReport open_;
    int settled_ = 0;
    QLabel* expected_;
    std::vector<QLineEdit*> pieces_;
    QLineEdit* counted_;
    QLabel* difference_;
    QLineEdit* reason_;
    QPushButton* close_;
};

// Counts and closes the day; the settlement is then shown, ready to print.
void settleTheDay(QWidget* owner, const Workspace& workspace, Messages& messages);

}  // namespace andel
