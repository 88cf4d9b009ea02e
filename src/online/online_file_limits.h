#pragma once
// The online file's numbers live in fixed-width fields. A value wider than its field would
// be cut to its first digits and reach the operator as another number, so every count and
// amount is checked against its field before anything is written.
#include "online/online_games.h"
#include "online/rows_file_reader.h"

#include <string>
#include <vector>

namespace andel {

// One line for the agent per value that does not fit its field, for example
// "Innsatsen 1.009.899 er for stor for onlinefilen (høyst 999.999)"; empty when all fit.
std::vector<std::string> valuesThatDoNotFit(const OnlineGame& game, const RowsFileInfo& rows);

}  // namespace andel
