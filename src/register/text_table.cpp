#include "register/text_table.h"

#include "register/row_order.h"

#include <algorithm>

namespace andel {

int TextTable::column(std::string_view header) const {
    const auto found = std::find(headers.begin(), headers.end(), header);
    return found == headers.end() ? -1 : static_cast<int>(found - headers.begin());
}

void TextTable::resetRows(std::size_t count) {
    rows.assign(std::max<std::size_t>(count, 1), std::vector<std::string>(headers.size()));
}

TextTable tableWithColumns(std::span<const ColumnSpec> columns) {
    TextTable table;
    for (const ColumnSpec& column : columns) {
        table.headers.emplace_back(column.header);
        table.widths.push_back(column.width);
    }
    table.resetRows(1);
    return table;
}

void sortTableRows(TextTable& table, std::string_view header, bool descending,
                   const std::function<std::string(std::string_view)>& sortText) {
    const int column = table.column(header);
    if (column < 0) return;
    std::vector<std::string> cells;
    cells.reserve(table.rows.size());
    for (const auto& row : table.rows) cells.push_back(sortText ? sortText(row[column]) : row[column]);
    applyRowOrder(table.rows, sortedRowOrder(cells, descending));
}

}  // namespace andel
