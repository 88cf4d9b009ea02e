#include "widgets/fitting_panel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <algorithm>

namespace andel {

void setFittedText(QLabel& label, const QString& text, const QString& hint) {
    const int room = label.contentsRect().width() - 2 * label.margin() - std::max(label.indent(), 0);
    const QString shown = label.fontMetrics().elidedText(text, Qt::ElideRight, std::max(room, 0));
    const QString tip = shown == text ? hint : hint.isEmpty() ? text : text + QLatin1Char('\n') + hint;
    if (label.text() != shown) label.setText(shown);
    if (label.toolTip() != tip) label.setToolTip(tip);
}

void fitFieldToTexts(QLineEdit& field, const QStringList& texts) {
    const QFontMetrics metrics = field.fontMetrics();
    int widest = 0;
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    // The line edit keeps 2 pixels on either side of its text, within its text margins.
    const QMargins margins = field.textMargins();
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QSize contents(widest + 2 * 2 + margins.left() + margins.right() + 1, metrics.height());
    field.setFixedWidth(field.style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, &field).width());
}

QString cutToWidth(const QFontMetrics& metrics, const QString& text, int width) {
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > width) {
        cut.chop(cut.size() > 1 && cut.back().isLowSurrogate() ? 2 : 1);
    }
    return cut;
}

bool CutCellTipDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
    const QString text = index.data().toString();
    if (event->type() == QEvent::ToolTip && view &&
        view->fontMetrics().horizontalAdvance(text) > option.rect.width() - indent_) {
        QToolTip::showText(event->globalPos(), text, view);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

void showListRows(QComboBox& box, int rows) {
    box.setMaxVisibleItems(rows);
    // Styles that open the list over the combo box ignore the row count; a plain
    // scrolling list keeps it.
    box.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

}  // namespace andel
