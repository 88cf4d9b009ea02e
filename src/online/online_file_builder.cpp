#include "online/online_file_builder.h"

#include "model/text.h"
#include "online/header_record.h"

#include <algorithm>

namespace andel {
std::string headerCountValue(HeaderCountMeaning meaning, const Tinforec& info) {
    const auto& t = info.texts;
    switch (meaning) {
    case HeaderCountMeaning::Coupons: return t[info::kTotalCoupons];
    case HeaderCountMeaning::Rows: return t[info::kTotalRows];
    case HeaderCountMeaning::Stake: return t[info::kTotalStake];
    case HeaderCountMeaning::RekkeantallIalt: return digitsOnly(t[info::kRekkeantallIalt]);
    }
    return {};
}

namespace {

HeaderRecord headerOf(const OnlineGame& game, const Tinforec& info) {
    const auto& t = info.texts;
    HeaderRecord header;
    header.setRecordNumber("0000");
    header.setVersion(game.version);
    header.setName(t[info::kNavn]);
    for (const HeaderCountUse& count : game.counts) header.setCount(count.field, headerCountValue(count.meaning, info));
    header.setMarkFlag();
    header.setSerialNumber(removeBlanks(t[info::kSerialNumber]));
    header.setPlayerNumber(t[info::kSpillenummer]);
    return header;
}

}  // namespace

OnlineFileBuilder::OnlineFileBuilder(const OnlineGame& game, const Tinforec& info, const WriterOptions& options,
                                     WriteProgress& progress)
    : game_(game), info_(info), options_(options), progress_(progress),
      total_(parseAmount(info.texts[info::kTotalCoupons])) {
    HeaderRecord header = headerOf(game, info);
    header.setCheckCharacters(options.skipCharacterCheck);
    bytes_ = header.bytes();
    list("HEADER:");
    for (const std::string& line : header.dump()) list(line);
    list("FORTSETTER MED REKKENE");
    progress_.started(total_);
}

CouponRecord OnlineFileBuilder::freshCoupon() const {
    const auto& t = info_.texts;
    CouponRecord record(options_.fill);
    if (game_.name == tippingGame().name) {
        record.setTippingGame(t[info::kPause], t[info::kKupongtype]);
    } else {
        record.setGameCode(game_.couponCode);
    }
    record.setWeeks(trimBlanks(t[info::kAntallUker]));
    record.setMultiplier(trimBlanks(t[info::kGangefelt]));
    return record;
}

void OnlineFileBuilder::append(CouponRecord& record, bool systemCoupon) {
    record.setRunningNumber(++written_);
    record.setCheckCharacters(options_.skipCharacterCheck);
    bytes_ += record.bytes();
    for (const std::string& line : record.dump()) list(line);
    list(systemCoupon ? "NESTE SYSTEMKUPONG:" : "NESTE ENKELREKKEKUPONG:");
    const long percent = total_ > 0 ? std::min<long>(100, written_ * 100 / total_) : 100;
    progress_.recordWritten(written_, static_cast<int>(percent));
}

void OnlineFileBuilder::list(const std::string& line) const {
    if (game_.listsRecords) progress_.listed(line);
}

}  // namespace andel
