#pragma once
// The files that tell the row-generating program this module is running: Apulje1.tmp
// holds the main window's handle, wtpulje1.tmp its caption. They exist exactly while the
// main window does.
#include "platform/workspace.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace andel {

inline constexpr std::string_view kHandleFileName = "Apulje1.tmp";
inline constexpr std::string_view kCaptionFileName = "wtpulje1.tmp";
inline constexpr std::string_view kMainWindowCaption = "Kvasar - Andelstippemodul  10.11.2019";

// Four bytes in the machine's byte order; replaces an older file. IoError on failure.
void writeHandleFile(const Workspace& workspace, std::uint32_t handle);
// The caption and CR LF, in Windows-1252; replaces an older file. IoError on failure.
void writeCaptionFile(const Workspace& workspace, std::string_view caption = kMainWindowCaption);
// Deletes Apulje1.tmp, then wtpulje1.tmp, each only when it exists.
void removePresenceFiles(const Workspace& workspace);

// The same, only while Apulje1.tmp holds `handle` (or is gone): presence files another
// copy wrote tell the row-generating program that copy runs, and stay.
void removeOwnPresenceFiles(const Workspace& workspace, std::uint32_t handle);

// The handle of a running module: nothing when Apulje1.tmp is missing or not 4 bytes.
std::optional<std::uint32_t> readHandleFile(const Workspace& workspace);

}  // namespace andel
