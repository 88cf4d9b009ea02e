#pragma once
// `Tkundekartotek` ("Kundekartotek"): the customer register. Shown modally by the main
// window; the result is Accepted when a customer was chosen, and currentCustomer() then
// holds first name, last name and the player number as the table groups it.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "register/customer_fields.h"
#include "register/customer_register.h"
#include "settings/settings_store.h"

#include <QDialog>

#include <functional>
#include <optional>

class QAction;
class QKeyEvent;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace andel {

class Tnykunde;

class Tkundekartotek : public QDialog {
    Q_OBJECT
public:
    Tkundekartotek(Workspace workspace, Messages& messages, QWidget* parent = nullptr);

    // The customer of the row under the cursor (after a load, or the one chosen).
    const std::optional<CurrentCustomer>& currentCustomer() const { return register_.current; }
    const CustomerRegister& customerRegister() const { return register_; }

    // Top = main window's top + 45, height = its height - 85, the same horizontal centre;
    // clears the hold flag so a click chooses.
    void placeForChoosing(const QWidget& mainWindow);
    // The program's one `Tnykunde` enters and changes customers; without it the register
    // makes its own when first needed and keeps it.
    void useNewCustomerDialog(Tnykunde* dialog);
    // Opens the highlighted customer's account ("Kundekonto..."); the button is disabled
    // until the program gives it.
    using AccountOpener = std::function<void(QWidget* parent, const Tkunderec& customer)>;
    void setAccountOpener(AccountOpener opener);
    // Replaces the `Tnykunde` dialog (tests fill the fields themselves).
    void setCustomerEditor(std::function<bool(CustomerFields&)> editor) { editor_ = std::move(editor); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a step of an event handler; a file error becomes a message box and the window
    // stays as the step left it.
    void guarded(const std::function<void()>& step);
    // Letter and digit keys typed anywhere in the window go to the search field; Enter and
    // Return choose the highlighted customer as a click on its row does.
    bool typeIntoSearch(const QKeyEvent& key);
    QWidget* buildKeyboard();
    void buildMenu();
    // The highlighted customer's account across the ledgers ("Kundekonto...").
    void showAccount();
    void render();
    void placeHeaderLabels();
    void rowClicked(int row);
    // The search field's arrow keys move the highlight through the rows, as in the table.
    bool moveHighlight(const QKeyEvent& key);
    void searchChanged(const QString& text);
    void editCustomer(bool change);
    void deleteSelected();

    Workspace workspace_;
    Messages& messages_;
    SettingsStore settings_;
    CustomerRegister register_;
    Tnykunde* newCustomer_ = nullptr;
    std::function<bool(CustomerFields&)> editor_;
    AccountOpener openAccount_;
    QTableWidget* table_;
    QCheckBox* hold_;
    QLineEdit* search_;
    QWidget* labelBar_;
    std::vector<QLabel*> headerLabels_;
    std::vector<QAction*> sortEntries_;
    bool rendering_ = false;  // the table is being refilled: its highlight moves are ours
};

}  // namespace andel
