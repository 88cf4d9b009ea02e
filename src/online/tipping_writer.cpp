#include "online/tipping_writer.h"

#include "model/codepage.h"
#include "model/text.h"
#include "online/coupon_record.h"
#include "online/header_record.h"
#include "online/rows_file_body.h"
#include "online/tipping_rows.h"

#include <algorithm>

namespace andel {
namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

HeaderRecord tippingHeader(const Tinforec& info) {
    const auto& t = info.texts;
    HeaderRecord header;
    header.setRecordNumber("0000");
    header.setVersion("003");
    header.setName(t[info::kNavn]);
    header.setCount(HeaderCount::H12, t[info::kTotalCoupons]);
    header.setCount(HeaderCount::H13, digitsOnly(t[info::kRekkeantallIalt]));
    header.setMarkFlag();
    header.setSerialNumber(removeBlanks(t[info::kSerialNumber]));
    header.setPlayerNumber(t[info::kSpillenummer]);
    return header;
}

class CouponWriter {
public:
    CouponWriter(const Tinforec& info, const TippingOptions& options, Messages& messages,
                 WriteProgress& progress, std::string& out)
        : info_(info), options_(options), messages_(messages), progress_(progress), out_(out),
          total_(parseAmount(info.texts[info::kTotalCoupons])) {
        progress_.started(total_);
    }

    void systemCoupon(const std::string& line) {
        if (!isSystemCouponLine(line)) {
            messages_.inform("FEIL I SYSTEMKUPONGER I ONLINEFIL");
            return;
        }
        if (line.compare(0, 4, "0001") == 0) messages_.inform("FEIL I SYSTEMKUPONGER I ONLINEFIL");
        CouponRecord record = fresh();
        record.setSystemSize(fromCp1252(line.substr(0, 4)));
        record.setRowFieldsInUse("01");
        record.setRowField(1, rowField(line));
        append(record);
    }

    void singleRowCoupon(const std::vector<std::string>& rows) {
        CouponRecord record = fresh();
        record.setSystemSize("0001");
        record.setRowFieldsInUse(std::to_string(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) record.setRowField(static_cast<int>(i) + 1, rowField(rows[i]));
        append(record);
    }

private:
    CouponRecord fresh() const {
        const auto& t = info_.texts;
        CouponRecord record(options_.fill);
        record.setTippingGame(t[info::kPause], t[info::kKupongtype]);
        record.setWeeks(t[info::kAntallUker]);
        record.setMultiplier(t[info::kGangefelt]);
        return record;
    }

    std::string rowField(const std::string& line) {
        RowField row = convertRowLine(line);
        if (!row.wellFormed) messages_.inform("Feil på systemrekke");
        return std::move(row.field);
    }

    void append(CouponRecord& record) {
        record.setRunningNumber(++written_);
        record.setCheckCharacters(options_.skipCharacterCheck);
        out_ += record.bytes();
        const long percent = total_ > 0 ? std::min<long>(100, written_ * 100 / total_) : 100;
        progress_.recordWritten(written_, static_cast<int>(percent));
    }

    const Tinforec& info_;
    const TippingOptions& options_;
    Messages& messages_;
    WriteProgress& progress_;
    std::string& out_;
    long total_;
    long written_ = 0;
};

}  // namespace

std::string buildTippingFile(const Tinforec& info, const std::vector<std::string>& rowsFileLines,
                             const TippingOptions& options, Messages& messages, WriteProgress& progress) {
    const auto& t = info.texts;
    if (!allDigits(t[info::kAntallUker]) || !allDigits(t[info::kGangefelt])) {
        messages.inform("FEIL I TIPPEFILEN\rAntall uker og gangefelt må være tall");
    }
    HeaderRecord header = tippingHeader(info);
    header.setCheckCharacters(options.skipCharacterCheck);
    std::string bytes = header.bytes();

    const RowsFileBody body = parseRowsFileBody(rowsFileLines);
    CouponWriter writer(info, options, messages, progress, bytes);
    if (!body.systemSectionFound) messages.inform("FEIL I TIPPE-ONLINEFIL");
    for (const std::string& line : body.systemSectionLines) writer.systemCoupon(line);
    if (!body.singleRowSectionFound) messages.inform("FEIL I ONLINEFIL");
    for (const auto& group : body.singleRowGroups) writer.singleRowCoupon(group);
    return bytes;
}

}  // namespace andel
