#include "online/online_file_limits.h"

#include "model/text.h"
#include "online/coupon_record.h"
#include "online/header_record.h"
#include "online/online_file_builder.h"

#include <algorithm>
#include <optional>

namespace andel {
namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The largest number of `width` digits, written as the agent reads amounts: "999.999".
std::string largest(std::size_t width) { return formatAmount(parseAmount(std::string(width, '9'))); }

// "Innsatsen", "stor": the field's name and the adjective that agrees with it.
struct FieldName {
    std::string name;
    std::string large;
};

FieldName nameOf(HeaderCountMeaning meaning) {
    switch (meaning) {
    case HeaderCountMeaning::Coupons: return {"Antall kuponger", "stort"};
    case HeaderCountMeaning::Rows:
    case HeaderCountMeaning::RekkeantallIalt: return {"Rekkeantallet", "stort"};
    case HeaderCountMeaning::Stake: return {"Innsatsen", "stor"};
    }
    return {"Tallet", "stort"};
}

// Nothing when `text` fits `width` digits (leading zeros do not count).
std::optional<std::string> tooWide(const FieldName& field, std::string_view text, std::size_t width) {
    if (withoutLeadingZeros(text).size() <= width) return std::nullopt;
    const std::string shown = allDigits(text) ? formatAmount(parseAmount(text)) : std::string(text);
    return field.name + " " + shown + " er for " + field.large + " for onlinefilen (høyst " + largest(width) + ")";
}

}  // namespace

std::vector<std::string> valuesThatDoNotFit(const OnlineGame& game, const RowsFileInfo& rows) {
    std::vector<std::string> lines;
    auto check = [&](const FieldName& field, std::string_view text, std::size_t width) {
        if (auto line = tooWide(field, text, width)) lines.push_back(*line);
    };
    for (const HeaderCountUse& count : game.counts) {
        // The rows file's own total is fitted to six digits as it is read; check what it gave.
        const std::string value = count.meaning == HeaderCountMeaning::RekkeantallIalt
                                      ? rows.givenRowCount
                                      : headerCountValue(count.meaning, rows.info);
        check(nameOf(count.meaning), value, HeaderRecord::fieldOf(static_cast<int>(count.field)).width);
    }
    const auto& t = rows.info.texts;
    check({"Antall uker", "stort"}, trimBlanks(t[info::kAntallUker]), coupon_field::kWeeks.width);
    check({"Gangefeltet", "stort"}, trimBlanks(t[info::kGangefelt]), coupon_field::kMultiplier.width);
    const std::size_t serialDigits = HeaderRecord::fieldOf(23).width;
    if (withoutLeadingZeros(rows.givenSerialNumber).size() > serialDigits) {
        lines.push_back("Serienummeret " + rows.givenSerialNumber + " er for langt for onlinefilen (høyst " +
                        std::to_string(serialDigits) + " sifre)");
    }
    const std::size_t playerDigits = HeaderRecord::fieldOf(24).width;
    if (withoutLeadingZeros(rows.givenPlayerNumber).size() > playerDigits) {
        lines.push_back("Spillenummeret " + rows.givenPlayerNumber + " er for langt for onlinefilen (høyst " +
                        std::to_string(playerDigits) + " sifre)");
    }
    return lines;
}

}  // namespace andel
