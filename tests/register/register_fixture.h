#pragma once
// Customers and register files for the register tests.
#include "register/customer_record.h"
#include "register/register_file.h"
#include "support/temp_dir.h"

#include <initializer_list>
#include <string>

namespace andel::test {

inline Tkunderec customer(std::string first, std::string last, std::uint32_t number = 0, int day = 0,
                          int month = 0, int year = 0) {
    Tkunderec c;
    c.firstName = std::move(first);
    c.lastName = std::move(last);
    c.playerNumber = number;
    c.day = day;
    c.month = month;
    c.year = year;
    return c;
}

inline std::string registerBytes(std::initializer_list<Tkunderec> customers, const std::string& tail = {}) {
    std::string bytes;
    for (const Tkunderec& c : customers) bytes += encodeKunderec(c);
    return bytes + tail;
}

inline void writeRegister(const TempDir& dir, std::initializer_list<Tkunderec> customers,
                          const std::string& tail = {}) {
    dir.write(std::string(kRegisterFileName), registerBytes(customers, tail));
}

}  // namespace andel::test
