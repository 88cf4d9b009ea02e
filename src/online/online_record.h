#pragma once
// The online file's records: 350 bytes of fixed-width fields with nothing between them,
// positions 1-348 for the fields and 349-350 for the two check characters. A record is
// kept as its bytes (Windows-1252), so what is written is exactly what the fields hold.
#include <cstddef>
#include <string>
#include <string_view>

namespace andel {

inline constexpr std::size_t kRecordBytes = 350;

// A field by its 1-based first position and its width in bytes.
struct RecordField {
    std::size_t position;
    std::size_t width;
};

inline constexpr RecordField kCheckField{349, 2};

// The text encoded to Windows-1252, padded on the left with "0" to the width, then cut
// to its first `width` bytes. A text of digits loses its leading zeros first, so a number
// that fits is written as its value; callers refuse a number that does not fit.
std::string numericField(std::string_view text, std::size_t width);
// The text encoded, padded on the right with `fill` to the width, then cut.
std::string leftAlignedField(std::string_view text, std::size_t width, char fill = ' ');

class OnlineRecord {
public:
    const std::string& bytes() const { return bytes_; }
    // The field's bytes as they stand.
    std::string_view at(RecordField field) const;
    // Closes the record with its check characters (positions 349-350); unless
    // `skipCharacterCheck`, this may change Norwegian letters and positions 336-339.
    void setCheckCharacters(bool skipCharacterCheck);

protected:
    // `bytes` must be exactly kRecordBytes long.
    explicit OnlineRecord(std::string bytes);
    // `bytes` must be exactly the field's width.
    void put(RecordField field, std::string_view bytes);

private:
    std::string bytes_;
};

}  // namespace andel
