#pragma once
// "Eksporter rekker...": the syndicate's rows to a text file for the members' own tools,
// in the layout the agent picks in the save dialog ("E,1,X,2,..." lines under a heading,
// or plain lines of twelve signs). The agent is told where the file went, or why not.
#include "platform/messages.h"
#include "results/row_lines.h"
#include "workbench/workbench_state.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace andel {

struct RowsExportChoice {
    QString file;
    RowLayout layout = RowLayout::E;
};
// By default a save dialog offering both layouts; nothing when the agent cancels.
using RowsExportChooser = std::function<std::optional<RowsExportChoice>(const QString& suggested)>;
RowsExportChooser rowsExportDialog(QWidget* parent);

void exportRows(const WorkbenchState& state, const QString& suggestedDirectory, const RowsExportChooser& choose,
                Messages& messages);

}  // namespace andel
