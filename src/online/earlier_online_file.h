#pragma once
// The online files already made for the syndicate in hand: the same stem, coupon type,
// time basis and game week stored in mode ONLINE in the row storage. Making another is
// asked first, so a stray key never gives the terminal a second valid file.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "storage/storage_listing.h"
#include "workbench/workbench_state.h"

#include <string>
#include <vector>

namespace andel {

struct EarlierOnlineFile {
    std::string serialNumber;
    std::string madeAt;      // "07.03.2009 kl 09:05:03", from the stored online-file date
    std::string player;      // "Kari Nordmann 123 456 789"
    std::string onlineFile;  // directory + "\" + name, Windows form
    std::string storageFile; // the file's name in pul1lgr/
};

// Newest first; a voided syndicate is left out. Unreadable storage files are skipped.
std::vector<EarlierOnlineFile> earlierOnlineFiles(const Workspace& workspace, const WorkbenchState& state,
                                                  const VoidedSerial& voided = {});

// "serienummer 1000, laget 07.03.2009 kl 09:05:03, spiller Kari Nordmann 123 456 789".
std::string earlierOnlineFileLine(const EarlierOnlineFile& file);

// "Andelslaget har allerede en onlinefil:\rserienummer 1000, laget ..., spiller ...\r\r
// Lage en ny onlinefil likevel?", with No as its default answer.
Message earlierOnlineFileQuestion(const std::vector<EarlierOnlineFile>& earlier);

// "Andelslaget har allerede en onlinefil:\r...\r\rSkrive ut andelsbrevene for den?", Ja by
// default: printing for the file made is what the agent wants.
Message printForEarlierFileQuestion(const EarlierOnlineFile& earlier);

// Asks when the syndicate has an online file already; true when there is none or the
// agent answers Ja.
bool mayMakeAnotherOnlineFile(const Workspace& workspace, const WorkbenchState& state, Messages& messages,
                              const VoidedSerial& voided = {});

}  // namespace andel
