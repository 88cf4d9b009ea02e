#include "register/customer_register.h"

#include "model/text.h"
#include "settings/settings_keys.h"

#include <charconv>

namespace andel {
namespace {

// The number of a text of digits; 0 when there are none or too many.
int numberOf(const std::string& digits) {
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() ? number : 0;
}

void reloadAndSort(CustomerRegister& reg, const Workspace& workspace, SettingsStore& settings) {
    reg.loadedStamp.reset();  // the file was just rewritten: read it whatever its stamp says
    loadRegister(reg, workspace, settings);
    sortByCriterion(reg);
}

// A value that names no criterion sorts by last name, the entry ticked from the start,
// so the register always opens sorted as its menu says.
int criterionOrFirst(int criterion) { return isCriterion(criterion) ? criterion : kFirstCriterion; }

}  // namespace

int storedCriterion(const SettingsStore& settings) {
    const SettingValue setting = settings.getString(kQtomSortkriterie);
    return criterionOrFirst(setting.found ? numberOf(removeBlanks(setting.value)) : 0);
}

void loadRegister(CustomerRegister& reg, const Workspace& workspace, SettingsStore& settings) {
    const std::optional<FileStamp> stamp = registerStamp(workspace);
    if (stamp == reg.loadedStamp && reg.loadedStamp) {
        applyCriterion(reg, storedCriterion(settings), settings);
        return;
    }
    reg.loadedStamp = stamp;
    if (!stamp) return;  // a missing register leaves the table as it is
    fillCustomerTable(reg.table, readCustomers(workspace));
    selectRow(reg, reg.cursorRow < reg.table.rows.size() ? reg.cursorRow : 0);
}

void applyCriterion(CustomerRegister& reg, int criterion, SettingsStore& settings) {
    if (criterion == reg.criterion) return;
    arrangeColumns(reg.table, criterion);
    reg.criterion = criterion;
    settings.setInt(kQtomSortkriterie, criterion);
}

void sortByCriterion(CustomerRegister& reg) {
    if (isCriterion(reg.criterion)) sortRows(reg.table, sortHeader(reg.criterion));
}

void chooseCriterion(CustomerRegister& reg, int criterion, SettingsStore& settings) {
    applyCriterion(reg, criterion, settings);
    sortByCriterion(reg);
}

void activateRegister(CustomerRegister& reg, SettingsStore& settings) {
    const SettingValue setting = settings.getString(kQtomSortkriterie);
    const std::string digits = setting.found ? digitsOnly(setting.value) : std::string();
    const int criterion = criterionOrFirst(numberOf(digits));
    if (criterion != reg.criterion) chooseCriterion(reg, criterion, settings);
}

void selectRow(CustomerRegister& reg, std::size_t row) {
    if (row >= reg.table.rows.size()) return;
    reg.cursorRow = row;
    reg.current = CurrentCustomer{trimBlanks(reg.table.cell(kFirstNameHeader, row)),
                                  trimBlanks(reg.table.cell(kLastNameHeader, row)),
                                  trimBlanks(reg.table.cell(kPlayerNumberHeader, row))};
}

void moveCursor(CustomerRegister& reg, std::size_t row) {
    if (row < reg.table.rows.size()) reg.cursorRow = row;
}

bool searchCustomer(CustomerRegister& reg, std::string_view text) {
    if (text.empty()) return true;
    const std::optional<std::size_t> row = searchRow(reg.table, text);
    if (row) selectRow(reg, *row);
    return row.has_value();
}

bool addCustomer(CustomerRegister& reg, const Tkunderec& customer, const Workspace& workspace,
                 SettingsStore& settings, Messages& messages) {
    if (!appendCustomer(workspace, customer, messages)) return false;
    reloadAndSort(reg, workspace, settings);
    return true;
}

bool changeCustomer(CustomerRegister& reg, std::size_t row, const Tkunderec& customer,
                    const Workspace& workspace, SettingsStore& settings, Messages& messages) {
    if (row >= reg.table.rows.size()) return false;
    if (!replaceCustomer(workspace, rowToRecord(reg.table, row), customer, messages)) return false;
    reloadAndSort(reg, workspace, settings);
    return true;
}

bool deleteCustomerRow(CustomerRegister& reg, std::size_t row, const Workspace& workspace, Messages& messages) {
    if (row >= reg.table.rows.size()) return false;
    if (!deleteCustomer(workspace, rowToRecord(reg.table, row), messages)) return false;
    removeRow(reg.table, row);
    if (reg.cursorRow >= reg.table.rows.size()) reg.cursorRow = reg.table.rows.size() - 1;
    return true;
}

}  // namespace andel
