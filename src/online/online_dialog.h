#pragma once
// `Tonlineform` ("Onlinefil"): the player, the directory, the multiplier and the weeks of
// the online file about to be made, with the syndicate's coupon type, time basis and rows.
#include "online/online_dialog_fields.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace andel {

class Tonlineform : public QDialog {
    Q_OBJECT
public:
    explicit Tonlineform(QWidget* parent = nullptr);

    void fill(const OnlineDialogFill& fill);
    OnlineDialogAnswers answers() const;

    // Each opening starts in the name field, so a stray key types into a field and never
    // presses a button.
    void startTyping();

    // Centred horizontally over the main window, the top 70 pixels below its top.
    void placeOver(const QWidget& mainWindow);

protected:
    // Enter in the name field types a blank.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLabel* kupongtype_;
    QLabel* pauseordiner_;
    QComboBox* combodrive_;
    QComboBox* combogangefelt_;
    QComboBox* combouker_;
    QLabel* rekkertotalt_;
    QLabel* antallkuponger_;
};

}  // namespace andel
