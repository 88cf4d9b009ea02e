#include "books/balance_transfer.h"

#include "books/ledger_edit.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "storage/storage_file.h"

#include <algorithm>

namespace andel {
namespace {

constexpr std::size_t kMaxJournalBytes = 64 * 1024;  // what the old program ever wrote, with room
constexpr std::size_t kMaxSources = 1000;


ShareEntry* entryOf(Ledger& ledger, int share) {
    if (share < 1 || share > static_cast<int>(ledger.entries.size())) return nullptr;
    return &ledger.entries[static_cast<std::size_t>(share - 1)];
}

bool sameShare(const BalanceLink& link, const std::string& serial, int share) {
    return link.serialNumber == serial && link.share == share;
}

std::string shareIn(const std::string& serial, int share) {
    return "andel " + std::to_string(share) + " i serienummer " + serial;
}

std::optional<int> smallNumber(std::string_view text, int max) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    const int number = std::stoi(std::string(text));
    if (number < 1 || number > max) return std::nullopt;
    return number;
}

bool serialText(std::string_view text) {
    return text.size() == 4 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::int64_t BalanceTransfer::total() const {
    std::int64_t sum = 0;
    for (const BalanceLink& link : sources) sum += link.amount;
    return sum;
}

// BETAL|ANGRE, the date, "serial share", then one "serial share amount" line per source.
std::string encodeTransfer(const BalanceTransfer& t) {
    std::vector<std::string> lines = {t.kind == BalanceTransfer::Kind::Pay ? "BETAL" : "ANGRE", ledgerDateText(t.on),
                                      t.serialNumber + " " + std::to_string(t.share)};
    for (const BalanceLink& s : t.sources) {
        lines.push_back(s.serialNumber + " " + std::to_string(s.share) + " " + std::to_string(s.amount));
    }
    lines.emplace_back("SLUTT");
    return encodeTextLines(lines);
}

std::optional<BalanceTransfer> decodeTransfer(std::string_view bytes) {
    // Written whole it ends with its last line's line break: anything shorter was cut.
    if (bytes.size() > kMaxJournalBytes || !bytes.ends_with("\r\nSLUTT\r\n")) return std::nullopt;
    const std::vector<std::string> lines = decodeTextLines(bytes);
    if (lines.size() < 5 || lines.size() > kMaxSources + 4 || lines.back() != "SLUTT") return std::nullopt;
    BalanceTransfer t;
    if (lines[0] == "ANGRE") t.kind = BalanceTransfer::Kind::Undo;
    else if (lines[0] != "BETAL") return std::nullopt;
    const auto on = parseLedgerDate(lines[1]);
    if (!on) return std::nullopt;
    t.on = *on;
    const auto shareLine = [](const std::string& line, BalanceLink& link, bool withAmount) {
        const std::size_t first = line.find(' ');
        const std::size_t second = withAmount && first != std::string::npos ? line.find(' ', first + 1) : std::string::npos;
        if (first != 4 || !serialText(line.substr(0, 4))) return false;
        const auto share = smallNumber(line.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1), 999);
        if (!share || withAmount == (second == std::string::npos)) return false;
        link.serialNumber = line.substr(0, 4);
        link.share = *share;
        if (!withAmount) return true;
        const auto amount = parseWholeKroner(line.substr(second + 1));
        if (!amount || *amount < 1) return false;
        link.amount = *amount;
        return true;
    };
    BalanceLink paid;
    if (!shareLine(lines[2], paid, false)) return std::nullopt;
    t.serialNumber = paid.serialNumber;
    t.share = paid.share;
    for (std::size_t i = 3; i + 1 < lines.size(); ++i) {
        BalanceLink source;
        if (!shareLine(lines[i], source, true)) return std::nullopt;
        t.sources.push_back(source);
    }
    return t;
}

void applyPaidSide(Ledger& ledger, const BalanceTransfer& t) {
    ShareEntry* entry = entryOf(ledger, t.share);
    if (!entry) return;
    const std::string amount = kronerText(t.total());
    if (t.kind == BalanceTransfer::Kind::Pay) {
        if (!entry->paidFromBalance.empty()) return;
        entry->paid = t.total();
        entry->paidOn = t.on;
        entry->paidFromBalance = t.sources;
        ledger.history.push_back(HistoryLine{t.on, "Andel " + std::to_string(t.share) + " betalt fra saldo, " + amount + "."});
        return;
    }
    if (entry->paidFromBalance.empty()) return;
    ledger.history.push_back(HistoryLine{t.on, "Angret betaling fra saldo av andel " + std::to_string(t.share) + ": " +
                                                   (entry->paidOn ? ledgerDateText(*entry->paidOn) : std::string()) +
                                                   ", " + kronerText(entry->paid.value_or(0)) + "; gevinsten er ført tilbake."});
    entry->paid.reset();
    entry->paidOn.reset();
    entry->paidFromBalance.clear();
}

void applyWinningSide(Ledger& ledger, const BalanceTransfer& t, const BalanceLink& source) {
    ShareEntry* entry = entryOf(ledger, source.share);
    if (!entry) return;
    auto& links = entry->toBalance;
    const auto found = std::find_if(links.begin(), links.end(), [&](const BalanceLink& l) { return sameShare(l, t.serialNumber, t.share); });
    const std::string paidShare = shareIn(t.serialNumber, t.share);
    if (t.kind == BalanceTransfer::Kind::Pay) {
        if (found != links.end()) return;
        links.push_back(BalanceLink{t.serialNumber, t.share, source.amount});
        entry->paidOut = entry->paidOut.value_or(0) + source.amount;
        entry->paidOutOn = t.on;
        ledger.history.push_back(HistoryLine{t.on, "Andel " + std::to_string(source.share) + ": " + kronerText(source.amount) +
                                                       " av gevinsten betalte " + paidShare + " (betalt fra saldo)."});
        return;
    }
    if (found == links.end()) return;
    const std::int64_t amount = found->amount;
    links.erase(found);
    const std::int64_t left = entry->paidOut.value_or(0) - amount;
    if (left > 0) {
        entry->paidOut = left;
    } else {
        entry->paidOut.reset();
        entry->paidOutOn.reset();
    }
    ledger.history.push_back(HistoryLine{t.on, "Angret: " + kronerText(amount) + " av gevinsten til andel " +
                                                   std::to_string(source.share) + " ført tilbake fra " + paidShare + "."});
}



}  // namespace andel
