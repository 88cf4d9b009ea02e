#pragma once
// The one exception for checked input/output failures. The window that started the step
// shows its text; the command-line tool prints it and exits 1.
#include <stdexcept>
#include <string>

namespace andel {

class IoError : public std::runtime_error {
public:
    explicit IoError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace andel
