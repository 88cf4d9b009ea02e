#pragma once
// `Tkunderec`: one customer of the register WTOM.KVS, 103 bytes with no padding.
// Texts are a length byte followed by their capacity in Windows-1252 bytes; integers are
// little-endian and unaligned.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace andel {

struct Tkunderec {
    std::string firstName;  // up to 12 bytes in the file ("Fornavn")
    std::string lastName;   // up to 20 ("Etternavn")
    std::string otherInfo;  // up to 40 ("Andre opplysninger")
    std::uint32_t playerNumber = 0;
    std::uint32_t reserved = 0;  // read and kept, never interpreted
    std::uint32_t telephone1 = 0;  // private
    std::uint32_t telephone2 = 0;  // work
    std::uint32_t fax1 = 0;
    std::uint32_t fax2 = 0;
    int day = 0, month = 0, year = 0;  // registration date of the player's card
    friend bool operator==(const Tkunderec&, const Tkunderec&) = default;
};

constexpr std::size_t kKunderecSize = 103;
constexpr std::size_t kFirstNameCapacity = 12, kLastNameCapacity = 20, kOtherInfoCapacity = 40;

// The 103 bytes of a record: texts encoded and cut to their capacity, bytes beyond a
// text's length zero, the reserved field zero.
std::string encodeKunderec(const Tkunderec& record);

// Reads the first 103 bytes of `bytes` (which must hold that many). A length byte above
// the field's capacity is cut to the capacity.
Tkunderec decodeKunderec(std::string_view bytes);

// The UTF-8 text of `text` encoded to Windows-1252 and cut to `capacity` bytes.
std::string cutToBytes(std::string_view text, std::size_t capacity);

}  // namespace andel
