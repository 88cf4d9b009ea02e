#pragma once
// `Tnykunde` ("Registrere ny spiller"): entering a new customer or changing one. Enter
// does not close it (its default button is invisible and does nothing); Escape cancels.
#include "platform/messages.h"
#include "register/customer_fields.h"

#include <QDialog>

class QLineEdit;

namespace andel {

class Tnykunde : public QDialog {
    Q_OBJECT
public:
    explicit Tnykunde(QWidget* parent = nullptr);
    void setFields(const CustomerFields& fields);
    CustomerFields fields() const;
    // Where OK says what keeps the fields from being stored (the dialog then stays open
    // with the field in question focused).
    void useMessages(Messages* messages) { messages_ = messages; }

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void confirm();

private:
    QLineEdit* fornavn_;
    QLineEdit* etternavn_;
    QLineEdit* spillenummer_;
    QLineEdit* dag_;
    QLineEdit* mnd_;
    QLineEdit* aar_;
    QLineEdit* telefon1_;
    QLineEdit* telefon2_;
    QLineEdit* telefax1_;
    QLineEdit* annen_;
    Messages* messages_ = nullptr;
    bool shownBefore_ = false;
};

}  // namespace andel
