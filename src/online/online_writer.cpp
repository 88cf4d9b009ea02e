#include "online/online_writer.h"

#include "model/text.h"
#include "online/game_rows.h"
#include "online/tipping_writer.h"

#include <algorithm>

namespace andel {
namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void writeGameCoupons(const OnlineGame& game, OnlineFileBuilder& builder, const std::vector<std::string>& lines) {
    for (const GameCoupon& coupon : readGameRows(game, lines).coupons) {
        CouponRecord record = builder.freshCoupon();
        record.setSystemSize(std::to_string(coupon.systemSize));
        record.setRowFieldsInUse(std::to_string(coupon.rowFields.size()));
        for (std::size_t i = 0; i < coupon.rowFields.size(); ++i) {
            record.setRowField(static_cast<int>(i) + 1, coupon.rowFields[i]);
        }
        builder.append(record, coupon.system);
    }
}

}  // namespace

std::string buildOnlineFile(const OnlineGame& game, const Tinforec& info, const std::vector<std::string>& rowsFileLines,
                            const WriterOptions& options, Messages& messages, WriteProgress& progress) {
    const auto& t = info.texts;
    if (!allDigits(trimBlanks(t[info::kAntallUker])) || !allDigits(trimBlanks(t[info::kGangefelt]))) {
        messages.inform("FEIL I TIPPEFILEN\rAntall uker og gangefelt må være tall");
    }
    OnlineFileBuilder builder(game, info, options, progress);
    if (game.name == tippingGame().name) {
        writeTippingCoupons(builder, rowsFileLines, messages);
    } else {
        writeGameCoupons(game, builder, rowsFileLines);
    }
    return builder.take();
}

}  // namespace andel
