#include "online/rows_file.h"

#include "model/codepage.h"
#include "model/text.h"
#include "platform/file_io.h"

#include <utility>

namespace andel {
namespace {

constexpr std::size_t kValueBytes = 80;
constexpr int kBlankLinesAfterHeader = 6;

// The header is read back by position: a line break inside a value would move every
// value after it, so it becomes a blank.
std::string valueLine(std::string_view text) { return toCp1252(blankLineBreaks(text)); }

void appendLine(std::string& bytes, std::string_view encoded) {
    bytes += encoded;
    bytes += "\r\n";
}

}  // namespace

std::string rowsFileHeaderBytes(const Submission& s) {
    std::string bytes;
    auto line = [&bytes](std::string_view encoded) { appendLine(bytes, encoded); };
    line("#OLINEFILNAVN");
    line(valueLine(s.onlineFileName));
    line("#ONLINEFILKATALOG");
    line(valueLine(s.onlineDirectory));
    const std::pair<std::string_view, const std::string*> values[] = {
        {"#NAVN", &s.navn},
        {"#SPILLENUMMER", &s.spillenummer},
        {"#SPILL", &s.spill},
        {"#ANTALLUKER", &s.antallUker},
        {"#GANGEFELT", &s.gangefelt},
        {"#KUPONGTYPE", &s.kupongtype},
        {"#PAUSE", &s.pause},
        {"#REKKEPRIS", &s.rekkepris},
        {"#MERKFIL", &s.merkfil},
        {"#FRIDISPOSISJONHEADER", &s.fridisposisjonHeader},
        {"#REKKEANTALLIALT", &s.rekkeantallIalt},
    };
    for (const auto& [key, value] : values) {
        line(key);
        line(valueLine(*value).substr(0, kValueBytes));
    }
    for (int i = 0; i < kBlankLinesAfterHeader; ++i) line("");
    return bytes;
}

std::string rowsFileBytes(const Submission& s) {
    std::string bytes = rowsFileHeaderBytes(s);
    auto line = [&bytes](std::string_view encoded) { appendLine(bytes, encoded); };
    line(kSystemSectionKey);
    for (const Coupon& coupon : s.systemCoupons) line(couponFileLine(coupon));
    line(kSingleRowSectionKey);
    return bytes;
}

void writeRowsFile(const std::filesystem::path& file, const Submission& submission) {
    replaceFile(file, rowsFileBytes(submission));
}

}  // namespace andel
