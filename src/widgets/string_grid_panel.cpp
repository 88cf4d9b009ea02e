#include "widgets/string_grid_panel.h"

#include <QHeaderView>
#include <QPainter>

namespace andel {
namespace {

bool isGroupEnd(int row) { return row % 3 == 0 && row <= 12; }

}  // namespace

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    painter->save();
    painter->fillRect(option.rect, Qt::white);
    const bool groupEnd = isGroupEnd(index.row());
    const QRect cell = option.rect.adjusted(0, 0, -1, groupEnd ? -3 : -1);
    painter->setPen(pen_);
    painter->drawRect(cell);
    if (groupEnd) painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->setPen(Qt::black);
    QFont font = option.font;
    font.setBold(bold_);
    painter->setFont(font);
    painter->drawText(cell, Qt::AlignCenter, index.data().toString());
    // The cell the keyboard is on, in a grid that takes the keyboard.
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(QColor(0, 90, 220), 3));
        painter->drawRect(cell.adjusted(2, 2, -2, -2));
    }
    painter->restore();
}

void shapeGrid(QTableWidget& grid, int cellWidth) {
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.horizontalHeader()->setMinimumSectionSize(1);
    grid.verticalHeader()->setMinimumSectionSize(1);
    grid.setRowHidden(0, true);
    grid.setColumnHidden(0, true);
    for (int row = 1; row < grid.rowCount(); ++row) {
        grid.setRowHeight(row, kGridRowHeight + (isGroupEnd(row) ? 2 : 0));
    }
    for (int column = 1; column < grid.columnCount(); ++column) grid.setColumnWidth(column, cellWidth);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionMode(QAbstractItemView::NoSelection);
    grid.setFocusPolicy(Qt::NoFocus);
    grid.setFrameShape(QFrame::Box);
    grid.setLineWidth(1);
}

int gridWidth(const QTableWidget& grid, int columns, int cellWidth) { return columns * cellWidth + 2 * grid.frameWidth(); }

int gridHeight(const QTableWidget& grid) {
    int height = 2 * grid.frameWidth();
    for (int row = 1; row <= 12 && row < grid.rowCount(); ++row) height += grid.rowHeight(row);
    return height;
}

}  // namespace andel
