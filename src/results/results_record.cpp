#include "results/results_record.h"

namespace andel {

ResultsRecord::ResultsRecord() {
    for (FigureTable& table : figureTables) {
        for (auto& figures : table) {
            for (ShortText<3>& figure : figures) figure.assign("000");
        }
    }
}

std::optional<ResultsRecord> decodeResultsRecord(std::string_view bytes) {
    if (bytes.size() < kResultsRecordBytes) return std::nullopt;
    ResultsRecord record;
    std::size_t offset = 0;
    forEachText(record, [&](auto& text) {
        text.readFrom(bytes.data() + offset);
        offset += text.kBytes;
    });
    return record;
}

std::string encodeResultsRecord(const ResultsRecord& record) {
    std::string bytes(kResultsRecordBytes, '\0');
    std::size_t offset = 0;
    forEachText(record, [&](const auto& text) {
        text.writeTo(bytes.data() + offset);
        offset += text.kBytes;
    });
    return bytes;
}

}  // namespace andel
