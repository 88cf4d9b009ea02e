#pragma once
// The make-online-file command as the main window runs it (`lagonlinefil`, `BitBtn2`):
// the refusal of an unregistered player, the dialog `Tonlineform`, then the command with
// the online-file window `Tonlinefilform` as its writer, under the hourglass cursor.
#include "online/earlier_online_file.h"
#include "online/make_online_file.h"

class QWidget;

namespace andel {

// Asks first when the syndicate already has an online file that is not voided (No by
// default: nothing is made). Then shows the dialog over `mainWindow` with the focus in its
// first field and, on "Lag onlinefil", makes the online file; No to the player-number
// question opens the dialog again with what was typed. The
// caller renders the state afterwards whatever the outcome (the player fields, `panel55`
// and the online-file status may have changed) and refreshes an open storage browser
// when `storageFile` is set. Checked input/output failures are shown as messages.
MakeOnlineResult makeOnlineFileFromWindow(QWidget* mainWindow, WorkbenchState& state, const Workspace& workspace,
                                          Messages& messages, const VoidedSerial& voided = {});

}  // namespace andel
