#include "printing/certificate_layout.h"

#include <array>

namespace andel {
namespace {

using Kind = LayoutElement::Kind;

constexpr std::array<SectionPlace, 10> kSections = {{
    {"seksjon0", 16, 2, 585, 20, true},
    {"seksjon1", 16, 24, 585, 183, true},
    {"Panel3", 16, 165, 585, 45, true},
    {"Panel4", 16, 216, 585, 129, true},
    {"seksjon4", 16, 352, 585, 25, true},
    {"Panel5", 16, 384, 585, 170, true},
    {"seksjon6", 16, 560, 585, 33, true},
    {"seksjon6b", 16, 560, 585, 65, true},
    {"seksjon7", 16, 621, 585, 400, false},
    {"seksjon8", 16, 624, 585, 249, true},
}};

constexpr LayoutFont kArial10Bold{"Arial", 10, true};
constexpr LayoutFont kCopperplate14{"Copperplate Gothic Bold", 14, true};
constexpr LayoutFont kSansSerif14{"MS Sans Serif", 14, false};
constexpr LayoutFont kArialBlack12{"Arial Black", 12, false};
constexpr LayoutFont kCourierBold{"Courier New", 8, true};
constexpr LayoutFont kArial9{"Arial", 9, false};

constexpr LayoutElement label(std::string_view name, Section section, int x, int y, LayoutFont font,
                              Fill fill = Fill::White) {
    return {Kind::Label, name, section, x, y, 0, 0, font, fill};
}

constexpr LayoutElement panel(std::string_view name, Section section, int x, int y, int w, int h, Fill fill,
                              LayoutFont font = kArial10Bold, int captionTop = 6) {
    return {Kind::Panel, name, section, x, y, w, h, font, fill, captionTop};
}

constexpr LayoutElement sectionRectangle(Section section, Fill fill) {
    const SectionPlace& place = kSections[static_cast<int>(section)];
    return {Kind::SectionRectangle, place.name, section, 0, 0, place.width, place.height, kDefaultFont, fill};
}

constexpr LayoutElement picture(std::string_view name, Section section, int x, int y, int w, int h, double scale) {
    return {Kind::Picture, name, section, x, y, w, h, kDefaultFont, Fill::White, 0, scale};
}

// The frames of the guarantee table and the labels inside them, placed in Panel4.
constexpr int kGtbX = 416, kGtbY = 32, kInnerX = 421, kInnerY = 74;

constexpr auto kCommon = std::to_array<LayoutElement>({
    label("utskriftsdato", Section::Seksjon0, 0, 3, kDefaultFont),
    label("andelsserienummer", Section::Seksjon0, 355, 3, kDefaultFont),
    label("andelnummer", Section::Seksjon0, 480, 3, kDefaultFont),
    sectionRectangle(Section::Seksjon1, Fill::White),
    label("kryssballen", Section::Seksjon1, 133, 22, {"Copperplate Gothic Bold", 22, true}),
    label("andelsbrevtext", Section::Seksjon1, 7, 2, kCopperplate14),
    label("andelsbrevtext2", Section::Seksjon1, 445, 2, kCopperplate14),
    label("labelspilleomgang", Section::Seksjon1, 117, 93, kArial10Bold),
    label("labelkupong", Section::Seksjon1, 248, 93, kArial10Bold),
    label("labelvispiller", Section::Seksjon1, 392, 93, kArial10Bold),
    panel("pauseordiner", Section::Seksjon1, 368, 109, 105, 24, Fill::Yellow),
    panel("kupongen", Section::Seksjon1, 208, 109, 161, 24, Fill::CouponColour, {"Arial", 10, true, true}),
    panel("ukenummer", Section::Seksjon1, 104, 109, 105, 24, Fill::Yellow),
    picture("ballmannleft", Section::Seksjon1, 8, 22, 89, 113, 0.010),
    picture("ballmannright", Section::Seksjon1, 493, 22, 89, 113, 0.011),
    picture("kryssen", Section::Seksjon1, 96, 24, 433, 73, 0.011),
    sectionRectangle(Section::Panel3, Fill::Panel3Colour),
    label("labelinnsatstotalt", Section::Panel3, 24, 2, kArial10Bold, Fill::Panel3Colour),
    label("labelantallandeler", Section::Panel3, 240, 2, kArial10Bold, Fill::Panel3Colour),
    label("labelprisprandel", Section::Panel3, 464, 2, kArial10Bold, Fill::Panel3Colour),
    panel("panelinnsatstotalt", Section::Panel3, 16, 17, 89, 24, Fill::White),
    panel("panelantallandeler", Section::Panel3, 248, 17, 81, 24, Fill::White),
    panel("panelprisprandel", Section::Panel3, 440, 17, 113, 24, Fill::White),
    sectionRectangle(Section::Panel4, Fill::LightGrey),
    label("labelvitipper", Section::Panel4, 16, 8, kSansSerif14, Fill::LightGrey),
    label("labeldersom", Section::Panel4, 148, 7, kSansSerif14, Fill::LightGrey),
    label("sikretext", Section::Panel4, 63, 44, kArialBlack12, Fill::LightGrey),
    label("halvetext", Section::Panel4, 63, 82, kArialBlack12, Fill::LightGrey),
    panel("panelsikre", Section::Panel4, 16, 40, 41, 33, Fill::White, {"Arial", 20, true}, 3),
    panel("panelhalve", Section::Panel4, 16, 80, 41, 33, Fill::White, {"Arial", 20, true}, 3),
    panel("panelgtb", Section::Panel4, kGtbX, kGtbY, 141, 86, Fill::White),
    label("tilfellelabel", Section::Panel4, kGtbX + 12, kGtbY + 28, kDefaultFont),
    label("gtblabel", Section::Panel4, kGtbX + 13, kGtbY + 8, {"MS Sans Serif", 8, true}),
    panel("inneigtb", Section::Panel4, kInnerX, kInnerY, 132, 38, Fill::White),
    label("tolversjanse", Section::Panel4, kInnerX + 12, kInnerY + 3, kCourierBold),
    label("ellversjanse", Section::Panel4, kInnerX + 12, kInnerY + 18, kCourierBold),
    picture("ellverette", Section::Panel4, 176, 32, 113, 97, 0.010),
    picture("ellverette2", Section::Panel4, 288, 56, 105, 65, 0.010),
    label("fulloversikt", Section::Seksjon4, 7, 4, {"MS Sans Serif", 10, true}),
});

constexpr auto kCertificate = std::to_array<LayoutElement>({
    label("spillpaalag", Section::Seksjon6, 7, -2, {"Arial Black", 16, false}),
    label("rekkeneergenerertmed", Section::Seksjon8, 8, 2, kArial9),
    label("winkvasar", Section::Seksjon8, 8, 16, kArial9),
    label("hentgevinster", Section::Seksjon8, 8, 57, {"Arial", 10, false}),
    label("kommnavn1", Section::Seksjon8, 8, 74, kArial10Bold),
    label("kommnavn2", Section::Seksjon8, 8, 90, kArial10Bold),
    label("linjeforsignatur", Section::Seksjon8, 8, 138, kArial10Bold),
    label("signaturstempel", Section::Seksjon8, 72, 160, kDefaultFont),
});

constexpr LayoutElement kMainPart = label("spillpaalag2", Section::Seksjon6b, 7, -2, {"Tahoma", 8, false});
constexpr LayoutElement kBuyer = label("andelseier", Section::Seksjon8, 300, 57, kArial10Bold);

}  // namespace

const SectionPlace& sectionPlace(Section section) { return kSections[static_cast<int>(section)]; }
std::span<const LayoutElement> commonElements() { return kCommon; }
std::span<const LayoutElement> certificateElements() { return kCertificate; }
const LayoutElement& mainPartLabel() { return kMainPart; }
const LayoutElement& buyerLabel() { return kBuyer; }

}  // namespace andel
