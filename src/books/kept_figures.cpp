#include "books/kept_figures.h"

#include <cstdint>

namespace andel {
namespace {

constexpr unsigned char kLayout = 1;
constexpr std::uint64_t kMaxCount = 100'000;  // shares, links or lines: far beyond any real ledger

class Writer {
public:
    void number(std::int64_t value) {  // zigzag, then seven bits a byte
        auto bits = (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
        while (bits >= 0x80) {
            bytes_ += static_cast<char>((bits & 0x7F) | 0x80);
            bits >>= 7;
        }
        bytes_ += static_cast<char>(bits);
    }
    void flag(bool value) { number(value ? 1 : 0); }
    void text(std::string_view value) {
        number(static_cast<std::int64_t>(value.size()));
        bytes_ += value;
    }
    void date(const LedgerDate& d) {
        number(d.day);
        number(d.month);
        number(d.year);
    }
    void optionalNumber(const std::optional<std::int64_t>& value) {
        flag(value.has_value());
        if (value) number(*value);
    }
    void optionalDate(const std::optional<LedgerDate>& value) {
        flag(value.has_value());
        if (value) date(*value);
    }
    void round(const ConfirmedRound& r) {
        text(r.signs);
        number(r.prize12);
        number(r.prize11);
        number(r.prize10);
    }
    void links(const std::vector<BalanceLink>& links) {
        number(static_cast<std::int64_t>(links.size()));
        for (const BalanceLink& link : links) {
            text(link.serialNumber);
            number(link.share);
            number(link.amount);
        }
    }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

// Every read checks what is left; the first fault makes every later read fail too.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == bytes_.size(); }

    std::int64_t number() {
        std::uint64_t bits = 0;
        for (int shift = 0; ok_; shift += 7) {
            if (at_ >= bytes_.size() || shift > 63) return fail();
            const auto byte = static_cast<unsigned char>(bytes_[at_++]);
            bits |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if (!(byte & 0x80)) break;
        }
        return ok_ ? static_cast<std::int64_t>((bits >> 1) ^ (~(bits & 1) + 1)) : 0;
    }
    int small() {
        const std::int64_t value = number();
        if (value < -1'000'000 || value > 1'000'000) return static_cast<int>(fail());
        return static_cast<int>(value);
    }
    bool flag() {
        const std::int64_t value = number();
        if (value != 0 && value != 1) fail();
        return value == 1;
    }
    std::size_t count() {
        const std::int64_t value = number();
        if (value < 0 || static_cast<std::uint64_t>(value) > kMaxCount) return static_cast<std::size_t>(fail());
        return static_cast<std::size_t>(value);
    }
    std::string text() {
        const std::int64_t size = number();
        if (!ok_ || size < 0 || static_cast<std::uint64_t>(size) > bytes_.size() - at_) return fail(), std::string();
        std::string value(bytes_.substr(at_, static_cast<std::size_t>(size)));
        at_ += static_cast<std::size_t>(size);
        return value;
    }
    LedgerDate date() {
        LedgerDate d;
        d.day = small();
        d.month = small();
        d.year = small();
        return d;
    }
    std::optional<std::int64_t> optionalNumber() {
        if (!flag()) return std::nullopt;
        return number();
    }
    std::optional<LedgerDate> optionalDate() {
        if (!flag()) return std::nullopt;
        return date();
    }
    ConfirmedRound round() {
        ConfirmedRound r;
        r.signs = text();
        r.prize12 = number();
        r.prize11 = number();
        r.prize10 = number();
        return r;
    }
    std::vector<BalanceLink> links() {
        std::vector<BalanceLink> links(count());
        for (BalanceLink& link : links) {
            link.serialNumber = text();
            link.share = small();
            link.amount = number();
        }
        return links;
    }
    std::int64_t fail() {
        ok_ = false;
        at_ = bytes_.size();
        return 0;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace

std::string encodeKeptFigures(const Ledger& ledger) {
    Writer w;
    w.number(kLayout);
    w.date(ledger.madeOn);
    w.flag(ledger.confirmed.has_value());
    if (ledger.confirmed) {
        w.date(ledger.confirmed->on);
        w.round(ledger.confirmed->fullTime);
        w.flag(ledger.confirmed->halfTime.has_value());
        if (ledger.confirmed->halfTime) w.round(*ledger.confirmed->halfTime);
    }
    w.flag(ledger.voided.has_value());
    if (ledger.voided) {
        w.date(ledger.voided->on);
        w.text(ledger.voided->reason);
    }
    w.optionalDate(ledger.saleClosed);
    w.number(static_cast<std::int64_t>(ledger.entries.size()));
    for (const ShareEntry& e : ledger.entries) {
        w.text(e.name);
        w.text(e.telephone);
        w.text(e.playerNumber);
        w.optionalNumber(e.paid);
        w.optionalDate(e.paidOn);
        w.optionalNumber(e.paidOut);
        w.optionalDate(e.paidOutOn);
        w.text(e.note);
        w.flag(e.agentHeld);
        w.links(e.paidFromBalance);
        w.links(e.toBalance);
        w.text(e.customerKey);
    }
    return w.take();
}

bool decodeKeptFigures(std::string_view bytes, Ledger& ledger) {
    Reader r(bytes);
    if (r.number() != kLayout) return false;
    Ledger read;
    read.id = ledger.id;
    read.facts = ledger.facts;
    read.madeOn = r.date();
    if (r.flag()) {
        ConfirmedResult confirmed;
        confirmed.on = r.date();
        confirmed.fullTime = r.round();
        if (r.flag()) confirmed.halfTime = r.round();
        read.confirmed = std::move(confirmed);
    }
    if (r.flag()) {
        LedgerVoiding voided;
        voided.on = r.date();
        voided.reason = r.text();
        read.voided = std::move(voided);
    }
    read.saleClosed = r.optionalDate();
    read.entries.resize(r.count());
    for (ShareEntry& e : read.entries) {
        e.name = r.text();
        e.telephone = r.text();
        e.playerNumber = r.text();
        e.paid = r.optionalNumber();
        e.paidOn = r.optionalDate();
        e.paidOut = r.optionalNumber();
        e.paidOutOn = r.optionalDate();
        e.note = r.text();
        e.agentHeld = r.flag();
        e.paidFromBalance = r.links();
        e.toBalance = r.links();
        e.customerKey = r.text();
    }
    // The figures must be of this syndicate: as many shares as it was made with.
    if (!r.ok() || !r.atEnd() || read.entries.size() != static_cast<std::size_t>(ledger.facts.shares)) return false;
    ledger = std::move(read);
    return true;
}

}  // namespace andel
