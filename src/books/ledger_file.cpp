#include "books/ledger_file.h"

#include "model/codepage.h"
#include "model/text.h"
#include "storage/storage_file.h"

#include <utility>

namespace andel {
namespace {

constexpr int kMaxShares = 120;
constexpr std::int64_t kMaxHistoryLines = 10'000;
constexpr std::size_t kMaxLinks = 1000;  // shares one payment was drawn from, or one win paid

// A value is one line of plain text: a tab or line break typed into a field would shift
// the pairs of the file or the columns of what is shown from it.
std::string flatValue(std::string value) {
    for (char& c : value) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return value;
}

bool resultSignsText(std::string_view text) {
    return text.size() == static_cast<std::size_t>(kMatches) && text.find_first_not_of("1X2") == std::string_view::npos;
}


std::string amountText(const std::optional<std::int64_t>& amount) {
    return amount ? std::to_string(*amount) : std::string();
}
std::string dateText(const std::optional<LedgerDate>& date) { return date ? ledgerDateText(*date) : std::string(); }

std::vector<std::string> splitAt(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1) {
        parts.emplace_back(text.substr(start, at - start));
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

// "1234/3=20;1240/1=5": serial/share=amount for each link.
std::string linksText(const std::vector<BalanceLink>& links) {
    std::string text;
    for (const BalanceLink& link : links) {
        if (!text.empty()) text += ';';
        text += link.serialNumber + "/" + std::to_string(link.share) + "=" + std::to_string(link.amount);
    }
    return text;
}

std::string couponDigits(const Coupon& coupon) {
    std::string digits;
    for (SignMask mask : coupon.masks) digits += static_cast<char>('0' + (mask & kAllSigns));
    return digits;
}

bool serialNumberText(std::string_view text) {
    return text.size() == 4 && digitsOnly(text) == text;
}

// "1234/3=20": nothing unless serial number, share and amount are all there and sound.
std::optional<BalanceLink> linkOf(const std::string& part) {
    const std::size_t slash = part.find('/'), equals = part.find('=');
    if (slash != 4 || equals == std::string::npos || equals < slash || !serialNumberText(part.substr(0, 4))) {
        return std::nullopt;
    }
    const auto share = parseWholeKroner(part.substr(slash + 1, equals - slash - 1));
    const auto amount = parseWholeKroner(part.substr(equals + 1));
    if (!share || *share < 1 || *share > kMaxShares || !amount || *amount < 1) return std::nullopt;
    return BalanceLink{part.substr(0, 4), static_cast<int>(*share), *amount};
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
        return flatValue(lines_[next_ - 1]);
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
        if (atEnd()) return fail("filen slutter for tidlig");
        return flatValue(lines_[next_++]);
    }
    // A confirmed result's signs and prizes; nothing when its signs are empty.
    std::optional<ConfirmedRound> round(std::string_view prefix) {
        const std::string key(prefix);
        ConfirmedRound r{value(key + "RESULTAT")};
        const auto p12 = optionalAmount(key + "PREMIE12");
        const auto p11 = optionalAmount(key + "PREMIE11");
        const auto p10 = optionalAmount(key + "PREMIE10");
        if (failed() || r.signs.empty()) return std::nullopt;
        if (!resultSignsText(r.signs) || !p12 || !p11 || !p10) return fail("ugyldig resultat " + key), std::nullopt;
        r.prize12 = *p12;
        r.prize11 = *p11;
        r.prize10 = *p10;
        return r;
    }
    std::vector<BalanceLink> links(std::string_view key) {
        const std::string text = value(key);
        std::vector<BalanceLink> links;
        if (failed() || text.empty()) return links;
        for (const std::string& part : splitAt(text, ';')) {
            const std::optional<BalanceLink> link = linkOf(part);
            if (!link || links.size() >= kMaxLinks) {
                fail(std::string(key) + " har en ugyldig verdi");
                return {};
            }
            links.push_back(*link);
        }
        return links;
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
    std::vector<std::string> lines;
    const auto pair = [&](std::string_view key, const std::string& value) {
        lines.emplace_back(key);
        lines.push_back(flatValue(value));
    };
    pair("#REGNSKAPSVERSJON", std::string(kLedgerVersion));
    pair("#ONLINESERIENUMMER", f.serialNumber);
    pair("#UKE", weekText(f.week));
    pair("#KUPONGTYPE", std::string(couponTypeText(f.couponType)));
    pair("#SPILLTYPE", std::string(timeBasisText(f.timeBasis)));
    pair("#REKKEANTALL", std::to_string(f.rows));
    pair("#INNSATS", std::to_string(f.stake));
    pair("#ANTALLANDELER", std::to_string(f.shares));
    pair("#PRISPRANDEL", std::to_string(f.pricePerShare));
    pair("#ONLINEFILPATHOGNAVN", f.onlineFile);
    pair("#SPILLER", f.player);
    lines.emplace_back("#REKKER");
    for (const Coupon& coupon : f.coupons) lines.push_back(couponDigits(coupon));
    const auto round = [&](std::string_view prefix, const std::optional<ConfirmedRound>& r) {
        pair(std::string(prefix) + "RESULTAT", r ? r->signs : std::string());
        pair(std::string(prefix) + "PREMIE12", r ? std::to_string(r->prize12) : std::string());
        pair(std::string(prefix) + "PREMIE11", r ? std::to_string(r->prize11) : std::string());
        pair(std::string(prefix) + "PREMIE10", r ? std::to_string(r->prize10) : std::string());
    };
    const auto& confirmed = ledger.confirmed;
    pair("#GODKJENT", confirmed ? ledgerDateText(confirmed->on) : std::string());
    round("#", confirmed ? std::optional(confirmed->fullTime) : std::nullopt);
    round("#PAUSE", confirmed ? confirmed->halfTime : std::nullopt);
    pair("#ANNULLERT", ledger.voided ? ledgerDateText(ledger.voided->on) : std::string());
    pair("#GRUNN", ledger.voided ? ledger.voided->reason : std::string());
    pair("#SALGSTENGT", dateText(ledger.saleClosed));
    int share = 0;
    for (const ShareEntry& e : ledger.entries) {
        pair("#ANDEL", std::to_string(++share));
        pair("#NAVN", e.name);
        pair("#TELEFON", e.telephone);
        pair("#SPILLENUMMER", e.playerNumber);
        pair("#BETALT", amountText(e.paid));
        pair("#BETALTDATO", dateText(e.paidOn));
        pair("#UTBETALT", amountText(e.paidOut));
        pair("#UTBETALTDATO", dateText(e.paidOutOn));
        pair("#MERKNAD", e.note);
        pair("#KOMMISJONAER", e.agentHeld ? "J" : "");
        pair("#FRASALDO", linksText(e.paidFromBalance));
        pair("#TILSALDO", linksText(e.toBalance));
    }
    pair("#HISTORIKK", std::to_string(ledger.history.size()));
    for (const HistoryLine& line : ledger.history) lines.push_back(ledgerDateText(line.on) + " " + flatValue(line.text));
    lines.emplace_back("#SLUTT");
    lines.emplace_back();
    return encodeTextLines(lines);
}

DecodedLedger decodeLedger(std::string_view bytes) {
    PairReader in(decodeTextLines(bytes));
    Ledger ledger;
    SyndicateFacts& f = ledger.facts;
    const std::string version = in.value("#REGNSKAPSVERSJON");
    // Version 1 ledgers were written before confirmed results, voiding and history;
    // version 2 before closed sales and payments from a buyer's balance.
    const bool first = version == "1", second = version == "2";
    if (!in.failed() && !first && !second && version != kLedgerVersion) in.fail("ukjent versjon");
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
    if (!first) f.player = in.value("#SPILLER");
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
    if (!first) {
        const auto confirmedOn = in.optionalDate("#GODKJENT");
        auto fullTime = in.round("#");
        auto halfTime = in.round("#PAUSE");
        if (!in.failed() && (confirmedOn.has_value() != fullTime.has_value() || (halfTime && !fullTime))) {
            in.fail("godkjent resultat er ufullstendig");
        }
        if (confirmedOn && fullTime) ledger.confirmed = ConfirmedResult{*confirmedOn, *fullTime, halfTime};
        const auto voidedOn = in.optionalDate("#ANNULLERT");
        const std::string reason = in.value("#GRUNN");
        if (voidedOn) ledger.voided = LedgerVoiding{*voidedOn, reason};
        if (!second) ledger.saleClosed = in.optionalDate("#SALGSTENGT");
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
        if (!first && !second) {
            const std::string agent = in.value("#KOMMISJONAER");
            if (!in.failed() && !agent.empty() && agent != "J") in.fail("#KOMMISJONAER har en ugyldig verdi");
            e.agentHeld = agent == "J";
            e.paidFromBalance = in.links("#FRASALDO");
            e.toBalance = in.links("#TILSALDO");
            if (!in.failed() && e.movedToBalance() > e.paidOut.value_or(0)) in.fail("andel " + std::to_string(share) + " har mer til saldo enn utbetalt");
        }
        ledger.entries.push_back(std::move(e));
    }
    if (!first) {
        const auto count = in.number("#HISTORIKK", kMaxHistoryLines);
        for (std::int64_t i = 0; i < count && !in.failed(); ++i) {
            const std::string line = in.line();
            const auto on = parseLedgerDate(std::string_view(line).substr(0, 10));
            if (in.failed()) break;
            if (!on || line.size() < 11 || line[10] != ' ') {
                in.fail("ugyldig linje i historikken");
                break;
            }
            ledger.history.push_back(HistoryLine{*on, line.substr(11)});
        }
    }
    in.value("#SLUTT");
    if (!in.failed() && !in.atEnd()) in.fail("flere andeler enn andelslaget har");
    if (in.failed()) return {std::nullopt, in.fault()};
    return {std::move(ledger), {}};
}

}  // namespace andel
