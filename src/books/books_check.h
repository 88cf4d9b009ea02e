#pragma once
// The check of the books: SQLite's integrity check, every event's postings summing to
// zero, and every account's sum equal to what the fold of the events gives it.
#include <string>
#include <vector>

namespace andel {

class Journal;

struct BooksCheck {
    std::vector<std::string> problems;  // empty when the books are whole and balance
    int events = 0, accounts = 0;
    bool ok() const { return problems.empty(); }
};

BooksCheck checkBooks(Journal& journal);

}  // namespace andel
