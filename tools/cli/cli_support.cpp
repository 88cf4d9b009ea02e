#include "cli_support.h"

#include <algorithm>
#include <iostream>

namespace andel::cli {

std::string oneLine(std::string text) {
    for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at + 3)) {
        text.replace(at, 1, " / ");
    }
    return text;
}

bool StderrMessages::show(const Message& message) {
    std::cerr << oneLine(message.text) << '\n';
    return message.buttons == MessageButtons::Ok;
}

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& options,
                     const std::vector<std::string>& flags) {
    auto known = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
            if (known(flags, arg)) {
                flags_.push_back(arg);
            } else if (known(options, arg)) {
                if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
                options_.emplace_back(arg, args[++i]);
            } else {
                throw UsageError("unknown option " + arg);
            }
        } else {
            positionals_.push_back(arg);
        }
    }
}

std::optional<std::string> Arguments::option(const std::string& name) const {
    std::optional<std::string> value;
    for (const auto& [key, text] : options_) {
        if (key == name) value = text;
    }
    return value;
}

bool Arguments::flag(const std::string& name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

void Arguments::expectPositionals(std::size_t min, std::size_t max) const {
    if (positionals_.size() < min) throw UsageError("missing argument");
    if (positionals_.size() > max) throw UsageError("unexpected argument " + positionals_[max]);
}

int parseNumber(const std::string& text, int min, int max, const std::string& what) {
    const bool digits = !text.empty() && text.size() <= 9 &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int value = digits ? std::stoi(text) : min - 1;
    if (value < min || value > max) {
        throw UsageError(what + " must be a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + text + "\"");
    }
    return value;
}

}  // namespace andel::cli
