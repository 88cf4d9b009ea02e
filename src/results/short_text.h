#pragma once
// A fixed-width text of a binary record: one length byte followed by `Capacity` bytes of
// Windows-1252 text. The bytes beyond the length are kept as read, so a record that is
// read and written back comes out byte for byte the same.
#include "model/codepage.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace andel {

template <std::size_t Capacity>
struct ShortText {
    static_assert(Capacity >= 1 && Capacity <= 255, "a length byte counts at most 255");
    static constexpr std::size_t kCapacity = Capacity;
    static constexpr std::size_t kBytes = Capacity + 1;

    std::uint8_t length = 0;
    std::array<char, Capacity> bytes{};

    // The stored bytes; a length byte above the capacity is cut to the capacity, so a
    // damaged field never reads into the next one.
    std::string_view raw() const {
        return std::string_view(bytes.data(), std::min<std::size_t>(length, Capacity));
    }
    std::string text() const { return fromCp1252(raw()); }

    // Encodes first, then cuts to the capacity.
    void assign(std::string_view utf8) {
        const std::string encoded = toCp1252(utf8);
        const std::size_t kept = std::min(encoded.size(), Capacity);
        std::copy_n(encoded.data(), kept, bytes.data());
        length = static_cast<std::uint8_t>(kept);
    }

    void readFrom(const char* record) {
        length = static_cast<std::uint8_t>(record[0]);
        std::copy_n(record + 1, Capacity, bytes.data());
    }
    void writeTo(char* record) const {
        record[0] = static_cast<char>(length);
        std::copy_n(bytes.data(), Capacity, record + 1);
    }

    friend bool operator==(const ShortText&, const ShortText&) = default;
};

}  // namespace andel
