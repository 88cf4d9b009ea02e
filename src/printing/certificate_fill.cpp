#include "printing/certificate_fill.h"

#include "model/coupon_type.h"
#include "model/text.h"
#include "printing/guarantee_table.h"
#include "workbench/recompute.h"
#include "workbench/selectors.h"
#include "workbench/stem_editing.h"

namespace andel {
namespace {

constexpr std::string_view kCouponTexts[] = {"LØRDAGS-KUPONGEN", "SØNDAGS-KUPONGEN", "MIDTUKE-KUPONGEN"};
constexpr Rgb kCouponColours[] = {{0, 0, 255}, {255, 0, 0}, {0, 128, 128}};
constexpr std::string_view kTimeBasisTexts[] = {"ORDINÆR TID", "PAUSE-TIPPING", "ORDINÆR+PAUSE"};

template <std::size_t N>
std::string_view byIndex(const std::string_view (&texts)[N], int index) {
    return index >= 0 && index < static_cast<int>(N) ? texts[index] : texts[0];
}

void fillCaptions(CertificateTemplate& page, const WorkbenchState& state, const LocalDateTime& now) {
    auto& c = page.captions;
    c["utskriftsdato"] = "Utskrevet: " + printDateText(now);
    c["andelsserienummer"] = "Serienummer : " + state.online.serialNumber;
    c["andelnummer"] = shareNumberText(1, page.shares);
    c["onlinefilnavn"] = "Onlinefil-katalog\\navn: " + state.online.pathAndName;
    c["onlinefilnavn2"] = page.onlineFileName;
    c["kryssballen"] = "\"KRYSSBALLEN\"";
    c["andelsbrevtext"] = c["andelsbrevtext2"] = "ANDELSBREV";
    c["labelspilleomgang"] = "Spilleomgang:";
    c["labelkupong"] = "Kupong type:";
    c["labelvispiller"] = "Vi spiller";
    c["pauseordiner"] = byIndex(kTimeBasisTexts, state.pauseordiner);
    c["kupongen"] = byIndex(kCouponTexts, state.kupongtype);
    c["ukenummer"] = gameWeekTextOf(state);
    c["labelinnsatstotalt"] = "Innsats totalt";
    c["labelantallandeler"] = "Antall andeler totalt";
    c["labelprisprandel"] = "Pris pr andel";
    c["panelinnsatstotalt"] = "Kr " + state.panelinnsatstotalt + ",-";
    c["panelantallandeler"] = std::to_string(page.shares) + " Stk";
    c["panelprisprandel"] = "Kr " + state.panelprisprandel + ",-";
    c["labelvitipper"] = "Vi har tippet :";
    c["labeldersom"] = "Dersom disse er riktig tippet er vi garantert minst";
    c["sikretext"] = "Sikre";
    c["halvetext"] = "Halvgarderte";
    c["panelsikre"] = state.panelsikre;
    c["panelhalve"] = state.panelhalve;
    c["tilfellelabel"] = "12   11   10    Antall tilfelle";
    c["gtblabel"] = "Garantitabell";
    const GuaranteeLines lines = guaranteeLines(page.coupons, assumedOutcome(state), gridKindTexts(state));
    c["tolversjanse"] = lines.twelve;
    c["ellversjanse"] = lines.eleven;
    const std::string& firstRows = state.rowsPerCouponFields[0];
    c["fulloversikt"] = "Her er full oversikt over de 9 x " + firstRows + " rekkers kupongene.";
    c["spillpaalag"] = "Spill på lag, øk dine vinnersjanser";
    c["spillpaalag2"] = mainPartText(page);
    c["rekkeneergenerertmed"] = "Rekkene er generert med:";
    c["winkvasar"] = "Tippeprogrammmet: Win Kvasar";
    c["hentgevinster"] = "Denne andelen er kjøp hos:";
    c["kommnavn1"] = state.agentLine1;
    c["kommnavn2"] = state.agentLine2;
    c["linjeforsignatur"] = std::string(58, '-');
    c["signaturstempel"] = "Sign / stempel";
}

}  // namespace

const std::string& CertificateTemplate::caption(std::string_view name) const {
    static const std::string empty;
    const auto found = captions.find(name);
    return found == captions.end() ? empty : found->second;
}

const ShareBuyer* CertificateTemplate::buyerOf(int share) const {
    if (share < 1 || share > static_cast<int>(buyers.size())) return nullptr;
    return &buyers[static_cast<std::size_t>(share - 1)];
}

std::string matchText(int match, std::string_view home, std::string_view away) {
    return padLeft(std::to_string(match), 3) + ". " + std::string(home) + " - " + std::string(away);
}

std::string systemRoundText(std::string_view roundText) {
    const std::size_t dash = roundText.find('-');
    std::string week = digitsOnly(roundText.substr(0, dash));
    std::string year = dash == std::string_view::npos ? std::string() : digitsOnly(roundText.substr(dash + 1));
    if (week.empty()) week = "00";
    if (year.empty()) year = "1999";
    return "Spilleomgang " + padLeftZero(week, std::max<std::size_t>(2, week.size())) + " - " + year;
}

char printedStemKind(std::string_view kindText, SignMask stemMask) {
    // The rules apply one after the other, each to what the previous ones left.
    std::string kind = trimBlanks(kindText);
    const int signs = signCount(stemMask & kAllSigns);
    if (kind == "S" && signs != 1) kind = " ";
    if (kind.empty()) kind = " ";
    if (signs == 2) kind = "H";
    if (kind == "M") kind = " ";
    return kind[0];
}

std::string printDateText(const LocalDateTime& now) {
    const std::string full = "Dato " + twoDigits(static_cast<int>(static_cast<unsigned>(now.date.day()))) + "." +
                             twoDigits(static_cast<int>(static_cast<unsigned>(now.date.month()))) + "." +
                             padLeftZero(std::to_string(static_cast<int>(now.date.year())), 4) + "  Kl " +
                             twoDigits(now.hour) + ":" + twoDigits(now.minute) + ":" + twoDigits(now.second);
    return full.substr(0, full.find('K'));
}

std::int64_t printedRowCount(const Coupon& coupon) {
    std::int64_t rows = 1;
    for (SignMask mask : coupon.masks) rows *= std::max(1, signCount(mask & kAllSigns));
    return rows;
}

std::string shareNumberText(int share, int shares) {
    if (share > shares) return "Andel nummer= hoveddel";
    return "Andel nummer " + std::to_string(share) + " av " + std::to_string(shares);
}

std::string mainPartText(const CertificateTemplate& page) {
    return "Hoveddel serienummer = " + digitsOnly(page.serialNumber) + "      Onlinefilnavn = " + page.onlineFileName;
}

std::string onlineFileNameOf(std::string_view pathAndName) {
    const std::size_t slash = pathAndName.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? pathAndName : pathAndName.substr(slash + 1));
}

std::string onlineDirectoryOf(std::string_view pathAndName) {
    const std::size_t slash = pathAndName.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? std::string_view() : pathAndName.substr(0, slash));
}

CertificateTemplate fillCertificate(const WorkbenchState& state, const PrintChoices& choices, const LocalDateTime& now) {
    CertificateTemplate page;
    page.shares = sharesOf(state);
    page.margin = std::clamp(choices.margin, 0, kMaxMargin);
    page.markAdjustment = choices.markAdjustment == 1 ? kMarkAdjustmentInch : 0.0;
    page.serialNumber = state.online.serialNumber;
    page.week = parseGameWeek(gameWeekTextOf(state));
    page.onlineFileName = onlineFileNameOf(state.online.pathAndName);
    const int type = state.kupongtype >= 0 && state.kupongtype < 3 ? state.kupongtype : 0;
    page.couponColour = kCouponColours[type];
    if (choices.saveYellow) {
        page.blockColour = page.panel3Colour = kLightGrey;
        page.cellColour = kWhite;
    }
    page.coupons = couponsOf(state);
    for (int c = 0; c < kCoupons; ++c) page.rowCounts[c] = printedRowCount(page.coupons[c]);
    const Stem stem = stemOf(state);
    for (int m = 0; m < kMatches; ++m) {
        page.matchTexts[m] = matchText(m + 1, state.teamNames[2 * m], state.teamNames[2 * m + 1]);
        page.stemMarks[m] = stem.masks[m];
        page.stemKinds[m] = printedStemKind(state.couponGrid.at(1, m + 1), page.stemMarks[m]);
    }
    page.stemRows = parseAmount(state.stemRows);
    page.roundText = systemRoundText(gameWeekTextOf(state));
    fillCaptions(page, state, now);
    return page;
}

}  // namespace andel
