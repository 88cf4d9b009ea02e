#pragma once
#include "platform/workspace.h"

// One intermediate rows file per game the online-file window writes, in eksempler/ of the
// demo directory and named after the game ("LOTTO.TMP"), each using every section its game
// reads, so `andelstipp-cli ntf eksempler/LOTTO.TMP --game LOTTO` has something real to convert.
void writeGameExamples(const andel::Workspace& demo);
