#include "printing/slip.h"

#include "printing/inch_text.h"
#include "printing/qr_code.h"

namespace andel {
namespace {

constexpr double kRowInches = 0.15, kHeadingInches = 0.24, kRuleInches = 0.1, kSpaceInches = 0.1;
constexpr double kQrModuleInches = 0.025;
constexpr double kPrintedWidthInches = kSlipPrintedWidthMm / 25.4;
const Font kRowFont{"Courier New", 8, false}, kBoldFont{"Courier New", 8, true}, kHeadingFont{"Courier New", 12, true};

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first `count` characters of a text.
std::string firstCharacters(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size() && seen < count; ++seen) {
        ++i;
        while (i < text.size() && continuation(text[i])) ++i;
    }
    return text.substr(0, i);
}

std::string blanks(std::size_t count) { return std::string(count, ' '); }

// Wrapped at blanks; a word longer than the width is cut.
std::vector<std::string> wrapped(const std::string& text, std::size_t width) {
    std::vector<std::string> rows;
    std::string row, word;
    const auto flushWord = [&] {
        while (characterCount(word) > width) {
            if (!row.empty()) rows.push_back(row), row.clear();
            const std::string head = firstCharacters(word, width);
            rows.push_back(head);
            word.erase(0, head.size());
        }
        if (word.empty()) return;
        if (row.empty()) row = word;
        else if (characterCount(row) + 1 + characterCount(word) <= width) row += " " + word;
        else rows.push_back(row), row = word;
        word.clear();
    };
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') flushWord();
        else word += c;
    }
    flushWord();
    if (!row.empty()) rows.push_back(row);
    if (rows.empty()) rows.emplace_back();
    return rows;
}

void spread(std::vector<SlipRow>& rows, SlipLine::Kind kind, const std::string& left, const std::string& right) {
    const std::size_t width = kSlipColumns;
    const std::size_t l = characterCount(left), r = characterCount(right);
    if (l + 1 + r <= width) {
        rows.push_back({kind, left + blanks(width - l - r) + right, {}});
        return;
    }
    for (const std::string& part : wrapped(left, width)) rows.push_back({kind, part, {}});
    const std::string value = firstCharacters(right, width);
    rows.push_back({kind, blanks(width - characterCount(value)) + value, {}});
}

double rowHeight(const SlipRow& row) {
    switch (row.kind) {
        case SlipLine::Kind::Heading: return kHeadingInches;
        case SlipLine::Kind::Rule: return kRuleInches;
        case SlipLine::Kind::Space: return kSpaceInches;
        case SlipLine::Kind::Qr: return qrSideWithQuietZone(qrSymbol(row.qr), kQrModuleInches);
        default: return kRowInches;
    }
}

}  // namespace

std::size_t characterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) count += continuation(c) ? 0 : 1;
    return count;
}

Slip& Slip::heading(std::string text) { return lines_.push_back({SlipLine::Kind::Heading, std::move(text), {}}), *this; }
Slip& Slip::text(std::string text) { return lines_.push_back({SlipLine::Kind::Text, std::move(text), {}}), *this; }
Slip& Slip::field(std::string caption, std::string value) {
    return lines_.push_back({SlipLine::Kind::Field, std::move(caption), std::move(value)}), *this;
}
Slip& Slip::total(std::string caption, std::string amount) {
    return lines_.push_back({SlipLine::Kind::Total, std::move(caption), std::move(amount)}), *this;
}
Slip& Slip::rule() { return lines_.push_back({SlipLine::Kind::Rule, {}, {}}), *this; }
Slip& Slip::space() { return lines_.push_back({SlipLine::Kind::Space, {}, {}}), *this; }
Slip& Slip::qr(std::string content, std::string caption) {
    return lines_.push_back({SlipLine::Kind::Qr, std::move(content), std::move(caption)}), *this;
}

std::vector<SlipRow> slipRows(const Slip& slip) {
    std::vector<SlipRow> rows;
    // A heading prints twice as wide on a receipt printer: half the columns.
    constexpr std::size_t headingColumns = kSlipColumns / 2;
    for (const SlipLine& line : slip.lines()) {
        switch (line.kind) {
            case SlipLine::Kind::Heading:
                for (const std::string& part : wrapped(line.left, headingColumns)) rows.push_back({line.kind, part, {}});
                break;
            case SlipLine::Kind::Text:
                for (const std::string& part : wrapped(line.left, kSlipColumns)) rows.push_back({line.kind, part, {}});
                break;
            case SlipLine::Kind::Field: spread(rows, SlipLine::Kind::Text, line.left, line.right); break;
            case SlipLine::Kind::Total:
                rows.push_back({SlipLine::Kind::Rule, {}, {}});
                spread(rows, SlipLine::Kind::Total, line.left, line.right);
                break;
            case SlipLine::Kind::Rule:
            case SlipLine::Kind::Space: rows.push_back({line.kind, {}, {}}); break;
            case SlipLine::Kind::Qr:
                // A content no symbol can hold prints as its text alone.
                if (!qrSymbol(line.left).dark.empty()) rows.push_back({line.kind, {}, line.left});
                if (!line.right.empty()) {
                    const std::string caption = firstCharacters(line.right, kSlipColumns);
                    const std::size_t pad = (kSlipColumns - characterCount(caption)) / 2;
                    rows.push_back({SlipLine::Kind::Text, blanks(pad) + caption, {}});
                }
                break;
        }
    }
    return rows;
}

double slipHeightInches(const Slip& slip) {
    double height = 0;
    for (const SlipRow& row : slipRows(slip)) height += rowHeight(row);
    return height;
}

void drawSlip(InchCanvas& canvas, const Slip& slip) {
    canvas.setFont(kRowFont);
    canvas.setup(1.0);
    canvas.setPen(kBlack);
    canvas.setClearBrush();
    double y = 0;
    for (const SlipRow& row : slipRows(slip)) {
        switch (row.kind) {
            case SlipLine::Kind::Heading:
                canvas.setFont(kHeadingFont);
                centredTextAt(canvas, kPrintedWidthInches / 2, y + 0.02, row.text);
                break;
            case SlipLine::Kind::Rule: ruleAt(canvas, 0, kPrintedWidthInches, y + kRuleInches / 2); break;
            case SlipLine::Kind::Qr: {
                const QrSymbol symbol = qrSymbol(row.qr);
                const double side = qrSideWithQuietZone(symbol, kQrModuleInches);
                const double quiet = kQrQuietModules * kQrModuleInches;
                drawQrSymbol(canvas, symbol, (kPrintedWidthInches - side) / 2 + quiet, y + quiet, kQrModuleInches);
                canvas.setClearBrush();
                break;
            }
            case SlipLine::Kind::Space: break;
            default:
                canvas.setFont(row.kind == SlipLine::Kind::Total ? kBoldFont : kRowFont);
                // Blanks keep their width in the monospaced font, so the columns line up.
                textAt(canvas, 0, y, row.text);
                break;
        }
        y += rowHeight(row);
    }
}

}  // namespace andel
