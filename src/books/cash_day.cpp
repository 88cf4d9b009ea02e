#include "books/cash_day.h"

#include "books/ledger_edit.h"
#include "model/text.h"
#include "platform/io_error.h"

#include <algorithm>
#include <numeric>

namespace andel {
namespace {

std::string bankAccount() { return "bank"; }                  // cash taken away or brought in
std::string differenceAccount() { return "kassedifferanse"; }  // counted less expected

std::int64_t detailNumber(const std::map<std::string, std::string>& detail, const std::string& key) {
    const auto found = detail.find(key);
    if (found == detail.end()) return 0;
    try {
        return std::stoll(found->second);
    } catch (const std::exception&) {
        return 0;
    }
}

// "1000:3,500:1": pieces counted of each note and coin.
std::string countsText(const std::map<int, std::int64_t>& counts) {
    std::string text;
    for (auto it = counts.rbegin(); it != counts.rend(); ++it) {
        if (it->second == 0) continue;
        if (!text.empty()) text += ',';
        text += std::to_string(it->first) + ":" + std::to_string(it->second);
    }
    return text;
}

std::map<int, std::int64_t> countsOf(const std::string& text) {
    std::map<int, std::int64_t> counts;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        if (const std::size_t colon = part.find(':'); colon != std::string::npos) {
            const auto value = parseWholeKroner(part.substr(0, colon));
            const auto pieces = parseWholeKroner(part.substr(colon + 1));
            if (value && pieces) counts[static_cast<int>(*value)] = *pieces;
        }
        start = comma + 1;
    }
    return counts;
}

DaySettlement settlementOf(const SqliteStatement& s) {
    // number, event, detail, agent, recorded_at, business_date
    DaySettlement settled;
    settled.number = static_cast<int>(s.integer(0));
    settled.event = s.integer(1);
    const auto detail = decodeDetail(s.text(2));
    settled.agent = s.text(3);
    settled.recordedAt = s.text(4);
    settled.day = parseIsoDate(s.text(5)).value_or(LedgerDate{1, 1, 1900});
    const auto from = detail.find("fra");
    settled.from = from == detail.end() ? settled.day : parseIsoDate(from->second).value_or(settled.day);
    settled.expectedOre = detailNumber(detail, "forventet");
    settled.countedOre = detailNumber(detail, "talt");
    settled.differenceOre = settled.countedOre - settled.expectedOre;
    if (const auto counts = detail.find("telling"); counts != detail.end()) settled.counts = countsOf(counts->second);
    const auto reason = detail.find("grunn");
    if (reason != detail.end()) settled.reason = reason->second;
    return settled;
}

constexpr const char* kSettlementQuery =
    "SELECT s.number, e.id, e.detail, e.agent, e.recorded_at, e.business_date FROM settlement s JOIN event e ON e.id = s.event ";

// Records one event of the drawer on the open day, with the postings it makes.
std::int64_t recordCash(Journal& journal, const Clerk& clerk, EventKind kind, std::int64_t amountOre,
                        std::map<std::string, std::string> detail, const std::string& reason = {}) {
    BookEvent event;
    event.kind = kind;
    event.businessDate = journal.openDay(clerk.today);
    event.agent = clerk.agent;
    event.amountOre = amountOre;
    event.reason = reason;
    event.detail = std::move(detail);
    Balances after;
    addCashEventBalances(event, after);
    return journal.append(event, postingsBetween({}, after));
}

std::string noteProblem(const std::string& note) {
    if (note.empty()) return "Skriv en merknad: hva pengene er, eller hvor de gikk.";
    return fieldProblem("Merknaden", note, kNoteLength);
}

std::string amountProblem(std::int64_t kroner) {
    if (kroner < 1) return "Beløpet må være minst kr 1.";
    if (kroner > kLargestKroner) return "Beløpet kan være høyst kr " + formatAmount(kLargestKroner) + ".";
    return {};
}

}  // namespace

void addCashEventBalances(const BookEvent& event, Balances& balances) {
    const auto move = [&](std::int64_t intoDrawer, const std::string& other) {
        if (intoDrawer == 0) return;
        balances[drawerAccount()] += intoDrawer;
        balances[other] -= intoDrawer;
    };
    switch (event.kind) {
        case EventKind::CashDeposit: move(event.amountOre, bankAccount()); break;
        case EventKind::CashWithdrawal: move(-event.amountOre, bankAccount()); break;
        case EventKind::DayClosed:
            move(detailNumber(event.detail, "talt") - detailNumber(event.detail, "forventet"), differenceAccount());
            break;
        default: break;
    }
}

std::string oreText(std::int64_t ore) {
    const std::int64_t whole = ore / kOrePerKrone, part = std::abs(ore % kOrePerKrone);
    std::string text = "kr " + std::string(ore < 0 && whole == 0 ? "-" : "") + formatAmount(whole);
    if (part != 0) text += "," + std::string(part < 10 ? "0" : "") + std::to_string(part);
    return text;
}

std::optional<DaySettlement> lastSettlement(Journal& journal) {
    SqliteStatement s(journal.database(), std::string(kSettlementQuery) + "ORDER BY s.number DESC LIMIT 1");
    if (!s.step()) return std::nullopt;
    return settlementOf(s);
}

std::vector<DaySettlement> daySettlements(Journal& journal) {
    std::vector<DaySettlement> all;
    SqliteStatement s(journal.database(), std::string(kSettlementQuery) + "ORDER BY s.number");
    while (s.step()) all.push_back(settlementOf(s));
    return all;
}

std::optional<DaySettlement> daySettlement(Journal& journal, int number) {
    SqliteStatement s(journal.database(), std::string(kSettlementQuery) + "WHERE s.number = ?");
    s.bind(1, std::int64_t{number});
    if (!s.step()) return std::nullopt;
    return settlementOf(s);
}

LedgerDate openBusinessDay(Journal& journal, const LedgerDate& today) { return journal.openDay(today); }

std::int64_t drawerNowOre(Journal& journal) { return journal.accountSum(drawerAccount()); }

DayReport dayReport(Journal& journal, const LedgerDate& from, const LedgerDate& to) {
    SqliteDatabase& db = journal.database();
    DayReport report;
    report.from = from;
    report.to = to;
    // The opening cash: the drawer as the last settlement before `from` counted it, and
    // what moved between that day and `from`.
    std::string since = "0000-00-00";
    {
        SqliteStatement s(db, std::string(kSettlementQuery) + "WHERE e.business_date < ? ORDER BY s.number DESC LIMIT 1");
        s.bind(1, isoDate(from));
        if (s.step()) {
            const DaySettlement before = settlementOf(s);
            report.openingOre = before.countedOre;
            since = isoDate(before.day);
        }
    }
    {
        SqliteStatement s(db, "SELECT coalesce(sum(p.amount_ore), 0) FROM event e JOIN posting p ON p.event = e.id "
                              "WHERE e.business_date > ? AND e.business_date < ? AND p.account = ?");
        s.bind(1, since).bind(2, isoDate(from)).bind(3, drawerAccount());
        s.step();
        report.openingOre += s.integer(0);
    }
    {
        SqliteStatement s(db, std::string(kSettlementQuery) + "WHERE e.business_date >= ? AND e.business_date <= ? "
                                                              "ORDER BY s.number DESC LIMIT 1");
        s.bind(1, isoDate(from)).bind(2, isoDate(to));
        if (s.step()) report.settlement = settlementOf(s);
    }
    const std::map<std::int64_t, std::string> serials = journal.serialNumbers();
    std::map<std::int64_t, SyndicateCash> bySyndicate;
    SqliteStatement s(db, "SELECT e.kind, coalesce(r.kind, ''), coalesce(e.syndicate, 0), e.share, e.customer, e.amount_ore, "
                          "e.detail, e.business_date, "
                          "(SELECT coalesce(sum(p.amount_ore), 0) FROM posting p WHERE p.event = e.id AND p.account = ?3), "
                          "coalesce(y.week, 0), coalesce(y.year, 0) "
                          "FROM event e LEFT JOIN event r ON r.id = e.reverses LEFT JOIN syndicate y ON y.id = e.syndicate "
                          "WHERE e.business_date >= ?1 AND e.business_date <= ?2 ORDER BY e.id");
    s.bind(1, isoDate(from)).bind(2, isoDate(to)).bind(3, drawerAccount());
    while (s.step()) {
        const auto kind = eventKindOf(s.text(0));
        const auto reversed = eventKindOf(s.text(1));
        const bool undo = kind == EventKind::Reversal;
        const auto what = undo ? reversed : kind;
        if (!what) continue;
        const std::int64_t syndicate = s.integer(2), drawer = s.integer(8);
        const auto detail = decodeDetail(s.text(6));
        CashMovement line;
        line.on = parseIsoDate(s.text(7)).value_or(from);
        line.serial = syndicate ? serials.count(syndicate) ? serials.at(syndicate) : std::string() : std::string();
        line.share = static_cast<int>(s.integer(3));
        line.customer = s.text(4);
        line.amountOre = s.integer(5);
        if (const auto note = detail.find("merknad"); note != detail.end()) line.note = note->second;
        SyndicateCash* cash = nullptr;
        if (syndicate) {
            cash = &bySyndicate[syndicate];
            cash->serial = line.serial;
            cash->week = GameWeek{static_cast<int>(s.integer(9)), static_cast<int>(s.integer(10)), {}};
        }
        // A line of its own, summed into `total` (a refund and a withdrawal as what left the drawer).
        std::int64_t noSum = 0;
        const auto movement = [&](std::int64_t& total, std::int64_t amount, const char* done, const char* undone) {
            total += amount;
            line.what = undo ? undone : done;
            line.amountOre = amount;
            report.movements.push_back(line);
        };
        switch (*what) {
            case EventKind::PaymentCash:
                if (cash) cash->inOre += drawer;
                report.cashInOre += drawer;
                break;
            case EventKind::PayoutCash:
                if (cash) cash->outOre -= drawer;
                report.cashOutOre -= drawer;
                break;
            case EventKind::RefundPaid: movement(report.refundsOre, -drawer, "Tilbakebetalt", "Tilbakebetaling angret"); break;
            case EventKind::CashDeposit: movement(report.depositsOre, drawer, "Innskudd", "Innskudd angret"); break;
            case EventKind::CashWithdrawal: movement(report.withdrawalsOre, -drawer, "Uttak", "Uttak angret"); break;
            case EventKind::DrawerOpened: movement(noSum, 0, "Kasseskuffen åpnet", "Kasseskuffen åpnet"); break;
            case EventKind::PaymentBalance:
                line.what = undo ? "Betaling fra saldo angret" : "Betalt fra saldo";
                report.nonCash.push_back(line);
                break;
            default:
                break;  // no money in or out of the drawer (the settlement's difference is its own)
        }
    }
    for (auto& [id, cash] : bySyndicate) {
        if (cash.inOre != 0 || cash.outOre != 0) report.syndicates.push_back(cash);
    }
    std::sort(report.syndicates.begin(), report.syndicates.end(), [](const SyndicateCash& a, const SyndicateCash& b) {
        return std::tuple(a.week.year, a.week.week, a.serial) < std::tuple(b.week.year, b.week.week, b.serial);
    });
    return report;
}

DayReport openDaysReport(Journal& journal, const LedgerDate& today) {
    const LedgerDate open = journal.openDay(today);
    const auto last = lastSettlement(journal);
    // The days since the last settlement; the first report of all starts on the open day.
    LedgerDate from = last ? nextDay(last->day) : open;
    if (!last) {
        SqliteStatement first(journal.database(), "SELECT min(business_date) FROM event");
        if (first.step()) from = parseIsoDate(first.text(0)).value_or(open);
    }
    if (isoDate(from) > isoDate(open)) from = open;
    return dayReport(journal, from, open);
}

std::string depositInBooks(Journal& journal, const Clerk& clerk, std::int64_t kroner, const std::string& note) {
    const std::string clean = cleanFieldText(note);
    if (std::string problem = amountProblem(kroner); !problem.empty()) return problem;
    if (std::string problem = noteProblem(clean); !problem.empty()) return problem;
    journal.write([&] {
        recordCash(journal, clerk, EventKind::CashDeposit, kroner * kOrePerKrone, {{"merknad", clean}});
    });
    return {};
}

std::string withdrawInBooks(Journal& journal, const Clerk& clerk, std::int64_t kroner, const std::string& note) {
    const std::string clean = cleanFieldText(note);
    if (std::string problem = amountProblem(kroner); !problem.empty()) return problem;
    if (std::string problem = noteProblem(clean); !problem.empty()) return problem;
    std::string refused;
    journal.write([&] {
        const std::int64_t holds = drawerNowOre(journal);
        if (kroner * kOrePerKrone > holds) {
            refused = "Kassen skal nå inneholde " + oreText(holds) + ": " + kronerText(kroner) + " kan ikke tas ut.";
            return;
        }
        recordCash(journal, clerk, EventKind::CashWithdrawal, kroner * kOrePerKrone, {{"merknad", clean}});
    });
    return refused;
}

std::string closeDayInBooks(Journal& journal, const Clerk& clerk, std::int64_t countedKroner, const std::string& reason,
                            const std::map<int, std::int64_t>& counts, int* number) {
    const std::string why = cleanFieldText(reason);
    if (countedKroner < 0 || countedKroner > kLargestKroner) return "Det talte beløpet må være mellom kr 0 og kr " + formatAmount(kLargestKroner) + ".";
    if (!counts.empty()) {
        std::int64_t sum = 0;
        for (const auto& [value, pieces] : counts) {
            if (std::find(std::begin(kDenominations), std::end(kDenominations), value) == std::end(kDenominations) || pieces < 0 ||
                pieces > kLargestKroner / value) {
                return "Tellingen har en valør eller et antall som ikke finnes (" + std::to_string(value) + ").";
            }
            sum += value * pieces;
        }
        if (sum != countedKroner) {
            return "Tellingen gir " + kronerText(sum) + ", men det talte beløpet er " + kronerText(countedKroner) + ".";
        }
    }
    if (std::string problem = fieldProblem("Grunnen", why, kReasonLength); !problem.empty()) return problem;
    std::string refused;
    journal.write([&] {
        const LedgerDate day = journal.openDay(clerk.today);
        if (isoDate(day) > isoDate(clerk.today)) {
            const auto last = lastSettlement(journal);
            refused = "Dagen " + ledgerDateText(clerk.today) + " er alt avsluttet med dagsoppgjør nr " +
                      std::to_string(last ? last->number : 0) + ": neste dagsoppgjør gjelder " + ledgerDateText(day) + ".";
            return;
        }
        const DayReport open = openDaysReport(journal, clerk.today);
        const std::int64_t expected = open.expectedOre(), counted = countedKroner * kOrePerKrone;
        if (counted != expected && why.empty()) {
            refused = "Kassen skulle inneholde " + oreText(expected) + ", men det er talt " + oreText(counted) +
                      ": skriv grunnen til differansen på " + oreText(counted - expected) + ".";
            return;
        }
        SqliteStatement next(journal.database(), "SELECT coalesce(max(number), 0) + 1 FROM settlement");
        next.step();
        const int settling = static_cast<int>(next.integer(0));
        std::map<std::string, std::string> detail{{"nr", std::to_string(settling)},
                                                  {"fra", isoDate(open.from)},
                                                  {"forventet", std::to_string(expected)},
                                                  {"talt", std::to_string(counted)}};
        if (!why.empty()) detail["grunn"] = why;
        if (!counts.empty()) detail["telling"] = countsText(counts);
        const std::int64_t id = recordCash(journal, clerk, EventKind::DayClosed, counted, detail, why);
        SqliteStatement settle(journal.database(), "INSERT INTO settlement (number, day, event) VALUES (?,?,?)");
        settle.bind(1, std::int64_t{settling}).bind(2, isoDate(day)).bind(3, id);
        settle.run();
        if (number) *number = settling;
    });
    return refused;
}

std::string drawerOpenedInBooks(Journal& journal, const Clerk& clerk, const std::string& note) {
    const std::string clean = cleanFieldText(note);
    if (std::string problem = noteProblem(clean); !problem.empty()) return problem;
    journal.write([&] { recordCash(journal, clerk, EventKind::DrawerOpened, 0, {{"merknad", clean}}); });
    return {};
}

}  // namespace andel
