#pragma once
// The numbered window messages the main window takes from outside, and their form on
// the local socket: one line "NUMBER WPARAM LPARAM".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

enum class WindowMessageId : std::uint32_t {
    TakeRegisterCustomer = 12707,  // take the register window's current customer
    FetchStoredRows = 12708,       // the storage browser's chosen file is ready
    ShowOrClose = 13319,           // from the row-generating program
};

struct WindowMessage {
    std::uint32_t number = 0;
    std::int64_t wParam = 0;
    std::int64_t lParam = 0;
    friend bool operator==(const WindowMessage&, const WindowMessage&) = default;
};

// A line is refused beyond this length (without its line break), so a peer cannot make
// the reader hoard input.
inline constexpr std::size_t kMaxWindowMessageLine = 64;

// "13319 0 0" (no line break).
std::string formatWindowMessage(const WindowMessage& message);

// Three decimal whole numbers separated by blanks; the parameters may be negative. A
// trailing LF or CR LF is allowed. Nothing for anything else: junk, missing or extra
// fields, numbers out of range, lines longer than kMaxWindowMessageLine.
std::optional<WindowMessage> parseWindowMessage(std::string_view line);

// Splits the bytes of one connection into lines, whatever pieces they arrive in. A line
// longer than kMaxWindowMessageLine is dropped whole, up to and including its line break,
// so its tail is never taken for a message of its own; the reader never holds more than
// one line's worth.
class WindowMessageLines {
public:
    // The lines (without their LF) that these bytes complete.
    std::vector<std::string> take(std::string_view bytes);

private:
    std::string pending_;
    bool dropping_ = false;  // inside an over-long line, until its LF
};

// ShowOrClose brings the module to the front when the low 16 bits of both parameters
// are 0; any other value closes it.
bool bringsToFront(const WindowMessage& message);

}  // namespace andel
