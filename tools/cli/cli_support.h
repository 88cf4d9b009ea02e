#pragma once
// What every subcommand of andelstipp-cli shares: its arguments, the working directory,
// the message sink on stderr and the error for bad arguments.
#include "platform/messages.h"
#include "platform/workspace.h"

#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace andel::cli {

// Bad arguments: printed as one line, exit status 2, nothing written.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

// A message's lines on one line of the terminal: each "\r" (the message box's line break) as
// " / ", so that no terminal writes the second line over the first.
std::string oneLine(std::string text);

// Message boxes become lines on stderr, each "\r" shown as " / ".
class StderrMessages : public Messages {
public:
    bool show(const Message& message) override;
};

// The arguments after the subcommand: positionals and "--name value" options.
class Arguments {
public:
    // `flags` are options without a value; every other known option takes one.
    Arguments(const std::vector<std::string>& args, const std::vector<std::string>& options,
              const std::vector<std::string>& flags = {});
    const std::vector<std::string>& positionals() const { return positionals_; }
    std::optional<std::string> option(const std::string& name) const;
    bool flag(const std::string& name) const;
    // Fails unless the number of positionals lies in [min, max].
    void expectPositionals(std::size_t min, std::size_t max) const;

private:
    std::vector<std::string> positionals_;
    std::vector<std::pair<std::string, std::string>> options_;
    std::vector<std::string> flags_;
};

// A whole number in [min, max], or a UsageError naming the option.
int parseNumber(const std::string& text, int min, int max, const std::string& what);

struct Context {
    Workspace workspace;
    StderrMessages messages;
    std::ostream& out;
};

}  // namespace andel::cli
