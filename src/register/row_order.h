#pragma once
// The order of the rows of the register table and of the storage browser: the key of a
// row is its cell text + "#" + row number + "#", compared case-insensitively the way a
// Norwegian desktop sorts a list (punctuation, then digits, then letters with Æ, Ø, Å
// after Z). Because the row number is part of the key, rows with equal cells keep their
// previous order compared as text: row 10 comes before row 9.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// A byte string whose plain (memcmp) order is the comparison above: primary weights of
// every character with case folded, then the accents as a tie-break.
std::string collationKey(std::string_view text);

// -1, 0 or 1 under the comparison above.
int compareText(std::string_view a, std::string_view b);

// The new order of the data rows given the sort column's cells (cells[0] is data row 1):
// indices into `cells`, in ascending key order or walked from the last key.
std::vector<std::size_t> sortedRowOrder(const std::vector<std::string>& cells, bool descending = false);

// Rebuilds `rows` in the order given by sortedRowOrder.
template <typename Row>
void applyRowOrder(std::vector<Row>& rows, const std::vector<std::size_t>& order) {
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (std::size_t index : order) sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
}

}  // namespace andel
