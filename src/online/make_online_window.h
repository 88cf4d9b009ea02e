#pragma once
// The make-online-file command as the main window runs it (`lagonlinefil`, `BitBtn2`):
// the refusal of an unregistered player, the dialog `Tonlineform`, then the command with
// the online-file window `Tonlinefilform` as its writer, under the hourglass cursor.
#include "online/make_online_file.h"

class QWidget;

namespace andel {

// Shows the dialog over `mainWindow` and, on "Lag onlinefil", makes the online file. The
// caller renders the state afterwards whatever the outcome (the player fields, `panel55`
// and the online-file status may have changed) and refreshes an open storage browser
// when `storageFile` is set. Checked input/output failures are shown as messages.
MakeOnlineResult makeOnlineFileFromWindow(QWidget* mainWindow, WorkbenchState& state, const Workspace& workspace,
                                          Messages& messages);

}  // namespace andel
