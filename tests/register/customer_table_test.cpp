#include "register/customer_table.h"
#include "register/row_order.h"
#include "register_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace andel {
namespace {

using test::customer;

std::vector<std::string> column(const CustomerTable& table, std::string_view header) {
    std::vector<std::string> cells;
    for (std::size_t r = 0; r < table.rows.size(); ++r) cells.push_back(table.cell(header, r));
    return cells;
}

CustomerTable tableOf(const std::vector<Tkunderec>& customers, int criterion) {
    CustomerTable table = emptyCustomerTable();
    fillCustomerTable(table, customers);
    arrangeColumns(table, criterion);
    sortRows(table, sortHeader(criterion));
    return table;
}

// Ten customers named after their file row; rows 9 and 10 share a last name.
std::vector<Tkunderec> tenWithTwins() {
    std::vector<Tkunderec> customers;
    for (int i = 1; i <= 10; ++i) customers.push_back(customer("R" + std::to_string(i), "Navn" + std::to_string(i)));
    customers[8].lastName = customers[9].lastName = "Hansen";
    return customers;
}

TEST(CustomerTable, SortAndSearch) {
    const std::vector<Tkunderec> names = {customer("Zahl", "berg", 5), customer("Aas", "Ås", 123456789),
                                          customer("Per", "Ødegård", 12345), customer("Ola", "Zahl", 7),
                                          customer("Eva", "Aas", 0), customer("Kim", "HANSEN", 42)};
    const std::vector<Tkunderec> dates = {customer("A", "X", 1, 5, 3, 2004), customer("B", "X", 2, 28, 12, 2003),
                                          customer("C", "X", 3, 1, 1, 2004)};
    const std::vector<Tkunderec> hansens = {customer("Per", "Olsen", 3), customer("Kari", "Hansen", 1),
                                            customer("Ola", "Hansen", 2)};
    const std::vector<std::string> hansenOrder = {" Kari", " Ola", " Per"};
    struct Case {
        const char* name;
        std::vector<Tkunderec> customers;
        int criterion;
        std::vector<std::string> firstNames;  // after sorting
        std::string search;
        int found;  // data row selected by the search, -1 = none (the field is cleared)
    } cases[] = {
        {"last name, Norwegian letters after Z, case ignored", names, 1,
         {" Eva", " Zahl", " Kim", " Ola", " Per", " Aas"}, "HAN", 2},
        {"search ignores case", names, 1, {" Eva", " Zahl", " Kim", " Ola", " Per", " Aas"}, "han", 2},
        {"search ignores case of Norwegian letters", names, 1, {" Eva", " Zahl", " Kim", " Ola", " Per", " Aas"},
         "øDEGÅ", 4},
        {"capitals find a name stored in small letters", names, 1, {" Eva", " Zahl", " Kim", " Ola", " Per", " Aas"},
         "BE", 1},
        {"first name", names, 2, {" Aas", " Eva", " Kim", " Ola", " Per", " Zahl"}, "Ol", 3},
        {"player number: 12345 before 123456789", names, 3,
         {" Eva", " Zahl", " Ola", " Kim", " Per", " Aas"}, "123 4", 5},
        {"a text no row begins with", names, 3, {" Eva", " Zahl", " Ola", " Kim", " Per", " Aas"}, "999", -1},
        {"empty search selects nothing", names, 3, {" Eva", " Zahl", " Ola", " Kim", " Per", " Aas"}, "", -1},
        {"date: year first", dates, 4, {" B", " C", " A"}, "05/03", 2},
        // Every word typed counts; a blank only separates them.
        {"all words: hansen o", hansens, 1, hansenOrder, "hansen o", 1},
        {"a blank after a word", hansens, 1, hansenOrder, "HANSEN ", 0},
        {"first name first", hansens, 1, hansenOrder, "ola hansen", 1},
        {"a word nobody has", hansens, 1, hansenOrder, "hansen x", -1},
        {"equal cells keep their old rows compared as text", tenWithTwins(), 1,
         {" R10", " R9", " R1", " R2", " R3", " R4", " R5", " R6", " R7", " R8"}, "Navn1", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CustomerTable table = tableOf(c.customers, c.criterion);
        EXPECT_EQ(column(table, kFirstNameHeader), c.firstNames);
        const auto row = searchRow(table, c.search);
        EXPECT_EQ(row ? static_cast<int>(*row) : -1, c.found);
    }
}

TEST(CustomerTable, ColumnsFollowTheCriterionWithTheirCellsAndWidths) {
    CustomerTable table = emptyCustomerTable();
    fillCustomerTable(table, {customer("Kari", "Nordmann", 12345, 7, 3, 2009)});
    const std::vector<std::vector<std::string>> expectedHeaders = {
        {" Etternavn", " Fornavn", " Spillenummer", " Reg. dato"},
        {" Fornavn", " Etternavn", " Spillenummer", " Reg. dato"},
        {" Spillenummer", " Etternavn", " Fornavn", " Reg. dato"},
        {" Reg. dato", " Etternavn", " Fornavn", " Spillenummer"},
    };
    for (int criterion : {3, 2, 4, 1}) {
        SCOPED_TRACE(criterion);
        arrangeColumns(table, criterion);
        EXPECT_EQ(std::vector<std::string>(table.headers.begin() + 1, table.headers.begin() + 5),
                  expectedHeaders[criterion - 1]);
        EXPECT_EQ(table.cell(kPlayerNumberHeader, 0), " 000 012 345");
        EXPECT_EQ(table.cell(kRegDateHeader, 0), " 07/03-2009");
        EXPECT_EQ(table.widths[table.column(kLastNameHeader)], 140);
        EXPECT_EQ(table.headers[5], " Telefon ");
    }
    arrangeColumns(table, 9);  // not a criterion: nothing moves
    EXPECT_EQ(table.headers[1], " Etternavn");
}

TEST(CustomerTable, RowToRecordReadsTheCellsBack) {
    Tkunderec c = customer("Bjørnstjerne", "Kristiansen-Aasheim", 123456789, 28, 12, 2003);
    c.telephone1 = 55314207;
    c.telephone2 = 22001122;
    c.fax1 = c.fax2 = 55314208;
    c.otherInfo = "Førerkort 1234";
    CustomerTable table = emptyCustomerTable();
    fillCustomerTable(table, {c});
    arrangeColumns(table, 4);
    // A first name of the full 12 characters survives: the cell's blank is a margin.
    EXPECT_EQ(rowToRecord(table, 0), c);
}

TEST(RowOrder, KeysCompareAsTheListDoes) {
    EXPECT_LT(compareText("Han#3#", "Hansen#1#"), 0);
    EXPECT_LT(compareText("hansen#10#", "HANSEN#9#"), 0);
    EXPECT_LT(compareText("Zahl", "Ærlig"), 0);
    EXPECT_LT(compareText("Ærlig", "Øvre"), 0);
    EXPECT_LT(compareText("Øvre", "Åsen"), 0);
    EXPECT_LT(compareText("Éa", "Eb"), 0);  // the accent only breaks ties
    EXPECT_EQ(compareText("aBc", "AbC"), 0);
    EXPECT_EQ(sortedRowOrder({"b", "a", "c"}, true), (std::vector<std::size_t>{2, 0, 1}));
}

}  // namespace
}  // namespace andel
