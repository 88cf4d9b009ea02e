#include "accounts/ledger_file.h"

#include "model/codepage.h"
#include "model/text.h"
#include "storage/storage_file.h"

#include <utility>

namespace andel {
namespace {

constexpr int kMaxShares = 120;

std::string amountText(const std::optional<std::int64_t>& amount) {
    return amount ? std::to_string(*amount) : std::string();
}
std::string dateText(const std::optional<LedgerDate>& date) { return date ? ledgerDateText(*date) : std::string(); }

std::string couponDigits(const Coupon& coupon) {
    std::string digits;
    for (SignMask mask : coupon.masks) digits += static_cast<char>('0' + (mask & kAllSigns));
    return digits;
}

// Reads the pairs in order; the first fault stops it.
class PairReader {
public:
    explicit PairReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    bool failed() const { return !fault_.empty(); }
    const std::string& fault() const { return fault_; }
    bool atEnd() const { return next_ >= lines_.size(); }

    std::string value(std::string_view key) {
        if (failed()) return {};
        if (next_ + 1 >= lines_.size()) return fail("filen slutter før " + std::string(key));
        if (lines_[next_] != key) return fail("fant " + lines_[next_] + " der " + std::string(key) + " skulle stå");
        next_ += 2;
        return lines_[next_ - 1];
    }
    std::int64_t number(std::string_view key, std::int64_t max) {
        const std::string text = value(key);
        if (failed()) return 0;
        const auto number = parseWholeKroner(text);
        if (!number || *number > max) return fail(std::string(key) + " har en ugyldig verdi"), 0;
        return *number;
    }
    std::optional<std::int64_t> optionalAmount(std::string_view key) {
        const std::string text = value(key);
        if (failed() || text.empty()) return std::nullopt;
        const auto amount = parseWholeKroner(text);
        if (!amount) fail(std::string(key) + " har et ugyldig beløp");
        return amount;
    }
    std::optional<LedgerDate> optionalDate(std::string_view key) {
        const std::string text = value(key);
        if (failed() || text.empty()) return std::nullopt;
        const auto date = parseLedgerDate(text);
        if (!date) fail(std::string(key) + " har en ugyldig dato");
        return date;
    }
    std::string line() {
        if (failed()) return {};
        if (atEnd()) return fail("filen slutter midt i kupongene");
        return lines_[next_++];
    }
    std::string fail(std::string fault) {
        if (fault_.empty()) fault_ = std::move(fault);
        return {};
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::string fault_;
};

std::optional<CouponType> couponTypeNamed(std::string_view text) {
    for (int i = 0; i < kCouponTypeCount; ++i) {
        if (couponTypeText(couponTypeFromIndex(i)) == text) return couponTypeFromIndex(i);
    }
    return std::nullopt;
}

std::optional<TimeBasis> timeBasisNamed(std::string_view text) {
    for (int i = 0; i < kTimeBasisCount; ++i) {
        if (timeBasisText(timeBasisFromIndex(i)) == text) return timeBasisFromIndex(i);
    }
    return std::nullopt;
}

bool serialNumberText(std::string_view text) {
    return text.size() == 4 && digitsOnly(text) == text;
}

}  // namespace

std::string ledgerFileName(const SyndicateFacts& facts) {
    return "REGNSKAP_" + facts.serialNumber + "_UKE_" + twoDigits(facts.week.week) + "_" +
           std::to_string(facts.week.year) + ".TXT";
}

std::optional<LedgerFileKey> ledgerFileKey(std::string_view name) {
    // REGNSKAP_ssss_UKE_ww_yyyy.TXT
    if (name.size() != 29 || !startsWith(name, "REGNSKAP_") || name.substr(13, 5) != "_UKE_" ||
        name[20] != '_' || name.substr(25) != ".TXT") {
        return std::nullopt;
    }
    const std::string_view serial = name.substr(9, 4), week = name.substr(18, 2), year = name.substr(21, 4);
    if (!serialNumberText(serial) || digitsOnly(week) != week || digitsOnly(year) != year) return std::nullopt;
    return LedgerFileKey{std::string(serial), GameWeek{std::stoi(std::string(week)), std::stoi(std::string(year)), {}}};
}

std::string encodeLedger(const Ledger& ledger) {
    const SyndicateFacts& f = ledger.facts;
    std::vector<std::string> lines = {
        "#REGNSKAPSVERSJON", std::string(kLedgerVersion),
        "#ONLINESERIENUMMER", f.serialNumber,
        "#UKE", weekText(f.week),
        "#KUPONGTYPE", std::string(couponTypeText(f.couponType)),
        "#SPILLTYPE", std::string(timeBasisText(f.timeBasis)),
        "#REKKEANTALL", std::to_string(f.rows),
        "#INNSATS", std::to_string(f.stake),
        "#ANTALLANDELER", std::to_string(f.shares),
        "#PRISPRANDEL", std::to_string(f.pricePerShare),
        "#ONLINEFILPATHOGNAVN", f.onlineFile,
        "#REKKER",
    };
    for (const Coupon& coupon : f.coupons) lines.push_back(couponDigits(coupon));
    int share = 0;
    for (const ShareEntry& e : ledger.entries) {
        const std::pair<const char*, std::string> pairs[] = {
            {"#ANDEL", std::to_string(++share)},  {"#NAVN", e.name},
            {"#TELEFON", e.telephone},            {"#SPILLENUMMER", e.playerNumber},
            {"#BETALT", amountText(e.paid)},      {"#BETALTDATO", dateText(e.paidOn)},
            {"#UTBETALT", amountText(e.paidOut)}, {"#UTBETALTDATO", dateText(e.paidOutOn)},
            {"#MERKNAD", e.note},
        };
        for (const auto& [key, value] : pairs) {
            lines.push_back(key);
            // A value is one line: a line break typed into a field would shift every pair.
            std::string flat = value;
            for (char& c : flat) {
                if (c == '\r' || c == '\n') c = ' ';
            }
            lines.push_back(flat);
        }
    }
    lines.push_back("#SLUTT");
    lines.push_back("");
    return encodeTextLines(lines);
}

DecodedLedger decodeLedger(std::string_view bytes) {
    PairReader in(decodeTextLines(bytes));
    Ledger ledger;
    SyndicateFacts& f = ledger.facts;
    if (in.value("#REGNSKAPSVERSJON") != kLedgerVersion && !in.failed()) in.fail("ukjent versjon");
    f.serialNumber = in.value("#ONLINESERIENUMMER");
    if (!in.failed() && !serialNumberText(f.serialNumber)) in.fail("ugyldig serienummer");
    const std::string week = in.value("#UKE");
    f.week = parseGameWeek(week);
    f.week.suffix.clear();
    if (!in.failed() && (f.week.week < 1 || f.week.week > 53)) in.fail("ugyldig uke");
    const auto type = couponTypeNamed(in.value("#KUPONGTYPE"));
    if (!in.failed() && !type) in.fail("ukjent kupongtype");
    const auto basis = timeBasisNamed(in.value("#SPILLTYPE"));
    if (!in.failed() && !basis) in.fail("ukjent spilltype");
    f.couponType = type.value_or(CouponType::Saturday);
    f.timeBasis = basis.value_or(TimeBasis::Ordinary);
    f.rows = in.number("#REKKEANTALL", 999'999'999);
    f.stake = in.number("#INNSATS", 999'999'999);
    f.shares = static_cast<int>(in.number("#ANTALLANDELER", kMaxShares));
    if (!in.failed() && f.shares < 1) in.fail("ingen andeler");
    f.pricePerShare = in.number("#PRISPRANDEL", 999'999'999);
    f.onlineFile = in.value("#ONLINEFILPATHOGNAVN");
    if (!in.failed() && in.line() != "#REKKER") in.fail("fant ikke #REKKER");
    for (Coupon& coupon : f.coupons) {
        const std::string digits = in.line();
        if (in.failed()) break;
        if (digits.size() != kMatches || digits.find_first_not_of("01234567") != std::string::npos) {
            in.fail("ugyldig kupong");
            break;
        }
        for (int m = 0; m < kMatches; ++m) coupon.masks[m] = static_cast<SignMask>(digits[m] - '0');
    }
    for (int share = 1; share <= f.shares && !in.failed(); ++share) {
        if (in.value("#ANDEL") != std::to_string(share) && !in.failed()) in.fail("andel " + std::to_string(share) + " mangler");
        ShareEntry e;
        e.name = in.value("#NAVN");
        e.telephone = in.value("#TELEFON");
        e.playerNumber = in.value("#SPILLENUMMER");
        e.paid = in.optionalAmount("#BETALT");
        e.paidOn = in.optionalDate("#BETALTDATO");
        e.paidOut = in.optionalAmount("#UTBETALT");
        e.paidOutOn = in.optionalDate("#UTBETALTDATO");
        e.note = in.value("#MERKNAD");
        ledger.entries.push_back(std::move(e));
    }
    in.value("#SLUTT");
    if (!in.failed() && !in.atEnd()) in.fail("flere andeler enn andelslaget har");
    if (in.failed()) return {std::nullopt, in.fault()};
    return {std::move(ledger), {}};
}

}  // namespace andel
