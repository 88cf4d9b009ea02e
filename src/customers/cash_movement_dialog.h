#pragma once
// `Tinnskuddeuttak` ("Innskudd / uttak"): cash put into the drawer (a float) or taken out
// (to the bank), with a note, recorded through the books' one rule.
#include "platform/messages.h"
#include "platform/workspace.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace andel {

class Tinnskuddeuttak : public QDialog {
    Q_OBJECT
public:
    Tinnskuddeuttak(Workspace workspace, Messages& messages, QWidget* parent = nullptr);

private:
    void record();

    Workspace workspace_;
    Messages& messages_;
    QRadioButton* deposit_;
    QLineEdit* amount_;
    QLineEdit* note_;
};

// Shows the dialog; true when a movement was recorded.
bool moveCash(QWidget* owner, const Workspace& workspace, Messages& messages);

// "Åpne kasseskuffen": asks why, opens the drawer through the receipt printer chosen in the
// settings and records the opening with its note; nothing is recorded when it did not open.
void openDrawerByHand(QWidget* owner, const Workspace& workspace, Messages& messages);

}  // namespace andel
