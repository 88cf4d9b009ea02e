#pragma once
// A table of cell texts under header texts, as the register window and the storage
// browser hold theirs. Columns may change places, so every operation finds a column by
// its header text.
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

struct TextTable {
    std::vector<std::string> headers;
    std::vector<int> widths;                     // pixels; 0 = hidden
    std::vector<std::vector<std::string>> rows;  // data rows, one cell per header

    // The column whose header is `header`, or -1.
    int column(std::string_view header) const;
    const std::string& cell(std::string_view header, std::size_t row) const { return rows[row][column(header)]; }
    std::string& cell(std::string_view header, std::size_t row) { return rows[row][column(header)]; }
    // `count` data rows (at least one) of empty cells.
    void resetRows(std::size_t count);
};

struct ColumnSpec {
    std::string_view header;
    int width;
};

// A table of these columns with one empty data row.
TextTable tableWithColumns(std::span<const ColumnSpec> columns);

// Orders the data rows by the column's cells (each first passed through `sortText` when
// given), ascending or descending, by the key order of row_order.h.
void sortTableRows(TextTable& table, std::string_view header, bool descending = false,
                   const std::function<std::string(std::string_view)>& sortText = {});

}  // namespace andel
