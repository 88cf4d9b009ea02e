#pragma once
// The register window's state without its widgets: the customer table, the sort
// criterion, the stamp of the file at the last load, the current customer and the hold
// flag, with the steps the window runs on them.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "register/customer_table.h"
#include "register/register_file.h"
#include "settings/settings_store.h"

#include <chrono>
#include <optional>
#include <string>

namespace andel {

// The customer the main window takes: texts trimmed of their blanks.
struct CurrentCustomer {
    std::string firstName, lastName, playerNumber;  // the number as the cell groups it
};

struct CustomerRegister {
    CustomerTable table = emptyCustomerTable();
    int criterion = 0;  // 0: none applied yet
    std::optional<FileStamp> loadedStamp;
    std::size_t cursorRow = 0;  // the selected data row
    std::optional<CurrentCustomer> current;
    bool hold = true;  // "Hold for redigeing": a click only selects
};

// The criterion as the window reads it at load: every blank removed, a number 1 to 4,
// anything else (missing, 0, not a number, out of range) gives 1.
int storedCriterion(const SettingsStore& settings);

// Reads WTOM.KVS into the table when its stamp changed since the last load; otherwise
// only applies the stored criterion's column order. Rows stay in file order.
void loadRegister(CustomerRegister& reg, const Workspace& workspace, SettingsStore& settings);

// Column order of the criterion; keeps it as current and writes it to the settings.
// Does nothing when it equals the current criterion.
void applyCriterion(CustomerRegister& reg, int criterion, SettingsStore& settings);

// Sorts by the current criterion's column (no sort for other values).
void sortByCriterion(CustomerRegister& reg);

// A sort menu entry: arrange and sort.
void chooseCriterion(CustomerRegister& reg, int criterion, SettingsStore& settings);

// On activation: the criterion from the settings (its digits; anything that names no
// criterion gives 1) is applied and sorted when it differs from the current one.
void activateRegister(CustomerRegister& reg, SettingsStore& settings);

// Selects a row and makes it the current customer (the window does this after a load
// and on every click).
void selectRow(CustomerRegister& reg, std::size_t row);

// The highlight moved to a row, however it got there (arrow keys, a drag, a click):
// delete and change act on it. The current customer stays until a row is chosen.
void moveCursor(CustomerRegister& reg, std::size_t row);

// The search field's text changed: selects the first matching row without choosing it
// (the window holds its hold flag meanwhile); false when nothing matches, and the
// window then clears the field.
bool searchCustomer(CustomerRegister& reg, std::string_view text);

// New or changed customer: append (a change replaces the row's customer in the same
// rewrite, so a failure cannot lose it), reload and sort. False when the register file
// could not be rewritten; it is then unchanged.
bool addCustomer(CustomerRegister& reg, const Tkunderec& customer, const Workspace& workspace,
                 SettingsStore& settings, Messages& messages);
bool changeCustomer(CustomerRegister& reg, std::size_t row, const Tkunderec& customer,
                    const Workspace& workspace, SettingsStore& settings, Messages& messages);

// Deletes the row's customer from the file and removes the row from the table.
bool deleteCustomerRow(CustomerRegister& reg, std::size_t row, const Workspace& workspace, Messages& messages);

// The question asked before a delete.
inline constexpr std::string_view kDeleteCustomerQuestion = "Vil du slette den kunden du står på nå ?";

}  // namespace andel
