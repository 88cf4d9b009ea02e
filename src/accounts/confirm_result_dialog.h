#pragma once
// `Tgodkjennresultat` ("Godkjenn resultat"): the round's result and its three prizes as
// the agent confirms them as final for a ledger. Filled from the pools history as it
// stands; every field can be corrected by hand, and the result marked in the prize panel
// can be taken over. A BEGGE syndicate confirms the half time's result as well.
#include "books/ledger.h"
#include "books/ledger_winnings.h"

#include <QDialog>

#include <optional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace andel {

class Tgodkjennresultat : public QDialog {
    Q_OBJECT
public:
    // `marked`: the prize panel's result when it was marked for this ledger's round.
    Tgodkjennresultat(const SyndicateFacts& facts, const HistoryRounds& history, const std::optional<ConfirmedRound>& marked,
                      QWidget* parent = nullptr);

    // The result as the fields give it, with today's date; nothing while a field is not
    // filled in right (the message below the fields says which).
    std::optional<ConfirmedResult> result() const;

private:
    struct RoundFields {
        QLineEdit* signs;
        QLineEdit* prizes[3];
    };
    RoundFields addRound(QGridLayout* grid, int row, const QString& caption, const char* prefix);
    static void fill(const RoundFields& fields, const std::optional<ConfirmedRound>& round);
    std::optional<ConfirmedRound> read(const RoundFields& fields, const QString& caption, QString& fault) const;
    void check();

    bool both_;
    RoundFields fullTime_{};
    RoundFields halfTime_{};
    QLabel* fault_ = nullptr;
    QPushButton* ok_ = nullptr;  // made last: filling the fields checks them before it exists
};

}  // namespace andel
