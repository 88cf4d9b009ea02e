#pragma once
// The writer of the online file for every game: one header record and the game's coupon
// records, each closed by its check characters.
#include "online/online_file_builder.h"
#include "online/online_games.h"
#include "online/rows_file_reader.h"
#include "platform/messages.h"

#include <string>
#include <vector>

namespace andel {

// The bytes of the online file from the reader's header values and the rows file's
// lines. The file is always whole records. TIPPING reports its bad lines here and writes
// them as far as they go; the other games leave bad lines out (the reader has named them).
std::string buildOnlineFile(const OnlineGame& game, const Tinforec& info, const std::vector<std::string>& rowsFileLines,
                            const WriterOptions& options, Messages& messages, WriteProgress& progress);

}  // namespace andel
