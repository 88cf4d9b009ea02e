#include "register/customer_record.h"

#include "model/codepage.h"

namespace andel {
namespace {

constexpr std::size_t kFirstNameAt = 0, kLastNameAt = 13, kOtherInfoAt = 34, kPlayerNumberAt = 75,
                      kReservedAt = 79, kTelephone1At = 83, kTelephone2At = 87, kFax1At = 91,
                      kFax2At = 95, kDayAt = 99, kMonthAt = 100, kYearAt = 101;

void putText(std::string& record, std::size_t at, std::size_t capacity, std::string_view text) {
    const std::string bytes = toCp1252(text).substr(0, capacity);
    record[at] = static_cast<char>(bytes.size());
    record.replace(at + 1, bytes.size(), bytes);
}

void putInteger(std::string& record, std::size_t at, std::uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) record[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

std::string getText(std::string_view record, std::size_t at, std::size_t capacity) {
    std::size_t length = static_cast<unsigned char>(record[at]);
    if (length > capacity) length = capacity;
    return fromCp1252(record.substr(at + 1, length));
}

std::uint32_t getInteger(std::string_view record, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int k = bytes - 1; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(record[at + k]);
    return value;
}

}  // namespace

std::string cutToBytes(std::string_view text, std::size_t capacity) {
    return fromCp1252(toCp1252(text).substr(0, capacity));
}

std::string encodeKunderec(const Tkunderec& record) {
    std::string bytes(kKunderecSize, '\0');
    putText(bytes, kFirstNameAt, kFirstNameCapacity, record.firstName);
    putText(bytes, kLastNameAt, kLastNameCapacity, record.lastName);
    putText(bytes, kOtherInfoAt, kOtherInfoCapacity, record.otherInfo);
    putInteger(bytes, kPlayerNumberAt, record.playerNumber, 4);
    putInteger(bytes, kReservedAt, 0, 4);
    putInteger(bytes, kTelephone1At, record.telephone1, 4);
    putInteger(bytes, kTelephone2At, record.telephone2, 4);
    putInteger(bytes, kFax1At, record.fax1, 4);
    putInteger(bytes, kFax2At, record.fax2, 4);
    putInteger(bytes, kDayAt, static_cast<std::uint32_t>(record.day), 1);
    putInteger(bytes, kMonthAt, static_cast<std::uint32_t>(record.month), 1);
    putInteger(bytes, kYearAt, static_cast<std::uint32_t>(record.year), 2);
    return bytes;
}

Tkunderec decodeKunderec(std::string_view bytes) {
    Tkunderec record;
    if (bytes.size() < kKunderecSize) return record;
    record.firstName = getText(bytes, kFirstNameAt, kFirstNameCapacity);
    record.lastName = getText(bytes, kLastNameAt, kLastNameCapacity);
    record.otherInfo = getText(bytes, kOtherInfoAt, kOtherInfoCapacity);
    record.playerNumber = getInteger(bytes, kPlayerNumberAt, 4);
    record.reserved = getInteger(bytes, kReservedAt, 4);
    record.telephone1 = getInteger(bytes, kTelephone1At, 4);
    record.telephone2 = getInteger(bytes, kTelephone2At, 4);
    record.fax1 = getInteger(bytes, kFax1At, 4);
    record.fax2 = getInteger(bytes, kFax2At, 4);
    record.day = static_cast<int>(getInteger(bytes, kDayAt, 1));
    record.month = static_cast<int>(getInteger(bytes, kMonthAt, 1));
    record.year = static_cast<int>(getInteger(bytes, kYearAt, 2));
    return record;
}

}  // namespace andel
