#include "accounts/accounts_xlsx.h"

#include "model/text.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <xlsxwriter.h>

#include <string>

namespace andel {

namespace {

// "A".."Z" for the first 26 columns: the sheets here have fewer.
std::string columnLetter(int column) { return std::string(1, static_cast<char>('A' + column)); }

std::string range(int column, int firstRow, int lastRow) {
    // Rows are counted from 0 here and from 1 in a formula.
    return columnLetter(column) + std::to_string(firstRow + 1) + ":" + columnLetter(column) + std::to_string(lastRow + 1);
}

// One workbook being written to a temporary file beside its destination.
class Workbook {
public:
    explicit Workbook(const std::filesystem::path& file)
        : file_(file), temporary_(file.parent_path() / (pathText(file.filename()) + ".tmp.xlsx")),
          book_(workbook_new(pathText(temporary_).c_str())) {
        if (!book_) throw IoError("Kan ikke lage arbeidsboken " + pathText(file_) + ".");
        kroner_ = workbook_add_format(book_);
        format_set_num_format(kroner_, "#,##0 \"kr\"");
        date_ = workbook_add_format(book_);
        format_set_num_format(date_, "dd.mm.yyyy");
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
        boldKroner_ = workbook_add_format(book_);
        format_set_bold(boldKroner_);
        format_set_num_format(boldKroner_, "#,##0 \"kr\"");
        percent_ = workbook_add_format(book_);
        format_set_num_format(percent_, "0.0");
    }
    ~Workbook() {
        if (book_) workbook_close(book_);
        removeFileIfExists(temporary_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* book() { return book_; }
    lxw_format* kroner() { return kroner_; }
    lxw_format* date() { return date_; }
    lxw_format* bold() { return bold_; }
    lxw_format* boldKroner() { return boldKroner_; }
    lxw_format* percent() { return percent_; }

    // Closes the workbook and puts it in place of the destination in one step.
    void finish() {
        const lxw_error error = workbook_close(book_);
        book_ = nullptr;
        if (error != LXW_NO_ERROR) {
            throw IoError("Kan ikke skrive arbeidsboken " + pathText(file_) + ": " + lxw_strerror(error));
        }
        const auto bytes = readFileBytes(temporary_);
        if (!bytes) throw IoError("Kan ikke lese arbeidsboken " + pathText(temporary_) + " som nettopp ble skrevet.");
        replaceFile(file_, *bytes);
    }

private:
    std::filesystem::path file_, temporary_;
    lxw_workbook* book_;
    lxw_format *kroner_, *date_, *bold_, *boldKroner_, *percent_;
};

void text(lxw_worksheet* sheet, int row, int column, const std::string& value, lxw_format* format = nullptr) {
    if (!value.empty()) worksheet_write_string(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), value.c_str(), format);
}

void number(lxw_worksheet* sheet, int row, int column, double value, lxw_format* format) {
    worksheet_write_number(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), value, format);
}

void date(lxw_worksheet* sheet, int row, int column, const std::optional<LedgerDate>& on, lxw_format* format) {
    if (!on) return;
    lxw_datetime when{on->year, on->month, on->day, 0, 0, 0.0};
    worksheet_write_datetime(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), &when, format);
}

void formula(lxw_worksheet* sheet, int row, int column, const std::string& value, lxw_format* format) {
    worksheet_write_formula(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), value.c_str(), format);
}

void heading(lxw_worksheet* sheet, const Fields& captions, lxw_format* bold) {
    for (std::size_t c = 0; c < captions.size(); ++c) text(sheet, 0, static_cast<int>(c), captions[c], bold);
}

}  // namespace

void writeLedgerWorkbook(const std::filesystem::path& file, const Ledger& ledger, const LedgerResult& result) {
    Workbook book(file);
    lxw_worksheet* shares = workbook_add_worksheet(book.book(), "Andeler");
    Fields captions = ledgerHeading();
    captions.push_back("Merknad");
    captions.push_back("Gevinst");
    heading(shares, captions, book.bold());
    const LedgerWinnings& w = result.winnings;
    int row = 1;
    for (const ShareEntry& e : ledger.entries) {
        number(shares, row, 0, row, nullptr);
        text(shares, row, 1, e.name);
        text(shares, row, 2, e.telephone);
        text(shares, row, 3, e.playerNumber);
        if (e.paid) number(shares, row, 4, static_cast<double>(*e.paid), book.kroner());
        date(shares, row, 5, e.paidOn, book.date());
        if (e.paidOut) number(shares, row, 6, static_cast<double>(*e.paidOut), book.kroner());
        date(shares, row, 7, e.paidOutOn, book.date());
        text(shares, row, 8, e.note);
        if (const auto part = shareWinnings(e, w)) number(shares, row, 9, static_cast<double>(*part), book.kroner());
        ++row;
    }
    const int last = row - 1;
    text(shares, row, 0, "Sum", book.bold());
    for (int column : {4, 6, 9}) formula(shares, row, column, "=SUM(" + range(column, 1, last) + ")", book.boldKroner());
    worksheet_set_column(shares, 1, 1, 28, nullptr);
    worksheet_set_column(shares, 2, 3, 14, nullptr);
    worksheet_set_column(shares, 4, 9, 12, nullptr);
    worksheet_set_column(shares, 8, 8, 30, nullptr);

    lxw_worksheet* facts = workbook_add_worksheet(book.book(), "Andelslaget");
    int line = 0;
    for (const auto& [label, value] : ledgerFactLines(ledger, result)) {
        text(facts, line, 0, label, book.bold());
        text(facts, line++, 1, value);
    }
    for (const HistoryLine& entry : ledger.history) {
        text(facts, line, 0, "Historikk", book.bold());
        text(facts, line++, 1, ledgerDateText(entry.on) + " " + entry.text);
    }
    worksheet_set_column(facts, 0, 0, 26, nullptr);  // "Tippehistorikken viser nå"
    worksheet_set_column(facts, 1, 1, 60, nullptr);
    book.finish();
}

void writeSeasonWorkbook(const std::filesystem::path& file, const Season& season) {
    Workbook book(file);
    lxw_worksheet* sheet = workbook_add_worksheet(book.book(), "Sesongen");
    heading(sheet, seasonHeading(), book.bold());
    int row = 1;
    for (const SeasonRow& r : season.rows) {
        const LedgerWinnings& w = r.winnings;
        text(sheet, row, 0, r.serialNumber);
        text(sheet, row, 1, weekText(r.week));
        text(sheet, row, 2, std::string(couponTypeText(r.couponType)));
        number(sheet, row, 3, static_cast<double>(r.rows), nullptr);
        number(sheet, row, 4, static_cast<double>(r.stake), book.kroner());
        number(sheet, row, 5, r.sold, nullptr);
        if (w.known) {
            number(sheet, row, 6, static_cast<double>(w.right12), nullptr);
            number(sheet, row, 7, static_cast<double>(w.right11), nullptr);
            number(sheet, row, 8, static_cast<double>(w.right10), nullptr);
            number(sheet, row, 9, static_cast<double>(w.prize), book.kroner());
            number(sheet, row, 10, static_cast<double>(w.perShare), book.kroner());
            if (r.stake > 0) number(sheet, row, 11, static_cast<double>(w.prize) * 100.0 / static_cast<double>(r.stake), book.percent());
            number(sheet, row, 12, static_cast<double>(w.prize - r.stake), book.kroner());
        }
        ++row;
    }
    const int last = row - 1;
    const SeasonTotals& t = season.totals;
    text(sheet, row, 0, "Sum", book.bold());
    if (last >= 1) {
        for (int column : {3, 5, 6, 7, 8}) formula(sheet, row, column, "=SUM(" + range(column, 1, last) + ")", book.bold());
        for (int column : {4, 9, 12}) formula(sheet, row, column, "=SUM(" + range(column, 1, last) + ")", book.boldKroner());
    }
    if (t.settledStake > 0) {
        number(sheet, row, 11, static_cast<double>(t.settledPrize) * 100.0 / static_cast<double>(t.settledStake), book.percent());
    }
    text(sheet, row + 1, 0, "Uten resultat: " + std::to_string(t.open));
    worksheet_set_column(sheet, 0, 0, 12, nullptr);
    worksheet_set_column(sheet, 1, 2, 14, nullptr);
    worksheet_set_column(sheet, 3, 12, 12, nullptr);

    if (last >= 1) {
        lxw_chart* chart = workbook_add_chart(book.book(), LXW_CHART_COLUMN);
        const std::string weeks = "=Sesongen!$B$2:$B$" + std::to_string(last + 1);
        lxw_chart_series* stake = chart_add_series(chart, weeks.c_str(), ("=Sesongen!$E$2:$E$" + std::to_string(last + 1)).c_str());
        chart_series_set_name(stake, "Innsats");
        lxw_chart_series* prize = chart_add_series(chart, weeks.c_str(), ("=Sesongen!$J$2:$J$" + std::to_string(last + 1)).c_str());
        chart_series_set_name(prize, "Premie");
        chart_title_set_name(chart, "Innsats og premie pr runde");
        worksheet_insert_chart(sheet, static_cast<lxw_row_t>(row + 3), 1, chart);
    }
    book.finish();
}

void writeTableWorkbook(const std::filesystem::path& file, const std::string& sheetName,
                        const std::vector<WorkbookColumn>& columns, const std::vector<Fields>& rows) {
    Workbook book(file);
    lxw_worksheet* sheet = workbook_add_worksheet(book.book(), sheetName.c_str());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        text(sheet, 0, static_cast<int>(c), columns[c].caption, book.bold());
        worksheet_set_column(sheet, column, column, columns[c].width, nullptr);
    }
    int row = 1;
    for (const Fields& fields : rows) {
        for (std::size_t c = 0; c < columns.size() && c < fields.size(); ++c) {
            if (columns[c].kroner && !fields[c].empty()) {
                number(sheet, row, static_cast<int>(c), static_cast<double>(parseAmount(fields[c])), book.kroner());
            } else {
                text(sheet, row, static_cast<int>(c), fields[c]);
            }
        }
        ++row;
    }
    text(sheet, row, 0, "Sum", book.bold());
    for (std::size_t c = 0; c < columns.size() && row > 1; ++c) {
        if (columns[c].kroner) formula(sheet, row, static_cast<int>(c), "=SUM(" + range(static_cast<int>(c), 1, row - 1) + ")", book.boldKroner());
    }
    book.finish();
}

}  // namespace andel
