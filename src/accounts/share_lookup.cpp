#include "accounts/share_lookup.h"

#include "books/journal.h"
#include "books/ledger_edit.h"
#include "model/share_code.h"

namespace andel {
namespace {

std::string shown(std::string_view text) {
    std::string cut(text.substr(0, 40));
    for (char& c : cut) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return cut + (text.size() > 40 ? "…" : "");
}

std::string dateOrEmpty(const std::optional<LedgerDate>& date) { return date ? ledgerDateText(*date) : std::string(); }

std::string amountOrEmpty(const std::optional<std::int64_t>& amount) {
    return amount ? styledAmount(*amount, AmountStyle::Grouped) : std::string();
}

}  // namespace

ShareLookup lookUpShare(const Workspace& workspace, std::string_view text) {
    const std::optional<ShareCode> code = parseShareCode(text);
    if (!code) {
        return {std::nullopt, "\"" + shown(text) +
                                  "\" er ikke en andelskode. Koden står under QR-koden på andelsbrevet og kvitteringen, "
                                  "for eksempel AN 1042 017 42."};
    }
    Journal journal(workspace);
    // A serial number comes round again in later weeks: the check digits say which week's.
    struct Matching {
        std::vector<Ledger> ledgers;
        bool anyOfSerial = false;
        std::int64_t newest = 0;
    };
    const Matching matching = journal.read([&] {
        Matching m;
        const auto later = [](const GameWeek& a, const GameWeek& b) {
            return a.year != b.year ? a.year > b.year : a.week > b.week;
        };
        GameWeek newestWeek{0, 0, {}};
        for (const auto& [id, serial] : journal.serialNumbers()) {
            if (serial != code->serialNumber) continue;
            m.anyOfSerial = true;
            std::optional<Ledger> ledger = journal.ledgerById(id);
            if (!ledger) continue;
            if (later(ledger->facts.week, newestWeek)) newestWeek = ledger->facts.week, m.newest = id;
            if (shareCodeFits(*code, ledger->facts.week)) m.ledgers.push_back(std::move(*ledger));
        }
        return m;
    });
    const std::vector<Ledger>& ledgers = matching.ledgers;
    const bool anyOfSerial = matching.anyOfSerial;
    const std::string spaced = spacedShareCodeText(shareCodeText(*code));
    if (!anyOfSerial) {
        return {std::nullopt, "Ingen andel har koden " + spaced + ": serienummer " + code->serialNumber +
                                  " har ikke noe andelsregnskap."};
    }
    if (ledgers.empty()) {
        return {std::nullopt, "Andelskoden " + spaced +
                                  " stemmer ikke: kontrollsifrene passer ikke. Skann koden på nytt, eller skriv den av "
                                  "nøyaktig som den står på andelsbrevet."};
    }
    const Ledger& ledger = ledgers.front();
    if (code->share > ledger.facts.shares) {
        return {std::nullopt, "Andelslaget " + ledger.facts.serialNumber + " har " + std::to_string(ledger.facts.shares) +
                                  " andeler: andel " + std::to_string(code->share) + " finnes ikke."};
    }
    ShareLookup lookup;
    lookup.found = FoundShare{ledger, code->share, shareCodeText(code->serialNumber, code->share, ledger.facts.week),
                              ledgerResult(workspace, ledger), ledger.id == matching.newest};
    if (ledger.voided) {
        lookup.message = "Andelslaget " + ledger.facts.serialNumber + " " + weekText(ledger.facts.week) +
                         " er annullert " + ledgerDateText(ledger.voided->on) + " (" + ledger.voided->reason +
                         "): andel " + std::to_string(code->share) + " gjelder ikke lenger og kan ikke betales eller utbetales.";
    }
    return lookup;
}

ShareStep nextShareStep(const FoundShare& found) {
    if (found.voided()) return ShareStep::None;
    const ShareEntry& entry = found.entry();
    if (!entry.sold()) return ShareStep::None;
    if (entry.paid.value_or(0) < found.ledger.facts.pricePerShare) return ShareStep::Pay;
    const LedgerWinnings& winnings = found.result.winnings;
    if (!found.ledger.confirmed || !winnings.confirmed) return ShareStep::None;
    const std::optional<std::int64_t> part = shareWinnings(entry, winnings);
    return part && *part > entry.paidOut.value_or(0) ? ShareStep::PayOut : ShareStep::None;
}

std::string_view shareStepWord(ShareStep step) {
    switch (step) {
        case ShareStep::Pay: return "pay";
        case ShareStep::PayOut: return "payout";
        case ShareStep::None: break;
    }
    return "none";
}

std::vector<Fields> shareFactLines(const FoundShare& found) {
    const Ledger& ledger = found.ledger;
    const ShareEntry& entry = found.entry();
    const LedgerWinnings& winnings = found.result.winnings;
    const std::optional<std::int64_t> part = entry.sold() ? shareWinnings(entry, winnings) : std::nullopt;
    const std::string basis = !winnings.known ? "unknown" : winnings.confirmed ? "confirmed" : "forecast";
    Fields voided{"voided", "no"};
    if (ledger.voided) voided = {"voided", ledgerDateText(ledger.voided->on), ledger.voided->reason};
    return {
        {"code", found.code},
        {"serial", ledger.facts.serialNumber},
        {"week", weekText(ledger.facts.week)},
        {"share", std::to_string(found.share), std::to_string(ledger.facts.shares)},
        {"buyer", entry.name, entry.telephone, entry.playerNumber},
        {"price", styledAmount(ledger.facts.pricePerShare, AmountStyle::Grouped)},
        {"paid", amountOrEmpty(entry.paid), dateOrEmpty(entry.paidOn)},
        {"winnings", part ? styledAmount(*part, AmountStyle::Grouped) : std::string(), basis},
        {"paid-out", amountOrEmpty(entry.paidOut), dateOrEmpty(entry.paidOutOn)},
        {"state", std::string(ledgerStateWord(ledgerState(ledger)))},
        voided,
        {"next", std::string(shareStepWord(nextShareStep(found)))},
    };
}

}  // namespace andel
