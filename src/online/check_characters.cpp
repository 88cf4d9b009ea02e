#include "online/check_characters.h"

#include "online/online_record.h"

#include <cstdint>
#include <stdexcept>

namespace andel {
namespace {

constexpr std::size_t kSummedBytes = 348;
constexpr unsigned kLowest = 32, kHighest = 127;

unsigned byteAt(std::string_view record, std::size_t index) {
    return static_cast<unsigned char>(record[index]);
}

// An even byte is the high half of its word, an odd byte the low half.
std::uint32_t weightOf(std::size_t index) { return index % 2 == 0 ? 256u : 1u; }

std::uint32_t wordSum(std::string_view record) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < kSummedBytes; i += 2) sum += byteAt(record, i) * 256u + byteAt(record, i + 1);
    return sum;
}

unsigned char firstOf(std::uint32_t sum) { return static_cast<unsigned char>((sum >> 8) & 0xFF); }
unsigned char secondOf(std::uint32_t sum) { return static_cast<unsigned char>(sum & 0xFF); }
bool acceptable(unsigned char c) { return c >= kLowest && c <= kHighest; }

void requireRecord(std::string_view record) {
    if (record.size() != kRecordBytes) throw std::invalid_argument("check characters need a 350-byte record");
}

void replaceNorwegianLetters(std::string& record) {
    for (std::size_t i = 0; i < kSummedBytes; ++i) {
        switch (byteAt(record, i)) {
            case 197: case 198: case 216: record[i] = 'A'; break;  // Å Æ Ø
            case 229: case 230: case 248: record[i] = 'a'; break;  // å æ ø
            default: break;
        }
    }
}

// Tries outer = 32..127 and, inside, inner = 32..127, and keeps the first pair whose sum
// brings the picked check character into 32-127. The sum changes only by the two bytes'
// weights, so each try costs an addition instead of a pass over the record.
void searchPair(std::string& record, std::size_t outer, std::size_t inner, unsigned char (*pick)(std::uint32_t)) {
    const std::uint32_t base = wordSum(record) - weightOf(outer) * byteAt(record, outer) -
                               weightOf(inner) * byteAt(record, inner);
    for (unsigned x = kLowest; x <= kHighest; ++x) {
        for (unsigned y = kLowest; y <= kHighest; ++y) {
            if (acceptable(pick(base + weightOf(outer) * x + weightOf(inner) * y))) {
                record[outer] = static_cast<char>(x);
                record[inner] = static_cast<char>(y);
                return;
            }
        }
    }
    record[outer] = record[inner] = static_cast<char>(kHighest);  // where an exhausted search leaves them
}

void store(std::string& record, std::uint32_t sum) {
    record[kSummedBytes] = static_cast<char>(firstOf(sum));
    record[kSummedBytes + 1] = static_cast<char>(secondOf(sum));
}

}  // namespace

CheckCharacters computeCheckCharacters(std::string_view record) {
    requireRecord(record);
    const std::uint32_t sum = wordSum(record);
    return {firstOf(sum), secondOf(sum)};
}

bool checkCharactersMatch(std::string_view record) {
    const CheckCharacters computed = computeCheckCharacters(record);
    const CheckCharacters stored{static_cast<unsigned char>(record[kSummedBytes]),
                                 static_cast<unsigned char>(record[kSummedBytes + 1])};
    return computed == stored;
}

void closeRecord(std::string& record, bool skipCharacterCheck) {
    requireRecord(record);
    if (skipCharacterCheck) {
        store(record, wordSum(record));
        return;
    }
    replaceNorwegianLetters(record);
    // Positions 337/339 (bytes 336/338) are high halves: they move the first character.
    if (!acceptable(firstOf(wordSum(record)))) searchPair(record, 336, 338, firstOf);
    // Positions 336/338 (bytes 335/337) are low halves: they move the second one.
    if (!acceptable(secondOf(wordSum(record)))) searchPair(record, 335, 337, secondOf);
    store(record, wordSum(record));
}

}  // namespace andel
