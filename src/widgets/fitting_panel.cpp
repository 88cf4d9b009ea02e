#include "widgets/fitting_panel.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace andel {

void setFittedText(QLabel& label, const QString& text) {
    const int room = label.contentsRect().width() - 2 * label.margin() - std::max(label.indent(), 0);
    const QString shown = label.fontMetrics().elidedText(text, Qt::ElideRight, std::max(room, 0));
    const QString tip = shown == text ? QString() : text;
    if (label.text() != shown) label.setText(shown);
    if (label.toolTip() != tip) label.setToolTip(tip);
}

void showListRows(QComboBox& box, int rows) {
    box.setMaxVisibleItems(rows);
    // Styles that open the list over the combo box ignore the row count; a plain
    // scrolling list keeps it.
    box.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

}  // namespace andel
