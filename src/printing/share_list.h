#pragma once
// The list of shares on the main part and the list pages: one row per share with the
// share's number and empty cells for the buyer's name, telephone, payment, winnings and
// payout, filled in by hand.
#include "printing/certificate_template.h"
#include "printing/inch_canvas.h"

#include <array>
#include <string_view>

namespace andel {

struct ShareListColumn {
    std::string_view heading;
    int width;  // layout units
};
inline constexpr std::array<ShareListColumn, 6> kShareListColumns = {{
    {"ANDEL", 48}, {"NAVN", 192}, {"TELEFON", 64}, {"BETALT", 64}, {"GEVINST", 80}, {"MOTTATT", 112},
}};
inline constexpr int kShareListRowHeight = 22;  // layout units

struct ShareListStyle {
    Rgb cellColour;
    int left;  // layout units
};

// Rows for the shares first to last (inclusive), the first row's top at `top` layout units;
// the NAVN, TELEFON and BETALT cells of a share with a buyer in the page are filled.
void drawShareList(InchCanvas& canvas, const CertificateTemplate& page, const ShareListStyle& style, int top, int first,
                   int last);

}  // namespace andel
