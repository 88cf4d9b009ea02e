#include "handover/window_message.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace andel {
namespace {

template <class Number>
bool readNumber(std::string_view field, Number& number) {
    if (field.empty() || field.front() == '+') return false;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    return error == std::errc() && end == field.data() + field.size();
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(line.find(' ', start), line.size());
        fields.push_back(line.substr(start, end - start));
        at = end;
    }
    return fields;
}

}  // namespace

std::string formatWindowMessage(const WindowMessage& message) {
    return std::to_string(message.number) + " " + std::to_string(message.wParam) + " " +
           std::to_string(message.lParam);
}

std::optional<WindowMessage> parseWindowMessage(std::string_view line) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.size() > kMaxWindowMessageLine) return std::nullopt;
    const std::vector<std::string_view> fields = fieldsOf(line);
    WindowMessage message;
    if (fields.size() != 3 || !readNumber(fields[0], message.number) ||
        !readNumber(fields[1], message.wParam) || !readNumber(fields[2], message.lParam)) {
        return std::nullopt;
    }
    return message;
}

std::vector<std::string> WindowMessageLines::take(std::string_view bytes) {
    // A line of the longest message, with CR LF.
    constexpr std::size_t kMaxHeld = kMaxWindowMessageLine + 1;
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (!dropping_) {
            pending_.append(piece.substr(0, kMaxHeld + 1 - std::min(pending_.size(), kMaxHeld + 1)));
            if (pending_.size() > kMaxHeld) {
                dropping_ = true;
                pending_.clear();
            }
        }
        if (end == std::string_view::npos) break;
        if (!dropping_) lines.push_back(std::move(pending_));
        pending_.clear();
        dropping_ = false;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

bool bringsToFront(const WindowMessage& message) {
    return (message.wParam & 0xFFFF) == 0 && (message.lParam & 0xFFFF) == 0;
}

}  // namespace andel
