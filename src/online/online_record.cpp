#include "online/online_record.h"

#include "model/codepage.h"
#include "model/text.h"
#include "online/check_characters.h"

#include <stdexcept>

namespace andel {

std::string numericField(std::string_view text, std::size_t width) {
    // A number is written as its value: zeros in front would push its last digits out of
    // the field ("010" in two places must be 10, not 01).
    const bool number = !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    return padLeftZero(number ? withoutLeadingZeros(text) : toCp1252(text), width);
}

std::string leftAlignedField(std::string_view text, std::size_t width, char fill) {
    std::string bytes = toCp1252(text);
    bytes.resize(width, fill);
    return bytes;
}

OnlineRecord::OnlineRecord(std::string bytes) : bytes_(std::move(bytes)) {
    if (bytes_.size() != kRecordBytes) throw std::invalid_argument("an online record is 350 bytes");
}

std::string_view OnlineRecord::at(RecordField field) const {
    return std::string_view(bytes_).substr(field.position - 1, field.width);
}

void OnlineRecord::put(RecordField field, std::string_view bytes) {
    if (bytes.size() != field.width || field.position + field.width - 1 > kRecordBytes) {
        throw std::invalid_argument("field text does not fit its field");
    }
    bytes_.replace(field.position - 1, field.width, bytes);
}

void OnlineRecord::setCheckCharacters(bool skipCharacterCheck) {
    closeRecord(bytes_, skipCharacterCheck);
}

}  // namespace andel
