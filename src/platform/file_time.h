#pragma once
// When a file was last changed, in this machine's local time.
#include "platform/clock.h"

#include <filesystem>
#include <optional>

namespace andel {

// The local time `now` less the file's age; nothing when the file does not exist or its
// time cannot be read.
std::optional<LocalDateTime> fileChangedAt(const std::filesystem::path& file, const LocalDateTime& now = localNow());

}  // namespace andel
