#include "main_window/rows_export_dialog.h"

#include "model/text.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "workbench/selectors.h"
#include "workbench/stem_editing.h"

#include <QFileDialog>

namespace andel {
namespace {

const QString kEFilter = QStringLiteral("Rekker med overskrift, E,1,X,2,... (*.txt)");
const QString kPlainFilter = QStringLiteral("Rekker, tolv tegn pr linje (*.txt)");

}  // namespace

RowsExportChooser rowsExportDialog(QWidget* parent) {
    return [parent](const QString& suggested) -> std::optional<RowsExportChoice> {
        QString filter = kEFilter;
        const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Eksporter rekker"), suggested,
                                                          kEFilter + QStringLiteral(";;") + kPlainFilter, &filter);
        if (file.isEmpty()) return std::nullopt;
        return RowsExportChoice{file, filter == kPlainFilter ? RowLayout::Plain : RowLayout::E};
    };
}

void exportRows(const WorkbenchState& state, const QString& suggestedDirectory, const RowsExportChooser& choose,
                Messages& messages) {
    const std::string week = trimBlanks(gameWeekTextOf(state));
    const std::string type(couponTypeText(couponTypeOf(state)));
    const QString suggested = suggestedDirectory + QStringLiteral("/rekker_") +
                              QString::fromStdString(digitsOnly(week)) + QStringLiteral(".txt");
    const std::optional<RowsExportChoice> choice = choose(suggested);
    if (!choice) return;
    const CouponSet coupons = couponsOf(state);
    const std::filesystem::path file(choice->file.toStdU16String());
    try {
        replaceFile(file, rowLines(coupons, choice->layout, RowsHeading{"TIPPING", week, type}));
    } catch (const IoError& error) {
        messages.inform("Rekkene ble ikke eksportert.\r" + std::string(error.what()));
        return;
    }
    messages.inform("Eksporterte " + formatAmount(rowCount(coupons)) + " rekker til\r" + pathText(file));
}

}  // namespace andel
