#pragma once
// What every fuzz target shares: a message sink that stays quiet, a fresh working
// directory per input, and the input written into it as one of the program's files.
#include "platform/messages.h"
#include "platform/workspace.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace andel::fuzz {

// Answers every question with No, so no reader is led into a write it would not make.
class QuietMessages : public Messages {
public:
    bool show(const Message& message) override { return message.buttons == MessageButtons::Ok; }
};

// A temporary working directory, emptied for each input and removed at exit.
class FreshDirectory {
public:
    FreshDirectory();
    ~FreshDirectory();
    // Empties the directory and returns it as the working directory.
    const Workspace& reset();
    // Writes the bytes as the working directory's file `relative` (parents created).
    std::filesystem::path put(const std::string& relative, std::string_view bytes) const;

private:
    Workspace workspace_;
};

// The process-wide directory of a target.
FreshDirectory& freshDirectory();

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input's first line and the rest, for targets that take two inputs from one.
struct SplitInput {
    std::string_view first, rest;
};
SplitInput splitFirstLine(std::string_view bytes);

}  // namespace andel::fuzz
