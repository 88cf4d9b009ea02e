#include "online/tipping_writer.h"

#include "model/codepage.h"
#include "online/online_writer.h"
#include "online/rows_file_body.h"
#include "online/tipping_rows.h"

namespace andel {
namespace {

class TippingCoupons {
public:
    TippingCoupons(OnlineFileBuilder& builder, Messages& messages) : builder_(builder), messages_(messages) {}

    void systemCoupon(const std::string& line) {
        if (!isSystemCouponLine(line)) {
            messages_.inform("FEIL I SYSTEMKUPONGER I ONLINEFIL");
            return;
        }
        if (line.compare(0, 4, "0001") == 0) messages_.inform("FEIL I SYSTEMKUPONGER I ONLINEFIL");
        CouponRecord record = builder_.freshCoupon();
        record.setSystemSize(fromCp1252(line.substr(0, 4)));
        record.setRowFieldsInUse("01");
        record.setRowField(1, rowField(line));
        builder_.append(record, true);
    }

    void singleRowCoupon(const std::vector<std::string>& rows) {
        CouponRecord record = builder_.freshCoupon();
        record.setSystemSize("0001");
        record.setRowFieldsInUse(std::to_string(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) record.setRowField(static_cast<int>(i) + 1, rowField(rows[i]));
        builder_.append(record, false);
    }

private:
    std::string rowField(const std::string& line) {
        RowField row = convertRowLine(line);
        if (!row.wellFormed) messages_.inform("Feil på systemrekke");
        return std::move(row.field);
    }

    OnlineFileBuilder& builder_;
    Messages& messages_;
};

}  // namespace

void writeTippingCoupons(OnlineFileBuilder& builder, const std::vector<std::string>& rowsFileLines,
                         Messages& messages) {
    const RowsFileBody body = parseRowsFileBody(rowsFileLines);
    TippingCoupons coupons(builder, messages);
    if (!body.systemSectionFound) messages.inform("FEIL I TIPPE-ONLINEFIL");
    for (const std::string& line : body.systemSectionLines) coupons.systemCoupon(line);
    if (!body.singleRowSectionFound) messages.inform("FEIL I ONLINEFIL");
    for (const auto& group : body.singleRowGroups) coupons.singleRowCoupon(group);
}

std::string buildTippingFile(const Tinforec& info, const std::vector<std::string>& rowsFileLines,
                             const TippingOptions& options, Messages& messages, WriteProgress& progress) {
    return buildOnlineFile(tippingGame(), info, rowsFileLines, options, messages, progress);
}

}  // namespace andel
