#include "register/customer_cells.h"

#include "model/text.h"

#include <limits>

namespace andel {
namespace {

std::string numberText(std::uint32_t number) { return number == 0 ? std::string() : std::to_string(number); }

// Characters [from, from + count) of a text counted from 1, as far as the text reaches.
std::string part(std::string_view text, std::size_t from, std::size_t count) {
    if (from == 0 || from > text.size()) return {};
    return std::string(text.substr(from - 1, count));
}

}  // namespace

std::string playerNumberCell(std::uint32_t number) {
    const std::string digits = padLeftZero(std::to_string(number), 9);
    return " " + digits.substr(0, 3) + " " + digits.substr(3, 3) + " " + digits.substr(6, 3);
}

std::string phoneCell(std::uint32_t number) {
    const std::string digits = padLeftZero(numberText(number), 8);
    return " " + digits.substr(0, 3) + "-" + digits.substr(3, 5);
}

std::string dateCell(int day, int month, int year) {
    return " " + padLeftZero(std::to_string(day), 2) + "/" + padLeftZero(std::to_string(month), 2) + "-" +
           padLeftZero(std::to_string(year), 4);
}

std::string groupedPlayerNumber(std::string_view text) {
    const std::string digits = padLeftZero(digitsOnly(text), 9);
    return digits.substr(0, 3) + " " + digits.substr(3, 3) + " " + digits.substr(6, 3);
}

std::string dateSortText(std::string_view cell) {
    const auto first = cell.find_first_not_of(' ');
    const std::string_view text = first == std::string_view::npos ? std::string_view() : cell.substr(first);
    if (text.size() < 4) return "9999999999999";
    return part(text, 7, 4) + "." + part(text, 4, 2) + "." + part(text, 1, 2);
}

std::uint32_t cellNumber(std::string_view cell) {
    const std::int64_t value = parseAmount(digitsOnly(cell));
    constexpr std::int64_t limit = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(value > limit ? limit : value);
}

}  // namespace andel
