#include "books/ledger.h"

#include "model/codepage.h"
#include "model/text.h"
#include "platform/clock.h"
#include "workbench/recompute.h"
#include "workbench/selectors.h"
#include "workbench/stem_editing.h"

#include <chrono>

namespace andel {

std::optional<SyndicateFacts> syndicateFactsOf(const WorkbenchState& state) {
    const std::string serial = trimBlanks(state.online.serialNumber);
    if (serial.empty() || serial == "0000" || sharesOf(state) < 1) return std::nullopt;
    SyndicateFacts facts;
    facts.serialNumber = serial;
    facts.week = parseGameWeek(gameWeekTextOf(state));
    facts.week.suffix.clear();
    facts.couponType = couponTypeOf(state);
    facts.timeBasis = timeBasisOf(state);
    facts.rows = parseAmount(state.rekkertotalt);
    facts.stake = parseAmount(state.panelinnsatstotalt);
    facts.shares = sharesOf(state);
    facts.pricePerShare = parseAmount(state.panelprisprandel);
    facts.onlineFile = state.online.pathAndName;
    facts.coupons = couponsOf(state);
    facts.player = cleanFieldText(trimBlanks(state.xfornavn) + " " + trimBlanks(state.etternavn));
    return facts;
}

std::int64_t ShareEntry::movedToBalance() const {
    std::int64_t moved = 0;
    for (const BalanceLink& link : toBalance) moved += link.amount;
    return moved;
}

Ledger emptyLedger(const SyndicateFacts& facts) {
    Ledger ledger;
    ledger.facts = facts;
    ledger.entries.resize(static_cast<std::size_t>(facts.shares));
    return ledger;
}

std::string weekText(const GameWeek& week) { return trimBlanks(gameWeekText(week)); }

std::optional<LedgerDate> parseLedgerDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') return std::nullopt;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    const auto number = [&](std::size_t at, std::size_t width) {
        int value = 0;
        for (std::size_t i = at; i < at + width; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    const LedgerDate date{number(0, 2), number(3, 2), number(6, 4)};
    const std::chrono::year_month_day real{std::chrono::year(date.year), std::chrono::month(static_cast<unsigned>(date.month)),
                                           std::chrono::day(static_cast<unsigned>(date.day))};
    if (!real.ok() || date.year < 1900) return std::nullopt;
    return date;
}

std::string ledgerDateText(const LedgerDate& date) {
    return twoDigits(date.day) + "." + twoDigits(date.month) + "." + padLeftZero(std::to_string(date.year), 4);
}

LedgerDate nextDay(const LedgerDate& date) {
    using namespace std::chrono;
    const year_month_day next{sys_days{year{date.year} / month{static_cast<unsigned>(date.month)} / static_cast<unsigned>(date.day)} +
                              days{1}};
    return {static_cast<int>(static_cast<unsigned>(next.day())), static_cast<int>(static_cast<unsigned>(next.month())),
            static_cast<int>(next.year())};
}

LedgerDate todayLedgerDate() {
    const auto today = localToday();
    return LedgerDate{static_cast<int>(static_cast<unsigned>(today.day())),
                      static_cast<int>(static_cast<unsigned>(today.month())), static_cast<int>(today.year())};
}

std::optional<std::int64_t> parseWholeKroner(std::string_view text) {
    // "2916" or "2.916": a first group of one to three digits, then groups of exactly three.
    if (text.empty() || text.size() > 11) return std::nullopt;
    std::int64_t value = 0;
    std::size_t groupStart = 0;
    bool grouped = false;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '.') {
            const std::size_t width = i - groupStart;
            if (width == 0 || (grouped && width != 3) || (i < text.size() && groupStart == 0 && width > 3)) {
                return std::nullopt;
            }
            grouped = grouped || i < text.size();
            groupStart = i + 1;
            continue;
        }
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (value > 999'999'999) return std::nullopt;
    return value;
}

LedgerState ledgerState(const Ledger& ledger) {
    if (ledger.voided) return LedgerState::Voided;
    return ledger.confirmed ? LedgerState::Final : LedgerState::Open;
}

std::string_view ledgerStateWord(LedgerState state) {
    switch (state) {
        case LedgerState::Open: return "open";
        case LedgerState::Final: return "final";
        case LedgerState::Voided: return "voided";
    }
    return "open";
}

std::string_view ledgerStateText(LedgerState state) {
    switch (state) {
        case LedgerState::Open: return "Åpen";
        case LedgerState::Final: return "Godkjent";
        case LedgerState::Voided: return "Annullert";
    }
    return "Åpen";
}

std::string cleanFieldText(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // C0 controls and DEL, and the C1 controls (U+0080..U+009F, "\xC2\x80".."\xC2\x9F").
        if (byte < 0x20 || byte == 0x7F) {
            clean += ' ';
        } else if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            clean += ' ';
            ++i;
        } else {
            clean += text[i];
        }
    }
    return trimBlanks(clean);
}

std::string fieldProblem(std::string_view caption, std::string_view text, std::size_t limit) {
    const std::string bytes = toCp1252(text);
    if (fromCp1252(bytes) != text) return std::string(caption) + " har tegn som regnskapet ikke kan lagre.";
    const std::size_t length = bytes.size();
    if (length <= limit) return {};
    return std::string(caption) + " er for lang: " + std::to_string(length) + " tegn, høyst " + std::to_string(limit) +
           ".";
}

std::string badAmountMessage(std::string_view text) {
    const std::string quoted = "Beløpet \"" + std::string(text) + "\" ";
    // Said as it is: an amount is never taken as something else by dropping what is wrong.
    if (text.find(',') != std::string_view::npos) return quoted + "har komma: skriv hele kroner, uten øre.";
    if (text.find('-') != std::string_view::npos) return quoted + "har minus: et beløp skrives uten fortegn.";
    if (!text.empty() && text.find_first_not_of("0123456789.") == std::string_view::npos) {
        std::string digits;
        for (char c : text) {
            if (c != '.' && (c != '0' || !digits.empty())) digits += c;
        }
        if (digits.size() > 9) return quoted + "er for stort: høyst 999.999.999 kroner.";
    }
    return quoted + "er ikke et helt antall kroner.";
}

std::string badDateMessage(std::string_view text) {
    return "Datoen \"" + std::string(text) + "\" finnes ikke (skriv DD.MM.ÅÅÅÅ).";
}

std::string badShareMessage(int share, int shares) {
    return "Andel " + std::to_string(share) + " finnes ikke: andelslaget har andel 1 til " + std::to_string(shares) + ".";
}

}  // namespace andel
