// The sale's deadline per coupon type: read as the agent writes it, placed in the game
// week, counted down, and a sale of this week still open after it named.
#include "accounts/sale_deadline.h"
#include "accounts_fixture.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

using namespace std::chrono;

LocalDateTime at(int y, unsigned m, unsigned d, int hour, int minute) {
    return LocalDateTime{year_month_day(year(y), month(m), day(d)), hour, minute, 0};
}

TEST(SaleDeadline, ReadAsTheAgentWritesIt) {
    const struct {
        const char* text;
        std::optional<SaleDeadline> read;
    } cases[] = {
        {"LØRDAG 14:45", SaleDeadline{6, 14, 45}}, {" lørdag 14.45 ", SaleDeadline{6, 14, 45}},
        {"Lordag 09:05", SaleDeadline{6, 9, 5}},   {"ONSDAG 18:00", SaleDeadline{3, 18, 0}},
        {"SØNDAG 23:59", SaleDeadline{7, 23, 59}}, {"LØRDAG 24:00", std::nullopt},
        {"LØRDAG 14:60", std::nullopt},            {"LØRDAG 1445", std::nullopt},
        {"FREDAGEN 12:00", std::nullopt},          {"14:45", std::nullopt},
        {"", std::nullopt},                        {"LØRDAG 1x:45", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseSaleDeadline(c.text), c.read) << c.text;
        if (c.read) EXPECT_EQ(parseSaleDeadline(saleDeadlineText(*c.read)), c.read) << c.text;
    }
}

TEST(SaleDeadline, PlacedInTheGameWeekAndCountedDown) {
    const SaleDeadline saturday{6, 14, 45};
    const LocalDateTime due = deadlineIn(saturday, GameWeek{50, 2026, {}});
    EXPECT_EQ(due.date, year_month_day(year(2026), December, day(12)));
    EXPECT_EQ(deadlineIn(SaleDeadline{1, 0, 0}, GameWeek{1, 2027, {}}).date, year_month_day(year(2027), January, day(4)));
    EXPECT_EQ(deadlineIn(SaleDeadline{4, 0, 0}, GameWeek{53, 2026, {}}).date, year_month_day(year(2026), December, day(31)));

    EXPECT_EQ(deadlineStatusText(saturday, {50, 2026, {}}, at(2026, 12, 12, 12, 30)),
              "Salgsfrist lørdag 12.12.2026 kl. 14:45: 2 t 15 min igjen");
    EXPECT_EQ(deadlineStatusText(saturday, {50, 2026, {}}, at(2026, 12, 10, 14, 44)),
              "Salgsfrist lørdag 12.12.2026 kl. 14:45: 2 d 0 t 1 min igjen");
    EXPECT_EQ(deadlineStatusText(saturday, {50, 2026, {}}, at(2026, 12, 12, 14, 46)),
              "Salgsfristen gikk ut lørdag 12.12.2026 kl. 14:45");
}

TEST(SaleDeadline, ASaleOfThisWeekStillOpenAfterItIsNamed) {
    TempDir dir;
    RecordingMessages messages;
    SettingsStore settings(dir.file("config.kvs"), messages, [](int) {});
    ASSERT_TRUE(storeSaleDeadline(settings, CouponType::Saturday, SaleDeadline{6, 14, 45}));
    EXPECT_EQ(storedSaleDeadline(settings, CouponType::Saturday), (SaleDeadline{6, 14, 45}));
    EXPECT_FALSE(storedSaleDeadline(settings, CouponType::Sunday)) << "no deadline is built in";

    Ledger open = emptyLedger(smallSyndicate(3, "1042", {50, 2026, {}}));
    Ledger closed = open;
    closed.facts.serialNumber = "1043";
    closed.saleClosed = LedgerDate{12, 12, 2026};
    Ledger lastWeek = emptyLedger(smallSyndicate(3, "1030", {49, 2026, {}}));
    Ledger sunday = emptyLedger(smallSyndicate(3, "1044", {50, 2026, {}}));
    sunday.facts.couponType = CouponType::Sunday;
    const std::vector<Ledger> ledgers = {open, closed, lastWeek, sunday};

    EXPECT_TRUE(lateOpenSales(ledgers, settings, at(2026, 12, 12, 14, 44)).empty()) << "a minute before";
    EXPECT_EQ(lateOpenSales(ledgers, settings, at(2026, 12, 12, 14, 46)),
              (std::vector<std::string>{"Salget for serienummer 1042 (LØRDAG) er fortsatt åpent etter salgsfristen lørdag kl. 14:45: steng salget."}));
    ASSERT_TRUE(storeSaleDeadline(settings, CouponType::Saturday, std::nullopt));
    EXPECT_FALSE(storedSaleDeadline(settings, CouponType::Saturday));
    EXPECT_TRUE(lateOpenSales(ledgers, settings, at(2026, 12, 12, 14, 46)).empty());
}

}  // namespace
}  // namespace andel::test
