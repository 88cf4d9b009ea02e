#pragma once
// The record of a results file (".kui"): one round of one coupon day, 8101 bytes. The
// files are written by the main program; this program uses only the team names but keeps
// every field, so a record read and handed on stays whole.
#include "results/short_text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace andel {

inline constexpr std::size_t kResultsRecordBytes = 8101;
// Per-match arrays hold 15 entries; matches 1 to 12 are used.
inline constexpr std::size_t kResultsRecordEntries = 15;

struct ResultsRecord {
    template <std::size_t Capacity>
    using PerMatch = std::array<ShortText<Capacity>, kResultsRecordEntries>;
    // Three figures per match (H, U, B), each a text of three digits.
    using FigureTable = std::array<std::array<ShortText<3>, 3>, kResultsRecordEntries>;

    // The layout in file order; offsets are those of the first entry.
    std::array<ShortText<40>, 5> headings;        // 0
    std::array<ShortText<10>, 6> roundFields;     // 205
    PerMatch<20> matchTexts1;                     // 271
    PerMatch<20> matchTexts2;                     // 586
    std::array<PerMatch<10>, 3> matchFields1;     // 901
    std::array<PerMatch<10>, 4> matchFields2;     // 1396
    std::array<PerMatch<1>, 2> matchFlags;        // 2056
    std::array<PerMatch<20>, 4> matchTexts3;      // 2116
    PerMatch<10> matchFields3;                    // 3376
    std::array<PerMatch<20>, 2> matchTexts4;      // 3541
    std::array<PerMatch<16>, 2> matchTexts5;      // 4171
    PerMatch<10> homeTeams;                       // 4681
    PerMatch<10> awayTeams;                       // 4846
    std::array<FigureTable, 16> figureTables;     // 5011
    std::array<ShortText<20>, 10> trailingTexts;  // 7891; the third is the status

    static constexpr std::size_t kStatusIndex = 2;
    static constexpr std::size_t kHomeTeamsOffset = 4681;
    static constexpr std::size_t kAwayTeamsOffset = 4846;
    static constexpr std::size_t kStatusOffset = 7933;

    // Every text empty, every figure "000".
    ResultsRecord();

    std::string status() const { return trailingTexts[kStatusIndex].text(); }
    void setStatus(std::string_view status) { trailingTexts[kStatusIndex].assign(status); }

    friend bool operator==(const ResultsRecord&, const ResultsRecord&) = default;
};

// Calls `visit` on every text of the record in file order (works for const records too).
template <class Record, class Visit>
void forEachText(Record& record, Visit&& visit);

// The record in the first kResultsRecordBytes of `bytes`; nothing when fewer are given.
std::optional<ResultsRecord> decodeResultsRecord(std::string_view bytes);
std::string encodeResultsRecord(const ResultsRecord& record);

// ---------------------------------------------------------------------------------------

namespace detail {
template <class Field, class Visit>
void visitTexts(Field& field, Visit& visit) {
    if constexpr (requires { std::remove_cvref_t<Field>::kCapacity; }) {
        visit(field);
    } else {
        for (auto& entry : field) visitTexts(entry, visit);
    }
}
}  // namespace detail

template <class Record, class Visit>
void forEachText(Record& record, Visit&& visit) {
    auto each = [&visit](auto&... fields) { (detail::visitTexts(fields, visit), ...); };
    each(record.headings, record.roundFields, record.matchTexts1, record.matchTexts2,
         record.matchFields1, record.matchFields2, record.matchFlags, record.matchTexts3,
         record.matchFields3, record.matchTexts4, record.matchTexts5, record.homeTeams,
         record.awayTeams, record.figureTables, record.trailingTexts);
}

}  // namespace andel
