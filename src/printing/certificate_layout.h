#pragma once
// The certificate's layout `TAndelsform2`: sections and the labels, panels and pictures
// printed from them, placed in layout units (760 x 1048 for the whole template) and
// printed at 0.013 inch per unit. Fonts are in points.
#include <span>
#include <string_view>

namespace andel {

inline constexpr double kInchPerLayoutUnit = 0.013;
inline constexpr int kLayoutWidth = 760, kLayoutHeight = 1048;
constexpr double layoutInch(double units) { return units * kInchPerLayoutUnit; }

enum class Section { Seksjon0, Seksjon1, Panel3, Panel4, Seksjon4, Panel5, Seksjon6, Seksjon6b, Seksjon7, Seksjon8 };

struct SectionPlace {
    std::string_view name;
    int left, top, width, height;
    bool followsMargin;  // its Left becomes the print dialog's margin
};
const SectionPlace& sectionPlace(Section section);

struct LayoutFont {
    std::string_view family;
    int pointSize;
    bool bold;
    bool white = false;
};
inline constexpr LayoutFont kDefaultFont{"MS Sans Serif", 8, false};

// What a panel is filled with, or what a label's text stands on.
enum class Fill { White, Yellow, LightGrey, CouponColour, Panel3Colour };

struct LayoutElement {
    enum class Kind { Label, Panel, SectionRectangle, Picture };
    Kind kind;
    std::string_view name;
    Section section;
    int x, y;               // relative to the section
    int width, height;      // panels, section rectangles and pictures
    LayoutFont font;        // labels and panel captions
    Fill fill;
    int captionTop = 6;     // a panel's caption below its top
    double pictureScale = 0.0;  // inch per picture pixel
};

// In printing order: what every certificate and the main part print first.
std::span<const LayoutElement> commonElements();
// Only on the certificates 1 to N, all on white.
std::span<const LayoutElement> certificateElements();
// `spillpaalag2` of the main part and the list pages.
const LayoutElement& mainPartLabel();
// `andelseier`: the buyer's name in the buyer's section of a certificate that has one.
const LayoutElement& buyerLabel();

}  // namespace andel
