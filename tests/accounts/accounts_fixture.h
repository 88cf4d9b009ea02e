#pragma once
// A small syndicate with a ledger, for the accounts tests.
#include "books/ledger.h"
#include "results/pools_history.h"
#include "support/temp_dir.h"

#include <string>

namespace andel::test {

// One coupon of single signs "1X21X21X21X2" (one row), the other eight without rows.
inline SyndicateFacts smallSyndicate(int shares = 3, const std::string& serial = "1042", GameWeek week = {50, 2026, {}}) {
    SyndicateFacts facts;
    facts.serialNumber = serial;
    facts.week = week;
    facts.couponType = CouponType::Saturday;
    facts.timeBasis = TimeBasis::Ordinary;
    facts.rows = 1;
    facts.stake = 1;
    facts.shares = shares;
    facts.pricePerShare = 1;
    facts.onlineFile = "C:\\NTFILE\\KRYSSEN_1_Rekker_KARI_NORDMANN.NTF";
    const SignMask signs[] = {kHome, kDraw, kAway};
    for (int m = 0; m < kMatches; ++m) facts.coupons[0].masks[m] = signs[m % 3];
    return facts;
}

// The Saturday history line of the week with the given result and prizes (the half-time
// file with `file` "lp.txt").
inline void writeHistory(const TempDir& dir, const GameWeek& week, const std::string& result, int p12, int p11,
                         int p10, const std::string& file = "lf.txt") {
    StatisticsRecord record;
    record.week = static_cast<std::uint8_t>(week.week);
    record.year = week.year;
    record.resultText = result;
    record.prize12 = p12;
    record.prize11 = p11;
    record.prize10 = p10;
    dir.write("tippehistorikk/" + file, formatHistoryLine(record, "01.12.2026") + "\r\n");
}

}  // namespace andel::test
