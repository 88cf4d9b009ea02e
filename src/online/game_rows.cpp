#include "online/game_rows.h"

#include "model/text.h"
#include "online/coupon_record.h"
#include "online/game_row_lines.h"
#include "online/rows_file.h"
#include "online/rows_file_body.h"

#include <algorithm>
#include <optional>

namespace andel {
namespace {

constexpr std::string_view kRowsSectionKey = "#REKKER";
constexpr std::string_view kBlockStart = "SYSTEMKUPONGNR";
constexpr long kMostRowsOnACoupon = 9999;  // the system size is four digits

bool isMarker(const std::string& line, std::string_view key) { return removeBlanks(line) == key; }

// An empty place of a single-row group: a line of zeros only (a blank line is no place).
bool isEmptyPlace(const std::string& line) {
    const std::string text = removeBlanks(line);
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; });
}

bool isBlank(const std::string& line) { return trimBlanks(line).empty(); }

class GameRowsReader {
public:
    GameRowsReader(const OnlineGame& game, const std::vector<std::string>& lines) : game_(game), lines_(lines) {
        next_ = std::min(lines_.size(), kRowsFileHeaderLines);
    }

    GameRows read() {
        if (game_.layout == RowsLayout::Rows) {
            if (seek(kRowsSectionKey)) plainRows();
            return std::move(result_);
        }
        if (!seek(kSystemSectionKey)) return std::move(result_);
        const bool singleSection = game_.layout == RowsLayout::SystemBlocksAndSingleRows ? systemBlocks() : systemLines();
        if (!singleSection) {
            result_.missingSections.emplace_back(kSingleRowSectionKey);
            return std::move(result_);
        }
        singleRowGroups();
        return std::move(result_);
    }

private:
    // Moves past the marker line; false (and the section named) when there is none.
    bool seek(std::string_view key) {
        while (next_ < lines_.size()) {
            if (isMarker(lines_[next_++], key)) return true;
        }
        result_.missingSections.emplace_back(key);
        return false;
    }

    void problem(std::size_t index, const std::string& text) {
        result_.problems.push_back("Linje " + std::to_string(index + 1) + ": " + text);
    }

    // The line at `index` checked; nothing when it is bad (and then named).
    std::optional<GameRowLine> row(std::size_t index, bool counted, bool system) {
        GameRowLine line = counted ? readCountedRowLine(game_.rows, lines_[index], system)
                                   : readPlainRowLine(game_.rows, lines_[index]);
        if (!line.problem.empty()) {
            problem(index, line.problem);
            return std::nullopt;
        }
        return line;
    }

    // "#REKKER": the good lines, ten to a coupon, in order.
    void plainRows() {
        GameCoupon coupon;
        for (; next_ < lines_.size(); ++next_) {
            if (isBlank(lines_[next_])) continue;
            const auto line = row(next_, false, false);
            if (!line) continue;
            coupon.rowFields.push_back(line->field);
            result_.singleRows += line->rows;
            result_.stake += line->stake;
            if (coupon.rowFields.size() == coupon_field::kRowFields) {
                add(std::move(coupon));
                coupon = GameCoupon{};
            }
        }
        if (!coupon.rowFields.empty()) add(std::move(coupon));
    }

    // One system coupon per line up to "#ENKELREKKER"; false when that line is missing.
    bool systemLines() {
        for (; next_ < lines_.size(); ++next_) {
            if (isMarker(lines_[next_], kSingleRowSectionKey)) return ++next_, true;
            if (isBlank(lines_[next_])) continue;
            if (const auto line = row(next_, true, true)) {
                GameCoupon coupon{true, line->rows, {line->field}};
                add(std::move(coupon));
            }
        }
        return false;
    }

    // Blocks of system rows, each headed by a "SYSTEMKUPONGNR" line: a block is one
    // system coupon, continued on the next when it has more rows than a coupon holds.
    bool systemBlocks() {
        GameCoupon coupon{true, 0, {}};
        bool inBlock = false;
        std::size_t blockStart = 0;
        bool blockHasRows = false;
        const auto endBlock = [&] {
            if (!coupon.rowFields.empty()) add(std::move(coupon));
            coupon = GameCoupon{true, 0, {}};
            if (inBlock && !blockHasRows) problem(blockStart, "systemkupongen har ingen gyldige rekker");
        };
        for (; next_ < lines_.size(); ++next_) {
            const std::string& text = lines_[next_];
            if (isMarker(text, kSingleRowSectionKey)) {
                endBlock();
                return ++next_, true;
            }
            if (isBlank(text)) continue;
            if (startsWith(trimBlanks(text), kBlockStart)) {
                endBlock();
                inBlock = true;
                blockStart = next_;
                blockHasRows = false;
                continue;
            }
            if (!inBlock) {
                problem(next_, "rekken står foran første SYSTEMKUPONGNR");
                continue;
            }
            const auto line = row(next_, true, true);
            if (!line) continue;
            blockHasRows = true;
            const bool full = coupon.rowFields.size() == coupon_field::kRowFields ||
                              coupon.systemSize + line->rows > kMostRowsOnACoupon;
            if (full) {
                add(std::move(coupon));
                coupon = GameCoupon{true, 0, {}};
            }
            coupon.systemSize += line->rows;
            coupon.rowFields.push_back(line->field);
        }
        endBlock();
        return false;
    }

    // Groups of ten places, each group with a row one coupon of single rows. A blank line
    // holds no row and takes no place.
    void singleRowGroups() {
        while (next_ < lines_.size()) {
            GameCoupon coupon;
            for (int place = 0; place < kPlacesPerSingleRowCoupon && next_ < lines_.size(); ++next_) {
                if (isBlank(lines_[next_])) continue;
                ++place;
                if (isEmptyPlace(lines_[next_])) continue;
                if (const auto line = row(next_, true, false)) {
                    coupon.rowFields.push_back(line->field);
                    ++result_.singleRows;
                }
            }
            if (!coupon.rowFields.empty()) add(std::move(coupon));
        }
    }

    void add(GameCoupon coupon) {
        if (coupon.system) {
            ++result_.systemCoupons;
            result_.systemRows += coupon.systemSize;
        }
        result_.coupons.push_back(std::move(coupon));
    }

    const OnlineGame& game_;
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
    GameRows result_;
};

}  // namespace

GameRows readGameRows(const OnlineGame& game, const std::vector<std::string>& lines) {
    return GameRowsReader(game, lines).read();
}

std::string gameErrorHeading(const OnlineGame& game) { return "FEIL I " + std::string(game.name) + "-ONLINEFIL"; }

std::vector<std::string> gameRowsMessages(const OnlineGame& game, const GameRows& rows, std::size_t problemsShown) {
    std::vector<std::string> messages;
    for (const std::string& section : rows.missingSections) {
        messages.push_back(gameErrorHeading(game) + "\rFant ikke linjen " + section);
    }
    if (!rows.problems.empty()) {
        std::string text = gameErrorHeading(game);
        for (std::size_t i = 0; i < rows.problems.size() && i < problemsShown; ++i) text += "\r" + rows.problems[i];
        if (rows.problems.size() > problemsShown) {
            const std::size_t more = rows.problems.size() - problemsShown;
            text += "\r... og " + std::to_string(more) + (more == 1 ? " linje til" : " linjer til");
        }
        text += rows.problems.size() == 1 ? "\rLinjen er ikke tatt med i onlinefilen."
                                          : "\rLinjene er ikke tatt med i onlinefilen.";
        messages.push_back(text);
    }
    return messages;
}

}  // namespace andel
