#pragma once
// The program's arguments and standard streams, the same on every system: arguments as
// UTF-8 (Windows hands main() the ANSI code page, which loses "Ø" in LØRDAG or a path
// with Norwegian letters) and output bytes exactly as written (no "\n" to CR LF).
#include <string>
#include <vector>

namespace andel {

// argv[1..] as UTF-8 text.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Puts stdout and stderr into binary mode where the system has a text mode.
void useBinaryStandardStreams();

}  // namespace andel
