#pragma once
// The string grids of the main window: a hidden header row and column, matches in
// groups of three, texts filled from the state's cells.
#include <QColor>
#include <QString>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <array>
#include <string>

namespace andel {

constexpr int kGridRowHeight = 17;

// Draws a cell as a framed box with its text centred (never elided); a double line
// closes each group of three matches.
class GridCellDelegate : public QStyledItemDelegate {
public:
    GridCellDelegate(QColor pen, bool boldText, QObject* parent)
        : QStyledItemDelegate(parent), pen_(pen), bold_(boldText) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QColor pen_;
    bool bold_;
};

// Hides row 0 and column 0, sizes rows 1-12 (rows 3, 6, 9 and 12 two pixels taller) and
// the columns, and makes the grid a display that never edits or selects.
void shapeGrid(QTableWidget& grid, int cellWidth);

// Width of the given columns and height of rows 1 to 12, each plus the grid's frame, so
// that the last column and row are whole.
int gridWidth(const QTableWidget& grid, int columns, int cellWidth);
int gridHeight(const QTableWidget& grid);

template <std::size_t Rows, std::size_t Columns>
void fillGrid(QTableWidget& grid, const std::array<std::array<std::string, Columns>, Rows>& cells) {
    for (std::size_t row = 0; row < Rows; ++row) {
        for (std::size_t column = 0; column < Columns; ++column) {
            const QString text = QString::fromStdString(cells[row][column]);
            QTableWidgetItem* item = grid.item(static_cast<int>(row), static_cast<int>(column));
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                item->setFlags(Qt::ItemIsEnabled);
                grid.setItem(static_cast<int>(row), static_cast<int>(column), item);
            }
            if (item->text() != text) item->setText(text);
        }
    }
}

}  // namespace andel
